// The comparison after a write: only offsets 0x000-0x3D7 count, and each
// differing 8-byte block is named with what was sent and what the radio holds.
#include <gtest/gtest.h>

#include "link/write_verify.h"

namespace qm314 {
namespace {

TEST(WriteVerify, NamesEachDifferingWrittenBlockAndIgnoresWhatAWriteNeverSends) {
  RadioImage sent;
  for (std::size_t i = 0; i < RadioImage::size(); ++i) sent.at(i) = static_cast<std::uint8_t>(i);
  RadioImage held = sent;
  held.at(0x12A) = 0x00;  // block 37
  held.at(0x12F) = 0xEE;
  held.at(0x3D7) ^= 0x01;  // the last byte a write sends: block 122
  held.at(0x3D8) = 0x00;   // never written, so never compared
  held.at(0x3FF) = 0x00;

  const std::vector<BlockMismatch> mismatches = CompareWrittenBlocks(sent, held);
  ASSERT_EQ(mismatches.size(), 2u);
  EXPECT_EQ(mismatches[0].block, 37);
  EXPECT_EQ(mismatches[0].address, 0x128u);
  EXPECT_EQ(mismatches[0].differingBytes, 2);
  EXPECT_EQ(mismatches[1].block, 122);
  EXPECT_EQ(VerifyReport(mismatches),
            "Verify After Write: 2 of 123 written blocks differ from what the radio holds:\n"
            "block 37 at 0x128-0x12F: 2 bytes differ; written 28 29 2A 2B 2C 2D 2E 2F, "
            "radio holds 28 29 00 2B 2C 2D 2E EE\n"
            "block 122 at 0x3D0-0x3D7: 1 byte differs; written D0 D1 D2 D3 D4 D5 D6 D7, "
            "radio holds D0 D1 D2 D3 D4 D5 D6 D6");
}

TEST(WriteVerify, AnIdenticalRadioIsReportedAsVerified) {
  RadioImage sent;
  RadioImage held = sent;
  held.at(0x3E0) = 0x12;
  EXPECT_TRUE(CompareWrittenBlocks(sent, held).empty());
  EXPECT_EQ(VerifyReport({}), "Verify After Write: the radio holds every byte written (123 blocks, 0x000-0x3D7).");
}

}  // namespace
}  // namespace qm314
