// The printed page's layout on a recording canvas: units, fonts and the exact
// twips position of every text for given pages and resolutions.
#include <gtest/gtest.h>

#include "radio/codec.h"
#include "radio/report.h"
#include "radio/report_layout.h"
#include "tests/unit/printout/recording_canvas.h"

namespace qm314 {
namespace {

using test::DrawnText;
using test::RecordingCanvas;

PanelSelections NewDocumentPanel() {
  PanelSelections panel;
  panel.type = 0;
  panel.field = 0;
  panel.tot = 6;
  panel.warning = 0;
  panel.squelch = 4;
  panel.scanSwitch = 0;
  panel.moni = 3;
  return panel;
}

ChannelTable LabelledTable() {
  ChannelTable table;
  WriteGridLabels(table);
  return table;
}

void SetRow(ChannelTable& table, int row, const char* channel, const char* tones,
            const char* bclo, const char* scan) {
  table.setText(row, 1, channel);
  table.setText(row, 2, tones);
  table.setText(row, 3, bclo);
  table.setText(row, 4, scan);
}

// Channels in rows 2, 5 and 16 only; row 3 has texts but no channel.
ChannelTable TableWithGaps() {
  ChannelTable table = LabelledTable();
  SetRow(table, 2, "03", "Off", "Carrier", "Add");
  SetRow(table, 3, "", "67.0", "Off", "Add");
  SetRow(table, 5, "01", "D023N", "Off", "Delete");
  SetRow(table, 16, "08", "12", "QT/DQT", "Add");
  return table;
}

std::vector<DrawnText> Draw(const ReportPage& page, const std::vector<ReportLine>& lines,
                            RecordingCanvas& canvas) {
  EXPECT_TRUE(DrawReportPage(canvas, page, lines));
  return canvas.drawn;
}

TEST(ReportUnits, FollowThePageInTheOriginalIntegerOrder) {
  // Letter at 600 dpi: 6600 / 42 = 157 first, so 376 and not 377.
  ASSERT_TRUE(ReportUnitsFor({0, 0, 5100, 6600, 600, 600}));
  EXPECT_EQ(ReportUnitsFor({0, 0, 5100, 6600, 600, 600})->unitH, 376);
  EXPECT_EQ(ReportUnitsFor({0, 0, 5100, 6600, 600, 600})->unitW, 189);
  // A4 at 1200 dpi.
  EXPECT_EQ(ReportUnitsFor({0, 0, 9917, 14033, 1200, 1200})->unitH, 400);
  EXPECT_EQ(ReportUnitsFor({0, 0, 9917, 14033, 1200, 1200})->unitW, 183);
  // Only the size counts, not where the rectangle lies; each axis has its own dpi.
  EXPECT_EQ(ReportUnitsFor({75, 75, 2475, 3225, 300, 300})->unitH, 360);
  EXPECT_EQ(ReportUnitsFor({75, 75, 2475, 3225, 300, 300})->unitW, 177);
  EXPECT_EQ(ReportUnitsFor({0, 0, 2400, 6300, 300, 600})->unitH, 360);
  EXPECT_EQ(ReportUnitsFor({0, 0, 2400, 6300, 300, 600})->unitW, 177);
}

TEST(ReportUnits, NoneForAPageTooSmallOrWithoutResolution) {
  EXPECT_FALSE(ReportUnitsFor({0, 0, 900, 6600, 1440, 1440}));  // width all allowance
  EXPECT_FALSE(ReportUnitsFor({0, 0, 5100, 41, 600, 600}));     // less than a line
  EXPECT_FALSE(ReportUnitsFor({0, 0, 5100, 6600, 0, 600}));
  EXPECT_FALSE(ReportUnitsFor({0, 0, 5100, 6600, 600, 0}));
  EXPECT_FALSE(ReportUnitsFor({100, 100, 50, 6600, 600, 600}));

  RecordingCanvas canvas;
  EXPECT_FALSE(DrawReportPage(canvas, {0, 0, 900, 6600, 1440, 1440},
                              BuildReport(LabelledTable(), NewDocumentPanel())));
  EXPECT_TRUE(canvas.drawn.empty());
  EXPECT_TRUE(canvas.created.empty());
}

TEST(ReportLayout, LetterPageWithGapsInTheTable) {
  RecordingCanvas canvas;
  const std::vector<DrawnText> drawn =
      Draw({0, 0, 5100, 6600, 600, 600}, BuildReport(TableWithGaps(), NewDocumentPanel()), canvas);
  // unitH 376, unitW 189; title font 526 high: line 617; body line 441.
  const std::vector<DrawnText> expected = {
      {3474, -308, "The Radio Settings", -526},
      {756, -925, "Function Setting:", -376},
      {1134, -1366, "Type:", -376},
      {4725, -1366, "Trevna QM-314", -376},
      {1134, -1807, "Field:", -376},
      {4725, -1807, "PMR 446 BAND", -376},
      {1134, -2248, "TOT:", -376},
      {4725, -2248, "180s", -376},
      {1134, -2689, "Warning:", -376},
      {4725, -2689, "Enable", -376},
      {1134, -3130, "Power:", -376},
      {4725, -3130, "500mw", -376},
      {1134, -3571, "Squelch Level:", -376},
      {4725, -3571, "4", -376},
      {1134, -4012, "Scan Switch:", -376},
      {4725, -4012, "Off", -376},
      {1134, -4453, "Moni:", -376},
      {4725, -4453, "SQ-Off Momentary", -376},
      {756, -4894, "Channel Setting:", -376},
      {1134, -5335, "CH", -376},
      {3024, -5335, "Channel", -376},
      {4914, -5335, "Tones", -376},
      {6804, -5335, "Scan", -376},
      {1134, -5776, "2", -376},
      {3024, -5776, "03", -376},
      {4914, -5776, "", -376},  // "Off": no tone, as the file keeps it
      {6804, -5776, "Add", -376},
      {1134, -6217, "5", -376},
      {3024, -6217, "01", -376},
      {4914, -6217, "D023N", -376},
      {6804, -6217, "Delete", -376},
      {1134, -6658, "16", -376},
      {3024, -6658, "08", -376},
      {4914, -6658, "12", -376},
      {6804, -6658, "Add", -376},
  };
  EXPECT_EQ(drawn, expected);
}

TEST(ReportLayout, FontsAreTimesNewRomanTitleOneAndAHalfTruncatedAndAllReleased) {
  RecordingCanvas canvas;
  Draw({75, 75, 2475, 3225, 300, 300}, BuildReport(LabelledTable(), NewDocumentPanel()), canvas);
  // unitH 360, unitW 177: 1.4 x 360 is 503.99999999999994 in doubles, so 503.
  const std::vector<ReportFontRequest> fonts = {{-503, 247, "Times New Roman", 400, 0x30},
                                                {-360, 177, "Times New Roman", 400, 0x30}};
  EXPECT_EQ(canvas.created, fonts);
  EXPECT_TRUE(canvas.twips);
  EXPECT_FALSE(canvas.drawnBeforeMapping);
  EXPECT_EQ(canvas.selected, ReportCanvas::kDefaultFont);
  EXPECT_FALSE(canvas.deletedWhileSelected);
  EXPECT_TRUE(canvas.live.empty());
}

TEST(ReportLayout, EmptyChannelTablePrintsTheHeaderLineOnly) {
  RecordingCanvas canvas;
  ChannelTable table = LabelledTable();
  // Texts in rows without a channel never print.
  SetRow(table, 7, "", "Off", "Off", "Add");
  const std::vector<DrawnText> drawn =
      Draw({75, 75, 2475, 3225, 300, 300}, BuildReport(table, NewDocumentPanel()), canvas);
  ASSERT_EQ(drawn.size(), 23u);
  // Title centred on the right edge's half: 1237 px is 5937 twips, less 14 x 177.
  EXPECT_EQ(drawn.front(), (DrawnText{3459, -295, "The Radio Settings", -503}));
  EXPECT_EQ(drawn[1], (DrawnText{708, -885, "Function Setting:", -360}));
  EXPECT_EQ(drawn[16], (DrawnText{1062, -4269, "Moni:", -360}));
  EXPECT_EQ(drawn[17], (DrawnText{4425, -4269, "SQ-Off Momentary", -360}));
  const std::vector<DrawnText> tail(drawn.end() - 5, drawn.end());
  const std::vector<DrawnText> expected = {
      {708, -4692, "Channel Setting:", -360},
      {1062, -5115, "CH", -360},
      {2832, -5115, "Channel", -360},
      {4602, -5115, "Tones", -360},
      {6372, -5115, "Scan", -360},
  };
  EXPECT_EQ(tail, expected);
}

TEST(ReportLayout, HiddenColumnsKeepTheirPlaceForTheNextShownOne) {
  RecordingCanvas canvas;
  ChannelTable table = LabelledTable();
  SetRow(table, 1, "04", "D754I", "QT/DQT", "Delete");
  const ColumnShown shown = {true, true, false, false, true};
  const std::vector<DrawnText> drawn =
      Draw({0, 0, 5100, 6600, 600, 600}, BuildReport(table, NewDocumentPanel(), shown), canvas);
  const std::vector<DrawnText> tail(drawn.end() - 6, drawn.end());
  const std::vector<DrawnText> expected = {
      {1134, -5335, "CH", -376}, {3024, -5335, "Channel", -376}, {4914, -5335, "Scan", -376},
      {1134, -5776, "1", -376},  {3024, -5776, "04", -376},      {4914, -5776, "Delete", -376},
  };
  EXPECT_EQ(tail, expected);
}

TEST(ReportLayout, PowerIsAlwaysFixedAndABoxWithoutSelectionPrintsNoValue) {
  RecordingCanvas canvas;
  PanelSelections panel = NewDocumentPanel();
  panel.tot = -1;
  panel.squelch = 9;
  const std::vector<DrawnText> drawn =
      Draw({0, 0, 5100, 6600, 600, 600}, BuildReport(LabelledTable(), panel), canvas);
  EXPECT_EQ(drawn[6], (DrawnText{1134, -2248, "TOT:", -376}));
  EXPECT_EQ(drawn[7], (DrawnText{4725, -2248, "", -376}));
  EXPECT_EQ(drawn[11], (DrawnText{4725, -3130, "500mw", -376}));
  EXPECT_EQ(drawn[13], (DrawnText{4725, -3571, "9", -376}));
}

}  // namespace
}  // namespace qm314
