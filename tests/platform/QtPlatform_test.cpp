// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt platform layer, offscreen: pictures through Qt's readers, refusals,
// hostile files, releasing pixels, the wait pointer, the data folder, the
// background thread, file stamps and removal, and the Spanish standard buttons.
#include "platform/QtPlatform.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QBuffer>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>
#include <array>
#include <atomic>
#include <chrono>
#include <mutex>
#include <numeric>
#include <thread>

#include "support/QtPrinters.h"

using namespace quilto;

namespace QTest {
template <>
char* toString(const LoadStatus& status) {
    return qstrdup(std::array{"Ok", "NotAPicture", "Failed"}.at(static_cast<std::size_t>(status)));
}
}  // namespace QTest

static long PeakKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// What the seed files of the picture fuzz target come to: 16 x 12 pixels
// unless named here, an empty size being a refusal; every "hostile-" seed is
// refused. Animated and multi-page files give their first frame (the canvas,
// for WebP; the second GIF frame is never decoded); icons of 16, 32 and 48
// pixels the first; MNG and ICNS readers are not trusted.
const QMap<QString, QSize> kOddSeeds = {{"jpeg-exif-rotated.jpg", {12, 16}},
                                        {"webp-animated.webp", {20, 16}},
                                        {"ico-one.ico", {16, 16}},
                                        {"ico-sizes.ico", {16, 16}},
                                        {"mng-still.mng", {0, 0}},
                                        {"icns-icon.icns", {0, 0}},
                                        {"hostile-gif-frame-65535.gif", {16, 12}}};
const QDir kSeedDir(QStringLiteral(QUILTO_SOURCE_DIR "/fuzz/corpus/picture"));

// Qt reads GIF but cannot write it: a 3 x 2 picture of one colour, made by hand.
const QByteArray kGif = QByteArrayLiteral(
    "GIF89a\x03\x00\x02\x00\x80\x00\x00\xc8\x1e\x28\x00\x00\x00,\x00\x00\x00\x00\x03\x00\x02\x00"
    "\x00\x02\x04\x04\x00\x00\x05\x00;");

// The picture as the bytes of a file of this format.
static QByteArray Encoded(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

class QtPlatformTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QtPlatform platform_;

    // Writes a file and loads it, its name going through std::string as UTF-8.
    LoadedPicture Load(const char* name, const QByteArray& bytes) {
        QFile f(dir_.filePath(QString::fromUtf8(name)));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.flush()) qFatal("unwritten %s", name);
        return platform_.LoadPicture(f.fileName().toStdString());
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        InstallSpanishTranslations(*qApp);
    }

    // Pictures are read by content: a name with Spanish letters that says
    // another format, and one without an ending. What is not a picture is
    // refused; a missing file fails. Releasing forgets the pixels, harmlessly twice.
    void loadsByContentRefusesTheRestAndReleases() {
        const LoadedPicture a = Load("canción.png", kGif), b = Load("sin_extension", kGif);
        QCOMPARE_FIELDS(
            (a.status, QSize(a.width, a.height), platform_.Picture(a.id).image.size(), b.status, a.id != b.id),
            (LoadStatus::Ok, QSize(3, 2), QSize(3, 2), LoadStatus::Ok, true));
        platform_.ReleasePicture(a.id);
        platform_.ReleasePicture(a.id);
        QCOMPARE_FIELDS((platform_.Picture(a.id).image.isNull(), platform_.Picture(b.id).image.size(),
                         Load("notas.txt", "Esto no es una imagen.\n").status, Load("vacio.png", {}).status,
                         platform_.LoadPicture(dir_.path().toStdString()).status,
                         platform_.LoadPicture(dir_.filePath("no-existe.png").toStdString()).status),
                        (true, QSize(3, 2), LoadStatus::NotAPicture, LoadStatus::NotAPicture, LoadStatus::NotAPicture,
                         LoadStatus::Failed));
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
        const QStringList names = kSeedDir.entryList(QDir::Files);
        QVERIFY2(names.size() >= 40, qPrintable(kSeedDir.path()));
        for (const QString& name : names) QTest::newRow(qPrintable(name)) << name;
    }
    void seedsEndAsPictureOrRefusal() {
        QFETCH(QString, name);
        const QSize size = kOddSeeds.value(name, name.startsWith("hostile-") ? QSize(0, 0) : QSize(16, 12));
        const long before = PeakKb();
        const LoadedPicture loaded = platform_.LoadPicture(kSeedDir.filePath(name).toStdString());
        const QImage& picture = platform_.Picture(loaded.id).image;
        // Painting takes the pixels as they are: 32 bits, premultiplied where there is alpha.
        const int format = size.isEmpty()              ? QImage::Format_Invalid
                           : picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                       : QImage::Format_RGB32;
        QCOMPARE_FIELDS((loaded.status, QSize(loaded.width, loaded.height), picture.size(), int(picture.format())),
                        (size.isEmpty() ? LoadStatus::NotAPicture : LoadStatus::Ok, size, size, format));
        platform_.ReleasePicture(loaded.id);
        QCOMPARE_LT(PeakKb() - before, 256 * 1024);
    }

    // A picture is kept at the scale at which it covers the board along the
    // board's limiting side, never above 1, while the game goes on cutting in
    // the picture's own pixels. JPEG is decoded smaller by libjpeg, asked in
    // the file's own orientation before it is turned; other formats are
    // shrunk; a picture no larger than the board keeps every pixel as it is.
    void picturesAreKeptAtTheScaleThatCoversTheBoard() {
        const QSize board(1568, 942);
        QCOMPARE((QList<QSize>{DecodedSize({6000, 4000}, board), DecodedSize({4000, 6000}, board),
                               DecodedSize({9000, 2000}, board), DecodedSize({1000, 3000}, board),
                               DecodedSize({6000, 4000}, {})}),
                 (QList<QSize>{{1568, 1046}, {1568, 2352}, {4239, 942}, {1000, 3000}, {6000, 4000}}));

        QImage picture(640, 480, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x * 255 / 640, y * 255 / 480, 90));
        const QImage small = picture.copy(0, 0, 150, 100);
        QFile turned(kSeedDir.filePath("jpeg-exif-rotated.jpg"));
        QVERIFY(turned.open(QIODevice::ReadOnly));
        QSize shown;
        platform_.SetShownArea([&shown] { return shown; });
        const std::tuple<const char*, QByteArray, QSize, QSize, QSize> cases[] = {
            {"grande.jpg", Encoded(picture, "jpg"), {160, 100}, {640, 480}, {160, 120}},
            {"grande.png", Encoded(picture, "png"), {100, 100}, {640, 480}, {134, 100}},
            {"girada.jpg", turned.readAll(), {6, 4}, {12, 16}, {6, 8}},
            {"pequena.png", Encoded(small, "png"), {160, 100}, {150, 100}, {150, 100}},
        };
        PictureId last = kNoPictureId;
        for (const auto& [name, bytes, area, own, kept] : cases) {
            shown = area;
            const LoadedPicture loaded = Load(name, bytes);
            last = loaded.id;
            const DecodedPicture& held = platform_.Picture(loaded.id);
            QCOMPARE_FIELDS((QSize(loaded.width, loaded.height), held.size, held.image.size()), (own, own, kept), name);
        }
        QCOMPARE(platform_.Picture(last).image, small);  // every pixel as it is
        platform_.SetShownArea(nullptr);
    }

    // A large JPEG decodes aside while the game goes on, to the same pixels;
    // one broken past its header is refused once its decoding ends, and one
    // let go while it decodes is let go.
    void aLargeJpegDecodesAsideAndOneBrokenPastItsHeaderIsRefusedThen() {
        QImage picture(2400, 1800, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
        const QByteArray good = Encoded(picture, "jpg", 50);
        QByteArray broken = good;
        // The first component's Huffman tables in the scan header: 3, never defined.
        broken[broken.indexOf(QByteArray("\xFF\xDA", 2)) + 6] = 0x33;
        platform_.SetShownArea([] { return QSize(800, 600); });
        const LoadedPicture a = Load("grande.jpg", good), b = Load("rota.jpg", broken);
        platform_.ReleasePicture(Load("suelta.jpg", good).id);
        const PictureFile direct = ReadPictureFile(dir_.filePath("grande.jpg"), QtPlatform::kMaxPixels, {800, 600});
        QCOMPARE_FIELDS((a.status, QSize(a.width, a.height), b.status, QSize(b.width, b.height)),
                        (LoadStatus::Ok, QSize(2400, 1800), LoadStatus::Ok, QSize(2400, 1800)));
        QCOMPARE_FIELDS(
            (platform_.FinishPicture(a.id), platform_.Picture(a.id).image == direct.picture.image,
             platform_.Picture(a.id).image.size(), platform_.FinishPicture(b.id),
             platform_.Picture(b.id).image.isNull(),
             ReadPictureFile(dir_.filePath("rota.jpg"), QtPlatform::kMaxPixels).status),
            (LoadStatus::Ok, true, QSize(800, 600), LoadStatus::NotAPicture, true, LoadStatus::NotAPicture));
        platform_.SetShownArea(nullptr);
    }

    void showsTheWaitPointerWhileDecoding() {
        QList<Qt::CursorShape> during;
        QtPlatform platform(QtPlatform::kMaxPixels, [&](const QString&, qint64, QSize) -> PictureFile {
            const QCursor* shown = QGuiApplication::overrideCursor();
            during << (shown ? shown->shape() : Qt::ArrowCursor);
            if (during.size() == 2) throw std::runtime_error("unreadable");
            return {};
        });
        QCOMPARE(platform.LoadPicture("refused.png").status, LoadStatus::Failed);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, platform.LoadPicture("failing.png"));
        QCOMPARE_FIELDS((during, QGuiApplication::overrideCursor()),  // gone after either
                        ((QList<Qt::CursorShape>{Qt::WaitCursor, Qt::WaitCursor}), nullptr));
    }

    // The data folder is made with its parents and named with its separator;
    // a file in its place gives none. Whether it takes files is what the
    // system lets this user do (root writes into a read-only folder too).
    void theDataFolderIsMadeAndSaysWhetherItTakesFiles() {
        QtPlatform platform;
        bool writable = false;
        const QString made = dir_.filePath("datos/Quilto"), file = dir_.filePath("ocupado");
        platform.SetDataFolder(made);
        const std::string folder = platform.DataFolder(writable);
        const bool madeWritable = writable;
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        platform.SetDataFolder(file);
        const std::string none = platform.DataFolder(writable);
        const bool noneWritable = writable;
        QVERIFY(QFile::setPermissions(made, QFile::ReadOwner | QFile::ExeOwner));
        platform.SetDataFolder(made);
        platform.DataFolder(writable);
        QFile probe(made + "/prueba");
        const bool takesFiles = probe.open(QIODevice::WriteOnly);
        probe.remove();
        QFile::setPermissions(made, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE_FIELDS((folder, madeWritable, QFileInfo(made).isDir(), none, noneWritable, writable),
                        (made.toStdString() + "/", true, true, std::string(), false, takesFiles));
    }

    // Background work runs one piece at a time, in the order given, on
    // another thread; the wait returns once all of it is done, and work can
    // be given again after it. The last piece takes a while, so that a wait
    // that returns early is seen.
    void backgroundWorkRunsInOrderAndIsWaitedFor() {
        std::mutex m;
        std::vector<int> done;
        std::atomic<int> running = 0;
        int most = 0, onCaller = 0;
        const std::thread::id caller = std::this_thread::get_id();
        QtPlatform platform;  // gone first, waiting for what the work still uses
        for (int round = 0; round < 2; ++round) {
            for (int i = round * 10; i < round * 10 + 10; ++i)
                platform.RunInBackground([&, i] {
                    const int together = ++running;
                    std::this_thread::sleep_for(std::chrono::milliseconds(i % 10 == 9 ? 50 : 1));
                    const std::lock_guard lock(m);
                    done.push_back(i);
                    most = std::max(most, together);
                    onCaller += std::this_thread::get_id() == caller;
                    --running;
                });
            platform.FinishBackgroundWork();
            const std::lock_guard lock(m);
            std::vector<int> expected(std::size_t(round * 10 + 10));
            std::iota(expected.begin(), expected.end(), 0);
            QCOMPARE_FIELDS((done, most, onCaller), (expected, 1, 0), round);
        }
    }

    // Every replacement changes the stamp, even with the same size and the
    // same modification time (two writes within one tick of the file
    // system's clock). Removing: true once the file is gone, also when it
    // was never there, and false for what stays (a folder with files in it).
    void fileStampsAndRemoval() {
        const std::string path = dir_.filePath("sello").toStdString();
        const auto replace = [&](const char* bytes) {
            const timespec sameTime[2] = {{1700000000, 0}, {1700000000, 0}};
            if (!platform_.WriteFileAtomically(path, bytes) || utimensat(AT_FDCWD, path.c_str(), sameTime, 0) != 0)
                qFatal("unwritten %s", path.c_str());
            return platform_.FileStamp(path);
        };
        const std::string missing = platform_.FileStamp(path), first = replace("uno"), second = replace("dos"),
                          third = replace("tre");
        const bool removed = platform_.RemoveFile(path), gone = platform_.FileStamp(path).empty(),
                   removedAgain = platform_.RemoveFile(path),
                   folderRemoved = platform_.RemoveFile(dir_.path().toStdString());
        QCOMPARE_FIELDS((missing, first.empty(), first != second, second != third, removed, gone, removedAgain,
                         folderRemoved, QFileInfo(dir_.path()).isDir()),
                        (std::string(), false, true, true, true, true, true, false, true));
    }

    void standardButtonsReadSpanish() {
        const QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Open);
        const auto text = [&box](QDialogButtonBox::StandardButton b) { return box.button(b)->text().remove('&'); };
        QCOMPARE_FIELDS((text(QDialogButtonBox::Ok), text(QDialogButtonBox::Cancel), text(QDialogButtonBox::Open)),
                        (QString("Aceptar"), QString("Cancelar"), QString("Abrir")));
    }
};

QTEST_MAIN(QtPlatformTest)
#include "QtPlatform_test.moc"
