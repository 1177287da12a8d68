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

// How far the sheet keeps from the paper's edges, in twips: half an inch, of
// which the printer's own margins are a part.  A pinned sheet loses its edges
// to pins and tape; a PDF has next to no margins of its own.
inline constexpr int kPlanPaperMargin = 720;

// How far the printable area's edges lie from the paper's, in twips.
struct PaperMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The part of the printable page the sheet is drawn in: what the paper margin
// needs beyond the printer's own margins is taken off each side.
ReportPage PlanArea(const ReportPage& printable, const PaperMargins& printerMargins);

// The height of a table row in twips: as much room to write in as the page
// allows, up to twice a text line; nothing when the page cannot hold the
// sheet (too short for the rows, or too narrow for the columns).
std::optional<int> PlanRowPitch(const ReportPage& page, const std::vector<PlanLine>& lines);

// Draws the sheet as one page in the page's rectangle.  False, with nothing
// drawn, when the page cannot hold it.
bool DrawPlanPage(ReportCanvas& canvas, const ReportPage& page, const std::vector<PlanLine>& lines);

}  // namespace qm314
