// How far a stopped write got, and the block-by-block comparison of a
// completed write with what the radio holds afterwards.
#include "link/write_verify.h"

#include <cstdio>

#include "link/clone_frames.h"
#include "radio/text_numbers.h"

namespace qm314 {
namespace {

std::string Address(unsigned address) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%03X", address);
  return buf;
}

}  // namespace

std::string UnfinishedWriteReport(int blocksWritten) {
  const std::string total = std::to_string(clone::kWriteBlocks);
  const std::string stopped = "The write to the radio did not complete: the radio took ";
  if (blocksWritten == 0) return stopped + "none of the " + total + " blocks, so its settings are as they were.";
  return stopped + std::to_string(blocksWritten) + " of the " + total +
         " blocks, so its settings are now a mix of old and new. Writing to the radio again completes them.";
}

std::vector<BlockMismatch> CompareWrittenBlocks(const RadioImage& sent, const RadioImage& readBack) {
  std::vector<BlockMismatch> mismatches;
  for (int block = 0; block < clone::kWriteBlocks; ++block) {
    BlockMismatch m;
    m.block = block;
    m.address = clone::BlockAddress(block);
    for (std::size_t i = 0; i < clone::kFrameBytes; ++i) {
      m.sent[i] = sent.at(m.address + i);
      m.held[i] = readBack.at(m.address + i);
      if (m.sent[i] != m.held[i]) ++m.differingBytes;
    }
    if (m.differingBytes > 0) mismatches.push_back(m);
  }
  return mismatches;
}

std::string VerifyReport(const std::vector<BlockMismatch>& mismatches) {
  const std::string range = Address(0) + "-" + Address(clone::BlockAddress(clone::kWriteBlocks) - 1);
  if (mismatches.empty()) {
    return "Verify After Write: the radio holds every byte written (" + std::to_string(clone::kWriteBlocks) +
           " blocks, " + range + ").";
  }
  std::string text = "Verify After Write: " + std::to_string(mismatches.size()) + " of " +
                     std::to_string(clone::kWriteBlocks) + (mismatches.size() == 1 ? " written blocks differs" : " written blocks differ") +
                     " from what the radio holds:";
  for (const BlockMismatch& m : mismatches) {
    text += "\nblock " + std::to_string(m.block) + " at " + Address(m.address) + "-" + Address(m.address + 7) +
            ": " + std::to_string(m.differingBytes) + (m.differingBytes == 1 ? " byte differs" : " bytes differ") +
            "; written " + HexBytes(m.sent.data(), m.sent.size()) + ", radio holds " + HexBytes(m.held.data(), m.held.size());
  }
  return text;
}

}  // namespace qm314
