// Prints the settings report on a QPrinter (a printer, the preview's pages
// or a PDF file): one page, laid out on the printer's printable area.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "radio/report.h"
#include "radio/report_layout.h"

class QPrinter;

namespace qm314 {

// The printable area in device pixels, with the painter's origin at its
// top-left corner, and the printer's resolution.
ReportPage PrinterPage(const QPrinter& printer);

// Prints the one page.  On failure returns false and says why in failure;
// nothing usable was printed.
bool PrintReport(QPrinter& printer, const std::vector<ReportLine>& lines, QString& failure);

// Prints one page that draw puts on the painter canvas, as PrintReport does.
// A page for which fits is false gets the failure tooSmall, and no job starts.
bool PrintCanvasPage(QPrinter& printer, const std::function<bool(const ReportPage&)>& fits,
                     const std::function<void(ReportCanvas&, const ReportPage&)>& draw, const char* tooSmall,
                     QString& failure);

}  // namespace qm314
