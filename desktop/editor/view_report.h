// The report of what the form shows at this moment: the grid's cells and
// column widths, and the text of each settings box's selected item.
#pragma once

#include <vector>

#include "radio/report.h"

namespace qm314 {

class CCordyView;

std::vector<ReportLine> ReportOfView(const CCordyView& view);

}  // namespace qm314
