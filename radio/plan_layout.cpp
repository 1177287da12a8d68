// The channel plan sheet's page layout, in twips from the printable area's
// top-left corner (y growing upwards, so the page lies at negative y).
#include "radio/plan_layout.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace qm314 {
namespace {

constexpr std::int64_t kTwipsPerInch = 1440;
constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 700;

// A line of text is a quarter taller than its characters.
constexpr int kBodyLine = kPlanBodyHeight * 5 / 4;
constexpr int kTitleLine = kPlanTitleHeight * 5 / 4;
// Between the title block and the table, and between the table and the settings.
constexpr int kTableGap = kBodyLine * 2 / 3;
constexpr int kSettingsGap = kBodyLine;
// The header's rule sits this far under its text.
constexpr int kHeaderRuleGap = kBodyLine / 5;
// A row's text sits this far above the rule under it.
constexpr int kTextOverRule = kBodyLine / 7;
// A row is at most two text lines high, and at least enough to keep its
// text off the rules.
constexpr int kMaxRowPitch = 2 * kBodyLine;
constexpr int kMinRowPitch = kBodyLine + 2 * kTextOverRule;
constexpr int kHeaderRuleWidth = 20;
constexpr int kRowRuleWidth = 10;

// Left edges of the table's columns; Notes runs to the page's right edge and
// needs at least an inch there to be written in.
constexpr std::array<int, 5> kColumnX = {0, 900, 3600, 6120, 7620};
constexpr int kMinNotesWidth = 1440;
constexpr int kSettingValueX = 2880;

int ToTwips(int pixels, int dpi) { return static_cast<int>(static_cast<std::int64_t>(pixels) * kTwipsPerInch / dpi); }

int ToPixels(int twips, int dpi) { return static_cast<int>(static_cast<std::int64_t>(twips) * dpi / kTwipsPerInch); }

// The page's rectangle in twips: its top-left corner (y negative downwards) and size.
struct PageTwips {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

std::optional<PageTwips> TwipsOf(const ReportPage& page) {
  if (page.dpiX <= 0 || page.dpiY <= 0) return std::nullopt;
  return PageTwips{ToTwips(page.left, page.dpiX), -ToTwips(page.top, page.dpiY),
                   ToTwips(page.right - page.left, page.dpiX), ToTwips(page.bottom - page.top, page.dpiY)};
}

int StillNeeded(int printerMargin) { return std::max(0, kPlanPaperMargin - printerMargin); }

// The height a line takes, the room before it included; a table row takes the pitch.
int LineHeight(PlanLineKind kind, int pitch) {
  switch (kind) {
    case PlanLineKind::kTitle:
      return kTitleLine;
    case PlanLineKind::kTableHeader:
      return kTableGap + kBodyLine + kHeaderRuleGap;
    case PlanLineKind::kTableRow:
      return pitch;
    case PlanLineKind::kHeading:
      return kSettingsGap + kBodyLine;
    case PlanLineKind::kAbout:
    case PlanLineKind::kNote:
    case PlanLineKind::kSetting:
      break;
  }
  return kBodyLine;
}

ReportFontRequest Font(int height, int weight) { return {-height, 0, kPlanFontFace, weight, 0}; }

}  // namespace

ReportPage PlanArea(const ReportPage& printable, const PaperMargins& printerMargins) {
  if (printable.dpiX <= 0 || printable.dpiY <= 0) return printable;
  ReportPage area = printable;
  area.left += ToPixels(StillNeeded(printerMargins.left), printable.dpiX);
  area.right -= ToPixels(StillNeeded(printerMargins.right), printable.dpiX);
  area.top += ToPixels(StillNeeded(printerMargins.top), printable.dpiY);
  area.bottom -= ToPixels(StillNeeded(printerMargins.bottom), printable.dpiY);
  return area;
}

std::optional<int> PlanRowPitch(const ReportPage& page, const std::vector<PlanLine>& lines) {
  const std::optional<PageTwips> twips = TwipsOf(page);
  if (!twips || twips->width < kColumnX.back() + kMinNotesWidth) return std::nullopt;
  int fixed = 0;
  int rows = 0;
  for (const PlanLine& line : lines) {
    if (line.kind == PlanLineKind::kTableRow) ++rows;
    else fixed += LineHeight(line.kind, 0);
  }
  const int room = twips->height - fixed;
  if (room < rows * kMinRowPitch) return std::nullopt;
  return rows == 0 ? kMaxRowPitch : std::min(kMaxRowPitch, room / rows);
}

bool DrawPlanPage(ReportCanvas& canvas, const ReportPage& page, const std::vector<PlanLine>& lines) {
  const std::optional<int> pitch = PlanRowPitch(page, lines);
  if (!pitch) return false;
  const PageTwips area = *TwipsOf(page);
  const int left = area.left;
  const int right = area.left + area.width;

  canvas.SetMapModeTwips();
  const ReportCanvas::FontId title = canvas.CreateFont(Font(kPlanTitleHeight, kBoldWeight));
  const ReportCanvas::FontId body = canvas.CreateFont(Font(kPlanBodyHeight, kNormalWeight));
  const ReportCanvas::FontId bold = canvas.CreateFont(Font(kPlanBodyHeight, kBoldWeight));
  const ReportCanvas::FontId previous = canvas.SelectFont(body);

  int top = area.top;  // of the next line's room
  for (const PlanLine& line : lines) {
    const int height = LineHeight(line.kind, *pitch);
    const int bottom = top - height;
    switch (line.kind) {
      case PlanLineKind::kTitle:
        canvas.SelectFont(title);
        canvas.TextOut(left, top, line.cells.at(0));
        break;
      case PlanLineKind::kTableHeader:
        canvas.SelectFont(bold);
        for (std::size_t i = 0; i < line.cells.size() && i < kColumnX.size(); ++i)
          canvas.TextOut(left + kColumnX[i], bottom + kHeaderRuleGap + kBodyLine, line.cells[i]);
        canvas.DrawLine(left, bottom, right, bottom, kHeaderRuleWidth);
        break;
      case PlanLineKind::kTableRow:
        canvas.SelectFont(body);
        for (std::size_t i = 0; i < line.cells.size() && i < kColumnX.size(); ++i) {
          if (!line.cells[i].empty())
            canvas.TextOut(left + kColumnX[i], bottom + kTextOverRule + kBodyLine, line.cells[i]);
        }
        canvas.DrawLine(left, bottom, right, bottom, kRowRuleWidth);
        break;
      case PlanLineKind::kHeading:
        canvas.SelectFont(bold);
        canvas.TextOut(left, bottom + kBodyLine, line.cells.at(0));
        break;
      case PlanLineKind::kSetting:
        canvas.SelectFont(body);
        canvas.TextOut(left, top, line.cells.at(0));
        canvas.TextOut(left + kSettingValueX, top, line.cells.at(1));
        break;
      case PlanLineKind::kAbout:
      case PlanLineKind::kNote:
        canvas.SelectFont(body);
        canvas.TextOut(left, top, line.cells.at(0));
        break;
    }
    top = bottom;
  }
  canvas.SelectFont(previous);
  for (const ReportCanvas::FontId font : {title, body, bold}) canvas.DeleteFont(font);
  return true;
}

}  // namespace qm314
