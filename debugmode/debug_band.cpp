// Test frequencies and entry normalisation of the Debug Mode dialog.
#include "debugmode/debug_band.h"

#include <algorithm>

#include "radio/code_tables.h"
#include "radio/text_numbers.h"

namespace qm314 {

namespace {

constexpr double kUnitsPerMhz = 100000.0;
// Eight BCD digits on the wire.
constexpr std::uint32_t kMaxUnits = 99999999;

// The PMR446 channels 1 and 8 and the middle of the band.
constexpr std::uint32_t kPmrLow = 44600625;
constexpr std::uint32_t kPmrMiddle = 44605000;
constexpr std::uint32_t kPmrHigh = 44609375;

std::uint32_t unitsOf(double mhz) {
  const double units = mhz * kUnitsPerMhz;
  if (!(units > 0.0)) return 0;
  if (units >= kMaxUnits) return kMaxUnits;
  return static_cast<std::uint32_t>(units);
}

}  // namespace

DebugBand debugBandFor(std::string_view bandText) {
  if (bandText == FieldItems().at(0)) {
    return {kPmrLow / kUnitsPerMhz, kPmrLow, kPmrMiddle, kPmrHigh};
  }
  const double base = LeadingReal(bandText);
  return {base, unitsOf(base), unitsOf(base + 10), unitsOf(base + 20)};
}

std::string formatDebugFrequency(double mhz) { return FormatFixed(mhz, 8, 5); }

std::string formatDebugUnits(std::uint32_t units) {
  return formatDebugFrequency(units / kUnitsPerMhz);
}

std::uint32_t normaliseDebugUnits(std::string_view text, const DebugBand& band, DebugStep step) {
  const double mhz = LeadingReal(text);
  // A negative or oversized number lands above the band, as the unsigned
  // conversion always made it; text without a number reads as 0.
  std::uint32_t v = 0;
  if (mhz < 0.0 || mhz * kUnitsPerMhz >= 4294967296.0) {
    v = UINT32_MAX;
  } else {
    v = static_cast<std::uint32_t>(mhz * kUnitsPerMhz);
  }
  if (v > band.high) return band.high;
  if (v < band.low) return band.low;
  if (step == DebugStep::Step5k) {
    const std::uint32_t r = v % 500;
    v = r <= 250 ? v - r : v + 500 - r;
  } else {
    const std::uint32_t r = v % 625;
    v = r >= 313 ? v + 625 - r : v - r;
  }
  // The PMR446 edges are not on the 5 kHz grid: rounding must not leave the band.
  return std::clamp(v, band.low, band.high);
}

std::string normaliseDebugEntry(std::string_view text, const DebugBand& band, DebugStep step) {
  return formatDebugUnits(normaliseDebugUnits(text, band, step));
}

}  // namespace qm314
