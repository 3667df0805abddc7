#pragma once
// Draws the game into the window's backing image: the background, the three sunken bands,
// the cells, the next capsule and the counters. A cell change composes that one cell and
// returns the rectangle to repaint; a full paint redraws everything from the game state.

#include "render/pinup.h"
#include "render/sprites.h"
#include "render/window_layout.h"

#include "engine/game_state.h"

#include <QImage>
#include <QRect>

#include <array>

namespace kp {

// The counter digits 0..9 and the chrono's separator, drawn with transparency. Each comes with
// a thin dark outline, one pixel larger on every side, which keeps the lit segments readable
// over a light or busy background: the outline only darkens what lies under it, so over a dark
// background it leaves the pixels as they were.
struct CounterDigits {
    std::array<QImage, 10> digit;
    QImage separator;
    std::array<QImage, 10> digitOutline;
    QImage separatorOutline;
    bool load(); // from the resources; false when a picture is missing
    int width() const { return digit[0].width(); }
    int height() const { return digit[0].height(); }
};

class BoardPainter {
  public:
    BoardPainter(const SpriteSet& sprites, const CounterDigits& digits)
        : sprites_(sprites), digits_(digits) {}

    // New layout: the backing image takes the client size (its content is undefined until the
    // next full paint).
    void setLayout(const WindowLayout& layout, int cellSize, int rows, int columns);
    // The composed background, client-sized.
    void setBackground(const QImage& background);

    // One board cell (rows 1..rows, columns 1..columns); the rectangle drawn, or an empty one.
    QRect setCell(int row, int col, int32_t code);
    // One half of the next-capsule strip (column 1 or 2).
    QRect setPreview(int col, int32_t code);
    QRect drawLevel(const GameState& s);
    QRect drawSmileysLeft(const GameState& s);
    QRect drawChrono(const GameState& s);
    // One frame of the pin-up animation (1..23, or 24 to erase the figure).
    QRect pinupFrame(const PinupFrames& frames, const GameState& s, PinupFigure figure, int n);
    // Everything, in order: background, bevels, cells, counters, next capsule.
    void paintAll(const GameState& s);

    const QImage& image() const { return image_; }
    const WindowLayout& layout() const { return layout_; }
    int cellSize() const { return cellSize_; }
    QRect cellRect(int row, int col) const;

    // The text the level and smiley counters show (before blanking): "07", " 05" and so on.
    static std::string levelText(int32_t level);
    static std::string smileysText(int32_t smileysLeft);

  private:
    QRect drawCell(const QRect& r, int32_t code);
    QRect drawCounter(const std::string& text, std::initializer_list<int> xs, bool blank);

    const SpriteSet& sprites_;
    const CounterDigits& digits_;
    WindowLayout layout_;
    int cellSize_ = 16, rows_ = 18, columns_ = 8;
    QImage background_;
    QImage image_;
};

} // namespace kp
