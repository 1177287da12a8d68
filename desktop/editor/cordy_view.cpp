// The main form's behaviour: set-up, decode and encode, in-place editing.
// Keys are in cordy_view_keys.cpp, the Edit menu and the undo history in
// cordy_view_edit.cpp, transfers in cordy_view_transfer.cpp.
#include "desktop/editor/cordy_view.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QUndoStack>

#include "desktop/editor/cell_editors.h"
#include "editor/cell_rules.h"
#include "desktop/editor/cordy_form.h"
#include "desktop/editor/message_box.h"
#include "editor/messages.h"
#include "desktop/editor/msflexgrid.h"
#include "desktop/editor/status_hints.h"
#include "radio/codec.h"
#include "radio/cordy_doc.h"

namespace qm314 {
namespace {

void SelectIndex(QComboBox* box, int index) { box->setCurrentIndex(index); }

}  // namespace

CCordyView::CCordyView(Context context, QWidget* parent)
    : QWidget(parent),
      context_(context),
      StandardToneList(qm314::StandardToneList()),
      ChannelFrequencyList(qm314::ChannelFrequencyList()) {
  setObjectName(QStringLiteral("CCordyView"));
  const FormControls form = BuildCordyForm(this);
  m_edPower = form.power;
  m_cbScanSwitch = form.scanSwitch;
  m_cbMoni = form.moni;
  m_cbType = form.type;
  m_cbTot = form.tot;
  m_cbSquelch = form.squelch;
  m_cbWarning = form.warning;
  m_cbField = form.field;
  m_Grid = form.grid;

  connect(m_Grid, &CMSFlexGrid::EnterCell, this, &CCordyView::OnGridEnterCell);
  connect(m_Grid, &CMSFlexGrid::LeaveCell, this, &CCordyView::OnGridLeaveCell);
  connect(m_Grid, &CMSFlexGrid::DblClick, this, &CCordyView::OnGridDblClick);
  connect(m_Grid, &CMSFlexGrid::KeyPress, this, &CCordyView::OnGridKeyPress);
  connect(m_Grid, &CMSFlexGrid::KeyDown, this, &CCordyView::OnGridKeyDown);
  connect(m_Grid, &CMSFlexGrid::MouseDown, this, &CCordyView::OnGridMouseDown);
  // Rows are selected to act on them: an open editor is done with first.
  connect(m_Grid, &CMSFlexGrid::RowSelectionChanged, this, [this] {
    if (!m_Grid->SelectedRows().isEmpty()) CommitCellEdit();
  });

  m_undoStack = new QUndoStack(this);
  connect(m_undoStack, &QUndoStack::cleanChanged, this,
          [this](bool clean) { context_.document.SetModifiedFlag(!clean); });
  for (QComboBox* box : {m_cbTot, m_cbWarning, m_cbSquelch, m_cbMoni, m_cbScanSwitch}) {
    connect(box, &QComboBox::activated, this, [this, box](int index) { OnPanelChoice(box, index); });
  }
  m_pHints = new StatusHints(this, m_Grid, [this](const QString& text) { ShowHint(text); });
  CreateTransfer();
  CreateBatchWrite();
}

void CCordyView::OnInitialUpdate() {
  if (!context_.gridInitialised) {
    // Only the first time: a window the user has sized since keeps its size.
    ResizeParentToFit();
    ShapeGridOnce();
  }
  DecodeImage();
  ChannelTable table = m_Grid->table();
  WriteGridLabels(table);
  m_Grid->setTable(table);
  m_cbType->setFocus();
}

void CCordyView::ResizeParentToFit() {
  // Shrink only: the frame starts larger than the form and never grows.
  QWidget* frame = window();
  if (frame == this) return;
  const QSize fit = frame->sizeHint();
  frame->resize(std::min(frame->width(), fit.width()), std::min(frame->height(), fit.height()));
}

void CCordyView::ShapeGridOnce() {
  m_Grid->SetRows(ChannelTable::kRows);
  m_Grid->SetCols(ChannelTable::kCols);
  m_edPower->setText(QString::fromUtf8(kPowerText.data(), static_cast<int>(kPowerText.size())));
  const long cols = m_Grid->GetCols();

  const CellEditors editors = CreateCellEditors(m_Grid);
  m_cbBclo = editors.bclo;
  m_cbScan = editors.scan;
  m_cbTone = editors.tone;
  m_cbChannel = editors.channel;
  for (QComboBox* editor : {m_cbChannel, m_cbTone, m_cbBclo, m_cbScan}) {
    editor->installEventFilter(this);
    editor->view()->installEventFilter(this);
    // A click or key on an item is a choice, even of the item already shown.
    connect(editor, &QComboBox::activated, this, [this] { m_bUserChose = true; });
  }

  for (long col = 0; col < cols; ++col) m_Grid->SetColAlignment(col, CMSFlexGrid::kAlignCenterCenter);
  context_.gridInitialised = true;

  const std::vector<long> widths = ShapedColumnWidths(m_Grid->GetColWidth(ChannelTable::kColTones));
  for (long col = 0; col < cols; ++col) {
    m_Grid->SetColWidth(col, widths.at(static_cast<std::size_t>(col)));
  }
  m_Grid->SetColAlignment(ChannelTable::kColBclo, CMSFlexGrid::kAlignLeftCenter);

  SelectIndex(m_cbType, 0);
  SelectIndex(m_cbField, 2);
}

void CCordyView::DecodeImage() {
  // A new image makes whatever an open editor holds meaningless: close it
  // unwritten and load it again for the current cell.
  if (QComboBox* editor = GetCellEditor()) HideEditor(editor);

  m_decodedImage = context_.document.image();
  ChannelTable table = m_Grid->table();
  PanelSelections panel;
  Decode(m_decodedImage, table, panel);
  m_Grid->setTable(table);

  SelectIndex(m_cbWarning, panel.warning);
  SelectIndex(m_cbScanSwitch, panel.scanSwitch);
  SelectIndex(m_cbSquelch, panel.squelch);
  SelectIndex(m_cbTot, panel.tot);
  SelectIndex(m_cbMoni, panel.moni);
  SelectIndex(m_cbType, panel.type);
  m_cbField->clear();
  for (const std::string& item : FieldItems()) m_cbField->addItem(QString::fromStdString(item));
  SelectIndex(m_cbField, panel.field);
  RememberPanel();

  OnGridEnterCell();
  // Another document: the steps taken on the one before cannot apply to it.
  m_undoStack->clear();
}

void CCordyView::EncodeImage() { EncodeInto(context_.document.image()); }

void CCordyView::EncodeInto(RadioImage& image) {
  CommitCellEdit();
  image = m_decodedImage;
  Encode(m_Grid->table(), ReadPanel(), image);
}

void CCordyView::ApplyChannelTable(const ChannelTable& table) {
  CancelCellEdit();
  PushChannelRows(QString::fromUtf8(msg::kImportStep), table);
}

PanelSelections CCordyView::ReadPanel() const {
  PanelSelections panel;
  panel.warning = m_cbWarning->currentIndex();
  panel.scanSwitch = m_cbScanSwitch->currentIndex();
  panel.squelch = m_cbSquelch->currentIndex();
  panel.tot = m_cbTot->currentIndex();
  panel.moni = m_cbMoni->currentIndex();
  panel.type = m_cbType->currentIndex();
  panel.field = m_cbField->currentIndex();
  return panel;
}

QComboBox* CCordyView::GetCellEditor() const {
  switch (m_Grid->GetCol()) {
    case ChannelTable::kColChannel: return m_cbChannel;
    case ChannelTable::kColTones: return m_cbTone;
    case ChannelTable::kColBclo: return m_cbBclo;
    case ChannelTable::kColScan: return m_cbScan;
    default: return nullptr;
  }
}

const TextList* CCordyView::EditorItems(const QComboBox* editor) const {
  if (editor == m_cbChannel) return &ChannelEditorItems();
  if (editor == m_cbTone) return &ToneEditorItems();
  if (editor == m_cbBclo) return &BcloEditorItems();
  if (editor == m_cbScan) return &ScanEditorItems();
  return nullptr;
}

bool CCordyView::CellIsEditable() const { return m_Grid->GetRow() != 0 && m_Grid->GetCol() != 0; }

void CCordyView::BeginCellEdit(short key) {
  QComboBox* editor = GetCellEditor();
  if (!editor) return;
  const long row = m_Grid->GetRow();
  const int col = static_cast<int>(m_Grid->GetCol());
  // Tones, BCLO and Scan belong to a row's channel: a choice on a row
  // without one would have nowhere to go.
  if (const std::string refusal = CellEditRefusal(m_Grid->table(), static_cast<int>(row), col); !refusal.empty()) {
    m_strCellHint = QString::fromStdString(refusal);
    ShowHint(m_strCellHint);
    return;
  }
  // The editor acts on its cell, not on rows selected before.
  m_Grid->SelectRows({});
  // A typed character picks the item it begins; the key never reaches the
  // clipboard.
  m_strTyped.clear();
  const bool typed = key > ' ' && key != 0x7F && TypeInEditor(editor, static_cast<char16_t>(key));
  if (!typed && KeyNeedsNumberMessage(col, key)) {
    context_.boxes.Show(this, QString::fromUtf8(msg::kPleaseInputNumber), BoxButtons::Ok,
                        BoxIcon::Warning);
  }
  PlaceCellEditor(editor);
  editor->show();
  editor->raise();
  editor->setFocus();
  m_Grid->viewport()->update();
}

void CCordyView::PlaceCellEditor(QComboBox* editor) {
  const PixelRect place =
      EditorPlacement(m_Grid->GetCellLeft(), m_Grid->GetCellTop(), m_Grid->GetCellWidth(),
                      m_Grid->GetCellHeight(), m_Grid->logicalDpiX(), m_Grid->logicalDpiY());
  // The dropped list is a window of its own here: the box itself only
  // covers the cell, from 3 pixels above and left of it to its bottom and
  // right edges, so none of the cell's selection colour shows beside it.
  editor->setGeometry(place.left, place.top, place.width + 3, place.height - kDroppedListRoom + 3);
}

void CCordyView::CommitCellEdit() {
  QComboBox* editor = GetCellEditor();
  m_strTyped.clear();
  if (!editor || editor->isHidden()) return;
  const int row = static_cast<int>(m_Grid->GetRow());
  const int col = static_cast<int>(m_Grid->GetCol());
  // Only an editor the user chose nothing in leaves the cell as it was: its
  // preloaded item may stand for no text the cell holds.
  if (m_bUserChose || editor->currentIndex() != m_nLoadedChoice) {
    CommitCellChoice(row, col, editor->currentText().toStdString());
    m_nLoadedChoice = editor->currentIndex();
    m_bUserChose = false;
  }
  HideEditor(editor);
}

void CCordyView::HideEditor(QComboBox* editor) {
  // Focus first: a focused widget that hides hands the focus on as Tab
  // would, and Tab in the grid moves the current cell.
  if (editor->hasFocus()) m_Grid->setFocus();
  editor->hide();
}

void CCordyView::CommitCellChoice(int row, int col, const std::string& choice) {
  ChannelTable table = m_Grid->table();
  if (!CommitChoice(table, row, col, choice)) return;
  PushChannelRows(QString::fromStdString(CellStepName(col, row)), table);
}

void CCordyView::CancelCellEdit() {
  QComboBox* editor = GetCellEditor();
  m_strTyped.clear();
  if (!editor || editor->isHidden()) return;
  HideEditor(editor);
  // Back to the item of the cell's own text.
  OnGridEnterCell();
}

void CCordyView::OnGridEnterCell() {
  // A prompt about the cell left no longer applies.
  if (!m_strCellHint.isEmpty()) {
    auto* frame = qobject_cast<QMainWindow*>(window());
    if (frame && frame->statusBar()->currentMessage() == m_strCellHint) ShowHint(QString::fromUtf8(msg::kHintGrid));
    m_strCellHint.clear();
  }
  // The cell left took its own text with it.
  if (m_pOwnTextEditor) {
    m_pOwnTextEditor->removeItem(0);
    m_pOwnTextEditor = nullptr;
  }
  if (m_Grid->GetRow() == 0) return;
  QComboBox* editor = GetCellEditor();
  const TextList* items = EditorItems(editor);
  if (!items) return;
  const std::string text = m_Grid->GetText().toStdString();
  const int match = MatchingItem(*items, text);
  if (match < 0) {
    // A text no item holds (a tone decoded from the radio, say) heads the
    // list, chosen: Enter keeps it, and "Off" is a choice of its own.
    editor->insertItem(0, QString::fromStdString(text));
    m_pOwnTextEditor = editor;
  }
  m_nLoadedChoice = std::max(0, match);
  m_bUserChose = false;
  m_strTyped.clear();
  editor->setCurrentIndex(m_nLoadedChoice);
}

void CCordyView::OnGridLeaveCell() { CommitCellEdit(); }

void CCordyView::OnGridDblClick() {
  if (CellIsEditable()) BeginCellEdit(0);
}

void CCordyView::OnGridKeyPress(short& keyAscii) {
  if (CellIsEditable()) BeginCellEdit(keyAscii);
}

void CCordyView::OnGridMouseDown(short button, short, long, long) {
  constexpr short kRightButton = 2;
  if (button != kRightButton && CellIsEditable()) BeginCellEdit(0);
}

void CCordyView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutCordyForm(this, m_Grid);
  // An open pick list follows its cell.
  if (QComboBox* editor = GetCellEditor(); editor && editor->isVisible()) PlaceCellEditor(editor);
}

void CCordyView::OnDebugOnLine() {
  // A transfer, or a batch of several radios, holds the ports, and its radio
  // is in its clone conversation.
  if (IsTransferRunning()) {
    context_.boxes.Show(this, QString::fromUtf8(msg::kNoDebugDuringTransfer), BoxButtons::Ok,
                        BoxIcon::Warning);
    return;
  }
  if (m_debugModeOpener) m_debugModeOpener(m_cbField->currentText(), m_strPortName);
}

void CCordyView::ShowHint(const QString& text) {
  if (auto* frame = qobject_cast<QMainWindow*>(window())) frame->statusBar()->showMessage(text);
}

}  // namespace qm314
