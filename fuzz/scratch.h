#pragma once
// What every fuzz target shares: the loaders read paths, so each input goes to a file in a
// folder of this process's own, and a broken promise stops the run the way a crash does, so
// that libFuzzer keeps the input that broke it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kp::fuzz {

// The folder, made on first use and removed when the process ends: kp-fuzz-<pid> in /dev/shm
// when it can be written there (the savers flush every file to disk, which costs nothing in
// memory), else in the temporary folder. Folders left by runs that crashed are removed then.
const std::string& ScratchFolder();

// Writes the bytes to the file of that name in the folder and returns its path.
std::string WriteScratch(std::string_view name, const uint8_t* data, size_t size);
std::string ReadScratch(const std::string& path);

// Prints what went wrong and aborts unless `holds`.
void Check(bool holds, const char* promise);

// Text as a player types it into a line edit: printable ASCII, with no blanks at either end
// (the files do not keep blanks around a value).
std::string Typed(std::string_view bytes);

// The size a BMP's header gives (the Windows headers, or OS/2's older one); zero when it is
// none. A run-length BMP of a few bytes fills every pixel: the targets leave out large ones,
// which take seconds under the sanitizers.
uint64_t BmpPixels(const uint8_t* data, size_t size);

// A seed for the random parts of a run that the same input always gives again.
uint32_t Hash(const uint8_t* data, size_t size);

} // namespace kp::fuzz
