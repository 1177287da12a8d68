// The print, print preview and page set-up dialogs behind one door: the
// program shows the real ones, tests answer them in advance.
#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace qm314 {

class PrintDialogs {
 public:
  using PagePainter = std::function<void(QPrinter& printer)>;

  virtual ~PrintDialogs() = default;
  // The system's print dialog for a one-page job; true to print.
  virtual bool AskPrint(QPrinter& printer, QWidget* parent) = 0;
  // Shows what paint draws on printer until the user closes the preview
  // (printing from it included).
  virtual void Preview(QPrinter& printer, QWidget* parent, const PagePainter& paint) = 0;
  // Paper, orientation and margins; true when accepted.
  virtual bool AskPageSetup(QPrinter& printer, QWidget* parent) = 0;
};

class ModalPrintDialogs : public PrintDialogs {
 public:
  // The file the print dialog's Print to File offers, asked for each time.
  void SetFileSuggestion(std::function<QString()> suggest) { suggest_ = std::move(suggest); }

  bool AskPrint(QPrinter& printer, QWidget* parent) override;
  void Preview(QPrinter& printer, QWidget* parent, const PagePainter& paint) override;
  bool AskPageSetup(QPrinter& printer, QWidget* parent) override;

 private:
  std::function<QString()> suggest_;
};

}  // namespace qm314
