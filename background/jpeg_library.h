#pragma once
// libjpeg, opened when a JPEG picture is first read rather than linked: most games show no
// picture of the player's, and a start-up without one neither maps the library nor keeps its
// pages.

#include "runtime/library.h"

#include <cstdio>

#include <jpeglib.h>

namespace kp {

#define KP_JPEG_FUNCTIONS(X)                                                                       \
    X(jpeg_std_error)                                                                              \
    X(jpeg_CreateDecompress)                                                                       \
    X(jpeg_destroy_decompress)                                                                     \
    X(jpeg_stdio_src)                                                                              \
    X(jpeg_read_header)                                                                            \
    X(jpeg_start_decompress)                                                                       \
    X(jpeg_crop_scanline)                                                                          \
    X(jpeg_skip_scanlines)                                                                         \
    X(jpeg_read_scanlines)                                                                         \
    X(jpeg_finish_decompress)

struct JpegLibrary {
    KP_JPEG_FUNCTIONS(KP_LIBRARY_POINTER)

    // The library, opened the first time; null when the system has none.
    static const JpegLibrary* get();
};

} // namespace kp
