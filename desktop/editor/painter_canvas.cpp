// Rendering the report on a printer, a preview page or a PDF file.
#include "desktop/editor/painter_canvas.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace qm314 {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerPoint = 20.0;
// Metric-compatible with Times New Roman, for systems without it.
constexpr const char* kTimesNewRomanStandIn = "Liberation Serif";
constexpr std::string_view kTimesNewRoman = "Times New Roman";

QFont FaceFont(std::string_view face) {
  QFont font;
  const QString family = QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
  if (face == kTimesNewRoman)
    font.setFamilies({family, QString::fromLatin1(kTimesNewRomanStandIn)});
  else
    font.setFamily(family);
  return font;
}

// The average character width a font's width request is measured against:
// lower-case letters and the space weighted by how often they occur in
// English text.  Times New Roman states its average this way; its stand-in
// states the plain average of all its glyphs, which is far wider, so the
// average is measured from the glyphs rather than read from the font.
double WeightedAverageCharWidth(const QFontMetricsF& metrics) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz ";
  static constexpr int kWeights[] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20, 56,
                                     56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2, 166};
  double sum = 0;
  int total = 0;
  for (std::size_t i = 0; i < std::size(kWeights); ++i) {
    sum += kWeights[i] * metrics.horizontalAdvance(QChar::fromLatin1(kLetters[i]));
    total += kWeights[i];
  }
  return sum / total;
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter)
    : painter_(painter),
      dpiX_(painter.device()->logicalDpiX()),
      dpiY_(painter.device()->logicalDpiY()) {
  fonts_[kDefaultFont] = {painter.font(), 1.0};
  painter_.setPen(Qt::black);
}

void PainterCanvas::SetMapModeTwips() { twips_ = true; }

QPointF PainterCanvas::ToDevice(int x, int y) const {
  if (!twips_) return {static_cast<double>(x), static_cast<double>(y)};
  return {x * dpiX_ / kTwipsPerInch, -y * dpiY_ / kTwipsPerInch};
}

ReportCanvas::FontId PainterCanvas::CreateFont(const ReportFontRequest& request) {
  CanvasFont made{FaceFont(request.face), 1.0};
  QFont& font = made.font;
  font.setWeight(QFont::Weight(std::clamp(request.weight, 1, 1000)));
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  font.setHintingPreference(QFont::PreferNoHinting);
  // A twip is a twentieth of a point, so the character height in twips
  // gives the point size at any resolution.
  font.setPointSizeF(std::abs(request.height) / kTwipsPerPoint);
  QPaintDevice* device = painter_.device();
  if (request.height > 0) {
    // A positive height is the whole cell, internal leading included.
    const QFontMetricsF cell(font, device);
    const double cellTwips = (cell.ascent() + cell.descent()) * kTwipsPerInch / dpiY_;
    if (cellTwips > 0) font.setPointSizeF(font.pointSizeF() * request.height / cellTwips);
  }
  if (request.width > 0) {
    const double natural = WeightedAverageCharWidth(QFontMetricsF(font, device));
    if (natural > 0) made.stretch = request.width * dpiX_ / kTwipsPerInch / natural;
  }
  const FontId id = nextId_++;
  fonts_[id] = made;
  return id;
}

ReportCanvas::FontId PainterCanvas::SelectFont(FontId font) {
  const FontId before = selected_;
  if (fonts_.count(font)) selected_ = font;
  return before;
}

void PainterCanvas::DeleteFont(FontId font) {
  // The default font and the selected one stay, as a device context keeps them.
  if (font != kDefaultFont && font != selected_) fonts_.erase(font);
}

const PainterCanvas::CanvasFont& PainterCanvas::Selected() const { return fonts_.at(selected_); }

ReportTextMetrics PainterCanvas::GetTextMetrics() const {
  const QFontMetricsF metrics(Selected().font, painter_.device());
  const double scale = twips_ ? kTwipsPerInch / dpiY_ : 1.0;
  return {static_cast<int>(std::lround((metrics.ascent() + metrics.descent()) * scale)),
          static_cast<int>(std::lround(std::max(0.0, metrics.leading()) * scale))};
}

void PainterCanvas::TextOut(int x, int y, const std::string& text) {
  const CanvasFont& selected = Selected();
  const QFontMetricsF metrics(selected.font, painter_.device());
  const QPointF topLeft = ToDevice(x, y);
  painter_.save();
  painter_.setFont(selected.font);
  painter_.translate(topLeft.x(), topLeft.y() + metrics.ascent());
  painter_.scale(selected.stretch, 1.0);
  painter_.drawText(QPointF(0, 0), QString::fromStdString(text));
  painter_.restore();
}

void PainterCanvas::DrawLine(int x1, int y1, int x2, int y2, int width) {
  painter_.save();
  const double scale = twips_ ? dpiY_ / kTwipsPerInch : 1.0;
  painter_.setPen(QPen(Qt::black, width * scale, Qt::SolidLine, Qt::FlatCap));
  painter_.drawLine(ToDevice(x1, y1), ToDevice(x2, y2));
  painter_.restore();
}

}  // namespace qm314
