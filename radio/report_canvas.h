// What the printouts' layouts need from a printing surface: twips mapping,
// fonts made by height and width, their metrics, text placed at a point, and
// straight rules.  The printer, the preview and the tests each supply one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm314 {

// A font as the report asks for it, in twips.  A negative height is the
// character height (the cell height less internal leading); width is the
// average character width, to which the glyphs are stretched or squeezed.
struct ReportFontRequest {
  int height = 0;
  int width = 0;
  std::string_view face;
  int weight = 0;
  std::uint8_t pitchAndFamily = 0;

  friend bool operator==(const ReportFontRequest&, const ReportFontRequest&) = default;
};

// Of the selected font, in twips.
struct ReportTextMetrics {
  int height = 0;            // ascent plus descent
  int externalLeading = 0;   // extra room the font wants between lines

  int lineSpacing() const { return height + externalLeading; }
};

class ReportCanvas {
 public:
  using FontId = int;
  // Selected before any font the report creates.
  static constexpr FontId kDefaultFont = 0;

  virtual ~ReportCanvas() = default;

  // From here on a unit is a twip, the origin is the page's top-left corner
  // and y grows upwards, so the page lies at negative y.
  virtual void SetMapModeTwips() = 0;
  virtual FontId CreateFont(const ReportFontRequest& request) = 0;
  // Returns the font that was selected before.
  virtual FontId SelectFont(FontId font) = 0;
  virtual void DeleteFont(FontId font) = 0;
  virtual ReportTextMetrics GetTextMetrics() const = 0;
  // Draws text in the selected font with its top-left corner at (x, y).
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  // A solid black line from (x1, y1) to (x2, y2), width twips thick.
  virtual void DrawLine(int x1, int y1, int x2, int y2, int width) = 0;
};

}  // namespace qm314
