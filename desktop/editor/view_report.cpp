// Reading the form for the report.
#include "desktop/editor/view_report.h"

#include "desktop/editor/cordy_view.h"
#include "desktop/editor/msflexgrid.h"

namespace qm314 {

std::vector<ReportLine> ReportOfView(const CCordyView& view) {
  const CMSFlexGrid& grid = *view.grid();
  ColumnShown shown{};
  for (int col = 0; col < ChannelTable::kCols; ++col)
    shown[static_cast<std::size_t>(col)] = grid.GetColWidth(col) != 0;
  // The boxes are pick lists of the code tables' items, so the selected
  // index names the same text the box shows.
  return BuildReport(grid.table(), view.ReadPanel(), shown);
}

}  // namespace qm314
