#pragma once
// Pictures written by the tests themselves: BMP files byte by byte, JPEG files through
// libjpeg, in a scratch folder removed at the end of each test.

#include "background/bitmap24.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kp::test {

using Bytes = std::vector<uint8_t>;

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path(const std::string& name) const { return dir_ + "/" + name; }

  private:
    std::string dir_;
};

Bytes ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const Bytes& bytes);

// A BMP file. `rows` are the unpadded pixel rows, top row first; the writer pads them and
// stores them bottom-up unless `topDown`. `palette` holds blue, green, red, 0 per entry. A
// run-length encoded picture gives its `stream` instead, written as it is after the palette.
struct BmpSpec {
    int width = 0, height = 0, bits = 24;
    uint32_t compression = 0;
    std::vector<Bytes> rows = {};
    Bytes palette = {};
    std::vector<uint32_t> masks = {}; // red, green, blue, written after a 40-byte header
    bool topDown = false;
    Bytes stream = {};
};
Bytes BmpBytes(const BmpSpec& format);
// A 24-bit BMP of the picture.
Bytes BmpBytes(const Bitmap24& bmp);
// An 8-bit run-length encoded BMP, bottom-up, whose pixel (x, y) takes palette entry
// (x / 5 + y) % 256, which is (i, 255 - i, i / 2).
Bytes Rle8Bytes(int width, int height);

// A picture whose every pixel differs from its neighbours: red = x, green = y, blue = x ^ y.
Bitmap24 Pattern(int width, int height);

// In a colour (YCbCr) file, how many brightness samples there are for each colour one, across
// and down: 2 x 2 is what most cameras write.
struct Sampling {
    int across = 2, down = 2;
};

// Samples of a photograph-like picture, `components` a pixel: gradients, sharp edges and grain,
// whose blocks hold coefficients of every size.
Bytes Grainy(int width, int height, int components);

// `samples` holds `components` bytes a pixel, rows top first; components 1 (grey), 3 (RGB)
// or 4 (CMYK, stored the inverted way most programs use). A progressive file holds a series of
// scans, the first ones coarse, instead of one.
Bytes JpegBytes(int width, int height, int components, const Bytes& samples, int quality = 95,
                bool progressive = false, Sampling sampling = {});
// A JPEG of the picture.
Bytes JpegBytes(const Bitmap24& picture, int quality = 95, bool progressive = false);
// A JPEG of one colour, written a row at a time: however large, it costs little to make.
Bytes SolidJpeg(int width, int height, Colour colour, int quality = 95, bool progressive = false);
// A flat grey progressive file of `width` x `height` in `scans` scans (at most 505), arithmetic
// coded: a few bytes a scan however large the picture, as a hostile file would be.
Bytes ManyScansJpeg(int width, int height, int scans);

} // namespace kp::test
