// What a channel grid text stands for, in the words a user reads: a Channel
// number's frequency, a tone number's tone, a DCS code's code and polarity.
// The grid shows them beside its texts and the channel plan sheet prints them;
// nothing stored or sent changes.
#pragma once

#include <string>
#include <string_view>

namespace qm314 {

// What a Tones text stands for.
struct ToneMeaning {
  enum class Kind { kUnknown, kNone, kHertz, kDcs };
  Kind kind = Kind::kUnknown;
  std::string value;      // "88.5" for a tone in hertz, "023" for a DCS code
  bool inverted = false;  // the DCS code's polarity
};

// "Off" and the empty text (decode's Tones for a channel without tone) are no
// tone; "08" and "25.0" are tones in hertz; "D023N" and "D6N" DCS codes.
ToneMeaning MeaningOfTone(std::string_view text);

// "446.03125" for Channel "03"; empty for a text that names no channel.
std::string ChannelFrequency(std::string_view text);

// The words of the meanings, which the channel plan sheet shares.
inline constexpr std::string_view kNoToneWords = "no tone";
inline constexpr std::string_view kMegahertz = " MHz";
inline constexpr std::string_view kHertz = " Hz";
inline constexpr std::string_view kDcsWord = "DCS ";
inline constexpr std::string_view kNormalWord = "normal";
inline constexpr std::string_view kInvertedWord = "inverted";

// "446.03125 MHz" for Channel "03", "79.7 Hz" for Tones "05", "DCS 023,
// inverted" for "D023I"; empty where the text says all there is.
std::string CellMeaning(int column, std::string_view text);

// The text with its meaning after a separator ("03: 446.03125 MHz" with ": "),
// or the meaning alone when it already begins with the text ("69.3 Hz"), or
// empty when there is no meaning to add.
std::string TextWithMeaning(int column, std::string_view text, std::string_view separator);

// A cell's tooltip ("03: 446.03125 MHz") and an item's line in its pick list
// ("03   446.03125 MHz"), each empty when there is no meaning to add.
std::string CellTooltip(int column, std::string_view text);
std::string ListLine(int column, std::string_view item);

}  // namespace qm314
