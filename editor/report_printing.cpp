// The print commands: dialogs first, then one page through the layout.
#include "editor/report_printing.h"

#include <QPrinter>
#include <QWidget>

#include "editor/message_box.h"
#include "editor/print_dialogs.h"
#include "editor/report_print.h"

namespace qm314 {

ReportPrinting::ReportPrinting(ReportSource source, PrintDialogs& dialogs, MessageBoxHost& boxes,
                               QWidget* parent)
    : QObject(parent),
      source_(std::move(source)),
      dialogs_(dialogs),
      boxes_(boxes),
      parent_(parent),
      m_pPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

ReportPrinting::~ReportPrinting() = default;

void ReportPrinting::PrintOn(QPrinter& printer) {
  QString failure;
  if (!PrintReport(printer, source_(), failure))
    boxes_.Show(parent_, failure, BoxButtons::Ok, BoxIcon::Error);
}

void ReportPrinting::OnFilePrint() {
  if (dialogs_.AskPrint(*m_pPrinter, parent_)) PrintOn(*m_pPrinter);
}

void ReportPrinting::OnFilePrintPreview() {
  // Each page the preview asks for is the same single page, drawn from the
  // form as it is now.
  dialogs_.Preview(*m_pPrinter, parent_, [this](QPrinter& printer) { PrintOn(printer); });
}

void ReportPrinting::OnFilePrintSetup() { dialogs_.AskPageSetup(*m_pPrinter, parent_); }

}  // namespace qm314
