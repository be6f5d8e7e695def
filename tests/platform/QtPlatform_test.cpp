// The Qt platform layer, offscreen: pictures through Qt's readers, refusals,
// hostile files, releasing pixels and the Spanish standard buttons.
#include "platform/QtPlatform.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QBuffer>
#include <QDialogButtonBox>
#include <QImageWriter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <thread>

using namespace quilto;

namespace QTest {
template <>
char* toString(const LoadStatus& status) {
    switch (status) {
        case LoadStatus::Ok:
            return qstrdup("Ok");
        case LoadStatus::NotAPicture:
            return qstrdup("NotAPicture");
        case LoadStatus::Failed:
            return qstrdup("Failed");
    }
    return qstrdup("?");
}
}  // namespace QTest

static long PeakKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The seed files of the picture fuzz target (made by fuzz/make_picture_corpus.cpp)
// and what each must come to: a picture of this size, or, for an empty size, a
// refusal. Animated and multi-page files give their first frame.
const struct {
    const char* name;
    QSize size;
} kSeeds[] = {
    {"png-rgb.png", {16, 12}},
    {"png-alpha.png", {16, 12}},
    {"png-indexed.png", {16, 12}},
    {"png-grey16.png", {16, 12}},
    {"jpeg-baseline.jpg", {16, 12}},
    {"jpeg-progressive.jpg", {16, 12}},
    {"jpeg-grey.jpg", {16, 12}},
    {"jpeg-exif-rotated.jpg", {12, 16}},
    {"bmp-24.bmp", {16, 12}},
    {"bmp-indexed.bmp", {16, 12}},
    {"bmp-mono.bmp", {16, 12}},
    {"webp-lossy.webp", {16, 12}},
    {"webp-lossless.webp", {16, 12}},
    {"webp-animated.webp", {20, 16}},  // the canvas
    {"tiff-plain.tif", {16, 12}},
    {"tiff-lzw.tif", {16, 12}},
    {"tiff-pages.tif", {16, 12}},  // pages of 16 x 12, 8 x 6 and 5 x 3
    {"gif-still.gif", {16, 12}},
    {"gif-animated.gif", {16, 12}},
    {"ico-one.ico", {16, 16}},
    {"ico-sizes.ico", {16, 16}},  // 16, 32 and 48 pixels square
    {"ppm-rgb.ppm", {16, 12}},
    {"tga-rgb.tga", {16, 12}},
    {"xpm-indexed.xpm", {16, 12}},
    {"xbm-mono.xbm", {16, 12}},
    {"wbmp-mono.wbmp", {16, 12}},
    {"mng-still.mng", {}},  // the MNG and ICNS readers are not trusted
    {"icns-icon.icns", {}},
    {"hostile-png-truncated.png", {}},
    {"hostile-jpeg-truncated.jpg", {}},
    {"hostile-tga-cut-1024x1024.tga", {}},
    {"hostile-tga-colour-map.tga", {}},
    {"hostile-png-60000x60000.png", {}},
    {"hostile-jpeg-65500x65500.jpg", {}},
    {"hostile-bmp-65536x65536.bmp", {}},
    {"hostile-tiff-100000x100000.tif", {}},
    {"hostile-gif-screen-65535.gif", {}},
    {"hostile-gif-frame-65535.gif", {16, 12}},  // the second frame is never decoded
    {"hostile-webp-canvas-16m.webp", {}},
    {"hostile-mng-inner-30000x30000.mng", {}},
    {"hostile-icns-toc-2gib.icns", {}},
    {"hostile-png-text-1gib.png", {}},
    {"hostile-ico-png-text-1gib.ico", {}},
};

const QDir kSeedDir(QStringLiteral(QUILTO_SOURCE_DIR "/fuzz/corpus/picture"));

// Qt reads GIF but cannot write it: a 3 x 2 picture of one colour, made by hand.
const char kGifBytes[] =
    "GIF89a\x03\x00\x02\x00\x80\x00\x00\xc8\x1e\x28\x00\x00\x00,\x00\x00\x00\x00\x03\x00\x02\x00"
    "\x00\x02\x04\x04\x00\x00\x05\x00;";
const QByteArray kGif(kGifBytes, sizeof kGifBytes - 1);

class QtPlatformTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QtPlatform platform_;

    // Writes a file and loads it; names with Spanish letters go through std::string as UTF-8.
    LoadedPicture Load(const char* name, const QByteArray& bytes) {
        QFile f(dir_.filePath(QString::fromUtf8(name)));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.flush())
            qFatal("cannot write %s", name);
        return platform_.LoadPicture(f.fileName().toStdString());
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        InstallSpanishTranslations(*qApp);
    }

    // A name that says one format while the file holds another still loads.
    void loadsEveryFormatWithItsSize() {
        const QImage picture = QImage::fromData(kGif);
        for (auto [format, name] : {std::pair{"png", "cigüeña.png"},
                                    {"jpeg", "montaña.jpg"},
                                    {"bmp", "años.bmp"},
                                    {"webp", "pingüino.webp"},
                                    {"tiff", "árbol.tif"},
                                    {"gif", "canción.gif"},
                                    {"jpeg", "foto.png"},
                                    {"png", "sin_extension"}}) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            if (qstrcmp(format, "gif") == 0)
                bytes = kGif;
            else if (!QImageWriter(&buffer, format).write(picture))
                continue;  // no writer for it on this machine
            const LoadedPicture loaded = Load(name, bytes);
            QVERIFY2(loaded.status == LoadStatus::Ok && loaded.id != kNoPictureId, name);
            QCOMPARE(QSize(loaded.width, loaded.height), QSize(3, 2));
            QCOMPARE(platform_.Picture(loaded.id).size(), QSize(3, 2));
        }
    }

    void refusesWhatIsNotAPicture() {
        QCOMPARE(Load("notas.txt", "Esto no es una imagen.\n").status, LoadStatus::NotAPicture);
        QCOMPARE(Load("vacio.png", {}).status, LoadStatus::NotAPicture);
        QCOMPARE(platform_.LoadPicture(dir_.path().toStdString()).status, LoadStatus::NotAPicture);
        QCOMPARE(platform_.LoadPicture(dir_.filePath(QStringLiteral("no-existe.png")).toStdString()).status,
                 LoadStatus::Failed);
    }

    // A named pipe is refused without being opened: opening it would wait for a
    // writer. Should the loader open it all the same, this writer hands it a
    // picture, and the load succeeds where it must not.
    void refusesAPipeWithoutWaiting() {
        const QByteArray fifo = QFile::encodeName(dir_.filePath(QStringLiteral("tuberia.png")));
        QCOMPARE(mkfifo(fifo.constData(), 0600), 0);
        std::thread writer([&fifo] {
            QFile pipe(QString::fromLocal8Bit(fifo));
            if (pipe.open(QIODevice::WriteOnly)) pipe.write(kGif);
        });
        const LoadStatus status = platform_.LoadPicture(fifo.toStdString()).status;
        // A reader end, without waiting, lets a writer still waiting finish into the pipe's buffer.
        const int readEnd = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
        writer.join();
        ::close(readEnd);
        QCOMPARE(status, LoadStatus::NotAPicture);
    }

    // Every seed file ends as a picture of its size or as a refusal, and none
    // takes pixel memory it is refused for: declared sizes in the billions are
    // refused from the header or by the allocation limit, and no reader's own
    // buffers grow with them.
    void seedsEndAsPictureOrRefusal_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const auto& seed : kSeeds) QTest::newRow(seed.name) << QString::fromLatin1(seed.name) << seed.size;
    }
    void seedsEndAsPictureOrRefusal() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QVERIFY2(kSeedDir.exists(name), qPrintable(kSeedDir.filePath(name)));
        const long before = PeakKb();
        const LoadedPicture loaded = platform_.LoadPicture(kSeedDir.filePath(name).toStdString());
        QCOMPARE(loaded.status, size.isValid() ? LoadStatus::Ok : LoadStatus::NotAPicture);
        QCOMPARE(QSize(loaded.width, loaded.height), size.isValid() ? size : QSize(0, 0));
        if (size.isValid()) {
            const QImage& picture = platform_.Picture(loaded.id);
            QCOMPARE(picture.size(), size);
            QVERIFY2(
                picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32_Premultiplied,
                qPrintable(QString::number(picture.format())));
            platform_.ReleasePicture(loaded.id);
        }
        QCOMPARE_LT(PeakKb() - before, 256 * 1024);
    }

    // A new seed gets its expectation above.
    void everySeedIsExpected() {
        QStringList expected;
        for (const auto& seed : kSeeds) expected << QString::fromLatin1(seed.name);
        expected.sort();
        QCOMPARE(kSeedDir.entryList(QDir::Files, QDir::Name), expected);
    }

    void releaseForgetsThePixels() {
        const LoadedPicture a = Load("uno.gif", kGif), b = Load("uno.gif", kGif);
        QVERIFY(a.id != b.id);
        platform_.ReleasePicture(a.id);
        platform_.ReleasePicture(a.id);  // twice: harmless
        QVERIFY(platform_.Picture(a.id).isNull());
        QCOMPARE(platform_.Picture(b.id).size(), QSize(3, 2));
    }

    void standardButtonsReadSpanish() {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Open);
        for (auto [which, text] : {std::pair{QDialogButtonBox::Ok, "Aceptar"},
                                   {QDialogButtonBox::Cancel, "Cancelar"},
                                   {QDialogButtonBox::Open, "Abrir"}})
            QCOMPARE(box.button(which)->text().remove(QLatin1Char('&')), QString::fromLatin1(text));
    }
};

QTEST_MAIN(QtPlatformTest)
#include "QtPlatform_test.moc"
