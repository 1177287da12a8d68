// CMainFrame: the main window with the File, Edit, Program, Port, View and Help menus, the
// toolbar, and the status bar with its message pane and CAP, NUM and SCRL.
// Its caption names the document and marks it when modified.  The form sits in
// a scroll area and follows the window's size; the window comes back where it
// was closed, or centred at the first start.
#pragma once

#include <QMainWindow>
#include <QMap>
#include <functional>

#include "editor/shell_texts.h"

class QLabel;

namespace qm314 {

class CCordyView;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  explicit CMainFrame(QWidget* parent = nullptr);

  // Places the form view and connects the commands the view handles.
  void SetView(CCordyView* view);
  CCordyView* view() const { return view_; }

  // The action of a command id (nullptr for an unknown id).
  QAction* action(int id) const { return actions_.value(id, nullptr); }

  // Asked before the window closes: false keeps it open.
  void setCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }
  // A file dropped on the window.
  void setDropHandler(std::function<void(const QString&)> handler) { dropHandler_ = std::move(handler); }

  // The recent files shown in the File menu, newest first, and what choosing
  // one does.
  void SetRecentFiles(const QStringList& paths);
  void setRecentFileHandler(std::function<void(const QString&)> handler) {
    recentFileHandler_ = std::move(handler);
  }

  // "name[*] - caption", the mark showing while the document is modified.
  void ShowDocument(QString name, bool modified);

  // Size and place from an earlier run (QWidget::saveGeometry); with none,
  // the window is centred when it is first shown.
  void RestorePlacement(const QByteArray& placement);

  // Puts the check mark on the Port item naming the view's port.
  void OnUpdatePortMenu();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void OnTransferRunningChanged(bool running);
  // The item's text and prompt are the core's (editor/shell_texts.h).
  QAction* AddCommand(QMenu* menu, int id, const char* objectName, const msg::CommandText& text);
  void CreateMenus();
  void CreateEditMenu();
  void CreateToolBar();
  void CreateStatusBar();
  void CenterWindow();

  QMap<int, QAction*> actions_;
  QToolBar* toolBar_ = nullptr;
  CCordyView* view_ = nullptr;
  std::function<bool()> closeGuard_;
  std::function<void(const QString&)> dropHandler_;
  bool closeAfterTransfer_ = false;
  bool placed_ = false;
  QStringList recentFiles_;
  QAction* recentSeparator_ = nullptr;
  std::function<void(const QString&)> recentFileHandler_;
};

}  // namespace qm314
