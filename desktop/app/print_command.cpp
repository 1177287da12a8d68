// Printing a file's report from the command line.
#include "desktop/app/print_command.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextStream>
#include <optional>

#include "editor/messages.h"
#include "desktop/editor/plan_printing.h"
#include "desktop/editor/report_print.h"
#include "radio/codec.h"
#include "radio/cordy_doc.h"
#include "radio/messages.h"
#include "radio/print_time.h"
#include "radio/report.h"

namespace qm314 {
namespace {

const QString kPrintOption = QStringLiteral("--print");
const QString kPrintPlanOption = QStringLiteral("--print-plan");
const QString kPdfOption = QStringLiteral("--pdf");

struct PrintArguments {
  QString file;
  QString pdf;  // empty: the default printer
  bool plan = false;  // the channel plan sheet rather than the report
};

// --print FILE or --print-plan FILE and, once, --pdf OUT, in either order;
// nothing else.
std::optional<PrintArguments> ParsePrintArguments(const QStringList& arguments) {
  PrintArguments parsed;
  for (qsizetype i = 0; i < arguments.size(); i += 2) {
    const QString& option = arguments[i];
    const bool plan = option == kPrintPlanOption;
    QString* slot = option == kPrintOption || plan ? &parsed.file
                    : option == kPdfOption         ? &parsed.pdf
                                                   : nullptr;
    if (!slot || !slot->isEmpty() || i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
      return std::nullopt;
    *slot = arguments[i + 1];
    parsed.plan = parsed.plan || plan;
  }
  if (parsed.file.isEmpty()) return std::nullopt;
  return parsed;
}

}  // namespace

bool IsPrintCommand(const QStringList& arguments) {
  return arguments.contains(kPrintOption) || arguments.contains(kPrintPlanOption) ||
         arguments.contains(kPdfOption);
}

bool PrepareHeadlessStart() {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    return false;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  return true;
}

int RunPrintCommand(const QStringList& arguments, QTextStream& err) {
  const std::optional<PrintArguments> parsed = ParsePrintArguments(arguments);
  if (!parsed) {
    err << (arguments.contains(kPrintPlanOption) ? msg::kPrintPlanUsage : msg::kPrintUsage) << Qt::endl;
    return kPrintExitUsage;
  }

  // The report of the file as the form would show it after opening it.
  CCordyDoc document;
  if (const FileResult opened = document.OnOpenDocument(parsed->file.toStdString()); !opened) {
    err << QString::fromStdString(opened.message) << Qt::endl;
    return kPrintExitUsage;
  }
  if (!LooksLikeChannelData(document.image())) {
    err << QString::fromStdString(messages::NotChannelData(parsed->file.toStdString())) << Qt::endl;
  }
  ChannelTable table;
  PanelSelections panel;
  Decode(document.image(), table, panel);
  WriteGridLabels(table);

  QPrinter printer(QPrinter::HighResolution);
  if (parsed->pdf.isEmpty()) {
    if (QPrinterInfo::defaultPrinter().isNull()) {
      err << msg::kNoPrinter << Qt::endl;
      return kPrintExitFailed;
    }
  } else {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(parsed->pdf);
  }
  printer.setDocName(parsed->file);
  QString failure;
  const bool printed =
      parsed->plan ? PrintPlan(printer,
                               BuildPlanSheet(table, panel, QFileInfo(parsed->file).fileName().toStdString(),
                                              PrintTimeText(PrintTime())),
                               failure)
                   : PrintReport(printer, BuildReport(table, panel), failure);
  if (!printed) {
    err << failure << Qt::endl;
    return kPrintExitFailed;
  }
  return kPrintExitSuccess;
}

}  // namespace qm314
