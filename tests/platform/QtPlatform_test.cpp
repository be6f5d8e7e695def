// The Qt platform layer, offscreen: pictures through Qt's readers, refusals,
// releasing pixels and the Spanish standard buttons.
#include "platform/QtPlatform.h"

#include <sys/resource.h>

#include <QApplication>
#include <QBuffer>
#include <QDialogButtonBox>
#include <QImageWriter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace quilto;

// A well-formed PNG header promising width x height RGB pixels, then a few rows only.
static QByteArray PngClaiming(quint32 width, quint32 height) {
    auto be32 = [](quint32 v) {
        QByteArray b(4, '\0');
        qToBigEndian(v, b.data());
        return b;
    };
    auto chunk = [&be32](const char* kind, const QByteArray& data) {
        const QByteArray body = QByteArray(kind, 4) + data;
        quint32 crc = 0xFFFFFFFFu;  // a wrong CRC alone would have the file refused
        for (qsizetype bit = 0; bit < body.size() * 8; ++bit) {
            if (bit % 8 == 0) crc ^= quint8(body[bit / 8]);
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        return be32(quint32(data.size())) + body + be32(~crc);
    };
    const QByteArray header = be32(width) + be32(height) + QByteArray("\x08\x02\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) +
           chunk("IDAT", qCompress(QByteArray(4096, '\0')).mid(4)) + chunk("IEND", {});
}

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
        // Gigapixels are refused from the header alone, before pixel memory is taken.
        auto peakKb = [] {
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            return usage.ru_maxrss;
        };
        const long before = peakKb();
        QCOMPARE(Load("enorme.png", PngClaiming(60000, 60000)).status, LoadStatus::NotAPicture);
        QVERIFY2(peakKb() - before < 256 * 1024, "pixel memory was taken for a refused picture");
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
