// The report's page layout, in the integer arithmetic the printed page has
// always used, so a page comes out the same on every printer of that size.
#include "radio/report_layout.h"

#include <cstdint>

namespace qm314 {
namespace {

constexpr std::int64_t kTwipsPerInch = 1440;
constexpr std::int64_t kLinesPerPage = 42;
constexpr std::int64_t kCharsPerLine = 60;
constexpr std::int64_t kWidthAllowance = 900;
constexpr double kTitleScale = 1.4;

ReportFontRequest Font(int height, int width) {
  return {height, width, kReportFontFace, kReportFontWeight, kReportFontPitchAndFamily};
}

int ScaledForTitle(int unit) { return static_cast<int>(kTitleScale * unit); }

}  // namespace

std::optional<ReportUnits> ReportUnitsFor(const ReportPage& page) {
  if (page.dpiX <= 0 || page.dpiY <= 0) return std::nullopt;
  const std::int64_t unitH =
      (static_cast<std::int64_t>(page.bottom - page.top) / kLinesPerPage) * kTwipsPerInch / page.dpiY;
  const std::int64_t unitW =
      ((static_cast<std::int64_t>(page.right - page.left) * kTwipsPerInch / page.dpiX) - kWidthAllowance) /
      kCharsPerLine;
  if (unitH <= 0 || unitW <= 0) return std::nullopt;
  return ReportUnits{static_cast<int>(unitH), static_cast<int>(unitW)};
}

bool DrawReportPage(ReportCanvas& canvas, const ReportPage& page,
                    const std::vector<ReportLine>& lines) {
  const std::optional<ReportUnits> units = ReportUnitsFor(page);
  if (!units) return false;
  const int unitH = units->unitH;
  const int unitW = units->unitW;

  canvas.SetMapModeTwips();
  const ReportCanvas::FontId titleFont =
      canvas.CreateFont(Font(-ScaledForTitle(unitH), ScaledForTitle(unitW)));
  const ReportCanvas::FontId bodyFont = canvas.CreateFont(Font(-unitH, unitW));

  int y = 0;
  int lineB = 0;
  bool bodySelected = false;
  ReportCanvas::FontId previous = ReportCanvas::kDefaultFont;
  for (const ReportLine& line : lines) {
    if (line.kind == ReportLineKind::kTitle) {
      const ReportCanvas::FontId before = canvas.SelectFont(titleFont);
      const int lineT = canvas.GetTextMetrics().lineSpacing();
      y = -(lineT / 2);
      const auto centre = static_cast<std::int64_t>(page.right / 2) * kTwipsPerInch / page.dpiX;
      const int x = static_cast<int>(centre) - report_layout::kTitleLeadUnits * unitW;
      for (const ReportCell& cell : line.cells) canvas.TextOut(x, y, cell.text);
      canvas.SelectFont(before);
      y -= lineT;
      continue;
    }
    // The first body line sits right under the title; each later one a
    // body line lower.
    if (!bodySelected) {
      previous = canvas.SelectFont(bodyFont);
      lineB = canvas.GetTextMetrics().lineSpacing();
      bodySelected = true;
    } else {
      y -= lineB;
    }
    for (const ReportCell& cell : line.cells)
      canvas.TextOut(ReportCellX(line.kind, cell.column) * unitW, y, cell.text);
  }
  if (bodySelected) canvas.SelectFont(previous);
  canvas.DeleteFont(titleFont);
  canvas.DeleteFont(bodyFont);
  return true;
}

}  // namespace qm314
