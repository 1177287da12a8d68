// The undo history of the view's document and the Edit menu's commands: whole
// channel rows on the clipboard, pasted, cut and deleted as one step each.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QUndoStack>

#include "desktop/editor/cordy_view.h"
#include "desktop/editor/document_step.h"
#include "desktop/editor/message_box.h"
#include "editor/edit_steps.h"
#include "editor/messages.h"
#include "desktop/editor/msflexgrid.h"
#include "radio/image_file.h"
#include "radio/row_clipboard.h"

namespace qm314 {
namespace {

std::vector<int> Rows(const QList<int>& rows) { return {rows.begin(), rows.end()}; }

QString StepName(RowsStep step, const QList<int>& rows) {
  return QString::fromStdString(RowsStepName(step, Rows(rows)));
}

}  // namespace

void CCordyView::OnDocumentSaved() { m_undoStack->setClean(); }

void CCordyView::PushChannelRows(const QString& name, const ChannelTable& after) {
  const ChannelTable before = m_Grid->table();
  if (after == before) return;
  // Pushing makes the step, so the rows change here.
  m_undoStack->push(new DocumentStep(name, [this, before] { SetChannelRows(before); },
                                     [this, after] { SetChannelRows(after); }));
}

void CCordyView::SetChannelRows(const ChannelTable& table) {
  m_Grid->setTable(table);
  // A closed editor is loaded again for what its cell now holds; an open one
  // is writing its own choice.
  if (QComboBox* editor = GetCellEditor(); editor && editor->isHidden()) OnGridEnterCell();
}

void CCordyView::OnPanelChoice(QComboBox* box, int index) {
  const int before = m_panelIndex.value(box, -1);
  if (index == before) return;
  // The step is named by the box's label ("Squelch Level").
  const auto* label = findChild<QLabel*>(QStringLiteral("label_") + box->objectName());
  const QString name = label ? label->text() : box->objectName();
  m_undoStack->push(new DocumentStep(name, [this, box, before] { SetPanelIndex(box, before); },
                                     [this, box, index] { SetPanelIndex(box, index); }));
}

void CCordyView::SetPanelIndex(QComboBox* box, int index) {
  box->setCurrentIndex(index);
  m_panelIndex[box] = index;
}

void CCordyView::RememberPanel() {
  for (QComboBox* box : {m_cbTot, m_cbWarning, m_cbSquelch, m_cbMoni, m_cbScanSwitch}) {
    m_panelIndex[box] = box->currentIndex();
  }
}

void CCordyView::OnEditUndo() {
  CommitCellEdit();
  m_undoStack->undo();
}

void CCordyView::OnEditRedo() {
  CommitCellEdit();
  m_undoStack->redo();
}

void CCordyView::OnEditCopy() {
  CommitCellEdit();
  const QList<int> rows = m_Grid->SelectedRows();
  if (rows.isEmpty()) return;
  QGuiApplication::clipboard()->setText(QString::fromStdString(RowsAsClipboardText(m_Grid->table(), Rows(rows))));
}

void CCordyView::OnEditCut() {
  OnEditCopy();
  EmptySelectedRows(RowsStep::kCut);
}

void CCordyView::OnEditClear() {
  CommitCellEdit();
  EmptySelectedRows(RowsStep::kDelete);
}

void CCordyView::EmptySelectedRows(RowsStep step) {
  const QList<int> rows = m_Grid->SelectedRows();
  if (rows.isEmpty()) return;
  ChannelTable table = m_Grid->table();
  for (const int row : rows) {
    for (int col = ChannelTable::kColChannel; col < ChannelTable::kCols; ++col) table.setText(row, col, {});
  }
  PushChannelRows(StepName(step, rows), table);
}

void CCordyView::OnEditPaste() {
  CommitCellEdit();
  const QList<int> selected = m_Grid->SelectedRows();
  const int first = selected.isEmpty() ? static_cast<int>(m_Grid->GetRow()) : selected.front();
  // What lies past the limit is never converted: the text is refused anyway.
  const QString clipboard = QGuiApplication::clipboard()->text();
  const std::string text = QStringView(clipboard).left(kMaxTextFileSize + 1).toUtf8().toStdString();
  const RowsPaste paste = PasteRows(text, m_Grid->table(), first);
  if (!paste.result) {
    const std::string refusal = RefusalText(msg::kClipboardSource, *paste.result.refusal);
    context_.boxes.Show(this, QString::fromUtf8(msg::kImportRefused).arg(QString::fromStdString(refusal)),
                        BoxButtons::Ok, BoxIcon::Error);
    return;
  }
  QList<int> pasted;
  for (int row = first; row <= paste.lastRow; ++row) pasted << row;
  PushChannelRows(StepName(RowsStep::kPaste, pasted), paste.result.table);
  // The rows pasted stay selected, ready to be looked at or taken back.
  m_Grid->SelectRows(pasted);
}

void CCordyView::OnEditSelectAll() {
  CommitCellEdit();
  QList<int> rows;
  for (int row = 1; row < ChannelTable::kRows; ++row) rows << row;
  m_Grid->SelectRows(rows);
}

}  // namespace qm314
