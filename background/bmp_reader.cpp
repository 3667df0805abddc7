// BMP files: uncompressed 1, 4 and 8 bits with a palette, 16 and 32 bits with or without
// bit-field masks, and 24 bits; 4 and 8 bits run-length encoded; bottom-up or top-down; Windows
// or OS/2 headers. Given what shows, only the lines behind it are read (a run-length encoded
// stream is read through, to find its end) and only its pixels are kept.

#include "background/part.h"
#include "background/picture.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <system_error>
#include <vector>

namespace kp {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

uint32_t U16(const uint8_t* p) {
    return p[0] | p[1] << 8;
}
uint32_t U32(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool ReadAt(std::FILE* f, uint64_t offset, void* buffer, size_t size) {
    if (offset > static_cast<uint64_t>(INT64_MAX)) return false;
    if (std::fseek(f, static_cast<long>(offset), SEEK_SET) != 0) return false;
    return std::fread(buffer, 1, size, f) == size;
}

// One colour channel described by a bit mask, widened to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;
    explicit Channel(uint32_t m = 0) : mask(m) {
        if (m == 0) return;
        shift = std::countr_zero(m);
        max = m >> shift;
    }
    uint8_t operator()(uint32_t pixel) const {
        if (max == 0) return 0;
        return static_cast<uint8_t>(uint64_t{(pixel & mask) >> shift} * 255 / max);
    }
};

struct Header {
    int64_t width = 0, height = 0;
    bool topDown = false;
    int bits = 0;
    uint32_t compression = 0;
    uint32_t colours = 0;
    uint32_t masks[3] = {0, 0, 0}; // red, green, blue
    uint64_t dataOffset = 0;
    uint64_t paletteOffset = 0;
    int paletteEntry = 4;
};

constexpr uint32_t BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3;

// Whether the bits per pixel and the compression go together; 16 and 32 bits without masks
// take the default ones.
bool KnownEncoding(Header& hd) {
    switch (hd.bits) {
    case 4:
    case 8:
        return hd.compression == BiRgb || hd.compression == (hd.bits == 8 ? BiRle8 : BiRle4);
    case 1:
    case 24:
        return hd.compression == BiRgb;
    case 16:
    case 32:
        if (hd.compression == BiRgb) {
            if (hd.bits == 16)
                hd.masks[0] = 0x7C00, hd.masks[1] = 0x03E0, hd.masks[2] = 0x001F;
            else
                hd.masks[0] = 0xFF0000, hd.masks[1] = 0x00FF00, hd.masks[2] = 0x0000FF;
            return true;
        }
        return hd.compression == BiBitfields;
    default:
        return false;
    }
}

std::optional<Header> ReadHeader(std::FILE* f) {
    uint8_t h[14 + 124] = {};
    if (!ReadAt(f, 0, h, 18) || h[0] != 'B' || h[1] != 'M') return std::nullopt;
    const uint32_t infoSize = U32(h + 14);
    Header hd;
    hd.dataOffset = U32(h + 10);
    if (infoSize == 12) { // OS/2 and Windows 2 core header
        if (!ReadAt(f, 14, h + 14, 12)) return std::nullopt;
        hd.width = U16(h + 18);
        hd.height = U16(h + 20);
        if (U16(h + 22) != 1) return std::nullopt;
        hd.bits = static_cast<int>(U16(h + 24));
        hd.paletteEntry = 3;
    } else if (infoSize >= 40 && infoSize <= 124) {
        if (!ReadAt(f, 14, h + 14, infoSize)) return std::nullopt;
        hd.width = static_cast<int32_t>(U32(h + 18));
        hd.height = static_cast<int32_t>(U32(h + 22));
        if (U16(h + 26) != 1) return std::nullopt;
        hd.bits = static_cast<int>(U16(h + 28));
        hd.compression = U32(h + 30);
        hd.colours = U32(h + 46);
        if (hd.compression == BiBitfields) {
            uint8_t* m = h + 54;
            if (infoSize == 40 && !ReadAt(f, 54, m, 12)) return std::nullopt;
            for (int i = 0; i < 3; ++i) hd.masks[i] = U32(m + 4 * i);
        }
    } else {
        return std::nullopt;
    }
    hd.paletteOffset = 14 + infoSize + (infoSize == 40 && hd.compression == BiBitfields ? 12 : 0);
    if (hd.height < 0) {
        hd.topDown = true;
        hd.height = -hd.height;
    }
    if (hd.width <= 0 || hd.height <= 0) return std::nullopt;
    if (hd.width * hd.height > MaxPicturePixels) return std::nullopt;
    if (!KnownEncoding(hd)) return std::nullopt;
    return hd;
}

bool RunLengthEncoded(const Header& hd) {
    return hd.compression == BiRle8 || hd.compression == BiRle4;
}

// Hands each line of a run-length encoded picture to line(y, indices), y counting the lines in
// the file's order; pixels the stream never sets keep index 0. A run past the end of its line
// is cut there, and a jump past the last line ends the picture. The `size` bytes from the file's
// position must hold the whole stream: one that stops before its last line is refused.
template <class Line>
bool ReadRunLengths(std::FILE* f, uint64_t size, const Header& hd, const Line& line) {
    const auto next = [&]() -> int {
        if (size == 0) return -1;
        --size;
        return std::getc(f);
    };
    const bool four = hd.bits == 4;
    std::vector<uint8_t> indices(static_cast<size_t>(hd.width), 0);
    int64_t x = 0, y = 0;
    const auto put = [&](int index) {
        if (x < hd.width) indices[static_cast<size_t>(x++)] = static_cast<uint8_t>(index);
    };
    // Hands over the current line and the ones before `end`, which nothing set.
    const auto endLinesBefore = [&](int64_t end) {
        for (end = std::min(end, hd.height); y < end; ++y) {
            line(y, indices.data());
            std::fill(indices.begin(), indices.end(), 0);
        }
    };
    while (y < hd.height) {
        const int count = next(), code = next();
        if (code < 0) return false;
        if (count > 0) { // `count` pixels of one index, or of two taking turns
            for (int i = 0; i < count; ++i) put(four ? (i % 2 ? code & 15 : code >> 4) : code);
        } else if (code == 0) { // end of line
            endLinesBefore(y + 1);
            x = 0;
        } else if (code == 1) { // end of picture
            endLinesBefore(hd.height);
        } else if (code == 2) { // a jump: dx pixels right, dy lines on
            const int dx = next(), dy = next();
            if (dy < 0) return false;
            endLinesBefore(y + dy);
            x = std::min<int64_t>(x + dx, hd.width);
        } else { // `code` indices as they are, padded to a whole number of 16-bit words
            const int bytes = four ? (code + 1) / 2 : code;
            for (int i = 0; i < bytes; ++i) {
                const int v = next();
                if (v < 0) return false;
                put(four ? v >> 4 : v);
                if (four && 2 * i + 1 < code) put(v & 15);
            }
            if (bytes % 2 == 1 && next() < 0) return false;
        }
    }
    return true;
}

uint64_t Stride(const Header& hd) {
    return (static_cast<uint64_t>(hd.width) * hd.bits + 31) / 32 * 4;
}

uint64_t LastRowBytes(const Header& hd) {
    return (static_cast<uint64_t>(hd.width) * hd.bits + 7) / 8;
}

// Whether a file of `fileSize` bytes holds the picture's data. Some writers leave out the
// padding of the last row; any other shortfall is a truncation.
bool DataFits(const Header& hd, uint64_t fileSize) {
    if (RunLengthEncoded(hd)) return hd.dataOffset < fileSize;
    return hd.dataOffset + Stride(hd) * static_cast<uint64_t>(hd.height - 1) + LastRowBytes(hd) <=
           fileSize;
}

using Palette = std::array<uint8_t, 3 * 256>; // blue, green, red; missing entries stay black

bool ReadPalette(std::FILE* f, const Header& hd, Palette& palette) {
    uint64_t count = hd.colours == 0 ? 1u << hd.bits : hd.colours;
    count = std::min<uint64_t>(count, 1u << hd.bits);
    std::vector<uint8_t> raw(static_cast<size_t>(count) * hd.paletteEntry);
    if (!ReadAt(f, hd.paletteOffset, raw.data(), raw.size())) return false;
    for (uint64_t i = 0; i < count; ++i)
        for (int c = 0; c < 3; ++c) palette[3 * i + c] = raw[i * hd.paletteEntry + c];
    return true;
}

// One pixel of an uncompressed line, as blue, green, red.
void ConvertPixel(const Header& hd, const uint8_t* in, int64_t x, const Palette& palette,
                  const Channel* rgb, uint8_t* out) {
    if (hd.bits == 24) {
        out[0] = in[3 * x], out[1] = in[3 * x + 1], out[2] = in[3 * x + 2];
    } else if (hd.bits <= 8) {
        const int perByte = 8 / hd.bits;
        const int shift = 8 - hd.bits * (1 + static_cast<int>(x % perByte));
        const int index = in[x / perByte] >> shift & ((1 << hd.bits) - 1);
        for (int c = 0; c < 3; ++c) out[c] = palette[3 * index + c];
    } else {
        const uint32_t v = hd.bits == 16 ? U16(in + 2 * x) : U32(in + 4 * x);
        out[0] = rgb[2](v), out[1] = rgb[1](v), out[2] = rgb[0](v);
    }
}

std::optional<Picture> ReadBmp(const std::string& path, const WantedPart& wanted) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    const uint64_t fileSize = std::filesystem::file_size(path, ec);
    if (ec) return std::nullopt;
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::nullopt;
    const std::optional<Header> hd = ReadHeader(file.get());
    if (!hd) return std::nullopt;

    const uint64_t dataOffset = hd->dataOffset;
    const uint64_t stride = Stride(*hd), lastRow = LastRowBytes(*hd);
    const bool rle = RunLengthEncoded(*hd);
    if (!DataFits(*hd, fileSize)) return std::nullopt;

    Palette palette{};
    if (hd->bits <= 8 && !ReadPalette(file.get(), *hd, palette)) return std::nullopt;
    const Channel rgb[3] = {Channel(hd->masks[0]), Channel(hd->masks[1]), Channel(hd->masks[2])};

    Picture pic;
    pic.size = {hd->width, hd->height};
    PartCollector rows(pic.size, wanted ? std::optional<Shown>(wanted(pic.size)) : std::nullopt);
    const Rect need = rows.needed();
    rows.start(need.left, need.right, !hd->topDown);
    // The picture row of the file's line l, and the other way round.
    const auto flip = [&](int64_t l) { return hd->topDown ? l : hd->height - 1 - l; };
    // Hands the needed part of row y to the collector, convert(x, out) giving each pixel.
    const auto keep = [&](int64_t y, const auto& convert) {
        if (y < need.top || y >= need.bottom) return;
        uint8_t* out = rows.row(y);
        for (int64_t x = need.left; x < need.right; ++x, out += 3) convert(x, out);
        rows.done(y);
    };
    if (rle) {
        if (std::fseek(file.get(), static_cast<long>(dataOffset), SEEK_SET) != 0 ||
            !ReadRunLengths(file.get(), fileSize - dataOffset, *hd,
                            [&](int64_t l, const uint8_t* indices) {
                                keep(flip(l), [&](int64_t x, uint8_t* out) {
                                    std::memcpy(out, palette.data() + 3 * indices[x], 3);
                                });
                            }))
            return std::nullopt;
        rows.finish(pic);
        return pic;
    }
    // Only the lines that hold needed rows are read: the file's size already vouches for the
    // others.
    const int64_t first = hd->topDown ? need.top : hd->height - need.bottom;
    const uint64_t start = dataOffset + stride * static_cast<uint64_t>(first);
    if (std::fseek(file.get(), static_cast<long>(start), SEEK_SET) != 0) return std::nullopt;
    std::vector<uint8_t> line(static_cast<size_t>(stride));
    for (int64_t l = first; l < first + need.height(); ++l) {
        const size_t want = l == hd->height - 1 ? static_cast<size_t>(lastRow) : line.size();
        if (std::fread(line.data(), 1, want, file.get()) != want) return std::nullopt;
        const uint8_t* in = line.data();
        keep(flip(l),
             [&](int64_t x, uint8_t* out) { ConvertPixel(*hd, in, x, palette, rgb, out); });
    }
    rows.finish(pic);
    return pic;
}

} // namespace

std::optional<Picture> LoadBmp(const std::string& path, const WantedPart& wanted) {
    try {
        return ReadBmp(path, wanted);
    } catch (const std::bad_alloc&) { // no room for the pixels: refuse the picture
        return std::nullopt;
    }
}

} // namespace kp
