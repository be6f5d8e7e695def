// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The files that lie beside the program in the build tree: the sound cues,
// the sample pictures and the help page with its pictures.
#include <QtTest>

#include "platform/QtPlatform.h"
#include "support/QtPrinters.h"

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
            QCOMPARE_FIELDS((loaded.status, std::min(loaded.width, loaded.height) >= 600), (LoadStatus::Ok, true),
                            name);
            (loaded.width > loaded.height ? landscape : portrait) += 1;
        }
        QCOMPARE_FIELDS((landscape + portrait >= 4, landscape >= 1, portrait >= 1), (true, true, true));
    }

    // Every cue is a short PCM RIFF/WAVE file (one format chunk, then the
    // samples) that a player accepts.
    void soundCuesAreShortPcmWaves() {
        for (const char* name : {"Cambia.wav", "NoMueve.wav", "Desplaza.wav", "Marca.wav", "Acaba.wav"}) {
            QFile wav(app_.filePath(name));
            QVERIFY2(wav.open(QIODevice::ReadOnly), name);
            const QByteArray file = wav.readAll();
            const auto u32 = [&file](int at) { return qFromLittleEndian<quint32>(file.mid(at, 4).constData()); };
            const double seconds = double(u32(40)) / std::max(u32(28), 1u);
            QCOMPARE_FIELDS((file.left(4) + file.mid(8, 8) + file.mid(20, 2) + file.mid(36, 4), qsizetype(u32(4)) + 8,
                             qsizetype(u32(40)) + 44, seconds >= 0.03 && seconds <= 1.5),
                            (QByteArray("RIFFWAVEfmt \1\0data", 18), file.size(), file.size(), true), name);
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
        QCOMPARE_FIELDS((missing, screenshots.isEmpty()), (QStringList(), false));
    }
};

QTEST_MAIN(AppFilesTest)
#include "AppFiles_test.moc"
