// What a write left in the radio: for a write that stopped, how far it got;
// for a completed one, the proof: the blocks read back and compared with the
// blocks that were sent (offsets 0x000-0x3D7).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "radio/image.h"

namespace qm314 {

// A written block whose bytes the radio does not hold.  block counts the
// write's 8-byte blocks, 0-122, as the wire numbers them.
struct BlockMismatch {
  int block = 0;
  unsigned address = 0;
  std::array<std::uint8_t, 8> sent{};
  std::array<std::uint8_t, 8> held{};
  int differingBytes = 0;
};

std::vector<BlockMismatch> CompareWrittenBlocks(const RadioImage& sent, const RadioImage& readBack);

// What the user is told: that the radio holds every written byte, or which
// blocks differ, one line each, with the bytes sent and the bytes found.
std::string VerifyReport(const std::vector<BlockMismatch>& mismatches);

// What the user is told after a write that did not complete, by how many
// blocks the radio took before it stopped.
std::string UnfinishedWriteReport(int blocksWritten);

// The read-back after the write did not complete, so nothing is proven.
inline constexpr const char* kVerifyReadFailed =
    "Verify After Write: the radio could not be read back, so the write is not verified.";

}  // namespace qm314
