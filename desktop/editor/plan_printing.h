// File › Print Channel Plan and Channel Plan Preview: the channel plan sheet
// of what the form shows, on the printer of the run that Print Setup sets up.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "radio/plan_sheet.h"

class QPrinter;
class QWidget;

namespace qm314 {

class CCordyView;
class MessageBoxHost;
class PrintDialogs;
class ReportPrinting;

// The sheet of the form as it is now, unsaved edits included.
PlanSheet PlanOfView(const CCordyView& view, std::string document, std::string printed);

// Prints the sheet on one page.  On failure returns false and says why in
// failure; nothing usable was printed.
bool PrintPlan(QPrinter& printer, const PlanSheet& sheet, QString& failure);

class PlanPrinting : public QObject {
  Q_OBJECT
 public:
  // Builds the sheet at the moment of printing.
  using PlanSource = std::function<PlanSheet()>;

  // printing keeps the printer of the run, shared with the settings report.
  PlanPrinting(PlanSource source, ReportPrinting& printing, PrintDialogs& dialogs, MessageBoxHost& boxes,
               QWidget* parent);

 public slots:
  void OnFilePrintPlan();
  void OnFilePrintPlanPreview();

 private:
  void PrintOn(QPrinter& printer);

  PlanSource source_;
  ReportPrinting& printing_;
  PrintDialogs& dialogs_;
  MessageBoxHost& boxes_;
  QWidget* parent_;
};

}  // namespace qm314
