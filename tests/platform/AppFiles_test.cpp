// The files that lie beside the program in the build tree, read the way the
// program reads them: sample pictures through the Qt platform, the help page
// as UTF-8, the sound cues as plain PCM WAV, and the icon from the resources.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QStringDecoder>
#include <QtTest>

#include "platform/QtPlatform.h"

using namespace quilto;

namespace {

struct WavInfo {
    QString error;  // empty when the file is a plain PCM WAV
    int format = 0, channels = 0, rate = 0, bits = 0;
    QByteArray samples;
};

// Little-endian fields, read byte by byte.
quint32 Le(const QByteArray& bytes, qsizetype at, int size) {
    quint32 v = 0;
    for (int k = size - 1; k >= 0; --k) v = (v << 8) | quint8(bytes.at(at + k));
    return v;
}

WavInfo Bad(const QString& why) {
    WavInfo wav;
    wav.error = why;
    return wav;
}

// Reads a RIFF/WAVE file chunk by chunk, as any player would.
WavInfo ReadWav(const QByteArray& file) {
    WavInfo wav;
    auto u32 = [&file](qsizetype at) { return Le(file, at, 4); };
    auto u16 = [&file](qsizetype at) { return Le(file, at, 2); };
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return Bad("not RIFF/WAVE");
    if (u32(4) != quint32(file.size() - 8)) return Bad("RIFF size differs from the file's");
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = u32(at + 4);
        if (at + 8 + size > file.size()) return Bad("chunk " + QString::fromLatin1(id) + " runs past the end");
        if (id == "fmt ") {
            if (size < 16) return Bad("short fmt chunk");
            wav.format = int(u16(at + 8));
            wav.channels = int(u16(at + 10));
            wav.rate = int(u32(at + 12));
            wav.bits = int(u16(at + 22));
            if (int(u32(at + 16)) != wav.rate * wav.channels * wav.bits / 8) return Bad("wrong byte rate");
            if (int(u16(at + 20)) != wav.channels * wav.bits / 8) return Bad("wrong block align");
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return Bad("data before fmt");
            wav.samples = file.mid(at + 8, size);
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFormat || wav.samples.isEmpty()) return Bad("no fmt or no data");
    return wav;
}

QDir AppDir() { return QDir(qEnvironmentVariable("QUILTO_APP_DIR")); }

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class AppFilesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("QUILTO_APP_DIR")) QSKIP("QUILTO_APP_DIR is not set (run through CTest)");
        QVERIFY2(AppDir().exists(), qPrintable(AppDir().path()));
    }

    // A new player can start at once: the sample pictures load and have
    // enough in them to be cut into a puzzle.
    void samplePicturesLoad() {
        const QDir pictures(AppDir().filePath(QStringLiteral("Imagenes")));
        const QStringList names = pictures.entryList(QDir::Files);
        QVERIFY2(names.size() >= 2, qPrintable(names.join(',')));
        QtPlatform platform;
        for (const QString& name : names) {
            QVERIFY2(QFileInfo(pictures.filePath(name)).size() < 1536 * 1024, qPrintable(name));
            const LoadedPicture loaded = platform.LoadPicture(pictures.filePath(name).toStdString());
            QVERIFY2(loaded.status == LoadStatus::Ok, qPrintable(name));
            QVERIFY2(loaded.width >= 800 && loaded.height >= 600, qPrintable(name));
            const QImage& image = platform.Picture(loaded.id);
            QSet<QRgb> colours;
            for (int y = 0; y < 24; ++y)
                for (int x = 0; x < 32; ++x)
                    colours.insert(image.pixel(x * image.width() / 32, y * image.height() / 24));
            QVERIFY2(colours.size() >= 64, qPrintable(name));
        }
    }

    void helpPageIsSpanishUtf8() {
        const QByteArray page = ReadAll(AppDir().filePath(QStringLiteral("Instrucciones.htm")));
        QVERIFY(!page.isEmpty());
        QVERIFY(page.toLower().contains("<meta charset=\"utf-8\">"));
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(page);
        QVERIFY(!utf8.hasError());
        // The page names things as the program shows them.
        for (const char* shown :
             {"Cargar imagen", "Nuevo", "Configuración", "Ajustar al recuadro.", "Superior / Izquierda.",
              "Parte central.", "Inferior / Derecha.", "Piezas de diferentes tamaños.", "Desplazar piezas.",
              "Piezas escurridizas.", "Lo has logrado!", "F2", "F3", "F4", "F5", "F6", "F7", "F8"})
            QVERIFY2(text.contains(QString::fromUtf8(shown)), shown);
    }

    // Plain 16-bit PCM mono that any sound player accepts, short, audible,
    // unclipped, and silent at both ends so that no cue clicks.
    void soundCuesArePlainPcm() {
        for (const char* name : {"Cambia.wav", "NoMueve.wav", "Desplaza.wav", "Marca.wav", "Acaba.wav"}) {
            const QByteArray file = ReadAll(AppDir().filePath(QString::fromLatin1(name)));
            QVERIFY2(!file.isEmpty() && file.size() < 100 * 1024, name);
            const WavInfo wav = ReadWav(file);
            QVERIFY2(wav.error.isEmpty(), qPrintable(QString::fromLatin1(name) + ": " + wav.error));
            QVERIFY2(wav.format == 1 && wav.channels == 1 && wav.bits == 16 && wav.rate == 22050, name);
            QVERIFY2(wav.samples.size() % 2 == 0, name);

            const auto count = wav.samples.size() / 2;
            auto sample = [&wav](qsizetype i) { return qint16(Le(wav.samples, 2 * i, 2)); };
            const double seconds = double(count) / wav.rate;
            QVERIFY2(seconds >= 0.03 && seconds <= 1.5, name);
            int peak = 0;
            for (qsizetype i = 0; i < count; ++i) peak = std::max(peak, std::abs(int(sample(i))));
            QVERIFY2(peak > 4000 && peak < 32767, name);
            QVERIFY2(std::abs(sample(0)) < 256 && std::abs(sample(count - 1)) < 256, name);
        }
    }

    void iconIsCompiledIn() {
        const QImage small(QStringLiteral(":/quilto.png"));
        const QImage large(QStringLiteral(":/quilto-256.png"));
        QCOMPARE(small.size(), QSize(32, 32));
        QCOMPARE(large.size(), QSize(256, 256));
        QVERIFY(small.hasAlphaChannel());
        QCOMPARE(qAlpha(small.pixel(0, 0)), 0);  // the corners show the desktop through
        QSet<QRgb> colours;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) colours.insert(small.pixel(x, y));
        QVERIFY(colours.size() <= 16);
    }
};

int main(int argc, char* argv[]) {
    Q_INIT_RESOURCE(quilto);  // the resources live in a static library
    QGuiApplication app(argc, argv);
    AppFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AppFiles_test.moc"
