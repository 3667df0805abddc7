#include "fixtures.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>

#include <jpeglib.h>

namespace kp::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kp-bg-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    dir_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

namespace {

void Put16(Bytes& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

} // namespace

Bytes BmpBytes(const BmpSpec& s) {
    const size_t stride = (static_cast<size_t>(s.width) * s.bits + 31) / 32 * 4;
    const uint32_t offset = static_cast<uint32_t>(14 + 40 + 4 * s.masks.size() + s.palette.size());
    Bytes b{'B', 'M'};
    Put32(b, static_cast<uint32_t>(offset + stride * s.rows.size() + s.stream.size()));
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, static_cast<uint32_t>(s.width));
    Put32(b, static_cast<uint32_t>(s.topDown ? -s.height : s.height));
    Put16(b, 1);
    Put16(b, static_cast<uint32_t>(s.bits));
    Put32(b, s.compression);
    Put32(b, 0);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, static_cast<uint32_t>(s.palette.size() / 4));
    Put32(b, 0);
    for (uint32_t m : s.masks) Put32(b, m);
    b.insert(b.end(), s.palette.begin(), s.palette.end());
    for (size_t i = 0; i < s.rows.size(); ++i) {
        Bytes row = s.rows[s.topDown ? i : s.rows.size() - 1 - i];
        row.resize(stride, 0);
        b.insert(b.end(), row.begin(), row.end());
    }
    b.insert(b.end(), s.stream.begin(), s.stream.end());
    return b;
}

Bytes BmpBytes(const Bitmap24& bmp) {
    BmpSpec s{bmp.width, bmp.height};
    for (int y = 0; y < bmp.height; ++y)
        s.rows.emplace_back(bmp.row(y), bmp.row(y) + 3 * bmp.width);
    return BmpBytes(s);
}

Bytes Rle8Bytes(int width, int height) {
    BmpSpec s{width, height, 8, 1};
    for (int i = 0; i < 256; ++i)
        s.palette.insert(s.palette.end(),
                         {static_cast<uint8_t>(i / 2), static_cast<uint8_t>(255 - i),
                          static_cast<uint8_t>(i), 0});
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width;) {
            const int index = (x / 5 + y) % 256;
            int run = 1;
            while (x + run < width && run < 255 && (x + run) / 5 == x / 5) ++run;
            s.stream.insert(s.stream.end(),
                            {static_cast<uint8_t>(run), static_cast<uint8_t>(index)});
            x += run;
        }
        s.stream.insert(s.stream.end(), {0, 0});
    }
    s.stream.insert(s.stream.end(), {0, 1});
    return BmpBytes(s);
}

Bitmap24 Pattern(int width, int height) {
    Bitmap24 bmp = Bitmap24::Make(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bmp.setPixel(x, y, MakeColour(x, y, x ^ y));
    return bmp;
}

Bytes Grainy(int width, int height, int components) {
    Bytes samples;
    uint32_t seed = 99;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < components; ++c) {
                seed = seed * 1103515245 + 12345;
                const int grain = static_cast<int>(seed >> 26) - 32;
                const int edge = (x / 13 + y / 9 + c) % 3 * 35;
                samples.push_back(static_cast<uint8_t>(
                    std::clamp((x + c * y) * 255 / (width + height) + edge + grain, 0, 255)));
            }
    return samples;
}

namespace {

void PutRgb(Bytes& b, Colour c) {
    b.insert(b.end(), {static_cast<uint8_t>(RedOf(c)), static_cast<uint8_t>(GreenOf(c)),
                       static_cast<uint8_t>(BlueOf(c))});
}

// The rows come from `rowAt`, top first; `tune` may change the settings last.
Bytes EncodeJpeg(int width, int height, int components,
                 const std::function<const uint8_t*(JDIMENSION y)>& rowAt, int quality,
                 bool progressive, Sampling sampling,
                 const std::function<void(jpeg_compress_struct&)>& tune = {}) {
    jpeg_compress_struct ci{};
    jpeg_error_mgr err{};
    ci.err = jpeg_std_error(&err);
    jpeg_create_compress(&ci);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&ci, &out, &size);
    ci.image_width = static_cast<JDIMENSION>(width);
    ci.image_height = static_cast<JDIMENSION>(height);
    ci.input_components = components;
    ci.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 4 ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&ci);
    jpeg_set_quality(&ci, quality, TRUE);
    if (components == 3) {
        ci.comp_info[0].h_samp_factor = sampling.across;
        ci.comp_info[0].v_samp_factor = sampling.down;
    }
    if (progressive) jpeg_simple_progression(&ci);
    if (tune) tune(ci);
    jpeg_start_compress(&ci, TRUE);
    while (ci.next_scanline < ci.image_height) {
        auto* row = const_cast<JSAMPROW>(rowAt(ci.next_scanline));
        jpeg_write_scanlines(&ci, &row, 1);
    }
    jpeg_finish_compress(&ci);
    Bytes bytes(out, out + size);
    jpeg_destroy_compress(&ci);
    std::free(out);
    return bytes;
}

} // namespace

Bytes JpegBytes(int width, int height, int components, const Bytes& samples, int quality,
                bool progressive, Sampling sampling) {
    const size_t stride = static_cast<size_t>(width) * components;
    return EncodeJpeg(
        width, height, components, [&](JDIMENSION y) { return samples.data() + y * stride; },
        quality, progressive, sampling);
}

Bytes JpegBytes(const Bitmap24& picture, int quality, bool progressive) {
    Bytes rgb;
    rgb.reserve(static_cast<size_t>(picture.width) * picture.height * 3);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) PutRgb(rgb, picture.pixel(x, y));
    return JpegBytes(picture.width, picture.height, 3, rgb, quality, progressive);
}

Bytes SolidJpeg(int width, int height, Colour colour, int quality, bool progressive) {
    Bytes row;
    for (int x = 0; x < width; ++x) PutRgb(row, colour);
    return EncodeJpeg(width, height, 3, [&](JDIMENSION) { return row.data(); }, quality,
                      progressive, {});
}

Bytes ManyScansJpeg(int width, int height, int scans) {
    // Coded at most 1000 x 1000 and said to be larger: by then each scan's coder expects only
    // zeros (empty blocks), which is what it reads past the end of the scan's data.
    const int codedWidth = std::min(width, 1000), codedHeight = std::min(height, 1000);
    std::vector<jpeg_scan_info> script{{1, {0}, 0, 0, 0, 0}};
    for (int k = 1; static_cast<int>(script.size()) < scans; ++k) {
        script.push_back({1, {0}, k, k, 0, 7});
        for (int al = 6; al >= 0 && static_cast<int>(script.size()) < scans; --al)
            script.push_back({1, {0}, k, k, al + 1, al});
    }
    const Bytes grey(static_cast<size_t>(codedWidth), 128);
    Bytes bytes = EncodeJpeg(
        codedWidth, codedHeight, 1, [&](JDIMENSION) { return grey.data(); }, 95, false, {},
        [&](jpeg_compress_struct& ci) {
            ci.arith_code = TRUE;
            ci.scan_info = script.data();
            ci.num_scans = scans;
        });
    // The frame header (FF CA): length, precision, then height and width, big-endian.
    size_t sof = 2;
    while (!(bytes.at(sof) == 0xFF && bytes.at(sof + 1) == 0xCA)) ++sof;
    bytes.at(sof + 5) = static_cast<uint8_t>(height >> 8);
    bytes.at(sof + 6) = static_cast<uint8_t>(height);
    bytes.at(sof + 7) = static_cast<uint8_t>(width >> 8);
    bytes.at(sof + 8) = static_cast<uint8_t>(width);
    return bytes;
}

} // namespace kp::test
