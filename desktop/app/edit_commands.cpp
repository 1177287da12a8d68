// Binding of the Edit menu to the view, its undo history and the clipboard.
#include "desktop/app/edit_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QUndoStack>

#include "desktop/app/command_ids.h"
#include "desktop/app/mainframe.h"
#include "desktop/editor/cordy_view.h"
#include "desktop/editor/msflexgrid.h"

namespace qm314 {
namespace {

// "&Undo Channel in row 3\tCtrl+Z": the item's own words, the step, its key.
QString ItemText(const QAction* action, const QString& step) {
  const QString base = action->property("baseText").toString();
  const qsizetype tab = base.indexOf(QLatin1Char('\t'));
  const QString words = step.isEmpty() ? base.left(tab) : base.left(tab) + QLatin1Char(' ') + step;
  return words + base.mid(tab);
}

}  // namespace

EditCommands::EditCommands(CMainFrame& frame, CCordyView& view)
    : QObject(&frame), frame_(frame), view_(view) {
  using namespace command;
  const struct {
    int id;
    void (CCordyView::*command)();
  } commands[] = {
      {kEditUndo, &CCordyView::OnEditUndo},   {kEditRedo, &CCordyView::OnEditRedo},
      {kEditCut, &CCordyView::OnEditCut},     {kEditCopy, &CCordyView::OnEditCopy},
      {kEditPaste, &CCordyView::OnEditPaste}, {kEditClear, &CCordyView::OnEditClear},
      {kEditSelectAll, &CCordyView::OnEditSelectAll},
  };
  for (const auto& item : commands) connect(frame.action(item.id), &QAction::triggered, &view, item.command);
  for (int id : {kEditUndo, kEditRedo}) frame.action(id)->setProperty("baseText", frame.action(id)->text());

  QUndoStack* steps = view.undoStack();
  connect(steps, &QUndoStack::indexChanged, this, &EditCommands::UpdateUndoRedo);
  connect(steps, &QUndoStack::cleanChanged, this, &EditCommands::UpdateUndoRedo);
  connect(view.grid(), &CMSFlexGrid::RowSelectionChanged, this, &EditCommands::UpdateRowCommands);
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &EditCommands::UpdatePaste);
  connect(&view, &CCordyView::TransferRunningChanged, this, [this] {
    UpdateUndoRedo();
    UpdateRowCommands();
    UpdatePaste();
  });
  // Opening the menu writes the open editor's choice first, so Undo names
  // the step it would take.
  if (auto* menu = frame.findChild<QMenu*>(QStringLiteral("menuEdit"))) {
    connect(menu, &QMenu::aboutToShow, &view, &CCordyView::CommitCellEdit);
  }
  UpdateUndoRedo();
  UpdateRowCommands();
  UpdatePaste();
}

void EditCommands::UpdateUndoRedo() {
  const QUndoStack* steps = view_.undoStack();
  QAction* undo = frame_.action(command::kEditUndo);
  QAction* redo = frame_.action(command::kEditRedo);
  const bool locked = view_.IsDocumentLocked();
  undo->setEnabled(steps->canUndo() && !locked);
  undo->setText(ItemText(undo, steps->undoText()));
  redo->setEnabled(steps->canRedo() && !locked);
  redo->setText(ItemText(redo, steps->redoText()));
}

void EditCommands::UpdateRowCommands() {
  const bool rows = !view_.grid()->SelectedRows().isEmpty();
  frame_.action(command::kEditCopy)->setEnabled(rows);
  for (int id : {command::kEditCut, command::kEditClear})
    frame_.action(id)->setEnabled(rows && !view_.IsDocumentLocked());
}

void EditCommands::UpdatePaste() {
  // Asks for the kind of data only: reading a large clipboard on each change
  // would stall the window for nothing.
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  frame_.action(command::kEditPaste)->setEnabled(data != nullptr && data->hasText() && !view_.IsDocumentLocked());
}

}  // namespace qm314
