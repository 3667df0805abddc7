#pragma once
// Draws the game: the background, the three sunken bands, the cells, the next capsule, the
// counters and the pin-up figure. It keeps no picture of the window but the background: each
// frame draws, from the game's state, the part the window asks for, and the window's own
// backing store keeps the rest. A change answers with the rectangle to ask for.

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

    void setLayout(const WindowLayout& layout, int cellSize, int rows, int columns);
    // The composed background, client-sized.
    void setBackground(const QImage& background);
    const QImage& background() const { return background_; }

    // Where a change shows, or an empty rectangle where it does not.
    // One board cell (rows 1..rows, columns 1..columns, not a wall).
    QRect cellArea(int row, int col, int32_t code) const;
    // One half of the next-capsule strip (column 1 or 2).
    QRect previewArea(int col) const;
    QRect levelArea() const;
    QRect smileysArea() const;
    QRect chronoArea() const;
    // Frame n of the pin-up animation (1..23) from now on, or no figure (24); its strip.
    QRect showPinup(const PinupFrames& frames, PinupFigure figure, int n);

    // Everything inside `area` as `s` has it, in order: background, bevels, cells, counters,
    // next capsule, pin-up figure.
    void paint(QPainter& p, const QRect& area, const GameState& s) const;

    // The hint of where a capsule should land: its two cells and the outline round them.
    QRect hintArea(const Capsule& landing) const;
    void paintHint(QPainter& p, const Capsule& landing) const;

    const WindowLayout& layout() const { return layout_; }
    QRect cellRect(int row, int col) const;

    // The text the level and smiley counters show (before blanking): "07", " 05" and so on.
    static std::string levelText(int32_t level);
    static std::string smileysText(int32_t smileysLeft);

  private:
    QRect counterArea(std::initializer_list<int> xs) const;
    void drawCounter(QPainter& p, const std::string& text, std::initializer_list<int> xs) const;
    void drawChrono(QPainter& p, const GameState& s) const;

    const SpriteSet& sprites_;
    const CounterDigits& digits_;
    WindowLayout layout_;
    int cellSize_ = 16, rows_ = 18, columns_ = 8;
    QImage background_;
    const PinupFrames* pinups_ = nullptr; // while a figure shows
    PinupFigure pinupFigure_ = PinupFigure::FromLeft;
    int pinupFrame_ = 0;
};

} // namespace kp
