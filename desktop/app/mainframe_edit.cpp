// The main frame's Edit menu: Undo and Redo, then the channel rows on the
// clipboard.  The commands are the view's; desktop/app/edit_commands.h keeps their
// names and enabled states up to date.
#include <QMenuBar>

#include "desktop/app/app_messages.h"
#include "desktop/app/command_ids.h"
#include "desktop/app/mainframe.h"

namespace qm314 {

void CMainFrame::CreateEditMenu() {
  using namespace command;
  QMenu* edit = menuBar()->addMenu(QString::fromUtf8(msg::kEditMenu));
  edit->setObjectName(QStringLiteral("menuEdit"));
  AddCommand(edit, kEditUndo, kEditUndoName, msg::kEditUndoText)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  AddCommand(edit, kEditRedo, kEditRedoName, msg::kEditRedoText)
      ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  edit->addSeparator();
  AddCommand(edit, kEditCut, kEditCutName, msg::kEditCutText)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
  AddCommand(edit, kEditCopy, kEditCopyName, msg::kEditCopyText)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  AddCommand(edit, kEditPaste, kEditPasteName, msg::kEditPasteText)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
  AddCommand(edit, kEditClear, kEditClearName, msg::kEditClearText)
      ->setShortcut(QKeySequence(Qt::Key_Delete));
  edit->addSeparator();
  AddCommand(edit, kEditSelectAll, kEditSelectAllName, msg::kEditSelectAllText)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
}

}  // namespace qm314
