// Drawing figures: one cell at 16 and 48 pixels, a full paint of a 99 x 99 board, and the
// Qt baseline the background composer is measured against (QImage decoding a 24-megapixel
// JPEG and scaling it smoothly).
#include "render/board_painter.h"

#include "engine/cells.h"
#include "engine/game.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <random>
#include <unistd.h>
#include <utility>

namespace {

using namespace kp;

struct Board {
    SpriteSet sprites;
    CounterDigits digits;
    BoardPainter painter{sprites, digits};
    GameState s;
    QImage window; // stands for the window's backing store
    Board(int cell, int rows, int cols) {
        sprites.load();
        digits.load();
        s.params.rows = rows;
        s.params.columns = cols;
        std::mt19937 rng(1);
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= cols; ++c)
                s.grid[r][c] = rng() % 2 ? smileyCode(rng() % 5, 1) : capsuleCode(rng() % 5, 0);
        LayoutInput in;
        in.cellSize = cell;
        in.rows = rows;
        in.columns = cols;
        const WindowLayout l = layOutWindow(in);
        QImage bg(l.clientWidth, l.clientHeight, QImage::Format_RGB32);
        bg.fill(Qt::darkBlue);
        painter.setLayout(l, cell, rows, cols);
        painter.setBackground(bg);
        window = QImage(l.clientWidth, l.clientHeight, QImage::Format_RGB32);
    }
    // One frame, as the window paints it.
    void paint(const QRect& area) {
        QPainter p(&window);
        painter.paint(p, area, s);
    }
};

void BM_InitImg(benchmark::State& st) {
    Board b(static_cast<int>(st.range(0)), 18, 8);
    int i = 0;
    for (auto _ : st) {
        b.s.grid[10][4] = i++ % 2 ? smileyCode(2, 3) : capsuleCode(1, 2);
        b.paint(b.painter.cellArea(10, 4, b.s.grid[10][4]));
    }
}
BENCHMARK(BM_InitImg)->ArgName("cell")->Arg(16)->Arg(48)->Unit(benchmark::kMicrosecond);

void BM_FormPaint99(benchmark::State& st) {
    Board b(static_cast<int>(st.range(0)), 99, 99);
    for (auto _ : st) b.paint(b.window.rect());
}
BENCHMARK(BM_FormPaint99)->ArgName("cell")->Arg(16)->Arg(48)->Unit(benchmark::kMillisecond);

// A level start on the biggest board at the biggest cells, as the window does it: the rules
// set the level up and report what changed, which the next frame draws once.
struct Drawing : GameEvents {
    Board& board;
    QRect due;
    explicit Drawing(Board& b) : board(b) {}
    void cellChanged(int row, int col, int32_t code) override {
        due |= board.painter.cellArea(row, col, code);
    }
    void boardChanged() override { due = board.window.rect(); }
};

void BM_LevelStart99(benchmark::State& st) {
    Board b(48, 99, 99);
    Drawing drawing(b);
    Game game(drawing, 1);
    LevelParameters p;
    p.rows = p.columns = 99;
    p.smileys = p.smileyRows = p.maxSmileyRows = 99;
    game.setParameters(p);
    game.newGame();
    for (auto _ : st) {
        game.setUpLevel();
        b.s = game.state();
        b.paint(std::exchange(drawing.due, {}));
    }
}
BENCHMARK(BM_LevelStart99)->Unit(benchmark::kMillisecond);

// The same board drawn a cell at a time, each with a painter of its own: what a level start
// cost when every cell was reported alone.
void BM_CellByCell99(benchmark::State& st) {
    Board b(48, 99, 99);
    for (auto _ : st)
        for (int r = 1; r <= 99; ++r)
            for (int c = 1; c <= 99; ++c) b.paint(b.painter.cellArea(r, c, b.s.grid[r][c]));
}
BENCHMARK(BM_CellByCell99)->Unit(benchmark::kMillisecond);

// A frame of the pin-up figure as the window shows it: the frame read from the resources (each
// is read when it comes), then its strip drawn.
void BM_PinupFrame(benchmark::State& st) {
    Board b(16, 18, 8);
    PinupFrames frames;
    int n = 0;
    for (auto _ : st) {
        n = n % PinupFrames::Frames + 1;
        b.paint(b.painter.showPinup(frames, PinupFigure::FromLeft, n));
    }
}
BENCHMARK(BM_PinupFrame)->Unit(benchmark::kMicrosecond);

// The same kind of picture as the composer's benchmark: 6000 x 4000, quality 90, with grain.
const QString& photo() {
    static const QString path = [] {
        QImage img(6000, 4000, QImage::Format_RGB888);
        uint32_t seed = 12345;
        for (int y = 0; y < img.height(); ++y) {
            uchar* row = img.scanLine(y);
            for (int x = 0; x < img.width(); ++x) {
                seed = seed * 1103515245 + 12345;
                const int grain = static_cast<int>(seed >> 27) - 16;
                row[3 * x] = static_cast<uchar>(std::clamp(x * 255 / 6000 + grain, 0, 255));
                row[3 * x + 1] = static_cast<uchar>(std::clamp(y * 255 / 4000 + grain, 0, 255));
                row[3 * x + 2] = static_cast<uchar>(((x / 40 + y / 40) % 2) * 120 + 60 + grain);
            }
        }
        const QString p = QStringLiteral("/tmp/kp-render-bench-%1.jpg").arg(getpid());
        img.save(p, "JPG", 90);
        return p;
    }();
    return path;
}

// args: 1 stretched to the window, 2 fitted to its width, 4 a quarter of the picture.
void BM_QtBaselineCompose(benchmark::State& st) {
    const int mode = static_cast<int>(st.range(0));
    for (auto _ : st) {
        const QImage src(photo());
        QImage scaled;
        if (mode == 1)
            scaled = src.scaled(130, 340, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        else if (mode == 2)
            scaled = src.scaledToWidth(130, Qt::SmoothTransformation);
        else
            scaled = src.scaled(src.width() / 4, src.height() / 4, Qt::IgnoreAspectRatio,
                                Qt::SmoothTransformation);
        QImage background(130, 340, QImage::Format_RGB32);
        QPainter(&background).drawImage(0, 0, scaled);
        benchmark::DoNotOptimize(background.bits());
    }
}
BENCHMARK(BM_QtBaselineCompose)
    ->ArgName("taille")
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove(photo().toLocal8Bit().constData());
    return 0;
}
