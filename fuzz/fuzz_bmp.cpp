// The BMP reader on any bytes: no crash, no read outside the file's buffers, and a picture it
// accepts is whole (its pixels fill a buffer of the size it reports). Pictures over 16
// megapixels are left out (see BmpPixels); the tests read larger ones.
#include "fuzz/scratch.h"

#include "background/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using kp::fuzz::Check;
    if (kp::fuzz::BmpPixels(data, size) > 16'000'000) return 0;
    const std::string path = kp::fuzz::WriteScratch("input.bmp", data, size);
    const std::optional<kp::Picture> pic = kp::LoadBmp(path);
    if (!pic) return 0;
    const kp::Bitmap24& px = pic->pixels;
    Check(pic->reduction == 1 && px.width == pic->size.width && px.height == pic->size.height,
          "a BMP comes whole, at its own size");
    Check(px.width > 0 && px.height > 0 && px.stride >= 3 * px.width && px.stride % 4 == 0 &&
              px.bytes.size() == static_cast<size_t>(px.stride) * px.height,
          "the pixels fill the buffer");
    return 0;
}
