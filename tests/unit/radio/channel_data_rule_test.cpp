// The rule that tells this radio's channel data from 1024 bytes of anything
// else: the new image and the eight channels pass, random bytes and a stray
// frequency do not.  (What the program saves passes for any input: the file
// round-trip fuzz target checks that.)
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "radio/codec.h"
#include "radio/default_image.h"

namespace qm314 {
namespace {

void PutFrequency1(RadioImage& image, int block, const std::array<std::uint8_t, 4>& bytes) {
  for (int k = 0; k < 4; ++k) image.at(block, k) = bytes[static_cast<std::size_t>(k)];
}

TEST(ChannelDataRule, EveryRecordIsEmptyOrOneOfTheEightFrequencies) {
  const std::array<std::array<std::uint8_t, 4>, 8> eight = {{
      {0x25, 0x06, 0x60, 0x44}, {0x75, 0x18, 0x60, 0x44}, {0x25, 0x31, 0x60, 0x44}, {0x75, 0x43, 0x60, 0x44},
      {0x25, 0x56, 0x60, 0x44}, {0x75, 0x68, 0x60, 0x44}, {0x25, 0x81, 0x60, 0x44}, {0x75, 0x93, 0x60, 0x44},
  }};
  RadioImage image = DefaultImage();
  EXPECT_TRUE(LooksLikeChannelData(image));
  for (int block = 1; block <= 16; ++block) PutFrequency1(image, block, eight[static_cast<std::size_t>(block % 8)]);
  EXPECT_TRUE(LooksLikeChannelData(image));

  // 446.10625 MHz is a PMR446 channel of the later band plan, not one of the radio's.
  PutFrequency1(image, 16, {0x25, 0x06, 0x61, 0x44});
  EXPECT_FALSE(LooksLikeChannelData(image));
  // A top byte of 0x00 marks the record empty, as 0xFF does, whatever is below it.
  PutFrequency1(image, 16, {0x12, 0x34, 0x56, 0x00});
  EXPECT_TRUE(LooksLikeChannelData(image));
  // Only the sixteen channel records count: the reserved ones hold other frequencies.
  PutFrequency1(image, 17, {0x99, 0x99, 0x99, 0x99});
  EXPECT_TRUE(LooksLikeChannelData(image));
}

TEST(ChannelDataRule, RandomBytesFail) {
  std::mt19937 random(314);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int n = 0; n < 2000; ++n) {
    RadioImage image;
    for (std::uint8_t& b : image.bytes()) b = static_cast<std::uint8_t>(byte(random));
    ASSERT_FALSE(LooksLikeChannelData(image)) << "image " << n;
  }
}

}  // namespace
}  // namespace qm314
