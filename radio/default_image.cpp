// The factory contents of a new image: reserved records with their fixed
// frequencies, the counting block, the default function settings and the
// type setting the radio expects.
#include "radio/default_image.h"

#include <array>
#include <cstdint>

namespace qm314 {
namespace {

// Frequency1 and Frequency2 (bytes 0-7) of reserved records 17-24.
constexpr std::array<std::array<std::uint8_t, 8>, 8> kReservedFrequencies = {{
    {0x00, 0x00, 0x01, 0x46, 0x00, 0x00, 0x00, 0x46},
    {0x00, 0x00, 0x01, 0x45, 0x00, 0x00, 0x00, 0x45},
    {0x00, 0x00, 0x99, 0x46, 0x00, 0x75, 0x99, 0x46},
    {0x00, 0x00, 0x03, 0x46, 0x00, 0x00, 0x03, 0x46},
    {0x00, 0x50, 0x03, 0x46, 0x00, 0x50, 0x03, 0x46},
    {0x00, 0x00, 0x04, 0x46, 0x00, 0x00, 0x04, 0x46},
    {0x00, 0x50, 0x03, 0x46, 0x00, 0x50, 0x03, 0x46},
    {0x00, 0x50, 0x04, 0x46, 0x00, 0x50, 0x04, 0x46},
}};

constexpr std::array<std::uint8_t, 6> kFunctionSettingStart = {0xFB, 0x04, 0x03, 0x06, 0xFF, 0x00};
constexpr std::array<std::uint8_t, 8> kTypeSettingStart = {0x00, 0x00, 0xF4, 0x37, 0x30, 0x31, 0x33, 0x50};
constexpr std::array<std::uint8_t, 10> kFactoryBytes = {0x5E, 0x09, 0x2B, 0x69, 0xD8, 0xAA, 0x41, 0xAA, 0x60, 0x4B};

template <std::size_t N>
void WriteBytes(RadioImage& image, int block, const std::array<std::uint8_t, N>& bytes) {
  for (std::size_t k = 0; k < N; ++k) image.at(block, static_cast<int>(k)) = bytes[k];
}

}  // namespace

void WriteDefaultImage(RadioImage& image) {
  image.bytes().fill(0xFF);
  for (int k = 0; k < static_cast<int>(layout::kBlockSize); ++k)
    image.at(layout::kCountingBlock, k) = static_cast<std::uint8_t>(k + 1);
  image.at(layout::kFirstChannelBlock, 2) = 0xFE;
  for (int block = layout::kFirstReservedBlock; block <= layout::kLastReservedBlock; ++block) {
    ChannelRecord record = image.channel(block);
    for (int k = 0; k < 8; ++k) record.byte(k) = 0x00;
    record.rasterFlag1() = 0x01;
    record.rasterFlag2() = 0x01;
  }
  for (int i = 0; i < static_cast<int>(kReservedFrequencies.size()); ++i)
    WriteBytes(image, layout::kFirstReservedBlock + i, kReservedFrequencies[static_cast<std::size_t>(i)]);
  WriteBytes(image, layout::kFunctionSettingBlock, kFunctionSettingStart);
  WriteBytes(image, layout::kTypeSettingBlock, kTypeSettingStart);
  WriteBytes(image, layout::kFactoryBlock, kFactoryBytes);
}

RadioImage DefaultImage() {
  RadioImage image;
  WriteDefaultImage(image);
  return image;
}

}  // namespace qm314
