// The simulated radio keeps its memory in a file of the 1024 image bytes.
#pragma once

#include <string>

#include "radio/image.h"

namespace qm314::sim {

// False with a message unless the file holds exactly 1024 bytes.
bool LoadMemory(const std::string& path, RadioImage& memory, std::string& error);
// Writes beside the file and renames over it, so a crash never leaves half a memory.
bool SaveMemory(const std::string& path, const RadioImage& memory, std::string& error);

}  // namespace qm314::sim
