// The print commands: dialogs first, then one page through the layout.
#include "desktop/editor/report_printing.h"

#include <QPrinter>
#include <QWidget>

#include "desktop/editor/message_box.h"
#include "desktop/editor/print_dialogs.h"
#include "desktop/editor/report_print.h"

namespace qm314 {

ReportPrinting::ReportPrinting(ReportSource source, PrintDialogs& dialogs, MessageBoxHost& boxes,
                               QWidget* parent)
    : QObject(parent),
      source_(std::move(source)),
      dialogs_(dialogs),
      boxes_(boxes),
      parent_(parent) {}

ReportPrinting::~ReportPrinting() = default;

QPrinter& ReportPrinting::printer() {
  if (!m_pPrinter) m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *m_pPrinter;
}

void ReportPrinting::PrintOn(QPrinter& printer) {
  QString failure;
  if (!PrintReport(printer, source_(), failure))
    boxes_.Show(parent_, failure, BoxButtons::Ok, BoxIcon::Error);
}

void ReportPrinting::OnFilePrint() {
  if (dialogs_.AskPrint(printer(), parent_)) PrintOn(printer());
}

void ReportPrinting::OnFilePrintPreview() {
  // Each page the preview asks for is the same single page, drawn from the
  // form as it is now.
  dialogs_.Preview(printer(), parent_, [this](QPrinter& page) { PrintOn(page); });
}

void ReportPrinting::OnFilePrintSetup() { dialogs_.AskPageSetup(printer(), parent_); }

}  // namespace qm314
