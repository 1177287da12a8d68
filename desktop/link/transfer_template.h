// Template 133, the transfer progress dialog: its size, font, and the places
// of its controls in dialog units.
#pragma once

namespace qm314::transfer_template {

inline constexpr int kWidth = 260;
inline constexpr int kHeight = 74;
inline constexpr int kFontPointSize = 10;

struct Place {
  int id;
  int left;
  int top;
  int width;
  int height;
};

inline constexpr Place kStart{1, 7, 7, 32, 14};
inline constexpr Place kCancel{2, 194, 36, 39, 14};
inline constexpr Place kProgressBar{1003, 7, 23, 226, 10};
inline constexpr Place kProgressLabel{1004, 7, 38, 47, 12};
inline constexpr Place kStatus{1005, 48, 38, 142, 21};

inline constexpr int kProgressMin = 0;
inline constexpr int kProgressMax = 123;

}  // namespace qm314::transfer_template
