// File › Print, Print Preview and Print Setup of the form: the report of what
// the form shows, on the printer the user chose.  The printer and its settings
// are kept for the whole run from the first of those commands on; making it
// loads the system's printing service, which start-up should not wait for.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "radio/report.h"

class QPrinter;
class QWidget;

namespace qm314 {

class MessageBoxHost;
class PrintDialogs;

class ReportPrinting : public QObject {
  Q_OBJECT
 public:
  // Builds the report at the moment of printing.
  using ReportSource = std::function<std::vector<ReportLine>()>;

  ReportPrinting(ReportSource source, PrintDialogs& dialogs, MessageBoxHost& boxes,
                 QWidget* parent);
  ~ReportPrinting() override;

  // The printer of the run, made on first use.
  QPrinter& printer();

 public slots:
  void OnFilePrint();
  void OnFilePrintPreview();
  void OnFilePrintSetup();

 private:
  void PrintOn(QPrinter& printer);

  ReportSource source_;
  PrintDialogs& dialogs_;
  MessageBoxHost& boxes_;
  QWidget* parent_;
  std::unique_ptr<QPrinter> m_pPrinter;
};

}  // namespace qm314
