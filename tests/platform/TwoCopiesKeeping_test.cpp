// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Two copies of the program keep their games in the same folder at once,
// each on its own background thread, while this test reads the folder as
// "Continuar partida" would: every read gives one of the two games whole.
// The copies are this program started again with "--keeper <copy> <folder>".
#include <QGuiApplication>
#include <QProcess>
#include <QtTest>
#include <array>
#include <atomic>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "game/Exchange.h"
#include "game/GameKeeping.h"
#include "game/KeptGame.h"
#include "game/MainWindow.h"
#include "platform/QtPlatform.h"
#include "support/Printers.h"
#include "support/TempDir.h"

using namespace quilto;

namespace {

// Boards of the same size, so that a board file of one copy would apply to
// the other's game. A copy's boards are the turns of its own arrangement:
// the first's of 1..N, the second's of N..1; no board is both.
struct Copy {
    const char* picture;
    Settings settings;
    bool reversed;
};
const Copy kCopies[] = {{"Arrecife.png", {6, 5, 1, false, false, false}, false},
                        {"Faro.png", {6, 5, 3, false, false, false}, true}};
constexpr int kPieces = 30, kRounds = 12, kChangesPerRound = 25;

const std::string& PictureBytes(int copy) {
    static const std::string folder = QUILTO_SOURCE_DIR "/assets/app/Imagenes/";
    static const std::array<std::string, 2> bytes = {test::FileBytes(folder + kCopies[0].picture),
                                                     test::FileBytes(folder + kCopies[1].picture)};
    return bytes[std::size_t(copy)];
}

// The copy's board with its arrangement turned `turn` places, and its game.
std::vector<std::int16_t> Board(int copy, int turn) {
    std::vector<std::int16_t> board{0};
    for (int p = 0; p < kPieces; ++p) {
        const int k = (p + turn) % kPieces;
        board.push_back(std::int16_t(kCopies[copy].reversed ? kPieces - k : k + 1));
    }
    return board;
}
SavedGame Game(int copy, int turn) {
    return {kCopies[copy].picture, PictureBytes(copy), kCopies[copy].settings, {}, Board(copy, turn)};
}

// The program's platform with a clock that moves a second at each reading,
// so that KeepGame writes every few changes without waiting; it counts the
// writes and answers "Quieres empezar otro puzzle?".
class KeeperPlatform : public QtPlatform {
public:
    std::atomic<int> whole = 0, boards = 0, failed = 0;
    std::vector<std::string> messages;

    double Now() override { return clock_ += 1; }
    void PlaySound(const std::string&) override {}
    MsgResult MessageBox(const std::string& text, MsgIcon, MsgButtons) override {
        if (text != "Quieres empezar otro puzzle?") messages.push_back(text);
        return MsgResult::Ok;
    }
    bool WriteFileAtomically(const std::string& path, const std::string& bytes) override {
        const bool written = QtPlatform::WriteFileAtomically(path, bytes);
        (path.ends_with(kKeptGameFileName) ? whole : boards) += written;
        failed += !written;
        return written;
    }

private:
    double clock_ = 0;
};

// One copy: says "ready" once its window is laid out, starts on a line from
// the test, then begins kRounds boards and turns each kChangesPerRound times
// by exchanges, keeping as the window does after every command and now and
// then as when it closes.
int Keeper(int copy, const QString& folder) {
    QTemporaryDir appDir;
    KeeperPlatform platform;
    platform.SetDataFolder(folder);
    GameState g(platform);
    InitElements(g.win);
    Form_Load(g, appDir.path().toStdString());
    Form_Resize(g, WindowState::Maximized, 9000 + 480, 6000 + 880);
    FindKeptGame(g);
    std::printf("ready\n");
    std::fflush(stdout);
    std::string go;
    std::getline(std::cin, go);
    for (int round = 0; round < kRounds && OpenGameRecord(g, Game(copy, 1)); ++round)
        for (int change = 0; change < kChangesPerRound; ++change) {
            for (int p = 1; p < kPieces; ++p) SwapPieces(g, p, p + 1);  // turns the arrangement one place
            change % 8 == 7 ? KeepGameNow(g) : KeepGame(g);
        }
    KeepGameNow(g);
    std::printf("copy %d: %d whole writes, %d board writes, %d failed\n", copy, platform.whole.load(),
                platform.boards.load(), platform.failed.load());
    for (const std::string& m : platform.messages) std::fprintf(stderr, "copy %d said: %s\n", copy, m.c_str());
    const bool played = g.fPlaying && g.PieceAt == Board(copy, 1 + kChangesPerRound);
    return played && platform.failed == 0 && platform.messages.empty() ? 0 : 1;
}

// Which copy's game whole the read is; -1 when it is none.
int WhoseGame(const SavedGame& read) {
    for (int copy = 0; copy < 2; ++copy)
        for (int turn = 0; turn < kPieces; ++turn)
            if (read.PieceAt == Board(copy, turn)) return read == Game(copy, turn) ? copy : -1;
    return -1;
}

// What a read that is neither game whole holds.
QString Described(const std::optional<SavedGame>& game) {
    if (!game) return QStringLiteral("no game to continue, after the first was written");
    const bool firstsPicture = game->PictureBytes == PictureBytes(0),
               secondsPicture = game->PictureBytes == PictureBytes(1);
    std::ostringstream os;
    test::Show(os, FIELDS(game->PictureName, firstsPicture, secondsPicture, game->settings, game->PieceAt,
                          game->EmptySlot, game->BarTicks));
    return QString::fromStdString(os.str());
}

}  // namespace

class TwoCopiesKeepingTest : public QObject {
    Q_OBJECT
private slots:
    void eachReadIsOneOfTheTwoGamesWhole() {
        QCOMPARE_FIELDS((PictureBytes(0).empty(), PictureBytes(1).empty()), (false, false));
        QTemporaryDir data;
        const std::string folder = data.path().toStdString() + "/", saved = folder + kKeptGameFileName;
        QProcess copies[2];
        for (int copy = 0; copy < 2; ++copy) {
            copies[copy].setProcessChannelMode(QProcess::ForwardedErrorChannel);
            copies[copy].start(QCoreApplication::applicationFilePath(),
                               {"--keeper", QString::number(copy), data.path()});
            while (!copies[copy].canReadLine() && copies[copy].waitForReadyRead(-1)) {
            }
            QCOMPARE(copies[copy].readLine(), QByteArray("ready\n"));
        }
        for (QProcess& c : copies) c.write("go\n"), c.waitForBytesWritten(-1);

        QtPlatform platform;
        int before = 0, seen[2] = {0, 0}, wrong = 0;
        QStringList faults;
        const auto read = [&] {
            const bool written = !platform.FileStamp(saved).empty();
            const std::optional<SavedGame> game = ReadKeptGame(platform, folder);
            const int copy = game ? WhoseGame(*game) : -1;
            if (copy >= 0)
                ++seen[copy];
            else if (!game && !written && seen[0] + seen[1] == 0)
                ++before;
            else if (++wrong <= 2)
                faults << Described(game);
        };
        while (copies[0].state() != QProcess::NotRunning || copies[1].state() != QProcess::NotRunning) {
            read();
            for (QProcess& c : copies) c.waitForFinished(0);
        }
        read();
        for (QProcess& c : copies) qInfo("%s", c.readAllStandardOutput().trimmed().constData());
        qInfo("reads: %d before the first write, %d of the first copy's game, %d of the second's", before, seen[0],
              seen[1]);
        QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1 reads neither game whole, the first two:\n").arg(wrong) +
                                        faults.join('\n')));
        for (const QProcess& c : copies) QCOMPARE_FIELDS((c.exitStatus(), c.exitCode()), (QProcess::NormalExit, 0));
    }
};

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // as the program's: pictures load under the wait pointer
    if (argc == 4 && std::string(argv[1]) == "--keeper")
        return Keeper(std::atoi(argv[2]), QString::fromLocal8Bit(argv[3]));
    TwoCopiesKeepingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TwoCopiesKeeping_test.moc"
