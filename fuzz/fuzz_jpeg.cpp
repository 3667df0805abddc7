// JPEG backgrounds: the input's first bytes choose how the picture is shown (size, position,
// tiling, filters, two window sizes); the rest is the picture file. The background composer
// opens it as the "open a background picture" command does, composes it into a small window,
// then composes it again at another size and setting from the picture in hand, as the size
// menus do (which reads the file again when the pixels in hand are too few for the new layout).
// Pictures over a quarter of a megapixel are left out (the composer reads BMPs too): however
// few bytes they hold, each JPEG scan or run-length BMP fills every pixel, seconds under the
// sanitizers; the tests read the large ones.
#include "fuzz/scratch.h"

#include "background/composer.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

using namespace kp;
using fuzz::Check;

constexpr size_t OptionBytes = 4;
constexpr uint64_t MaxPixels = 512 * 512;

struct ErrorExit {
    jpeg_error_mgr mgr{};
    std::jmp_buf jump{};
};

// The size the file's frame header gives, through libjpeg; zero when it is not a JPEG.
uint64_t JpegPixels(const uint8_t* data, size_t size) {
    jpeg_decompress_struct ci{};
    ErrorExit err;
    ci.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = [](j_common_ptr c) {
        std::longjmp(reinterpret_cast<ErrorExit*>(c->err)->jump, 1);
    };
    err.mgr.output_message = [](j_common_ptr) {};
    volatile uint64_t pixels = 0;
    if (setjmp(err.jump) == 0) {
        jpeg_create_decompress(&ci);
        jpeg_mem_src(&ci, data, static_cast<unsigned long>(size));
        jpeg_read_header(&ci, TRUE);
        pixels = static_cast<uint64_t>(ci.image_width) * ci.image_height;
    }
    jpeg_destroy_decompress(&ci);
    return pixels;
}

// Small windows, a few of them thinner than any tile or picture.
constexpr Size64 Windows[] = {{1, 1},   {3, 40},  {40, 3},  {16, 16},
                              {33, 20}, {64, 48}, {97, 61}, {120, 90}};

void CheckComposed(const Composition& c, const BackgroundComposer& composer, Size64 window) {
    const Bitmap24& bg = composer.background();
    Check(c.composed && bg.width == window.width && bg.height == window.height &&
              bg.bytes.size() == static_cast<size_t>(bg.stride) * bg.height,
          "the background fills the window");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < OptionBytes) return 0;
    const uint8_t sizeChoice = data[0], position = data[1], filters = data[2], windows = data[3];
    const uint8_t* file = data + OptionBytes;
    const size_t fileSize = size - OptionBytes;
    if (std::max(JpegPixels(file, fileSize), fuzz::BmpPixels(file, fileSize)) > MaxPixels) return 0;
    const std::string path =
        fuzz::WriteScratch("input.jpg", data + OptionBytes, size - OptionBytes);

    BackgroundSettings settings;
    settings.background = PictureBackground;
    settings.pictureSize = sizeChoice % 16 % 9;
    settings.pictureAlignH = position % 3;
    settings.pictureAlignV = position / 3 % 3;
    settings.tiled = filters & 1;
    settings.greyscale = filters & 2;
    settings.negative = filters & 4;
    settings.borderColour = MakeColour(filters, position, sizeChoice);

    BackgroundComposer composer;
    const Size64 first = Windows[windows % 8];
    const Composition opened = composer.composeBackground(settings, static_cast<int>(first.width),
                                                          static_cast<int>(first.height), path);
    if (!composer.picture()) return 0; // refused: the composer fell back to its logo
    CheckComposed(opened, composer, first);

    settings.pictureSize = sizeChoice / 16 % 9;
    settings.tiled = filters & 8;
    const Size64 second = Windows[windows / 8 % 8];
    const Composition again = composer.composeBackground(
        settings, static_cast<int>(second.width), static_cast<int>(second.height), KeepPicture);
    CheckComposed(again, composer, second);
    return 0;
}
