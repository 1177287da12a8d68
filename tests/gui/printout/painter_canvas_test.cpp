// The painter canvas on an image at 1440 dots per inch, where a pixel is a
// twip: where the ink of a text lands, how wide a width request makes it,
// and the metrics of the Times New Roman stand-in.
#include <QImage>
#include <QPainter>
#include <QTest>

#include "desktop/editor/painter_canvas.h"
#include "radio/report_layout.h"

using namespace qm314;

namespace {

constexpr int kDotsPerMeterAt1440 = 56693;  // 1440 / 0.0254

QImage Page() {
  QImage image(4000, 3000, QImage::Format_Grayscale8);
  image.setDotsPerMeterX(kDotsPerMeterAt1440);
  image.setDotsPerMeterY(kDotsPerMeterAt1440);
  image.fill(Qt::white);
  return image;
}

QRect Ink(const QImage& image) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* line = image.constScanLine(y);
    for (int x = 0; x < image.width(); ++x)
      if (line[x] < 128) ink |= QRect(x, y, 1, 1);
  }
  return ink;
}

ReportFontRequest Times(int height, int width) {
  return {height, width, kReportFontFace, kReportFontWeight, kReportFontPitchAndFamily};
}

// Draws text in a font of the request at (x, y) twips and returns the ink.
QRect InkOf(const ReportFontRequest& request, int x, int y, const char* text) {
  QImage image = Page();
  {
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    canvas.SetMapModeTwips();
    canvas.SelectFont(canvas.CreateFont(request));
    canvas.TextOut(x, y, text);
  }
  return Ink(image);
}

}  // namespace

class PainterCanvasTest : public QObject {
  Q_OBJECT
 private slots:
  void metricsAreTheFacesCellAndLeadingInTwips() {
    QImage image = Page();
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    canvas.SetMapModeTwips();
    canvas.SelectFont(canvas.CreateFont(Times(-400, 183)));
    // Ascent 1825, descent 443 and line gap 87 of 2048 units per em.
    QCOMPARE(canvas.GetTextMetrics().height, 443);
    QCOMPARE(canvas.GetTextMetrics().externalLeading, 17);
    canvas.SelectFont(canvas.CreateFont(Times(-560, 256)));
    QCOMPARE(canvas.GetTextMetrics().lineSpacing(), 620 + 24);
  }

  void textHangsFromItsPointWithYGrowingUpwards() {
    // A capital H: its top is the cap height below the cell's top, its
    // foot on the baseline, an ascent below the point.
    const QRect ink = InkOf(Times(-400, 0), 1000, -2000, "H");
    QVERIFY2(qAbs(ink.bottom() + 1 - 2356) <= 2, qPrintable(QString::number(ink.bottom())));
    QVERIFY2(qAbs(ink.top() - 2095) <= 3, qPrintable(QString::number(ink.top())));
    QVERIFY2(ink.left() >= 1000 && ink.left() <= 1020, qPrintable(QString::number(ink.left())));
  }

  void widthRequestScalesFromTheWeightedLowerCaseAverage() {
    // Natural weighted average of a 400-twip face: 821.8 / 2048 x 400 =
    // 160.5 twips.  Asking for twice that doubles every glyph's width.
    const QRect natural = InkOf(Times(-400, 0), 100, -100, "HHHH");
    const QRect asIs = InkOf(Times(-400, 160), 100, -100, "HHHH");
    const QRect twice = InkOf(Times(-400, 321), 100, -100, "HHHH");
    QVERIFY2(qAbs(asIs.width() - natural.width()) <= natural.width() / 100,
             qPrintable(QStringLiteral("%1 %2").arg(asIs.width()).arg(natural.width())));
    QVERIFY2(qAbs(twice.width() - 2 * natural.width()) <= natural.width() / 50,
             qPrintable(QStringLiteral("%1 %2").arg(twice.width()).arg(natural.width())));
    QCOMPARE(twice.height(), natural.height());
  }
};

QTEST_MAIN(PainterCanvasTest)
#include "painter_canvas_test.moc"
