// Every word of the channel plan sheet, the page the staff who carry the
// radios read: plain English, units written out, no codes to look up.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "radio/codec.h"

namespace qm314::plan_words {

// Heads of the sheet; each is followed by its value.
inline constexpr std::string_view kTitle = "Channel plan: ";
inline constexpr std::string_view kRadio = "Radio: ";
inline constexpr std::string_view kPrinted = "Printed: ";

// The table's columns: the radio's channel knob position (the grid's row),
// the PMR446 channel, the tone, scan membership and room for notes.
inline constexpr std::array<std::string_view, 5> kColumns = {"Knob", "Channel", "Tone", "Scan list", "Notes"};
// In place of the table's rows when no row has a channel.
inline constexpr std::string_view kNoChannels = "No channel is set.";

inline constexpr std::string_view kSettingsHeading = "Radio settings";
// What a box without a selection prints.
inline constexpr std::string_view kNotSet = "not set";

// "03 - 446.03125 MHz"; a text that names no channel as it stands.
std::string ChannelWords(std::string_view channelCell);
// "no tone", "CTCSS 88.5 Hz", "DCS 023 normal", "DCS 754 inverted"; a text
// with no known meaning as it stands.
std::string ToneWords(std::string_view tonesCell);
// "yes" for a channel the scan goes through, "no" for one it skips.
std::string ScanWords(std::string_view scanCell);

// A radio-wide setting as a line of the sheet.
struct SettingWords {
  std::string_view key;  // as `qm314-cli set` and the JSON name it
  std::string_view label;
  std::string value;
};

// Time-out timer, squelch level, power, warning, scan switch, monitor key.
std::array<SettingWords, 6> Settings(const PanelSelections& panel);

}  // namespace qm314::plan_words
