// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The board painted from a picture kept for the screen (a JPEG decoded at a
// half, then shrunk to cover the board) shows, pixel for pixel within the
// resampling's rounding, what it shows from every pixel of the picture: every
// fit mode, regular and irregular boards, and the finished picture over them.
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "platform/PictureFile.h"
#include "platform/QtPlatform.h"
#include "support/BoardFixture.h"
#include "support/QtPrinters.h"
#include "ui/BoardCanvas.h"

using namespace quilto;

namespace {

// A game on a board frame of 600 x 400 pixels, its canvas showing `picture`.
struct PaintedBoard : test::WindowFixture {
    DecodedPicture picture;
    BoardCanvas canvas{g, [this](PictureId) -> const DecodedPicture& { return picture; }};

    explicit PaintedBoard(DecodedPicture p) : picture(std::move(p)) { canvas.resize(640, 440); }

    QSize Board() const { return {g.BoardWidth / kUnitsPerPixel, g.BoardHeight / kUnitsPerPixel}; }

    // The screen after a new puzzle of these settings, and with the finished picture shown.
    std::pair<QImage, QImage> Paint(const Settings& s) {
        Start(s, picture.size.width(), picture.size.height());
        std::pair<QImage, QImage> shots{QImage(canvas.size(), QImage::Format_RGB32), QImage()};
        canvas.Sync();
        canvas.render(&shots.first);
        g.win.BringToFront(g.win.Image2);
        g.win.Image2.Visible = true;
        shots.second = shots.first;
        canvas.Sync();
        canvas.render(&shots.second);
        return shots;
    }
};

// The largest difference of one colour channel between two pictures, and where.
std::pair<int, QPoint> LargestDifference(const QImage& a, const QImage& b) {
    std::pair<int, QPoint> largest{0, {}};
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
            if (d > largest.first) largest = {d, {x, y}};
        }
    return largest;
}

}  // namespace

class KeptPictureTest : public QObject {
    Q_OBJECT
private slots:
    void theBoardShowsWhatEveryPixelShows() {
        // Waves of colour across the whole picture, steep enough that a piece
        // cut a screen pixel off its place shows it.
        QImage photo(2400, 1500, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y,
                               qRgb(128 + int(100 * std::sin(x / 20.0)), 128 + int(100 * std::sin(y / 15.0)),
                                    128 + int(80 * std::sin((x + y) / 33.0))));
        QTemporaryDir dir;
        const QString file = dir.filePath("foto.jpg");
        QVERIFY(photo.save(file, "jpg", 95));

        PaintedBoard whole(ReadPictureFile(file, QtPlatform::kMaxPixels).picture);
        const QSize board = whole.Board();
        PaintedBoard kept(ReadPictureFile(file, QtPlatform::kMaxPixels, board).picture);
        QCOMPARE_FIELDS((board, whole.picture.image.size(), kept.picture.size, kept.picture.image.size()),
                        (QSize(600, 400), QSize(2400, 1500), QSize(2400, 1500), QSize(640, 400)));

        // Each resampling rounds on its own (the whole picture is sampled once,
        // the kept one was averaged first): a few steps of 255.
        constexpr int kRounding = 8;
        QStringList differences;
        for (const bool irregular : {false, true})
            for (std::int16_t fit = 1; fit <= 4; ++fit) {
                const std::int16_t side = irregular ? 9 : 65;
                const auto [board1, finished1] = whole.Paint({side, side, fit, irregular, !irregular, false});
                const auto [board2, finished2] = kept.Paint({side, side, fit, irregular, !irregular, false});
                QCOMPARE_FIELDS((kept.g.PieceAt), (whole.g.PieceAt), irregular, fit);
                for (const auto& [what, a, b] :
                     {std::tuple("board", board1, board2), {"finished", finished1, finished2}})
                    if (const auto [most, at] = LargestDifference(a, b); most > kRounding)
                        differences << QString::asprintf("%s fit %d, %s: %d at (%d, %d)",
                                                         irregular ? "irregular" : "regular", fit, what, most, at.x(),
                                                         at.y());
            }
        QCOMPARE(differences.join("; "), QString());
    }
};

QTEST_MAIN(KeptPictureTest)
#include "KeptPicture_test.moc"
