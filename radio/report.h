// The printed settings report as data: its lines, each a list of cells placed
// in numbered columns.  The printout draws it on paper and `qm314-cli show`
// prints it as text, so both say the same.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "radio/codec.h"

namespace qm314 {

enum class ReportLineKind {
  kTitle,     // "The Radio Settings", centred
  kHeading,   // "Function Setting:", "Channel Setting:"
  kSetting,   // column 0 the label, column 1 the value
  kTableRow,  // one column per shown grid column, the header row first
};

struct ReportCell {
  int column = 0;
  std::string text;

  friend bool operator==(const ReportCell&, const ReportCell&) = default;
};

struct ReportLine {
  ReportLineKind kind = ReportLineKind::kHeading;
  std::vector<ReportCell> cells;

  friend bool operator==(const ReportLine&, const ReportLine&) = default;
};

// Where the cells go across the page, in report character units (a 60th of
// the printable width): headings at 4, setting labels at 6 and values at 25,
// table columns from 6 in steps of 10.  The title starts kTitleLeadUnits
// units left of the middle of the page.
namespace report_layout {
inline constexpr int kHeadingX = 4;
inline constexpr int kSettingLabelX = 6;
inline constexpr int kSettingValueX = 25;
inline constexpr int kTableFirstX = 6;
inline constexpr int kTableStepX = 10;
inline constexpr int kTitleLeadUnits = 14;
}  // namespace report_layout

// x of a cell of a heading, setting or table line, in report units.
int ReportCellX(ReportLineKind kind, int column);

// Which grid columns the printout shows: every column of non-zero width.  The
// BCLO column is always hidden.
using ColumnShown = std::array<bool, ChannelTable::kCols>;
inline constexpr ColumnShown kPrintedColumns = {true, true, true, false, true};

// The report for a grid (header row and row labels included) and the panel.
// A box without selection prints an empty value.
std::vector<ReportLine> BuildReport(const ChannelTable& table, const PanelSelections& panel,
                                    const ColumnShown& shown = kPrintedColumns);

// The report as plain text, one line per report line, cells placed at their x.
std::string RenderReportText(const std::vector<ReportLine>& lines);

}  // namespace qm314
