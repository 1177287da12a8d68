// A canvas that keeps everything the layout asks of it, with font metrics
// made up from the character height so positions can be worked out by hand.
#pragma once

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "radio/report_canvas.h"

namespace qm314::test {

struct DrawnText {
  int x = 0;
  int y = 0;
  std::string text;
  int fontHeight = 0;  // the request's height of the font it was drawn in

  friend bool operator==(const DrawnText&, const DrawnText&) = default;
};

struct DrawnLine {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  int width = 0;
};

class RecordingCanvas : public ReportCanvas {
 public:
  // Metrics of a font of character height h: tmHeight = h + h / 8 and
  // tmExternalLeading = h / 20.
  static ReportTextMetrics MetricsFor(int height) {
    const int h = std::abs(height);
    return {h + h / 8, h / 20};
  }

  void SetMapModeTwips() override { twips = true; }
  FontId CreateFont(const ReportFontRequest& request) override {
    const FontId id = nextId_++;
    created.push_back(request);
    live[id] = request;
    return id;
  }
  FontId SelectFont(FontId font) override {
    const FontId before = selected;
    selected = font;
    return before;
  }
  void DeleteFont(FontId font) override {
    if (selected == font) deletedWhileSelected = true;
    live.erase(font);
  }
  ReportTextMetrics GetTextMetrics() const override { return MetricsFor(live.at(selected).height); }
  void TextOut(int x, int y, const std::string& text) override {
    if (!twips) drawnBeforeMapping = true;
    drawn.push_back({x, y, text, selected == kDefaultFont ? 0 : live.at(selected).height});
  }

  void DrawLine(int x1, int y1, int x2, int y2, int width) override { lines.push_back({x1, y1, x2, y2, width}); }

  bool twips = false;
  bool drawnBeforeMapping = false;
  bool deletedWhileSelected = false;
  FontId selected = kDefaultFont;
  std::vector<ReportFontRequest> created;
  std::map<FontId, ReportFontRequest> live;
  std::vector<DrawnText> drawn;
  std::vector<DrawnLine> lines;

 private:
  FontId nextId_ = 1;
};

}  // namespace qm314::test
