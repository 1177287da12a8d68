// CAboutDlg: the About box, opened from the toolbar.
#pragma once

#include <QDialog>

namespace qm314 {

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace qm314
