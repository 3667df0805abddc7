#include "background/jpeg_library.h"

namespace kp {

KP_LIBRARY_GET(JpegLibrary, "libjpeg.so.62", KP_JPEG_FUNCTIONS)

} // namespace kp
