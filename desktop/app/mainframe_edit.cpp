// The main frame's Edit menu: Undo and Redo, then the channel rows on the
// clipboard.  The commands are the view's; desktop/app/edit_commands.h keeps their
// names and enabled states up to date.
#include <QMenuBar>

#include "desktop/app/command_ids.h"
#include "desktop/app/mainframe.h"

namespace qm314 {

void CMainFrame::CreateEditMenu() {
  using namespace command;
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("menuEdit"));
  AddCommand(edit, kEditUndo, kEditUndoName, QStringLiteral("&Undo\tCtrl+Z"),
             QStringLiteral("Undo the last change\nUndo"))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  AddCommand(edit, kEditRedo, kEditRedoName, QStringLiteral("&Redo\tCtrl+Y"),
             QStringLiteral("Redo the change last undone\nRedo"))
      ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  edit->addSeparator();
  AddCommand(edit, kEditCut, kEditCutName, QStringLiteral("Cu&t\tCtrl+X"),
             QStringLiteral("Cut the selected rows and put them on the Clipboard\nCut"))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
  AddCommand(edit, kEditCopy, kEditCopyName, QStringLiteral("&Copy\tCtrl+C"),
             QStringLiteral("Copy the selected rows and put them on the Clipboard\nCopy"))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  AddCommand(edit, kEditPaste, kEditPasteName, QStringLiteral("&Paste\tCtrl+V"),
             QStringLiteral("Insert the rows on the Clipboard from the first selected row\nPaste"))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
  AddCommand(edit, kEditClear, kEditClearName, QStringLiteral("&Delete\tDel"),
             QStringLiteral("Empty the selected rows\nDelete"))
      ->setShortcut(QKeySequence(Qt::Key_Delete));
  edit->addSeparator();
  AddCommand(edit, kEditSelectAll, kEditSelectAllName, QStringLiteral("Select &All\tCtrl+A"),
             QStringLiteral("Select all 16 channel rows\nSelect All"))
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
}

}  // namespace qm314
