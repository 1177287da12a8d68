// The program's manual in a window of its own: the HTML the program carries in
// its resources, with its links, Back and Forward.  One window serves the run;
// asking for help again brings it to the front.
#pragma once

#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace qm314 {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent);

  // Shows the manual from its contents and brings the window to the front.
  void ShowContents();
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_ = nullptr;
};

}  // namespace qm314
