// Drawing the report's one page through the painter canvas.
#include "desktop/editor/report_print.h"

#include <QPainter>
#include <QPrinter>

#include "desktop/editor/painter_canvas.h"
#include "editor/messages.h"

namespace qm314 {
namespace {

QString JobFailure(const QPrinter& printer) {
  if (printer.outputFileName().isEmpty()) return QString::fromUtf8(msg::kPrinterNotStarted);
  return QString::fromUtf8(msg::kPdfNotWritten).arg(printer.outputFileName());
}

}  // namespace

ReportPage PrinterPage(const QPrinter& printer) {
  return {0, 0, printer.width(), printer.height(), printer.logicalDpiX(), printer.logicalDpiY()};
}

bool PrintReport(QPrinter& printer, const std::vector<ReportLine>& lines, QString& failure) {
  return PrintCanvasPage(
      printer, [](const ReportPage& page) { return ReportUnitsFor(page).has_value(); },
      [&lines](ReportCanvas& canvas, const ReportPage& page) { DrawReportPage(canvas, page, lines); },
      msg::kPageTooSmall, failure);
}

bool PrintCanvasPage(QPrinter& printer, const std::function<bool(const ReportPage&)>& fits,
                     const std::function<void(ReportCanvas&, const ReportPage&)>& draw, const char* tooSmall,
                     QString& failure) {
  const ReportPage page = PrinterPage(printer);
  // Checked before the job starts, so a page the printout cannot use leaves
  // no empty sheet or file behind.
  if (!fits(page)) {
    failure = QString::fromUtf8(tooSmall);
    return false;
  }
  QPainter painter;
  if (painter.begin(&printer)) {
    PainterCanvas canvas(painter);
    draw(canvas, page);
    if (painter.end()) return true;
  }
  failure = JobFailure(printer);
  return false;
}

}  // namespace qm314
