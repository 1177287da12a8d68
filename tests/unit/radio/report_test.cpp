#include "radio/report.h"

#include <gtest/gtest.h>

namespace qm314 {
namespace {

ChannelTable LabelledGrid() {
  ChannelTable grid;
  WriteGridLabels(grid);
  return grid;
}

std::vector<std::string> Texts(const ReportLine& line) {
  std::vector<std::string> texts;
  for (const auto& cell : line.cells) texts.push_back(cell.text);
  return texts;
}

TEST(Report, SettingsLinesInOrderWithLowerCasePower) {
  const PanelSelections panel{.warning = 1, .scanSwitch = 1, .squelch = 9, .tot = 0, .moni = 1, .type = 0, .field = 0};
  const auto lines = BuildReport(LabelledGrid(), panel);
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0].kind, ReportLineKind::kTitle);
  EXPECT_EQ(Texts(lines[0]), std::vector<std::string>{"The Radio Settings"});
  EXPECT_EQ(Texts(lines[1]), std::vector<std::string>{"Function Setting:"});
  const std::vector<std::vector<std::string>> settings = {
      {"Type:", "Trevna QM-314"},     {"Field:", "PMR 446 BAND"}, {"TOT:", "Off"},
      {"Warning:", "Disable"},        {"Power:", "500mw"},        {"Squelch Level:", "9"},
      {"Scan Switch:", "On"},         {"Moni:", "Monitor  Momentary"}};
  for (std::size_t i = 0; i < settings.size(); ++i) {
    EXPECT_EQ(lines[2 + i].kind, ReportLineKind::kSetting);
    EXPECT_EQ(Texts(lines[2 + i]), settings[i]);
  }
  EXPECT_EQ(Texts(lines[10]), std::vector<std::string>{"Channel Setting:"});
  EXPECT_EQ(Texts(lines[11]), (std::vector<std::string>{"CH", "Channel", "Tones", "Scan"}));
}

TEST(Report, OnlyChannelsWithAChannelCellWithoutTheBcloColumn) {
  ChannelTable grid = LabelledGrid();
  grid.setText(3, 1, "05");
  grid.setText(3, 2, "D023N");
  grid.setText(3, 3, "Carrier");
  grid.setText(3, 4, "Add");
  grid.setText(7, 2, "01");  // no channel: left out
  grid.setText(7, 4, "Add");
  grid.setText(12, 1, "08");
  const auto lines = BuildReport(grid, PanelSelections{});
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(Texts(lines[12]), (std::vector<std::string>{"3", "05", "D023N", "Add"}));
  EXPECT_EQ(lines[12].cells[3].column, 3);
  EXPECT_EQ(Texts(lines[13]), (std::vector<std::string>{"12", "08", "", ""}));
  // No selection: empty values.
  EXPECT_EQ(Texts(lines[4]), (std::vector<std::string>{"TOT:", ""}));
}

TEST(Report, CellPositionsAndText) {
  EXPECT_EQ(ReportCellX(ReportLineKind::kHeading, 0), 4);
  EXPECT_EQ(ReportCellX(ReportLineKind::kSetting, 0), 6);
  EXPECT_EQ(ReportCellX(ReportLineKind::kSetting, 1), 25);
  EXPECT_EQ(ReportCellX(ReportLineKind::kTableRow, 3), 36);
  const std::vector<ReportLine> lines = {
      {ReportLineKind::kTitle, {{0, "Title"}}},
      {ReportLineKind::kSetting, {{0, "Squelch Level:"}, {1, "4"}}},
      {ReportLineKind::kTableRow, {{0, "1"}, {1, "01"}, {2, "D023N"}, {3, ""}}},
      {ReportLineKind::kTableRow, {{0, "12345678901"}, {1, "x"}}},
  };
  EXPECT_EQ(RenderReportText(lines),
            "Title\n"
            "  Squelch Level:     4\n"
            "  1         01        D023N\n"
            "  12345678901 x\n");
}

}  // namespace
}  // namespace qm314
