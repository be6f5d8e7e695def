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
        const QDir pictures(app_.filePath("Imagenes"));
        int landscape = 0, portrait = 0;
        for (const QString& name : pictures.entryList(QDir::Files)) {
            const LoadedPicture loaded = platform.LoadPicture(pictures.filePath(name).toStdString());
            QCOMPARE(std::tuple(name, loaded.status, std::min(loaded.width, loaded.height) >= 600),
                     std::tuple(name, LoadStatus::Ok, true));
            (loaded.width > loaded.height ? landscape : portrait) += 1;
        }
        QCOMPARE(std::tuple(landscape + portrait >= 4, landscape >= 1, portrait >= 1), std::tuple(true, true, true));
    }

    // Every cue is a short PCM RIFF/WAVE file a player accepts, each its own.
    void soundCuesAreShortDistinctPcmWaves() {
        QSet<QByteArray> seen;
        for (const char* name : {"Cambia.wav", "NoMueve.wav", "Desplaza.wav", "Marca.wav", "Acaba.wav"}) {
            QFile wav(app_.filePath(name));
            QVERIFY2(wav.open(QIODevice::ReadOnly), name);
            const QByteArray file = wav.readAll();
            auto u32 = [&file](qsizetype at) { return qFromLittleEndian<quint32>(file.mid(at, 4).constData()); };
            quint32 byteRate = 0, dataSize = 0;
            qsizetype at = 12;
            for (qsizetype size = 0; at + 8 <= file.size(); at += 8 + size + (size & 1)) {
                size = u32(at + 4);
                if (file.mid(at, 4) == "fmt " && size >= 16 && file.mid(at + 8, 2) == QByteArray("\1\0", 2))
                    byteRate = u32(at + 16);
                if (file.mid(at, 4) == "data" && byteRate > 0) dataSize = quint32(size);
            }
            const double seconds = byteRate ? double(dataSize) / byteRate : 0;
            QCOMPARE(std::tuple(name, file.left(4) + file.mid(8, 4), u32(4), at, seconds >= 0.03 && seconds <= 1.5),
                     std::tuple(name, QByteArray("RIFFWAVE"), quint32(file.size() - 8), file.size(), true));
            const QByteArray hash = QCryptographicHash::hash(file, QCryptographicHash::Sha1);
            QVERIFY2(!seen.contains(hash), name);
            seen.insert(hash);
        }
    }

    // The page is read offline: every picture and link it names beside
    // itself is there, and it explains every key and option.
    void helpPageIsCompleteOffline() {
        QFile page(app_.filePath("Instrucciones.htm"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        static const QRegularExpression link("(?:src|href)=\"([^\"#:]+)\"");
        QStringList missing, screenshots;
        for (const auto& match : link.globalMatch(html)) {
            const QString target = match.captured(1);
            if (!app_.exists(target)) missing << target;
            if (target.endsWith(".png")) screenshots << target;
        }
        for (const char* topic :
             {"F2", "F3", "F4", "F5", "F6", "F7", "F8", "Quilto.ini", "Idénticos.", "Ajustar al recuadro.",
              "Superior / Izquierda.", "Parte central.", "Inferior / Derecha.", "Piezas de diferentes tamaños.",
              "Desplazar piezas.", "Piezas escurridizas.", "arrastra"})
            if (!html.contains(QString::fromUtf8(topic))) missing << topic;
        QCOMPARE(std::pair(missing, screenshots.isEmpty()), std::pair(QStringList(), false));
    }
};

QTEST_MAIN(AppFilesTest)
#include "AppFiles_test.moc"
