#include "radio/image.h"

#include <gtest/gtest.h>

namespace qm314 {
namespace {

TEST(RadioImage, BlockAndOffsetAddressTheSameByte) {
  RadioImage image;
  EXPECT_EQ(image.at(0x3C0), 0xFF);
  image.at(60, 0) = 0xFB;
  EXPECT_EQ(image.at(0x3C0), 0xFB);
  image.at(0x013) = 0x44;
  EXPECT_EQ(image.at(1, 3), 0x44);
  EXPECT_THROW(image.at(1024), std::out_of_range);
}

TEST(RadioImage, BcdTakesNibblesAtFaceValue) {
  EXPECT_EQ(ToBcd(0), 0x00);
  EXPECT_EQ(ToBcd(46), 0x46);
  EXPECT_EQ(ToBcd(99), 0x99);
  EXPECT_EQ(BcdValue(0x25), 25);
  EXPECT_EQ(BcdValue(0xFF), 165);
  EXPECT_EQ(BcdValue(0x1A), 20);
}

}  // namespace
}  // namespace qm314
