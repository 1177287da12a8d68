// The real print dialogs.
#include "desktop/editor/print_dialogs.h"

#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace qm314 {

bool ModalPrintDialogs::AskPrint(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  // The report is one page: there is no range or selection to choose.
  dialog.setMinMax(1, 1);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  // Left alone, the dialog offers print.pdf in the working folder.
  if (auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename")); file && suggest_) {
    file->setText(suggest_());
  }
  return dialog.exec() == QDialog::Accepted;
}

void ModalPrintDialogs::Preview(QPrinter& printer, QWidget* parent, const PagePainter& paint) {
  QPrintPreviewDialog dialog(&printer, parent);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&paint](QPrinter* target) { paint(*target); });
  dialog.exec();
}

bool ModalPrintDialogs::AskPageSetup(QPrinter& printer, QWidget* parent) {
  QPageSetupDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace qm314
