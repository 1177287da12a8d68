// CCordyView: the main form.  The settings panel on the left, the channel grid
// on the right with its in-place pick lists; decode fills both from the
// document's image, encode writes them back.  Every change the user makes is
// a step of the view's undo history, whose clean state is the document's
// unmodified one.  The view holds the chosen port and runs the transfers to
// and from the radio.
#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QThread>
#include <QWidget>
#include <functional>
#include <memory>

#include "link/serial_port.h"
#include "editor/edit_steps.h"
#include "radio/code_tables.h"
#include "radio/codec.h"
#include "radio/image.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QUndoStack;

namespace qm314 {

class CBatchWriteDlg;
class CCordyDoc;
class CMSFlexGrid;
class CTransferDlg;
class MessageBoxHost;
class Pacer;
class StatusHints;
class TransferWorker;
struct TransferResult;

class CCordyView : public QWidget {
  Q_OBJECT
 public:
  // What the view needs from the application that owns it.
  struct Context {
    CCordyDoc& document;
    MessageBoxHost& boxes;
    bool& gridInitialised;  // the grid is shaped once per run
  };

  // Opens the Debug Mode dialog with the Field box's text and the port name.
  using DebugModeOpener = std::function<void(const QString& band, const QString& portName)>;

  explicit CCordyView(Context context, QWidget* parent = nullptr);
  ~CCordyView() override;

  void OnInitialUpdate();
  void DecodeImage();
  void EncodeImage();
  // Commits the open editor, then encodes the grid and the panel into image.
  // Encoding starts from the image as last decoded: the bytes no text decides
  // stay the ones the document came with, whatever was saved in between, so
  // undoing every edit saves the very bytes that were opened.
  void EncodeInto(RadioImage& image);

  // Replaces the channel rows as one change (an import): an open editor is
  // closed unwritten, and the document is marked modified when a text changed.
  void ApplyChannelTable(const ChannelTable& table);

  // The settings boxes' selected indexes, as encode and the report read them.
  PanelSelections ReadPanel() const;

  QComboBox* GetCellEditor() const;
  void BeginCellEdit(short key);
  void CommitCellEdit();
  // Closes the open editor without writing it.
  void CancelCellEdit();

  // The steps the user can undo and redo; clean while the document is as saved.
  QUndoStack* undoStack() const { return m_undoStack; }
  // The document now stands as saved: undoing back to here clears its mark.
  void OnDocumentSaved();

  const QString& portName() const { return m_strPortName; }
  void setDebugModeOpener(DebugModeOpener opener) { m_debugModeOpener = std::move(opener); }

  CMSFlexGrid* grid() const { return m_Grid; }
  CTransferDlg* transferDialog() const { return m_pTransferDlg; }
  CBatchWriteDlg* batchDialog() const { return m_pBatchDlg; }

  // The line transfers open and the pace they keep: the serial ports and
  // real time unless a test says otherwise.
  void SetTransferLine(PortOpener opener, std::shared_ptr<Pacer> pacer);
  // A single transfer, or a batch of several radios, holds ports.
  bool IsTransferRunning() const;
  bool IsBatchRunning() const;
  // Some radio of the batch is taking blocks now.
  bool IsBatchWriting() const;
  bool IsWriteRunning() const { return m_bTransferRunning && m_bWriteToRadio; }
  // Nothing may change the document: a read or a write runs.  The grid and
  // the settings boxes are disabled; TransferRunningChanged tells the change.
  bool IsDocumentLocked() const { return m_bTransferRunning; }
  // Whether a completed write is read back and compared with what was sent.
  void SetVerifyAfterWrite(bool verify) { m_bVerifyAfterWrite = verify; }
  bool VerifyAfterWrite() const { return m_bVerifyAfterWrite; }
  // Raises the running transfer's cancel flag, or stops the batch;
  // TransferRunningChanged(false) follows once their ports are closed.
  void CancelTransfer();
  CCordyDoc& document() const { return context_.document; }
  MessageBoxHost& boxes() const { return context_.boxes; }

 signals:
  void TransferRunningChanged(bool running);

 public slots:
  // Commands 32771 and 32772: choose the direction and open the progress dialog.
  void OnReadFromRadio();
  void OnWriteToRadio();
  // Program › Write To Several Radios: opens (or raises) the batch dialog.
  void OnWriteToSeveralRadios();
  void OnPortCom1() { m_strPortName = QStringLiteral("COM1"); }
  void OnPortCom2() { m_strPortName = QStringLiteral("COM2"); }
  void OnPortCom3() { m_strPortName = QStringLiteral("COM3"); }
  void OnPortCom4() { m_strPortName = QStringLiteral("COM4"); }
  // Command 32778, "Debug on line".
  void OnDebugOnLine();

  // The Edit menu.  Each first writes the open editor's choice, as every
  // command that reads or changes the document does.
  void OnEditUndo();
  void OnEditRedo();
  void OnEditCut();
  void OnEditCopy();
  void OnEditPaste();
  void OnEditClear();
  void OnEditSelectAll();

 private slots:
  // Start was pressed in the progress dialog.
  void OnRadioTransfer();
  void OnTransferEnded(const qm314::TransferResult& result);
  void OnGridEnterCell();
  void OnGridLeaveCell();
  void OnGridDblClick();
  void OnGridKeyPress(short& keyAscii);
  void OnGridKeyDown(int& key, Qt::KeyboardModifiers modifiers);
  void OnGridMouseDown(short button, short shift, long x, long y);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ShapeGridOnce();
  void ResizeParentToFit();
  void PlaceCellEditor(QComboBox* editor);
  const TextList* EditorItems(const QComboBox* editor) const;
  bool CellIsEditable() const;
  void ShowHint(const QString& text);
  // Keys on an open editor (its box, or its dropped list when inList).
  bool OnEditorKey(QComboBox* editor, QKeyEvent* event, bool inList);
  // Adds a typed character to the text typed on the open editor and selects
  // the item it picks; false when it picks none.
  bool TypeInEditor(QComboBox* editor, char16_t key);
  // item: an index into the column's items (EditorItems), not the box's rows.
  void PickEditorItem(QComboBox* editor, int item);
  // Hides an editor, the keyboard focus going back to the grid.
  void HideEditor(QComboBox* editor);
  // Delete on a cell: Channel clears the row, Tones chooses "Off".
  void ClearCell();
  // Writes a choice into a cell by the channel rows' rules, as one step.
  void CommitCellChoice(int row, int col, const std::string& choice);

  // Steps of the undo history.
  void PushChannelRows(const QString& name, const ChannelTable& after);
  void SetChannelRows(const ChannelTable& table);
  void OnPanelChoice(QComboBox* box, int index);
  void SetPanelIndex(QComboBox* box, int index);
  void RememberPanel();
  void EmptySelectedRows(RowsStep step);
  void CreateTransfer();
  void CreateBatchWrite();
  void OpenTransferDialog(bool writeToRadio, const char* caption);
  void SetTransferRunning(bool running);
  void ReportVerify(const TransferResult& result);

  Context context_;

  QLineEdit* m_edPower = nullptr;
  QComboBox* m_cbScanSwitch = nullptr;
  QComboBox* m_cbMoni = nullptr;
  QComboBox* m_cbType = nullptr;
  QComboBox* m_cbTot = nullptr;
  QComboBox* m_cbSquelch = nullptr;
  QComboBox* m_cbWarning = nullptr;
  QComboBox* m_cbField = nullptr;
  CMSFlexGrid* m_Grid = nullptr;
  QComboBox* m_cbBclo = nullptr;
  QComboBox* m_cbScan = nullptr;
  const TextList& StandardToneList;
  const TextList& ChannelFrequencyList;
  QComboBox* m_cbTone = nullptr;
  QComboBox* m_cbChannel = nullptr;
  QString m_strPortName = QStringLiteral("COM1");

  // The choice the current cell's editor had when it was loaded for the
  // cell: committing it unchanged leaves the cell as it was.
  int m_nLoadedChoice = 0;
  // Set when the user picks an item of the open editor, the loaded one included.
  bool m_bUserChose = false;
  // The editor whose item 0 is the current cell's own text, which none of
  // its items holds; its other items sit one further down.
  QComboBox* m_pOwnTextEditor = nullptr;
  // What has been typed on the open editor, narrowing its choice.
  std::string m_strTyped;
  QUndoStack* m_undoStack = nullptr;
  // The document's image as the last decode found it.
  RadioImage m_decodedImage;
  // Each settings box's index as the undo history last left it.
  QHash<QComboBox*, int> m_panelIndex;
  // The status-bar prompt about the current cell, replaced when the cell changes.
  QString m_strCellHint;
  DebugModeOpener m_debugModeOpener;
  StatusHints* m_pHints = nullptr;

  CTransferDlg* m_pTransferDlg = nullptr;
  CBatchWriteDlg* m_pBatchDlg = nullptr;
  bool m_bWriteToRadio = false;
  bool m_bTransferRunning = false;
  // Where the window's keyboard focus was when the form was locked.
  QPointer<QWidget> m_pFocusBeforeLock;
  bool m_bVerifyAfterWrite = false;
  // Set while the view is being destroyed: a transfer still running then gets
  // Cancel to its questions without a box, and its end changes nothing.
  bool m_bClosing = false;
  PortOpener m_portOpener;
  std::shared_ptr<Pacer> m_pacer;
  QThread m_transferThread;
  TransferWorker* m_pTransferWorker = nullptr;
};

}  // namespace qm314
