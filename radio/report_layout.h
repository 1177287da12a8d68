// Places the settings report on one printed page: unit sizes from the page and
// the printer's resolution, the title and body fonts, and every line's twips
// position, drawn through a ReportCanvas.
#pragma once

#include <optional>
#include <vector>

#include "radio/report.h"
#include "radio/report_canvas.h"

namespace qm314 {

// The printable page in device pixels and the printer's pixels per inch.
struct ReportPage {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int dpiX = 0;
  int dpiY = 0;
};

// A line is about a 42nd of the page height; a character about a 60th of the
// page width less 900 twips.  Both in twips.
struct ReportUnits {
  int unitH = 0;
  int unitW = 0;
};

// The units of a page, or nothing when the page is too small to hold the
// report (or reports no resolution).
std::optional<ReportUnits> ReportUnitsFor(const ReportPage& page);

inline constexpr std::string_view kReportFontFace = "Times New Roman";
inline constexpr int kReportFontWeight = 400;
inline constexpr std::uint8_t kReportFontPitchAndFamily = 0x30;

// Draws the whole report on the canvas as one page.  False, with nothing
// drawn, when the page has no units.
bool DrawReportPage(ReportCanvas& canvas, const ReportPage& page,
                    const std::vector<ReportLine>& lines);

}  // namespace qm314
