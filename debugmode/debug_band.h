// The three test frequencies the Debug Mode dialog derives from the band list's
// text, and the normalisation of a typed frequency to that band and a step.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm314 {

// All in 10 Hz units.  Entries are normalised into low..high.
struct DebugBand {
  double base;  // MHz, m_dBaseFreq
  std::uint32_t low;
  std::uint32_t middle;
  std::uint32_t high;
};

// PMR446 gives its first, middle and last channel; any other text its leading
// number N gives N, N + 10 and N + 20 MHz.
DebugBand debugBandFor(std::string_view bandText);

enum class DebugStep { Step5k = 0, Step6k25 = 1 };

// "%8.5f" of MHz: at least eight characters, five decimals ("20.00000", " 0.00000").
std::string formatDebugFrequency(double mhz);
std::string formatDebugUnits(std::uint32_t units);

// What Enter in a frequency entry makes of its text: clamped into the band,
// otherwise rounded to the step (a remainder of exactly half a 5 kHz step goes
// down, 313 of the 625 units of a 6.25 kHz step go up).
std::uint32_t normaliseDebugUnits(std::string_view text, const DebugBand& band, DebugStep step);
std::string normaliseDebugEntry(std::string_view text, const DebugBand& band, DebugStep step);

}  // namespace qm314
