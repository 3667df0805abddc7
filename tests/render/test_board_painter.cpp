#include "render/board_painter.h"

#include "engine/cells.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>

namespace kp {

namespace {
struct Painting : ::testing::Test {
    SpriteSet sprites;
    CounterDigits digits;
    BoardPainter painter{sprites, digits};
    GameState s;
    QImage background;
    QImage window; // stands for the window's backing store, which keeps what was painted

    // What a frame asking for `area` paints over the window.
    QRect show(const QRect& area) {
        QPainter p(&window);
        painter.paint(p, area, s);
        return area;
    }
    QRect setCell(int row, int col, int32_t code) {
        if (row >= 0 && row < GridSize && col >= 0 && col < GridSize) s.grid[row][col] = code;
        return show(painter.cellArea(row, col, code));
    }

    void SetUp() override {
        ASSERT_TRUE(sprites.load());
        ASSERT_TRUE(digits.load());
        lay(16, 18, 8);
    }
    void lay(int cell, int rows, int cols) {
        s.params.rows = rows;
        s.params.columns = cols;
        for (auto& row : s.grid) row.fill(CellEmpty);
        LayoutInput in;
        in.cellSize = cell;
        in.rows = rows;
        in.columns = cols;
        const WindowLayout l = layOutWindow(in);
        // A background of a colour no sprite uses, so every drawn pixel shows.
        background = QImage(l.clientWidth, l.clientHeight, QImage::Format_RGB32);
        background.fill(QColor(1, 2, 3));
        painter.setLayout(l, cell, rows, cols);
        painter.setBackground(background);
        window = QImage(l.clientWidth, l.clientHeight, QImage::Format_RGB32);
        show(window.rect());
    }
    bool showsBackground(const QRect& r) const { return window.copy(r) == background.copy(r); }

    // However a test got there, painting only what changed leaves the window as a whole
    // frame of the state would.
    void TearDown() override {
        QImage whole(window.size(), QImage::Format_RGB32);
        QPainter p(&whole);
        painter.paint(p, whole.rect(), s);
        p.end();
        EXPECT_EQ(window, whole);
    }
};
} // namespace

TEST(CounterText, levelAndSmileyDigits) {
    EXPECT_EQ(BoardPainter::levelText(7), "07");
    EXPECT_EQ(BoardPainter::levelText(123).substr(0, 2), "12");
    EXPECT_EQ(BoardPainter::smileysText(5), " 05");
    EXPECT_EQ(BoardPainter::smileysText(0), " 00");
    EXPECT_EQ(BoardPainter::smileysText(42), " 42");
    EXPECT_EQ(BoardPainter::smileysText(1234).substr(0, 3), "123");
}

TEST_F(Painting, aCellIsTheBackgroundWithItsSpriteOnTop) {
    const QRect r = setCell(18, 1, smileyCode(0, 1));
    EXPECT_EQ(r, QRect(1, 17 * 16 + 52 + 1, 16, 16));
    QImage expected = background.copy(r);
    QPainter(&expected).drawImage(0, 0, *sprites.sprite(smileyCode(0, 1)));
    EXPECT_EQ(window.copy(r), expected);

    EXPECT_EQ(setCell(18, 1, CellEmpty), r);
    EXPECT_TRUE(showsBackground(r));
    EXPECT_TRUE(setCell(0, 3, smileyCode(0, 1)).isEmpty()); // hidden row
    EXPECT_TRUE(setCell(5, 9, smileyCode(0, 1)).isEmpty()); // the wall column
    EXPECT_TRUE(setCell(5, 3, CellWall).isEmpty());
}

TEST_F(Painting, largeCellsStretchEverySprite) {
    lay(48, 10, 6);
    const QRect r = setCell(2, 2, capsuleCode(2, 0));
    EXPECT_EQ(r.size(), QSize(48, 48));
    EXPECT_FALSE(showsBackground(r));
    EXPECT_EQ(window.pixel(r.center()), sprites.sprite(capsuleCode(2, 0))->pixel(8, 8));
}

TEST_F(Painting, thePreviewStandsOverTheEntryColumns) {
    lay(16, 18, 7);
    const QRect r = show(painter.previewArea(1));
    EXPECT_EQ(r.left(), (1 + 3 - 2) * 16 + 1);
    EXPECT_EQ(r.top(), 31);
}

// A hint shows each half in its own colour in the cell where it lands, upright or lying, and
// leaves the cells round it alone.
TEST_F(Painting, aHintShowsEachHalfInItsColourWhereItLands) {
    constexpr int Blue = 0, Yellow = 1;
    // How much bluer than red a cell's middle looks.
    auto blueness = [](const QImage& frame, const QRect& cell) {
        int sum = 0;
        for (int y = 4; y < 12; ++y)
            for (int x = 4; x < 12; ++x) {
                const QRgb px = frame.pixel(cell.left() + x, cell.top() + y);
                sum += qBlue(px) - qRed(px);
            }
        return sum / 64;
    };
    Capsule upright{10, 3, 1, capsuleCode(Blue, LinkTop), capsuleCode(Yellow, LinkBottom)};
    Capsule lying{15, 5, 2, capsuleCode(Yellow, LinkLeft), capsuleCode(Blue, LinkRight)};
    for (const Capsule& c : {upright, lying}) {
        QImage frame = window;
        QPainter p(&frame);
        painter.paintHint(p, c);
        p.end();
        const QRect first = painter.cellRect(c.row, c.col);
        const QRect second = painter.cellRect(c.row2(), c.col2());
        const int apart = blueness(frame, first) - blueness(frame, second);
        EXPECT_GT(c.half1 == upright.half1 ? apart : -apart, 60) << c.orientation;
        const QRect around = painter.hintArea(c).adjusted(-1, -1, 1, 1);
        EXPECT_EQ(frame.copy(0, 0, frame.width(), around.top()),
                  window.copy(0, 0, frame.width(), around.top()));
        EXPECT_EQ(frame.copy(around.right() + 1, 0, frame.width(), frame.height()),
                  window.copy(around.right() + 1, 0, frame.width(), frame.height()));
    }
}

TEST_F(Painting, theCheatFlagBlanksTheLevelAndSmileyCountersButNotTheChrono) {
    s.level = 7;
    s.smileysLeft = 5;
    s.Chrono = {1, 2, 3, 4, 5};
    const QRect level = show(painter.levelArea());
    const QRect smileysLeft = show(painter.smileysArea());
    const QRect chrono = show(painter.chronoArea());
    EXPECT_FALSE(showsBackground(level));
    s.cheated = true;
    EXPECT_TRUE(showsBackground(show(painter.levelArea())));
    EXPECT_TRUE(showsBackground(show(painter.smileysArea())));
    EXPECT_FALSE(showsBackground(show(painter.chronoArea())));
    EXPECT_EQ(show(painter.chronoArea()), chrono);
    // The hundreds place of " 05" stays blank.
    s.cheated = false;
    show(painter.levelArea());
    show(painter.smileysArea());
    const WindowLayout& l = painter.layout();
    EXPECT_TRUE(
        showsBackground(QRect(l.SmileysHundredsX, l.CounterY, digits.width(), digits.height())));
    EXPECT_FALSE(
        showsBackground(QRect(l.SmileysTensX, l.CounterY, digits.width(), digits.height())));
    EXPECT_TRUE(smileysLeft.contains(l.SmileysUnitsX, l.CounterY));
}

TEST_F(Painting, aChronoDigitOutOfRangeLeavesItsFieldBlank) {
    s.Chrono = {0, 7, 0, 0, 0};
    show(painter.chronoArea());
    const WindowLayout& l = painter.layout();
    EXPECT_TRUE(
        showsBackground(QRect(l.MinutesTensX, l.CounterY, digits.width(), digits.height())));
    EXPECT_FALSE(
        showsBackground(QRect(l.MinutesUnitsX, l.CounterY, digits.width(), digits.height())));
}

TEST_F(Painting, fullPaintDrawsTheSunkenBands) {
    const QImage& img = window;
    const int w = img.width();
    EXPECT_EQ(img.pixel(w - 1, 10), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(0, 10), qRgb(128, 128, 128));
    EXPECT_EQ(img.pixel(10, 52), qRgb(128, 128, 128)); // the board band's top line
    EXPECT_EQ(img.pixel(10, img.height() - 1), qRgb(255, 255, 255));
}

} // namespace kp

namespace kp {

TEST_F(Painting, pinupStripIsCutToTheClientWidthAndKeepsTheHalvesInFront) {
    PinupFrames frames;
    for (int n = 1; n <= PinupFrames::Frames; ++n) {
        EXPECT_EQ(frames.frame(PinupFigure::FromRight, n).height(), 80);
        EXPECT_EQ(frames.frame(PinupFigure::FromLeft, n).height(), 80);
    }
    EXPECT_EQ(frames.frame(PinupFigure::FromRight, 1).width(), 12);
    EXPECT_EQ(frames.frame(PinupFigure::FromLeft, 23).width(), 10);

    lay(16, 18, 7); // client width 114
    s.grid[18][2] = capsuleCode(1, LinkLoose);
    const QRect cell = painter.cellRect(18, 2);
    QImage expectedCell = background.copy(cell);
    const QImage& sprite = *sprites.sprite(capsuleCode(1, 0));
    QPainter(&expectedCell).drawImage(expectedCell.rect(), sprite);
    for (PinupFigure f : {PinupFigure::FromRight, PinupFigure::FromLeft})
        for (int n = 1; n <= 24; ++n) {
            const QRect r = show(painter.showPinup(frames, f, n));
            EXPECT_EQ(r, QRect(1, painter.layout().clientHeight - 81, 112, 80));
            // Every opaque pixel of the half is in front of the figure.
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    if (qAlpha(sprite.pixel(x, y)) == 255) {
                        ASSERT_EQ(window.pixel(cell.topLeft() + QPoint(x, y)),
                                  expectedCell.pixel(x, y));
                    }
        }
    // The 24th tick leaves only the background and the halves.
    const QRect strip(1, painter.layout().clientHeight - 81, 112, 80);
    QImage erased = window.copy(strip);
    QImage expected = background.copy(strip);
    QPainter(&expected).drawImage(cell.translated(-strip.topLeft()), expectedCell);
    EXPECT_EQ(erased, expected);
}

} // namespace kp

namespace kp {

namespace {
double luminance(QRgb c) {
    auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every lit pixel of every digit and separator on screen against each of its eight neighbours
// that the picture does not paint: the least contrast ratio found.
double leastCounterContrast(const QImage& img, const BoardPainter& painter,
                            const CounterDigits& digits, const GameState& s) {
    const WindowLayout& l = painter.layout();
    std::vector<std::pair<int, const QImage*>> placed;
    placed.push_back({l.LevelTensX, &digits.digit[BoardPainter::levelText(s.level)[0] - '0']});
    placed.push_back({l.LevelUnitsX, &digits.digit[BoardPainter::levelText(s.level)[1] - '0']});
    const std::string left = BoardPainter::smileysText(s.smileysLeft);
    const int smileyXs[] = {l.SmileysHundredsX, l.SmileysTensX, l.SmileysUnitsX};
    for (int i = 0; i < 3; ++i) placed.push_back({smileyXs[i], &digits.digit[left[i] - '0']});
    const auto chronoXs = l.chronoDigitsX();
    for (int i = 0; i < 5; ++i) placed.push_back({chronoXs[i], &digits.digit[s.Chrono[i]]});
    placed.push_back({l.Sep1X, &digits.separator});
    placed.push_back({l.Sep2X, &digits.separator});
    double least = 21.0;
    for (const auto& [x0, picture] : placed)
        for (int y = 0; y < picture->height(); ++y)
            for (int x = 0; x < picture->width(); ++x) {
                const QRgb p = picture->pixel(x, y);
                if (qAlpha(p) == 0 || luminance(p) < 0.2) continue; // unlit segments are dark
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const bool inside = picture->rect().contains(x + dx, y + dy);
                        if (inside && qAlpha(picture->pixel(x + dx, y + dy)) != 0) continue;
                        const QPoint at(x0 + x + dx, l.CounterY + y + dy);
                        least = std::min(
                            least, contrast(img.pixel(x0 + x, l.CounterY + y), img.pixel(at)));
                    }
            }
    return least;
}
} // namespace

TEST_F(Painting, counterDigitsStandOutAtLeastThreeToOneOverLightAndBusyPictures) {
    lay(16, 18, 10); // wide enough for the three counters not to overlap
    s.level = 88;
    s.smileysLeft = 888;
    s.Chrono = {8, 5, 8, 5, 8};
    QImage busy(background.size(), QImage::Format_RGB32);
    for (int y = 0; y < busy.height(); ++y)
        for (int x = 0; x < busy.width(); ++x)
            busy.setPixel(x, y,
                          QColor::fromHsv((x * 37 + y * 11) % 360, (x * y) % 256,
                                          255 - (x * 7 + y * 13) % 128)
                              .rgb());
    QImage white(background.size(), QImage::Format_RGB32), grey = white;
    white.fill(Qt::white);
    grey.fill(QColor(128, 128, 128));
    const std::pair<const char*, QImage> pictures[] = {
        {"white", white}, {"mid-grey", grey}, {"busy", busy}};
    for (const auto& [name, picture] : pictures) {
        painter.setBackground(picture);
        show(window.rect());
        EXPECT_GE(leastCounterContrast(window, painter, digits, s), 3.0) << name;
    }
}

TEST_F(Painting, overABlackBackgroundTheCountersAreTheirDigitsAlone) {
    s.level = 7;
    const QRect r = show(painter.levelArea());
    QImage expected = background.copy(r);
    expected.fill(Qt::black);
    {
        QPainter p(&expected);
        const WindowLayout& l = painter.layout();
        p.drawImage(l.LevelTensX - r.left(), l.CounterY - r.top(), digits.digit[0]);
        p.drawImage(l.LevelUnitsX - r.left(), l.CounterY - r.top(), digits.digit[7]);
    }
    background.fill(Qt::black);
    painter.setBackground(background);
    show(window.rect());
    EXPECT_EQ(show(painter.levelArea()), r);
    EXPECT_EQ(window.copy(r), expected);
}

} // namespace kp
