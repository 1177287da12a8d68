// What the grid's tooltips and pick lists say a text stands for, for each
// kind of text (the window's tests look at a Channel and a DCS code).
#include "radio/cell_meanings.h"

#include <gtest/gtest.h>

namespace qm314 {
namespace {

TEST(CellMeanings, TooltipAndPickListForms) {
  const struct {
    int column;
    const char* text;
    const char* tooltip;
    const char* listLine;
  } cases[] = {
      {1, "08", "08: 446.09375 MHz", "08   446.09375 MHz"},
      {1, "09", "", ""},
      {2, "05", "05: 79.7 Hz", "05   79.7 Hz"},
      {2, "Off", "Off: no tone", "Off   no tone"},
      {2, "69.3", "69.3 Hz", "69.3 Hz"},
      {2, "D754I", "D754I: DCS 754, inverted", "D754I   DCS 754, inverted"},
      {2, "D6N", "D6N: DCS 006, normal", "D6N   DCS 006, normal"},
      {2, "", "", ""},
      {2, "D023X", "", ""},
      {3, "Carrier", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextWithMeaning(c.column, c.text, ": "), c.tooltip) << c.column << " " << c.text;
    EXPECT_EQ(TextWithMeaning(c.column, c.text, "   "), c.listLine) << c.column << " " << c.text;
  }
}

}  // namespace
}  // namespace qm314
