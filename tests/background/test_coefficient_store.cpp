// The coefficient store under libjpeg itself: the pixels it gives are those of the library's own
// arrays, and a large progressive picture costs it little.
#include "background/coefficient_store.h"

#include "fixtures.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include <jpeglib.h>

namespace kp {
namespace {

using test::Bytes;

// What libjpeg decodes of `file` at 1/reduction, with its own coefficient arrays or `store`'s:
// the whole picture, or a part: from a fifth of the way across and a quarter of the way down.
Bytes Decode(const Bytes& file, unsigned reduction, bool part, CoefficientStore* store) {
    jpeg_decompress_struct ci{};
    jpeg_error_mgr err{};
    ci.err = jpeg_std_error(&err);
    jpeg_create_decompress(&ci);
    if (store) store->attach(ci);
    jpeg_mem_src(&ci, file.data(), file.size());
    jpeg_read_header(&ci, TRUE);
    ci.scale_num = 1;
    ci.scale_denom = reduction;
    jpeg_start_decompress(&ci);
    if (part) {
        JDIMENSION left = ci.output_width / 5, width = ci.output_width / 3 + 1;
        jpeg_crop_scanline(&ci, &left, &width);
        jpeg_skip_scanlines(&ci, ci.output_height / 4);
    }
    const size_t stride = size_t{ci.output_width} * ci.output_components;
    Bytes pixels(stride * (ci.output_height - ci.output_scanline));
    for (JSAMPROW row = pixels.data(); ci.output_scanline < ci.output_height; row += stride)
        jpeg_read_scanlines(&ci, &row, 1);
    jpeg_finish_decompress(&ci);
    jpeg_destroy_decompress(&ci);
    return pixels;
}

// Where each scan of the file starts: its SOS marker. A scan's entropy-coded data runs up to the
// next marker, holding FF bytes only before a 00 or a restart marker.
std::vector<size_t> ScanStarts(const Bytes& jpeg) {
    std::vector<size_t> starts;
    for (size_t i = 2; i + 3 < jpeg.size() && jpeg[i + 1] != 0xD9;) {
        const bool scan = jpeg[i + 1] == 0xDA;
        if (scan) starts.push_back(i);
        i += 2 + (jpeg[i + 2] << 8 | jpeg[i + 3]);
        while (scan && i + 1 < jpeg.size() &&
               !(jpeg[i] == 0xFF && jpeg[i + 1] != 0 && (jpeg[i + 1] & 0xF8) != 0xD0))
            ++i;
    }
    return starts;
}

// Every subsampling of a colour picture, grey and CMYK, some of them one or two rows of blocks
// high; every scale, whole and a part; with all the scans, and with only the first ones, which
// the library smooths from the coefficients it has, reading rows of blocks above and below.
TEST(CoefficientStore, picturesDecodeAsFromTheLibraryOwnArrays) {
    struct Format {
        int components;
        test::Sampling sampling;
    };
    for (const Format f : {Format{3, {1, 1}}, Format{3, {2, 1}}, Format{3, {1, 2}},
                           Format{3, {2, 2}}, Format{3, {1, 4}}, Format{1, {}}, Format{4, {}}}) {
        for (const auto& [w, h] : {std::pair{203, 157}, std::pair{61, 9}, std::pair{45, 20}}) {
            const Bytes file = test::JpegBytes(w, h, f.components, test::Grainy(w, h, f.components),
                                               90, true, f.sampling);
            const std::vector<size_t> scans = ScanStarts(file);
            ASSERT_GE(scans.size(), 6u);
            for (size_t kept = 1; kept <= scans.size(); ++kept) {
                Bytes cut = file;
                if (kept < scans.size()) {
                    cut.resize(scans[kept]);
                    cut.insert(cut.end(), {0xFF, 0xD9});
                }
                for (unsigned reduction : {1u, 2u, 4u, 8u})
                    for (bool part : {false, true}) {
                        CoefficientStore store;
                        ASSERT_EQ(Decode(cut, reduction, part, &store),
                                  Decode(cut, reduction, part, nullptr))
                            << f.components << " " << f.sampling.across << "x" << f.sampling.down
                            << ", " << w << "x" << h << ", " << kept << " scans, 1/" << reduction
                            << (part ? ", a part" : "");
                        EXPECT_GT(store.peakBytes(), 0u);
                    }
            }
        }
    }
}

// A picture of one colour makes a progressive file of some 600 KB that declares 100 megapixels,
// whose coefficients fill 300 MB of libjpeg's arrays (2.3 million blocks of 128 bytes).
TEST(CoefficientStore, largeFlatPictureTakesLittleRoom) {
    const Bytes file = test::SolidJpeg(10000, 9999, MakeColour(200, 120, 40), 90, true);
    CoefficientStore store;
    const Bytes pixels = Decode(file, 8, false, &store);
    ASSERT_EQ(pixels.size(), 1250u * 1250 * 3);
    EXPECT_NEAR(pixels[3 * (1250 * 600 + 700)], 200, 3);
    EXPECT_NEAR(pixels[3 * (1250 * 600 + 700) + 2], 40, 3);
    EXPECT_LT(store.peakBytes(), 1'000'000u);
}

} // namespace
} // namespace kp
