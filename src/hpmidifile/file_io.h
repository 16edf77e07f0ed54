#pragma once

#include <cstdint>
#include <vector>

namespace hpmidifile {

// Reads a whole regular file; anything else (a folder, a pipe, a device) is refused so a read
// can never block.
uint32_t ReadWholeFile(const char* path, std::vector<uint8_t>& bytes);

// Creates or replaces the file with the bytes; a file that could not be written completely is
// removed again.
uint32_t WriteWholeFile(const char* path, const std::vector<uint8_t>& bytes);

}  // namespace hpmidifile
