// The grid from the keyboard: F2, Delete and Escape on a cell, and the keys of
// an open editor.  Typed characters pick the item they begin, and each further
// one narrows the choice ("1" then "2" picks "12"); Enter writes the choice,
// Escape drops it, Tab and Shift+Tab write it and move on.
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>

#include "desktop/editor/cordy_view.h"
#include "desktop/editor/msflexgrid.h"
#include "editor/cell_rules.h"
#include "editor/edit_steps.h"

namespace qm314 {
namespace {

// A character typed to pick an item: printable, not a blank, no Ctrl or Alt.
char16_t TypedCharacter(const QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return 0;
  const QString text = event->text();
  if (text.isEmpty()) return 0;
  const char16_t c = text.at(0).unicode();
  return c > ' ' && c != 0x7F ? c : 0;
}

}  // namespace

void CCordyView::OnGridKeyDown(int& key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier)) return;
  switch (key) {
    case Qt::Key_F2:
      if (CellIsEditable()) BeginCellEdit(0);
      break;
    case Qt::Key_Delete:
      if (m_Grid->SelectedRows().isEmpty()) {
        ClearCell();
      } else {
        OnEditClear();
      }
      break;
    case Qt::Key_Escape:
      m_Grid->SelectRows({});
      break;
    default:
      return;
  }
  key = 0;
}

void CCordyView::ClearCell() {
  QComboBox* editor = GetCellEditor();
  if (editor != m_cbChannel && editor != m_cbTone) return;
  // Item 0 of both lists clears: the empty Channel, Tones "Off".
  CommitCellChoice(static_cast<int>(m_Grid->GetRow()), static_cast<int>(m_Grid->GetCol()),
                   EditorItems(editor)->at(0));
}

bool CCordyView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    QComboBox* editor = GetCellEditor();
    auto* key = static_cast<QKeyEvent*>(event);
    if (editor && watched == editor) return OnEditorKey(editor, key, false);
    if (editor && watched == editor->view()) return OnEditorKey(editor, key, true);
  }
  return QWidget::eventFilter(watched, event);
}

bool CCordyView::OnEditorKey(QComboBox* editor, QKeyEvent* event, bool inList) {
  const int key = event->key();
  const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (inList) {
        // In the dropped list Enter first picks the item, so the commit waits
        // until the list has handed its choice to the box.
        QMetaObject::invokeMethod(this, &CCordyView::CommitCellEdit, Qt::QueuedConnection);
        return false;
      }
      // Enter confirms the item the box shows.  Consumed here: passed on, the
      // grid would take it for a key typed on the cell and open the editor again.
      m_bUserChose = true;
      CommitCellEdit();
      return true;
    case Qt::Key_Escape:
      // In the list Escape only closes the list.
      if (inList) return false;
      CancelCellEdit();
      return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
      if (inList) return false;
      // The grid moves on from the cell as it does for Tab with no editor open.
      QKeyEvent move(QEvent::KeyPress, key, event->modifiers());
      CommitCellEdit();
      QCoreApplication::sendEvent(m_Grid, &move);
      return true;
    }
    case Qt::Key_Delete:
      if (inList || !plain || (editor != m_cbChannel && editor != m_cbTone)) return false;
      PickEditorItem(editor, 0);
      CommitCellEdit();
      return true;
    case Qt::Key_Backspace: {
      // Takes back the last character typed.
      if (m_strTyped.empty()) return false;
      const TypedChoice back = TakeBackTyped(static_cast<int>(m_Grid->GetCol()), m_strTyped);
      m_strTyped = back.typed;
      if (back.item >= 0) PickEditorItem(editor, back.item);
      return true;
    }
    default:
      break;
  }
  const char16_t typed = TypedCharacter(event);
  if (!typed) return false;
  TypeInEditor(editor, typed);
  return true;
}

bool CCordyView::TypeInEditor(QComboBox* editor, char16_t key) {
  if (!EditorItems(editor)) return false;
  const TypedChoice choice =
      TypeOnList(static_cast<int>(m_Grid->GetCol()), m_strTyped, QString(QChar(key)).toStdString());
  if (choice.item < 0) return false;
  m_strTyped = choice.typed;
  PickEditorItem(editor, choice.item);
  return true;
}

void CCordyView::PickEditorItem(QComboBox* editor, int item) {
  if (editor == m_pOwnTextEditor) ++item;
  editor->setCurrentIndex(item);
  // An open list follows, so Enter there picks the same item.
  editor->view()->setCurrentIndex(editor->model()->index(item, editor->modelColumn()));
  m_bUserChose = true;
}

}  // namespace qm314
