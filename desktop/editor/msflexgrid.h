// CMSFlexGrid: the channel grid control.  It offers the grid operations the
// view is written against (Rows, Cols, Row, Col, Text, the current cell's
// rectangle in twips, ColAlignment, ColWidth, TextMatrix) and raises its
// events; on every change of the current cell LeaveCell, while Row and Col
// still name the cell left, comes before EnterCell.  A control larger than its
// rows and columns stretches them to fill it, as set widths and heights keep
// their proportions (a hidden column stays hidden).  The keyboard moves the
// current cell among the cells the user can see; the row labels select rows.
#pragma once

#include <QTableView>

#include "desktop/editor/channel_table_model.h"

namespace qm314 {

class CMSFlexGrid : public QTableView {
  Q_OBJECT
 public:
  // Column alignment codes of ColAlignment.
  static constexpr short kAlignLeftCenter = 1;
  static constexpr short kAlignCenterCenter = 4;

  explicit CMSFlexGrid(QWidget* parent = nullptr);

  long GetRows() const;
  void SetRows(long rows);
  long GetCols() const;
  void SetCols(long cols);
  long GetRow() const { return row_; }
  long GetCol() const { return col_; }
  QString GetText() const { return GetTextMatrix(row_, col_); }
  long GetCellLeft() const;
  long GetCellTop() const;
  long GetCellWidth() const;
  long GetCellHeight() const;
  void SetColAlignment(long col, short alignment);
  long GetColWidth(long col) const;
  void SetColWidth(long col, long twips);
  QString GetTextMatrix(long row, long col) const;
  void SetTextMatrix(long row, long col, const QString& text);

  // All cells at once, for decode and encode.
  const ChannelTable& table() const { return model_.table(); }
  void setTable(const ChannelTable& table) { model_.setTable(table); }

  // Rows selected by their labels (click, Shift+click, Ctrl+click), in order.
  QList<int> SelectedRows() const;
  bool IsRowSelected(int row) const;
  void SelectRows(const QList<int>& rows);

  // Moves the current cell as the key does with no editor open: arrows,
  // Home, End, Page Up and Down, Tab and Shift+Tab (Backtab).  False for a
  // key that does not move it; Tab past the last cell is not a move.
  bool MoveByKey(int key, Qt::KeyboardModifiers modifiers);

  // Stored properties of the control as the form sets them up.
  void setDefaultColumnWidthPixels(int pixels);
  void setRowHeightPixels(int pixels);

  int twipsToPixelsX(long twips) const;
  long pixelsToTwipsX(int pixels) const;
  long pixelsToTwipsY(int pixels) const;

 signals:
  void DblClick();
  void EnterCell();
  void LeaveCell();
  void KeyPress(short& keyAscii);
  // A key that is neither typed on the cell nor a move (F2, Delete, Escape);
  // a handler that takes it sets key to 0.
  void KeyDown(int& key, Qt::KeyboardModifiers modifiers);
  void RowSelectionChanged();
  void MouseDown(short button, short shift, long x, long y);

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPoint currentCellOrigin() const;
  void FitSectionsToViewport();
  bool IsColumnShown(int col) const;
  void SetCurrentCell(int row, int col);
  // A press on the label column: selects rows instead of moving the current cell.
  void SelectRowsByLabel(int row, Qt::KeyboardModifiers modifiers);

  ChannelTableModel model_;
  // Widths as set, in twips: pixels would round them.  -1: not set.
  std::array<long, ChannelTable::kCols> colWidthTwips_;
  // The stored properties in pixels, before any stretching.
  int defaultColWidth_ = 0;
  int rowHeight_ = 0;
  long row_ = 1;
  long col_ = 1;
  // Where Shift+click on a label extends the row selection from.
  int anchorRow_ = 1;
  // Set while the button pressed on a label is held: moving extends the rows.
  bool draggingLabels_ = false;
  QList<int> selectedRows_;
};

}  // namespace qm314
