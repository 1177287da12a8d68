// The bytes of the tuning conversation: items and opcodes, the frequency and tone
// fields, and the two 8-byte frames built from the dialog's texts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qm314 {

inline constexpr std::uint8_t kDebugAck = 0x06;
inline constexpr std::uint8_t kDebugRequest = 0x4D;
inline constexpr std::uint8_t kDebugIdentRequest = 0x02;
inline constexpr std::size_t kDebugIdentLength = 8;
inline constexpr std::uint8_t kDebugItemSelect = 0x78;
inline constexpr std::uint8_t kDebugItemTrailer = 0x08;
inline constexpr std::uint8_t kDebugAccept = 0x48;
// Bytes 4-6 of the tone and value frame, fixed by the radio.
inline constexpr std::array<std::uint8_t, 3> kDebugValuePrefix{0xFB, 0x01, 0x01};

// The debug items by their code in the dialog (m_nCurItem).
enum class DebugItem { TxFrequency = 2, LowPowerVoltage = 3, SquelchLevel = 4, TxPower = 5 };
inline constexpr std::array<DebugItem, 4> kDebugItems{
    DebugItem::TxFrequency, DebugItem::LowPowerVoltage, DebugItem::SquelchLevel,
    DebugItem::TxPower};

std::uint8_t debugItemOpcode(DebugItem item);
// "TX Frequency", "Low Power Voltage", "Squelch Level", "TX Power".
std::string_view debugItemName(DebugItem item);
std::optional<DebugItem> debugItemByName(std::string_view name);
// The value Default sets for the item.
int debugItemDefault(DebugItem item);
std::optional<DebugItem> debugItemByCode(int code);

inline constexpr int kDebugValueMax = 255;

using DebugFrame = std::array<std::uint8_t, 8>;
using FrequencyField = std::array<std::uint8_t, 4>;
using ToneField = std::array<std::uint8_t, 2>;

// An entry's text in 10 Hz units, or nothing when it cannot be packed into
// eight decimal digits (negative, 1000 MHz or more, not a number).
std::optional<std::uint32_t> frequencyUnits(std::string_view text);
// A tone text in tenths of a hertz, or nothing when it does not fit four digits.
std::optional<std::uint32_t> toneTenths(std::string_view text);

// Packed BCD, the lowest pair of digits first.  Callers pass values that fit.
FrequencyField packFrequencyField(std::uint32_t units);
ToneField packToneField(std::uint32_t tenths);

DebugFrame frequencyFrame(std::uint32_t rxUnits, std::uint32_t txUnits);
DebugFrame toneValueFrame(std::uint32_t rxTenths, std::uint32_t txTenths, std::uint8_t value);

}  // namespace qm314
