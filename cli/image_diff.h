// What differs between two images, as a user reads it: channel cells and
// settings by the texts the form shows, then every byte those texts do not
// account for, by address, block and byte.
#pragma once

#include <string>
#include <vector>

#include "radio/image.h"

namespace qm314::cli {

struct ImageDiff {
  std::vector<std::string> channels;  // row 3 Tones: "01" -> "D023N"
  std::vector<std::string> settings;  // TOT: "Off" -> "180s"
  std::vector<std::string> bytes;     // 0x3E5 block 62 byte 5: 0xFF -> 0x00

  bool empty() const { return channels.empty() && settings.empty() && bytes.empty(); }
};

ImageDiff DiffImages(const RadioImage& a, const RadioImage& b);

// The three sections, each under its heading, empty ones left out.
std::string RenderDiff(const ImageDiff& diff);

}  // namespace qm314::cli
