#include "background/jpeg_library.h"

namespace kp {

const JpegLibrary* JpegLibrary::get() {
    static JpegLibrary functions;
#define KP_JPEG_ENTRY(name) KP_LIBRARY_FUNCTION(functions, name)
    static const bool opened = openLibrary("libjpeg.so.62", {KP_JPEG_FUNCTIONS(KP_JPEG_ENTRY)});
#undef KP_JPEG_ENTRY
    return opened ? &functions : nullptr;
}

} // namespace kp
