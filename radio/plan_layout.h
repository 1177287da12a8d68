// Places the channel plan sheet on one printed page through a ReportCanvas:
// type large enough to read at arm's length, ruled table rows with room to
// write in, the Notes column taking what is left of the page's width.
#pragma once

#include <optional>
#include <vector>

#include "radio/plan_sheet.h"
#include "radio/report_canvas.h"
#include "radio/report_layout.h"

namespace qm314 {

inline constexpr std::string_view kPlanFontFace = "Liberation Sans";
// Character heights in twips (a point is 20): 12 pt text, 18 pt title.
inline constexpr int kPlanBodyHeight = 240;
inline constexpr int kPlanTitleHeight = 360;

// The height of a table row in twips: as much room to write in as the page
// allows, up to twice a text line; nothing when the page cannot hold the
// sheet (too short for the rows, or too narrow for the columns).
std::optional<int> PlanRowPitch(const ReportPage& page, const std::vector<PlanLine>& lines);

// Draws the sheet as one page.  False, with nothing drawn, when the page
// cannot hold it.
bool DrawPlanPage(ReportCanvas& canvas, const ReportPage& page, const std::vector<PlanLine>& lines);

}  // namespace qm314
