// The channel plan sheet: its words for cells and settings, its text, its
// printing time, and its page on paper of the common sizes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "radio/plan_layout.h"
#include "radio/plan_sheet.h"
#include "radio/print_time.h"
#include "tests/unit/printout/recording_canvas.h"

namespace qm314 {
namespace {

// Every kind of tone the grid shows is in the end-to-end test; these are the
// texts only a radio's odd memory gives.
TEST(PlanWords, TonesNoListHolds) {
  EXPECT_EQ(plan_words::ToneWords("D6I"), "DCS 006 inverted");
  EXPECT_EQ(plan_words::ToneWords("D023X"), "D023X");  // no meaning: shown as it stands
}

TEST(PlanSheet, SettingsInPlainWordsAndASheetWithoutChannels) {
  ChannelTable table;
  table.setText(3, ChannelTable::kColTones, "D023N");  // no Channel: not on the sheet
  PanelSelections panel;
  panel.type = 0;
  panel.tot = 0;
  panel.squelch = -1;
  panel.warning = 1;
  panel.scanSwitch = 1;
  panel.moni = 1;
  EXPECT_EQ(RenderPlanText(PlanLines(BuildPlanSheet(table, panel, "Write Data", "2024-03-14 09:26"))),
            "Channel plan: Write Data\n"
            "Radio: Trevna QM-314\n"
            "Printed: 2024-03-14 09:26\n"
            "\n"
            "Knob  Channel  Tone  Scan list  Notes\n"
            "No channel is set.\n"
            "\n"
            "Radio settings\n"
            "Time-out timer:  off\n"
            "Squelch level:   not set\n"
            "Power:           500 mW\n"
            "Warning:         off\n"
            "Scan switch:     on\n"
            "Monitor key:     monitor while held\n");
}

TEST(PrintTime, LocalMinutesFromTheClockOrSourceDateEpoch) {
  setenv("TZ", "UTC", 1);
  tzset();
  EXPECT_EQ(PrintTimeText(1710408360), "2024-03-14 09:26");
  setenv(kPrintTimeVariable, "1710408360", 1);
  EXPECT_EQ(PrintTime(), 1710408360);
  setenv(kPrintTimeVariable, "yesterday", 1);
  const std::time_t now = std::time(nullptr);
  EXPECT_LE(std::abs(PrintTime() - now), 1);
  unsetenv(kPrintTimeVariable);
}

// Every row of the radio filled.
std::vector<PlanLine> FullPlan() {
  ChannelTable table;
  for (int row = 1; row < ChannelTable::kRows; ++row) {
    table.setText(row, ChannelTable::kColChannel, "0" + std::to_string(1 + (row - 1) % 8));
    table.setText(row, ChannelTable::kColTones, row % 2 ? "D754I" : "38");
    table.setText(row, ChannelTable::kColScan, "Delete");
  }
  return PlanLines(BuildPlanSheet(table, PanelSelections{0, 0, 4, 6, 3, 0, 0}, "groupA.int", "2024-03-14 09:26"));
}

TEST(PlanLayout, SixteenRowsOnOnePageOfLetterOrA4HalfAnInchFromTheEdgesReadableAndRuled) {
  const struct {
    const char* paper;
    ReportPage printable;
    PaperMargins margins;  // of the printable area, in twips
  } papers[] = {
      {"Letter, quarter-inch margins", {0, 0, 4800, 6300, 600, 600}, {360, 360, 360, 360}},
      {"A4, 6.35 mm margins", {0, 0, 9325, 13427, 1200, 1200}, {360, 360, 360, 360}},
      {"Letter across, as a PDF without margins", {0, 0, 6600, 5100, 600, 600}, {}},
  };
  for (const auto& [paper, printable, margins] : papers) {
    SCOPED_TRACE(paper);
    test::RecordingCanvas canvas;
    ASSERT_TRUE(DrawPlanPage(canvas, PlanArea(printable, margins), FullPlan()));
    // The printable area in twips, less half an inch from the paper's edges.
    const int left = 720 - margins.left;
    const int right = printable.right * 1440 / printable.dpiX - (720 - margins.right);
    const int top = -(720 - margins.top);
    const int bottom = -(printable.bottom * 1440 / printable.dpiY - (720 - margins.bottom));
    for (const ReportFontRequest& font : canvas.created) EXPECT_GE(-font.height, 11 * 20);  // 11 pt
    ASSERT_EQ(canvas.lines.size(), 17u);  // under the header and under each row
    int inTable = 0;
    for (const test::DrawnText& text : canvas.drawn) {
      const int textBottom = text.y - test::RecordingCanvas::MetricsFor(text.fontHeight).height;
      EXPECT_TRUE(text.x >= left && text.x < right && text.y <= top && textBottom >= bottom) << text.text;
      for (const test::DrawnLine& rule : canvas.lines)
        EXPECT_FALSE(rule.y1 > textBottom && rule.y1 < text.y) << text.text << " crosses a rule";
      if (text.y < canvas.lines.front().y1 && text.y > canvas.lines.back().y1) ++inTable;
    }
    EXPECT_EQ(inTable, 16 * 4);  // the Notes column is left empty
    for (const test::DrawnLine& rule : canvas.lines) EXPECT_TRUE(rule.x1 == left && rule.x2 == right);
  }
}

TEST(PlanLayout, APageThatCannotHoldItGetsNothing) {
  for (const ReportPage& page : {ReportPage{0, 0, 3480, 4980, 600, 600},  // A5: too narrow for the columns
                                 ReportPage{0, 0, 4800, 3000, 600, 600},  // too short for 16 rows
                                 ReportPage{0, 0, 4800, 6300, 0, 600}}) {
    test::RecordingCanvas canvas;
    EXPECT_FALSE(DrawPlanPage(canvas, page, FullPlan()));
    EXPECT_TRUE(canvas.created.empty() && canvas.drawn.empty() && canvas.lines.empty());
  }
}

}  // namespace
}  // namespace qm314
