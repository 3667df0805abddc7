// JPEG pictures through libjpeg-turbo. The library reports errors by calling error_exit,
// whose default ends the process, and carries on after damaged data with a warning; here
// both jump back to the decoder, which then refuses the picture. Only the rows and columns
// that show are decoded to pixels, at the smallest scale that gives enough of them; the rest
// of the file is still read through, so that damage anywhere refuses the picture. What a
// progressive file's scans must keep of the whole picture is kept packed.

#include "background/coefficient_store.h"
#include "background/jpeg_library.h"
#include "background/part.h"
#include "background/picture.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <system_error>

namespace kp {
namespace {

// Progressive files can hold any number of scans, each one a pass over the whole picture;
// real pictures use about ten. A scan of nothing but zeros takes a few bytes however large the
// picture, so a file of a few kilobytes could keep the decoder busy for many seconds: a file
// is refused, before anything is decoded, when it holds more scans than this, or more than 20
// passes over the largest picture accepted (which decode in about a second).
constexpr int64_t MaxScans = 500;
constexpr int64_t MaxScanPixels = 20 * MaxPicturePixels;

// The error manager carries the way back, the decoder's client_data being its coefficients'.
struct ErrorExit {
    jpeg_error_mgr mgr{};
    std::jmp_buf jump{};
};

struct Decoder {
    explicit Decoder(const JpegLibrary& library) : jpeg(library) {}
    const JpegLibrary& jpeg;
    jpeg_decompress_struct cinfo{};
    ErrorExit err{};
    int64_t scans = 0; // at most
    // Here, where a failure's jump cannot skip their destructors.
    CoefficientStore coefficients;
    std::optional<PartCollector> rows;
};

[[noreturn]] void Fail(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorExit*>(cinfo->err)->jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level) {
    if (level < 0) Fail(cinfo); // a warning: corrupt data, or the file ended early
}

void Silent(j_common_ptr) {}

// How many scans the file can hold at most: each starts with a marker FF DA, and coded data
// never holds FF followed by anything but 00 or a restart marker. The same bytes inside an
// application segment (a thumbnail) count too, which only errs on the safe side.
int64_t CountScans(std::FILE* file) {
    int64_t scans = 0;
    unsigned char buffer[65536];
    bool afterFF = false; // the last byte read was FF
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        const unsigned char* end = buffer + n;
        if (afterFF && buffer[0] == 0xDA) ++scans;
        for (const unsigned char* p = buffer;
             (p = static_cast<const unsigned char*>(std::memchr(p, 0xFF, end - p))) && ++p < end;)
            if (*p == 0xDA) ++scans;
        afterFF = end[-1] == 0xFF;
    }
    std::rewind(file);
    return scans;
}

void CmykToBgr(const uint8_t* in, uint8_t* out, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x, in += 4, out += 3) {
        const int k = inverted ? in[3] : 255 - in[3];
        for (int c = 0; c < 3; ++c) {
            const int ink = inverted ? in[2 - c] : 255 - in[2 - c];
            out[c] = static_cast<uint8_t>(ink * k / 255);
        }
    }
}

// Everything that may end in Fail(). No local here needs a destructor, since a failure
// jumps over this frame; the pixels belong to the decoder's collector, and the row buffer to
// the library.
bool DecodeSteps(Decoder& d, const WantedPart& wanted, Picture& out) {
    const JpegLibrary& jpeg = d.jpeg;
    jpeg_decompress_struct& ci = d.cinfo;
    jpeg.jpeg_read_header(&ci, TRUE);
    const Size64 own{ci.image_width, ci.image_height};
    if (own.empty() || own.width * own.height > MaxPicturePixels) return false;
    if (d.scans > MaxScans || d.scans * own.width * own.height > MaxScanPixels) return false;
    out.size = own;
    const std::optional<Shown> shown = wanted ? std::optional<Shown>(wanted(own)) : std::nullopt;
    out.reduction = shown ? ChooseReduction(own, shown->scaled) : 1;
    ci.scale_num = 1;
    ci.scale_denom = static_cast<unsigned>(out.reduction);
    const bool cmyk = ci.jpeg_color_space == JCS_CMYK || ci.jpeg_color_space == JCS_YCCK;
    ci.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
    jpeg.jpeg_start_decompress(&ci);
    PartCollector& rows = d.rows.emplace(Size64{ci.output_width, ci.output_height}, shown);
    const Rect need = rows.needed();

    // The library starts a cropped row on a block boundary, and smooths the colours of its
    // edge pixels as if they were the picture's edge: one more column each side keeps the
    // needed ones as a whole decoding gives them.
    JDIMENSION left = need.left > 0 ? static_cast<JDIMENSION>(need.left - 1) : 0;
    JDIMENSION width =
        need.empty() ? 1
                     : std::min(ci.output_width, static_cast<JDIMENSION>(need.right + 1)) - left;
    if (width < ci.output_width) jpeg.jpeg_crop_scanline(&ci, &left, &width);
    rows.start(left, left + width, false);
    if (need.top > 0) jpeg.jpeg_skip_scanlines(&ci, static_cast<JDIMENSION>(need.top));

    JSAMPARRAY spare = (*ci.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&ci), JPOOL_IMAGE,
                                               ci.output_width * (cmyk ? 4 : 3), 1);
    while (ci.output_scanline < ci.output_height) {
        const int64_t y = ci.output_scanline;
        const bool kept = y >= need.top && y < need.bottom;
        uint8_t* target = kept ? rows.row(y) : nullptr;
        JSAMPROW row = cmyk || !kept ? spare[0] : target;
        if (jpeg.jpeg_read_scanlines(&ci, &row, 1) != 1) return false;
        if (!kept) continue;
        if (cmyk) CmykToBgr(row, target, ci.output_width, ci.saw_Adobe_marker);
        rows.done(y);
    }
    jpeg.jpeg_finish_decompress(&ci);
    rows.finish(out);
    return true;
}

bool Decode(std::FILE* file, const WantedPart& wanted, Picture& out) {
    const JpegLibrary* jpeg = JpegLibrary::get();
    if (!jpeg) return false; // no library, no JPEG picture

    const auto d = std::make_unique<Decoder>(*jpeg);
    d->cinfo.err = jpeg->jpeg_std_error(&d->err.mgr);
    d->err.mgr.error_exit = Fail;
    d->err.mgr.emit_message = OnMessage;
    d->err.mgr.output_message = Silent;
    if (setjmp(d->err.jump)) {
        jpeg->jpeg_destroy_decompress(&d->cinfo);
        return false;
    }
    jpeg->jpeg_CreateDecompress(&d->cinfo, JPEG_LIB_VERSION, sizeof d->cinfo); // keeps err
    d->coefficients.attach(d->cinfo);
    d->scans = CountScans(file);
    jpeg->jpeg_stdio_src(&d->cinfo, file);
    bool ok = false;
    try {
        ok = DecodeSteps(*d, wanted, out);
    } catch (const std::bad_alloc&) { // no room for the pixels: refuse the picture
    }
    jpeg->jpeg_destroy_decompress(&d->cinfo);
    return ok;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

std::optional<Picture> LoadJpeg(const std::string& path, const WantedPart& wanted) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::nullopt;
    Picture pic;
    if (!Decode(file.get(), wanted, pic)) return std::nullopt;
    return pic;
}

std::optional<Picture> LoadPicture(const std::string& path, const WantedPart& wanted) {
    if (std::optional<Picture> bmp = LoadBmp(path, wanted)) return bmp;
    return LoadJpeg(path, wanted);
}

} // namespace kp
