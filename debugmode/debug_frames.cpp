// Packing of the tuning conversation's fields and frames.
#include "debugmode/debug_frames.h"

#include <cmath>

#include "radio/text_numbers.h"

namespace qm314 {

namespace {

struct ItemInfo {
  DebugItem item;
  std::uint8_t opcode;
  std::string_view name;
  int defaultValue;
};

constexpr std::array<ItemInfo, 4> kItemInfo{{
    {DebugItem::TxFrequency, 0x71, "TX Frequency", 91},
    {DebugItem::LowPowerVoltage, 0x72, "Low Power Voltage", 38},
    {DebugItem::SquelchLevel, 0x73, "Squelch Level", 160},
    {DebugItem::TxPower, 0x74, "TX Power", 47},
}};

const ItemInfo& info(DebugItem item) {
  return kItemInfo[static_cast<std::size_t>(static_cast<int>(item) - 2)];
}

// value x scale, truncated towards zero, when it fits `digits` decimal digits.
std::optional<std::uint32_t> scaledDigits(std::string_view text, double scale, int digits) {
  const double scaled = LeadingReal(text) * scale;
  const double limit = std::pow(10.0, digits);
  if (!(scaled >= 0.0 && scaled < limit)) return std::nullopt;
  return static_cast<std::uint32_t>(scaled);
}

template <std::size_t N>
std::array<std::uint8_t, N> packBcd(std::uint32_t value) {
  std::array<std::uint8_t, N> out{};
  for (auto& byte : out) {
    const auto low = value % 10;
    const auto high = (value / 10) % 10;
    byte = static_cast<std::uint8_t>(high << 4 | low);
    value /= 100;
  }
  return out;
}

}  // namespace

std::uint8_t debugItemOpcode(DebugItem item) { return info(item).opcode; }
std::string_view debugItemName(DebugItem item) { return info(item).name; }
int debugItemDefault(DebugItem item) { return info(item).defaultValue; }

std::optional<DebugItem> debugItemByName(std::string_view name) {
  for (const auto& i : kItemInfo) {
    if (i.name == name) return i.item;
  }
  return std::nullopt;
}

std::optional<DebugItem> debugItemByCode(int code) {
  for (const auto& i : kItemInfo) {
    if (static_cast<int>(i.item) == code) return i.item;
  }
  return std::nullopt;
}

std::optional<std::uint32_t> frequencyUnits(std::string_view text) {
  return scaledDigits(text, 100000.0, 8);
}

std::optional<std::uint32_t> toneTenths(std::string_view text) {
  return scaledDigits(text, 10.0, 4);
}

FrequencyField packFrequencyField(std::uint32_t units) { return packBcd<4>(units); }
ToneField packToneField(std::uint32_t tenths) { return packBcd<2>(tenths); }

DebugFrame frequencyFrame(std::uint32_t rxUnits, std::uint32_t txUnits) {
  const auto rx = packFrequencyField(rxUnits);
  const auto tx = packFrequencyField(txUnits);
  return {rx[0], rx[1], rx[2], rx[3], tx[0], tx[1], tx[2], tx[3]};
}

DebugFrame toneValueFrame(std::uint32_t rxTenths, std::uint32_t txTenths, std::uint8_t value) {
  const auto rx = packToneField(rxTenths);
  const auto tx = packToneField(txTenths);
  return {rx[0], rx[1], tx[0], tx[1], kDebugValuePrefix[0], kDebugValuePrefix[1],
          kDebugValuePrefix[2], value};
}

}  // namespace qm314
