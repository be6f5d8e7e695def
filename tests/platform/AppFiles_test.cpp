// The files that lie beside the program in the build tree: the sound cues,
// the sample pictures and the help page with its pictures.
#include <QCryptographicHash>
#include <QDir>
#include <QRegularExpression>
#include <QtTest>

#include "platform/QtPlatform.h"

using namespace quilto;

class AppFilesTest : public QObject {
    Q_OBJECT
    QDir app_;

private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("QUILTO_APP_DIR")) QSKIP("QUILTO_APP_DIR is not set (run through CTest)");
        app_.setPath(qEnvironmentVariable("QUILTO_APP_DIR"));
    }

    // A new player can start at once, with a picture either way round.
    void samplePicturesLoadBothWaysRound() {
        QtPlatform platform;
        const QDir pictures(app_.filePath(QStringLiteral("Imagenes")));
        const QStringList names = pictures.entryList(QDir::Files);
        QVERIFY2(names.size() >= 4, qPrintable(names.join(',')));
        int landscape = 0, portrait = 0;
        for (const QString& name : names) {
            const LoadedPicture loaded = platform.LoadPicture(pictures.filePath(name).toStdString());
            QVERIFY2(loaded.status == LoadStatus::Ok && std::min(loaded.width, loaded.height) >= 600, qPrintable(name));
            (loaded.width > loaded.height ? landscape : portrait) += 1;
        }
        QVERIFY2(landscape >= 1 && portrait >= 1,
                 qPrintable(QString("%1 landscape, %2 portrait").arg(landscape).arg(portrait)));
    }

    // Every cue is a short PCM RIFF/WAVE file a player accepts, each its own.
    void soundCuesAreShortDistinctPcmWaves() {
        QSet<QByteArray> seen;
        for (const char* name : {"Cambia.wav", "NoMueve.wav", "Desplaza.wav", "Marca.wav", "Acaba.wav"}) {
            QFile wav(app_.filePath(QString::fromLatin1(name)));
            QVERIFY2(wav.open(QIODevice::ReadOnly), name);
            const QByteArray file = wav.readAll();
            auto u32 = [&file](qsizetype at) { return qFromLittleEndian<quint32>(file.mid(at, 4).constData()); };
            QVERIFY2(file.size() > 12 && file.startsWith("RIFF") && file.mid(8, 4) == "WAVE", name);
            QCOMPARE(u32(4), quint32(file.size() - 8));
            quint32 byteRate = 0, dataSize = 0;
            for (qsizetype at = 12, size = 0; at + 8 <= file.size(); at += 8 + size + (size & 1)) {
                size = u32(at + 4);
                QVERIFY2(at + 8 + size <= file.size(), name);
                if (file.mid(at, 4) == "fmt " && size >= 16 && file.mid(at + 8, 2) == QByteArray("\1\0", 2))
                    byteRate = u32(at + 16);
                if (file.mid(at, 4) == "data" && byteRate > 0) dataSize = quint32(size);
            }
            QVERIFY2(byteRate > 0 && dataSize > 0, name);
            const double seconds = double(dataSize) / byteRate;
            QVERIFY2(seconds >= 0.03 && seconds <= 1.5, qPrintable(QString("%1 lasts %2 s").arg(name).arg(seconds)));
            QVERIFY2(!seen.contains(QCryptographicHash::hash(file, QCryptographicHash::Sha1)), name);
            seen.insert(QCryptographicHash::hash(file, QCryptographicHash::Sha1));
        }
    }

    // The page is read offline: every picture and link it names beside
    // itself is there, and it explains every key and option.
    void helpPageIsCompleteOffline() {
        QFile page(app_.filePath(QStringLiteral("Instrucciones.htm")));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        static const QRegularExpression link(QStringLiteral("(?:src|href)=\"([^\"#:]+)\""));
        int pictures = 0;
        for (const auto& match : link.globalMatch(html)) {
            const QString target = match.captured(1);
            QVERIFY2(app_.exists(target), qPrintable(target + " is named by the help page but missing"));
            pictures += target.endsWith(QLatin1String(".png"));
        }
        QVERIFY2(pictures >= 1, "the help page shows no screenshot");
        for (const char* topic : {"F2", "F3", "F4", "F5", "F6", "F7", "F8", "Quilto.ini", "Idénticos.", "Ajustar al recuadro.",
                                  "Superior / Izquierda.", "Parte central.", "Inferior / Derecha.",
                                  "Piezas de diferentes tamaños.", "Desplazar piezas.", "Piezas escurridizas.", "arrastra"})
            QVERIFY2(html.contains(QString::fromUtf8(topic)), topic);
    }
};

QTEST_MAIN(AppFilesTest)
#include "AppFiles_test.moc"
