// The report canvas on a QPainter: twips with y growing upwards mapped onto
// the device's pixels, fonts made to the requested character height and
// average width, text placed by its top-left corner.
#pragma once

#include <QFont>
#include <QPointF>
#include <map>

#include "radio/report_canvas.h"

class QPainter;

namespace qm314 {

class PainterCanvas : public ReportCanvas {
 public:
  // Draws with the painter's device resolution; the painter must be active.
  explicit PainterCanvas(QPainter& painter);

  void SetMapModeTwips() override;
  FontId CreateFont(const ReportFontRequest& request) override;
  FontId SelectFont(FontId font) override;
  void DeleteFont(FontId font) override;
  ReportTextMetrics GetTextMetrics() const override;
  void TextOut(int x, int y, const std::string& text) override;
  void DrawLine(int x1, int y1, int x2, int y2, int width) override;

 private:
  struct CanvasFont {
    QFont font;
    // Horizontal scale that brings the face's own average character width
    // to the one requested.
    double stretch = 1.0;
  };

  QPointF ToDevice(int x, int y) const;
  const CanvasFont& Selected() const;

  QPainter& painter_;
  double dpiX_;
  double dpiY_;
  bool twips_ = false;
  std::map<FontId, CanvasFont> fonts_;
  FontId selected_ = kDefaultFont;
  FontId nextId_ = kDefaultFont + 1;
};

}  // namespace qm314
