// The radio's programmable memory as one 1024-byte image, with the layout of
// the blocks the program understands named once here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

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
inline constexpr int kCountingBlock = 40;      // holds 1..16 in a new image
inline constexpr int kFactoryBlock = 63;

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
inline constexpr std::uint8_t kBcloQtDqt = 1;
inline constexpr std::uint8_t kBcloCarrier = 2;
inline constexpr std::uint8_t kBcloOff = 3;
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
inline constexpr std::uint8_t kTypeCodeQm314 = 0x33;  // ASCII '3'
inline constexpr int kBandCodeBias = 12;               // band code = Field index - 12
}  // namespace type

// What the clone protocol moves: reads cover the whole image, writes stop at 0x3D7.
inline constexpr std::size_t kWriteLimit = 0x3D8;
}  // namespace layout

// Value of a packed BCD byte; nibbles A-F are taken at face value.
constexpr int BcdValue(std::uint8_t b) { return 10 * (b >> 4) + (b & 0x0F); }
// Packed BCD of 0-99.
constexpr std::uint8_t ToBcd(int x) { return static_cast<std::uint8_t>(16 * (x / 10) + x % 10); }

// True for the two values that mark a BCD field's most significant byte as unset.
constexpr bool IsUnsetByte(std::uint8_t b) { return b == 0x00 || b == 0xFF; }

// Sets or clears the bits of mask in b, leaving every other bit as it was.
template <typename Byte>
void SetBits(Byte& b, std::uint8_t mask, bool on) {
  b = static_cast<std::uint8_t>(on ? (b | mask) : (b & ~mask));
}

// Named access to one 16-byte channel record; Byte is const for a read-only view.
template <typename Byte>
class BasicChannelRecord {
 public:
  explicit BasicChannelRecord(Byte* block) : b_(block) {}

  Byte& byte(int k) const { return b_[k]; }
  // Digit pair k of a frequency, k = 0 least significant.
  Byte& frequency1(int k) const { return b_[layout::channel::kFrequency1 + k]; }
  Byte& frequency2(int k) const { return b_[layout::channel::kFrequency2 + k]; }
  Byte& tone1Low() const { return b_[layout::channel::kTone1]; }
  Byte& tone1High() const { return b_[layout::channel::kTone1 + 1]; }
  Byte& tone2Low() const { return b_[layout::channel::kTone2]; }
  Byte& tone2High() const { return b_[layout::channel::kTone2 + 1]; }
  Byte& flags() const { return b_[layout::channel::kFlags]; }
  Byte& rasterFlag1() const { return b_[layout::channel::kRasterFlag1]; }
  Byte& rasterFlag2() const { return b_[layout::channel::kRasterFlag2]; }

  bool hasFrequency1() const { return !IsUnsetByte(frequency1(3)); }
  // Frequency2's top byte is a second witness that the record holds a channel.
  bool isInUse() const { return hasFrequency1() || !IsUnsetByte(frequency2(3)); }
  int bcloBits() const { return flags() & layout::channel::kBcloMask; }
  bool isScanned() const { return (flags() & layout::channel::kScanBit) != 0; }

 private:
  Byte* b_;
};

template <typename Byte>
class BasicFunctionSetting {
 public:
  explicit BasicFunctionSetting(Byte* block) : b_(block) {}

  Byte& flags() const { return b_[layout::function::kFlags]; }
  Byte& squelchLevel() const { return b_[layout::function::kSquelchLevel]; }
  Byte& monitorKey() const { return b_[layout::function::kMonitorKey]; }
  Byte& timeOutTimer() const { return b_[layout::function::kTimeOutTimer]; }
  bool warning() const { return (flags() & layout::function::kWarningBit) != 0; }
  bool scanSwitch() const { return (flags() & layout::function::kScanSwitchBit) != 0; }

 private:
  Byte* b_;
};

template <typename Byte>
class BasicTypeSetting {
 public:
  explicit BasicTypeSetting(Byte* block) : b_(block) {}

  Byte& bandCode() const { return b_[layout::type::kBandCode]; }
  Byte& typeCode() const { return b_[layout::type::kTypeCode]; }

 private:
  Byte* b_;
};

using ChannelRecord = BasicChannelRecord<std::uint8_t>;
using ConstChannelRecord = BasicChannelRecord<const std::uint8_t>;
using FunctionSetting = BasicFunctionSetting<std::uint8_t>;
using ConstFunctionSetting = BasicFunctionSetting<const std::uint8_t>;
using TypeSetting = BasicTypeSetting<std::uint8_t>;
using ConstTypeSetting = BasicTypeSetting<const std::uint8_t>;

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

  // Channel records live in blocks 1-24: 1-16 are the grid's channels, 17-24 reserved.
  ChannelRecord channel(int block);
  ConstChannelRecord channel(int block) const;
  FunctionSetting functionSetting();
  ConstFunctionSetting functionSetting() const;
  TypeSetting typeSetting();
  ConstTypeSetting typeSetting() const;

  friend bool operator==(const RadioImage&, const RadioImage&) = default;

 private:
  static std::size_t channelOffset(int block) {
    if (block < layout::kFirstChannelBlock || block > layout::kLastReservedBlock)
      throw std::out_of_range("channel record block out of range");
    return offsetOf(block, 0);
  }

  Bytes bytes_;
};

inline ChannelRecord RadioImage::channel(int block) {
  return ChannelRecord(bytes_.data() + channelOffset(block));
}
inline ConstChannelRecord RadioImage::channel(int block) const {
  return ConstChannelRecord(bytes_.data() + channelOffset(block));
}
inline FunctionSetting RadioImage::functionSetting() {
  return FunctionSetting(bytes_.data() + offsetOf(layout::kFunctionSettingBlock, 0));
}
inline ConstFunctionSetting RadioImage::functionSetting() const {
  return ConstFunctionSetting(bytes_.data() + offsetOf(layout::kFunctionSettingBlock, 0));
}
inline TypeSetting RadioImage::typeSetting() {
  return TypeSetting(bytes_.data() + offsetOf(layout::kTypeSettingBlock, 0));
}
inline ConstTypeSetting RadioImage::typeSetting() const {
  return ConstTypeSetting(bytes_.data() + offsetOf(layout::kTypeSettingBlock, 0));
}

}  // namespace qm314
