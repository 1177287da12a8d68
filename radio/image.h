// The radio's programmable memory as one 1024-byte image, with the layout of
// the blocks the program understands named once here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace qm314 {

namespace layout {
inline constexpr std::size_t kImageSize = 1024;
inline constexpr std::size_t kBlockSize = 16;
inline constexpr std::size_t kBlockCount = 64;

inline constexpr int kFirstChannelBlock = 1;   // grid row n is block n
inline constexpr int kChannelCount = 16;
inline constexpr int kFirstReservedBlock = 17; // reserved records in channel layout
inline constexpr int kLastReservedBlock = 24;
inline constexpr int kFunctionSettingBlock = 60;
inline constexpr int kTypeSettingBlock = 61;

// ChannelRecord byte offsets within its block.
namespace channel {
inline constexpr int kFrequency1 = 0;  // 4 bytes BCD, least significant first
inline constexpr int kFrequency2 = 4;
inline constexpr int kTone1 = 8;       // low byte at 8, high byte at 9
inline constexpr int kTone2 = 10;
inline constexpr int kFlags = 12;      // ChannelFlags
inline constexpr int kRasterFlag1 = 13;
inline constexpr int kRasterFlag2 = 14;
inline constexpr std::uint8_t kBcloMask = 0x03;
inline constexpr std::uint8_t kScanBit = 0x10;
}  // namespace channel

// FunctionSetting byte offsets within block 60.
namespace function {
inline constexpr int kFlags = 0;         // FunctionFlags
inline constexpr int kSquelchLevel = 1;
inline constexpr int kMonitorKey = 2;
inline constexpr int kTimeOutTimer = 3;
inline constexpr std::uint8_t kWarningBit = 0x01;
inline constexpr std::uint8_t kScanSwitchBit = 0x04;
}  // namespace function

// TypeSetting byte offsets within block 61.
namespace type {
inline constexpr int kBandCode = 2;
inline constexpr int kTypeCode = 6;
}  // namespace type

// What the clone protocol moves: reads cover the whole image, writes stop at 0x3D7.
inline constexpr std::size_t kWriteLimit = 0x3D8;
}  // namespace layout

// Value of a packed BCD byte; nibbles A-F are taken at face value.
constexpr int BcdValue(std::uint8_t b) { return 10 * (b >> 4) + (b & 0x0F); }
// Packed BCD of 0-99.
constexpr std::uint8_t ToBcd(int x) { return static_cast<std::uint8_t>(16 * (x / 10) + x % 10); }

class RadioImage {
 public:
  using Bytes = std::array<std::uint8_t, layout::kImageSize>;

  RadioImage() { bytes_.fill(0xFF); }

  std::uint8_t& at(std::size_t offset) { return bytes_.at(offset); }
  std::uint8_t at(std::size_t offset) const { return bytes_.at(offset); }
  std::uint8_t& at(int block, int byte) { return bytes_.at(offsetOf(block, byte)); }
  std::uint8_t at(int block, int byte) const { return bytes_.at(offsetOf(block, byte)); }

  std::uint8_t* data() { return bytes_.data(); }
  const std::uint8_t* data() const { return bytes_.data(); }
  static constexpr std::size_t size() { return layout::kImageSize; }
  Bytes& bytes() { return bytes_; }
  const Bytes& bytes() const { return bytes_; }

  static constexpr std::size_t offsetOf(int block, int byte) {
    return static_cast<std::size_t>(block) * layout::kBlockSize + static_cast<std::size_t>(byte);
  }

  friend bool operator==(const RadioImage&, const RadioImage&) = default;

 private:
  Bytes bytes_;
};

}  // namespace qm314
