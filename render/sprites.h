#pragma once
// The sprite set: one picture per drawable cell value (capsule halves, removal frames and
// smileys of the five colours), made from the 42 source pictures. Colours 0 and 1 have their
// own hand-drawn pictures; any other colour is a hue replacement of the neutral reference
// pictures.

#include "background/bitmap24.h"

#include <QImage>
#include <QRect>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

class QPainter;

namespace kp {

// The smiley colours' defaults, as stored (0x00BBGGRR).
inline constexpr std::array<Colour, 5> DefaultSmileyColours{0xFF8306, 0x09E7FF, 0xFF00FF, 0xACFF00,
                                                            0x0099FF};

// A 24-bit picture as a drawable image: pure red pixels become transparent.
QImage toTransparentImage(const Bitmap24& bmp);
// A picture read from the game's resources (e.g. ":/sprites/ImgColor00"); empty on failure.
Bitmap24 loadBitmap(const QString& resource);
// A PNG picture read by Qt's own reader alone: asked to guess, Qt loads every image plug-in it
// has to ask each one, a few milliseconds of the start-up.
QImage readPng(const QString& file);

class SpriteSet {
  public:
    static constexpr int Count = 70;

    // Reads the 42 source pictures from the resources and makes the 70 sprites with the
    // default colours. False when a picture is missing.
    bool load();

    // Rebuilds the 14 sprites of one colour index (0..4) for the given colour; nothing to do
    // when they are in that colour already.
    void recolour(int colourIndex, Colour colour);

    // The sprite of a cell value, or null for values without one (empty, wall, anything else).
    const QImage* sprite(int32_t code) const;

    // With colour symbols on, the capsule halves, the smileys and the first removal frame
    // carry the symbol of their colour (render/colour_symbols.h).
    void setSymbols(bool on) { symbols_ = on; }
    bool symbols() const { return symbols_; }
    // Draws a cell value as a cell of the board shows it: its sprite stretched over `cell`, and
    // its symbol when symbols are on. Values without a sprite draw nothing.
    void draw(QPainter& p, const QRect& cell, int32_t code) const;
    // The glyph of a colour's menu item: its first removal frame as a 16-pixel cell shows it.
    QImage glyph(int colourIndex) const;
    // Its index 0..69, or -1.
    static int indexOf(int32_t code);

  private:
    const Bitmap24& source(const std::string& name) const;
    // The sprite at a cell's size, stretched once and kept: the board draws thousands of cells
    // of one size, and stretching each as it is drawn cost more than drawing it.
    const QImage& atSize(int index, const QSize& size) const;
    std::map<std::string, Bitmap24> sources_;
    std::array<QImage, Count> sprites_;
    std::array<std::optional<Colour>, 5> madeIn_; // the colour each index's sprites are made in
    mutable std::array<QImage, Count> stretched_;
    bool symbols_ = false;
};

} // namespace kp
