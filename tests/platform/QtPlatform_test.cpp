// The Qt platform layer, offscreen: pictures through Qt's image readers,
// refusals of what is not a sensible picture, releasing pixels, message
// boxes and the Spanish standard buttons.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFile>
#include <QImageWriter>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

#if defined(__linux__)
#include <sys/resource.h>
#endif

#include "platform/QtPlatform.h"
#include "CraftedFiles.h"

using namespace quilto;
using namespace quilto::test;

namespace {

const QColor kLeft(200, 30, 40);
const QColor kRight(30, 60, 200);

// Left half red, right half blue: enough to see that the pixels came through
// the right way round.
QImage TwoColourPicture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, w / 2, h, kLeft);
    p.fillRect(w / 2, 0, w - w / 2, h, kRight);
    return image;
}

bool Near(QColor a, QColor b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

std::string Std(const QString& s) { return s.toStdString(); }

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

long PeakResidentKb() {
#if defined(__linux__)
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#else
    return 0;
#endif
}

// Runs `act` on the modal dialog of type D once it is up, from inside its
// own event loop.
template <typename D>
void WhenShown(std::function<void(D&)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(*dialog);
        }
    });
    poll->start(5);
}

void WhenMessageBoxShows(std::function<void(QMessageBox&)> act) { WhenShown<QMessageBox>(std::move(act)); }

QString Plain(QString text) { return text.remove(QLatin1Char('&')); }

}  // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        InstallSpanishTranslations(*qApp);
    }

    void loadsEveryFormatQtReads_data() {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tolerance");
        // Names with Spanish letters: the path goes through std::string as UTF-8.
        QTest::newRow("png") << QByteArray("png") << QString::fromUtf8("cigüeña.png") << 0;
        QTest::newRow("jpeg") << QByteArray("jpeg") << QString::fromUtf8("montaña.jpg") << 40;
        QTest::newRow("bmp") << QByteArray("bmp") << QString::fromUtf8("años.bmp") << 0;
        QTest::newRow("gif") << QByteArray("gif") << QString::fromUtf8("canción.gif") << 8;
        QTest::newRow("webp") << QByteArray("webp") << QString::fromUtf8("pingüino.webp") << 40;
        QTest::newRow("tiff") << QByteArray("tiff") << QString::fromUtf8("árbol.tif") << 0;
        // A picture whose name says one format while it holds another still loads.
        QTest::newRow("jpeg named png") << QByteArray("jpeg") << QStringLiteral("foto.png") << 40;
        QTest::newRow("png without suffix") << QByteArray("png") << QStringLiteral("sin_extension") << 0;
    }

    void loadsEveryFormatQtReads() {
        QFETCH(QByteArray, format);
        QFETCH(QString, name);
        QFETCH(int, tolerance);
        const QImage picture = TwoColourPicture(64, 40);
        if (format == "gif") {
            WriteBytes(Path(name), GifOf(picture, kLeft, kRight));
        } else {
            if (!QImageWriter::supportedImageFormats().contains(format))
                QSKIP(qPrintable(QStringLiteral("no writer for ") + QString::fromLatin1(format)));
            QImageWriter writer(Path(name), format);
            QVERIFY2(writer.write(picture), qPrintable(writer.errorString()));
        }

        QtPlatform platform;
        const LoadedPicture loaded = platform.LoadPicture(Std(Path(name)));
        QCOMPARE(loaded.status, LoadStatus::Ok);
        QVERIFY(loaded.id != kNoPictureId);
        QCOMPARE(loaded.width, 64);
        QCOMPARE(loaded.height, 40);
        const QImage& pixels = platform.Picture(loaded.id);
        QCOMPARE(pixels.size(), QSize(64, 40));
        QVERIFY(Near(pixels.pixelColor(8, 20), kLeft, tolerance));
        QVERIFY(Near(pixels.pixelColor(56, 20), kRight, tolerance));
    }

    // A picture stored sideways with an orientation tag is loaded upright, and
    // the size reported is that of the upright picture.
    void turnsTaggedPicturesUpright() {
        if (!QImageWriter::supportedImageFormats().contains("tiff")) QSKIP("no TIFF writer");
        QImageWriter writer(Path(QStringLiteral("girada.tif")), "tiff");
        if (!writer.supportsOption(QImageIOHandler::ImageTransformation))
            QSKIP("the TIFF writer cannot store an orientation");
        writer.setTransformation(QImageIOHandler::TransformationRotate90);
        QVERIFY(writer.write(TwoColourPicture(64, 40)));

        QtPlatform platform;
        const LoadedPicture loaded = platform.LoadPicture(Std(Path(QStringLiteral("girada.tif"))));
        QCOMPARE(loaded.status, LoadStatus::Ok);
        QCOMPARE(QSize(loaded.width, loaded.height), QSize(40, 64));
        QCOMPARE(platform.Picture(loaded.id).size(), QSize(40, 64));
    }

    void refusesWhatIsNotAPicture() {
        WriteBytes(Path(QStringLiteral("notas.txt")), "Esto no es una imagen.\n");
        WriteBytes(Path(QStringLiteral("disfrazado.png")), "Tampoco esto, aunque lo diga el nombre.\n");
        WriteBytes(Path(QStringLiteral("vacio.png")), {});
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("carpeta.png")));

        QtPlatform platform;
        for (const char* name : {"notas.txt", "disfrazado.png", "vacio.png", "carpeta.png"}) {
            const LoadedPicture loaded = platform.LoadPicture(Std(Path(QString::fromLatin1(name))));
            QVERIFY2(loaded.status == LoadStatus::NotAPicture, name);
            QCOMPARE(loaded.id, kNoPictureId);
        }
        const LoadedPicture missing = platform.LoadPicture(Std(Path(QStringLiteral("no_existe.png"))));
        QVERIFY(missing.status != LoadStatus::Ok);
        QCOMPARE(missing.id, kNoPictureId);
        QVERIFY(platform.LoadPicture("").status != LoadStatus::Ok);
    }

    // Headers that promise gigapixels are refused from the header alone,
    // before any pixel memory is taken.
    void refusesHugePicturesWithoutDecoding() {
        WriteBytes(Path(QStringLiteral("enorme.png")), PngClaiming(60000, 60000));
        WriteBytes(Path(QStringLiteral("enorme.bmp")), BmpClaiming(30000, 30000));
        WriteBytes(Path(QStringLiteral("larguisima.png")), PngClaiming(2000000, 200));

        QtPlatform platform;
        const long before = PeakResidentKb();
        for (const char* name : {"enorme.png", "enorme.bmp", "larguisima.png"}) {
            const LoadedPicture loaded = platform.LoadPicture(Std(Path(QString::fromLatin1(name))));
            QVERIFY2(loaded.status == LoadStatus::NotAPicture, name);
        }
        QVERIFY2(PeakResidentKb() - before < 256 * 1024, "pixel memory was taken for a refused picture");
    }

    void releaseForgetsThePixels() {
        QVERIFY(TwoColourPicture(16, 8).save(Path(QStringLiteral("uno.png"))));
        QtPlatform platform;
        const LoadedPicture a = platform.LoadPicture(Std(Path(QStringLiteral("uno.png"))));
        const LoadedPicture b = platform.LoadPicture(Std(Path(QStringLiteral("uno.png"))));
        QCOMPARE(a.status, LoadStatus::Ok);
        QCOMPARE(b.status, LoadStatus::Ok);
        QVERIFY(a.id != b.id);

        platform.ReleasePicture(a.id);
        QVERIFY(platform.Picture(a.id).isNull());
        QCOMPARE(platform.Picture(b.id).size(), QSize(16, 8));
        platform.ReleasePicture(a.id);  // twice, and handles never given out: harmless
        platform.ReleasePicture(kNoPictureId);
        QVERIFY(platform.Picture(kNoPictureId).isNull());
        QCOMPARE(platform.Picture(b.id).size(), QSize(16, 8));
    }

    // The open dialog starts in the folder it is given, lets any file be
    // chosen and answers "" when cancelled.
    void openDialogOffersEveryFile() {
        QTemporaryDir folder;
        WriteBytes(folder.filePath(QStringLiteral("léeme.txt")), "hola\n");
        QtPlatform platform;
        QString shownIn;
        WhenShown<QFileDialog>([&](QFileDialog& dialog) {
            shownIn = dialog.directory().absolutePath();
            dialog.selectFile(QString::fromUtf8("léeme.txt"));
            static_cast<QDialog&>(dialog).accept();  // accept() is protected in QFileDialog
        });
        const std::string chosen = platform.ChooseOpenFile(Std(folder.path()));
        QCOMPARE(QDir(shownIn), QDir(folder.path()));
        QCOMPARE(QString::fromStdString(chosen), folder.filePath(QString::fromUtf8("léeme.txt")));

        WhenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
        QCOMPARE(platform.ChooseOpenFile(Std(folder.path())), std::string());
    }

    // A cue, its replacement while it still plays, and a missing file: none
    // of them blocks, reports or crashes, with or without an audio device.
    void soundCuesNeverFail() {
        QtPlatform platform;
        const QString wav = Path(QStringLiteral("tono.wav"));
        WriteBytes(wav, PcmWav(QByteArray(2 * 2205, '\0'), 22050));

        platform.PlaySound(Std(wav));
        platform.PlaySound(Std(wav));
        platform.PlaySound(Std(Path(QStringLiteral("no_existe.wav"))));
        platform.ProcessPendingEvents();
        platform.PlaySound(Std(wav));
        QTest::qWait(50);
    }

    void standardButtonsReadSpanish() {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Open);
        QCOMPARE(Plain(box.button(QDialogButtonBox::Ok)->text()), QStringLiteral("Aceptar"));
        QCOMPARE(Plain(box.button(QDialogButtonBox::Cancel)->text()), QStringLiteral("Cancelar"));
        QCOMPARE(Plain(box.button(QDialogButtonBox::Open)->text()), QStringLiteral("Abrir"));
    }

    void questionBoxAnswersTheButtonPressed() {
        QtPlatform platform;
        QString title, text, ok, cancel;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        WhenMessageBoxShows([&](QMessageBox& box) {
            title = box.windowTitle();
            text = box.text();
            icon = box.icon();
            ok = Plain(box.button(QMessageBox::Ok)->text());
            cancel = Plain(box.button(QMessageBox::Cancel)->text());
            box.button(QMessageBox::Cancel)->click();
        });
        const std::string question = "Quieres empezar otro puzzle?";
        QCOMPARE(platform.MessageBox(question, MsgIcon::Question, MsgButtons::OkCancel), MsgResult::Cancel);
        QCOMPARE(title, QStringLiteral("Quilto"));
        QCOMPARE(text, QString::fromStdString(question));
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(ok, QStringLiteral("Aceptar"));
        QCOMPARE(cancel, QStringLiteral("Cancelar"));

        // Esc is Cancel, Enter is OK.
        WhenMessageBoxShows([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
        QCOMPARE(platform.MessageBox(question, MsgIcon::Question, MsgButtons::OkCancel), MsgResult::Cancel);
        WhenMessageBoxShows([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });
        QCOMPARE(platform.MessageBox(question, MsgIcon::Question, MsgButtons::OkCancel), MsgResult::Ok);
    }

    void refusalBoxHasOneButton() {
        QtPlatform platform;
        int buttons = 0;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        WhenMessageBoxShows([&](QMessageBox& box) {
            buttons = static_cast<int>(box.buttons().size());
            icon = box.icon();
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        QCOMPARE(platform.MessageBox("Archivo no válido.", MsgIcon::Exclamation, MsgButtons::Ok), MsgResult::Ok);
        QCOMPARE(buttons, 1);
        QCOMPARE(icon, QMessageBox::Warning);
    }
};

QTEST_MAIN(QtPlatformTest)
#include "QtPlatform_test.moc"
