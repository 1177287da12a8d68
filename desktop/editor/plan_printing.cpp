// The channel plan sheet on a QPrinter, from the form or from a file.
#include "desktop/editor/plan_printing.h"

#include <QPageLayout>
#include <QPrinter>
#include <QWidget>

#include "desktop/editor/cordy_view.h"
#include "desktop/editor/message_box.h"
#include "editor/messages.h"
#include "desktop/editor/msflexgrid.h"
#include "desktop/editor/print_dialogs.h"
#include "desktop/editor/report_print.h"
#include "desktop/editor/report_printing.h"
#include "radio/plan_layout.h"

namespace qm314 {

PlanSheet PlanOfView(const CCordyView& view, std::string document, std::string printed) {
  return BuildPlanSheet(view.grid()->table(), view.ReadPanel(), std::move(document), std::move(printed));
}

namespace {

constexpr double kTwipsPerPoint = 20.0;

PaperMargins PrinterMargins(const QPrinter& printer) {
  const QMarginsF points = printer.pageLayout().margins(QPageLayout::Point);
  const auto twips = [](double value) { return static_cast<int>(value * kTwipsPerPoint); };
  return {twips(points.left()), twips(points.top()), twips(points.right()), twips(points.bottom())};
}

}  // namespace

bool PrintPlan(QPrinter& printer, const PlanSheet& sheet, QString& failure) {
  const std::vector<PlanLine> lines = PlanLines(sheet);
  const PaperMargins margins = PrinterMargins(printer);
  return PrintCanvasPage(
      printer,
      [&](const ReportPage& page) { return PlanRowPitch(PlanArea(page, margins), lines).has_value(); },
      [&](ReportCanvas& canvas, const ReportPage& page) { DrawPlanPage(canvas, PlanArea(page, margins), lines); },
      msg::kPlanPageTooSmall, failure);
}

PlanPrinting::PlanPrinting(PlanSource source, ReportPrinting& printing, PrintDialogs& dialogs,
                           MessageBoxHost& boxes, QWidget* parent)
    : QObject(parent),
      source_(std::move(source)),
      printing_(printing),
      dialogs_(dialogs),
      boxes_(boxes),
      parent_(parent) {}

void PlanPrinting::PrintOn(QPrinter& printer) {
  QString failure;
  if (!PrintPlan(printer, source_(), failure)) boxes_.Show(parent_, failure, BoxButtons::Ok, BoxIcon::Error);
}

void PlanPrinting::OnFilePrintPlan() {
  QPrinter& printer = printing_.printer();
  if (dialogs_.AskPrint(printer, parent_)) PrintOn(printer);
}

void PlanPrinting::OnFilePrintPlanPreview() {
  // The sheet is built again for each page the preview draws, so its time is
  // the time the page was drawn or printed.
  dialogs_.Preview(printing_.printer(), parent_, [this](QPrinter& page) { PrintOn(page); });
}

}  // namespace qm314
