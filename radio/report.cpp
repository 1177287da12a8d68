// Building the settings report and its plain-text rendering.
#include "radio/report.h"

#include "radio/settings_fields.h"

namespace qm314 {
namespace {

ReportLine Line(ReportLineKind kind, std::vector<std::string> texts) {
  ReportLine line{kind, {}};
  for (std::size_t i = 0; i < texts.size(); ++i) line.cells.push_back({static_cast<int>(i), std::move(texts[i])});
  return line;
}

// The report prints Power in lower case, whatever the form shows.
constexpr const char* kReportPowerText = "500mw";

}  // namespace

int ReportCellX(ReportLineKind kind, int column) {
  using namespace report_layout;
  switch (kind) {
    case ReportLineKind::kHeading:
      return kHeadingX;
    case ReportLineKind::kSetting:
      return column == 0 ? kSettingLabelX : kSettingValueX;
    case ReportLineKind::kTableRow:
      return kTableFirstX + kTableStepX * column;
    case ReportLineKind::kTitle:
      break;
  }
  return 0;
}

std::vector<ReportLine> BuildReport(const ChannelTable& table, const PanelSelections& panel,
                                    const ColumnShown& shown) {
  std::vector<ReportLine> lines;
  lines.push_back(Line(ReportLineKind::kTitle, {"The Radio Settings"}));
  lines.push_back(Line(ReportLineKind::kHeading, {"Function Setting:"}));
  for (const SettingField& field : SettingFields()) {
    const std::string value = field.isBox() ? SettingText(field, panel) : kReportPowerText;
    lines.push_back(Line(ReportLineKind::kSetting, {std::string(field.label), value}));
  }
  lines.push_back(Line(ReportLineKind::kHeading, {"Channel Setting:"}));
  for (int row = 0; row < ChannelTable::kRows; ++row) {
    if (table.text(row, ChannelTable::kColChannel).empty()) continue;
    std::vector<std::string> texts;
    for (int col = 0; col < ChannelTable::kCols; ++col) {
      if (!shown[static_cast<std::size_t>(col)]) continue;
      // A tone prints as the file stores it, so the form and the file it was
      // saved to print alike: a Tones cell "Off" prints as no tone, as decode shows it.
      const bool tone = row > 0 && col == ChannelTable::kColTones;
      texts.push_back(tone ? StoredToneText(table.text(row, col)) : table.text(row, col));
    }
    lines.push_back(Line(ReportLineKind::kTableRow, std::move(texts)));
  }
  return lines;
}

std::string RenderReportText(const std::vector<ReportLine>& lines) {
  // Text starts at the headings' x, so nothing is indented more than it must be.
  const int origin = report_layout::kHeadingX;
  std::string out;
  for (const ReportLine& line : lines) {
    std::string text;
    for (const ReportCell& cell : line.cells) {
      if (line.kind != ReportLineKind::kTitle) {
        const auto x = static_cast<std::size_t>(ReportCellX(line.kind, cell.column) - origin);
        // Keep one space between cells even when a text overruns its column.
        if (text.size() < x) text.append(x - text.size(), ' ');
        else if (!text.empty()) text += ' ';
      }
      text += cell.text;
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    out += text;
    out += '\n';
  }
  return out;
}

}  // namespace qm314
