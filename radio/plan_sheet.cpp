// Building the channel plan sheet and its plain-text form.
#include "radio/plan_sheet.h"

#include <algorithm>

#include "radio/code_tables.h"

namespace qm314 {
namespace {

constexpr std::size_t kColumnGap = 2;

// Width of each column over the lines of one kind.
std::vector<std::size_t> ColumnWidths(const std::vector<PlanLine>& lines, PlanLineKind first, PlanLineKind second) {
  std::vector<std::size_t> widths;
  for (const PlanLine& line : lines) {
    if (line.kind != first && line.kind != second) continue;
    if (widths.size() < line.cells.size()) widths.resize(line.cells.size());
    for (std::size_t i = 0; i < line.cells.size(); ++i) widths[i] = std::max(widths[i], line.cells[i].size());
  }
  return widths;
}

std::string Aligned(const std::vector<std::string>& cells, const std::vector<std::size_t>& widths) {
  std::string text;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    text += cells[i];
    if (i + 1 < cells.size()) text.append(widths[i] + kColumnGap - cells[i].size(), ' ');
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

}  // namespace

PlanSheet BuildPlanSheet(const ChannelTable& table, const PanelSelections& panel, std::string document,
                         std::string printed) {
  PlanSheet sheet{std::move(document), std::move(printed), {}, {}, plan_words::Settings(panel)};
  sheet.radio = TypeItems().textAt(panel.type);
  if (sheet.radio.empty()) sheet.radio = plan_words::kNotSet;
  for (int row = 1; row < ChannelTable::kRows; ++row) {
    const std::string& channel = table.text(row, ChannelTable::kColChannel);
    if (channel.empty()) continue;
    sheet.rows.push_back({row, plan_words::ChannelWords(channel),
                          plan_words::ToneWords(table.text(row, ChannelTable::kColTones)),
                          plan_words::ScanWords(table.text(row, ChannelTable::kColScan))});
  }
  return sheet;
}

std::vector<PlanLine> PlanLines(const PlanSheet& sheet) {
  using namespace plan_words;
  std::vector<PlanLine> lines;
  lines.push_back({PlanLineKind::kTitle, {std::string(kTitle) + sheet.document}});
  lines.push_back({PlanLineKind::kAbout, {std::string(kRadio) + sheet.radio}});
  lines.push_back({PlanLineKind::kAbout, {std::string(kPrinted) + sheet.printed}});
  lines.push_back({PlanLineKind::kTableHeader, std::vector<std::string>(kColumns.begin(), kColumns.end())});
  for (const PlanRow& row : sheet.rows)
    lines.push_back({PlanLineKind::kTableRow, {std::to_string(row.row), row.channel, row.tone, row.scan, ""}});
  if (sheet.rows.empty()) lines.push_back({PlanLineKind::kNote, {std::string(kNoChannels)}});
  lines.push_back({PlanLineKind::kHeading, {std::string(kSettingsHeading)}});
  for (const SettingWords& setting : sheet.settings)
    lines.push_back({PlanLineKind::kSetting, {std::string(setting.label) + ":", setting.value}});
  return lines;
}

std::string RenderPlanText(const std::vector<PlanLine>& lines) {
  const std::vector<std::size_t> table = ColumnWidths(lines, PlanLineKind::kTableHeader, PlanLineKind::kTableRow);
  const std::vector<std::size_t> settings = ColumnWidths(lines, PlanLineKind::kSetting, PlanLineKind::kSetting);
  std::string out;
  for (const PlanLine& line : lines) {
    if (line.kind == PlanLineKind::kTableHeader || line.kind == PlanLineKind::kHeading) out += '\n';
    const bool tabular = line.kind == PlanLineKind::kTableHeader || line.kind == PlanLineKind::kTableRow;
    out += Aligned(line.cells, tabular                                 ? table
                               : line.kind == PlanLineKind::kSetting ? settings
                                                                     : std::vector<std::size_t>(line.cells.size()));
    out += '\n';
  }
  return out;
}

}  // namespace qm314
