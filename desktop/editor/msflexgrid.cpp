// The channel grid control over a QTableView.
#include "desktop/editor/msflexgrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>
#include <vector>

namespace qm314 {
namespace {

constexpr long kTwipsPerInch = 1440;

// Paints the fixed row and column like the headers of a grid.
class FixedCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    if (!ChannelTableModel::IsFixed(index.row(), index.column())) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    // A hidden column still gets asked to paint, at no width.
    if (option.rect.isEmpty()) return;
    QStyleOptionHeader header;
    header.rect = option.rect;
    // Fixed cells are never enabled items, yet they read as headers, not
    // as greyed-out text.
    header.palette = option.widget ? option.widget->palette() : option.palette;
    header.palette.setCurrentColorGroup(QPalette::Active);
    header.fontMetrics = option.fontMetrics;
    header.state = QStyle::State_Enabled | QStyle::State_Raised;
    // The label of a selected row reads as pressed, as a spreadsheet's does.
    const auto* grid = qobject_cast<const CMSFlexGrid*>(option.widget);
    if (grid && index.column() == 0 && grid->IsRowSelected(index.row())) {
      header.state |= QStyle::State_On | QStyle::State_Sunken;
      header.state &= ~QStyle::State_Raised;
    }
    header.text = index.data(Qt::DisplayRole).toString();
    header.textAlignment = Qt::AlignCenter;
    header.position = QStyleOptionHeader::Middle;
    header.orientation = index.row() == 0 ? Qt::Horizontal : Qt::Vertical;
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : nullptr;
    if (!style) return;
    painter->save();
    painter->setFont(option.font);
    style->drawControl(QStyle::CE_Header, &header, painter, widget);
    painter->restore();
  }
};

// Gives the sections their natural sizes or, where the room is larger, those
// sizes scaled up to fill it; each section ends where its scaled edge rounds
// to, so the last ends exactly at the room's edge.
void StretchSections(QHeaderView* header, const std::vector<int>& natural, int room) {
  const int total = std::accumulate(natural.begin(), natural.end(), 0);
  const double scale = total > 0 && room > total ? static_cast<double>(room) / total : 1.0;
  int sum = 0;
  int edge = 0;
  for (std::size_t i = 0; i < natural.size(); ++i) {
    sum += natural[i];
    const int next = static_cast<int>(std::lround(sum * scale));
    header->resizeSection(static_cast<int>(i), next - edge);
    edge = next;
  }
}

short ButtonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}

short ShiftCode(Qt::KeyboardModifiers modifiers) {
  short code = 0;
  if (modifiers & Qt::ShiftModifier) code |= 1;
  if (modifiers & Qt::ControlModifier) code |= 2;
  if (modifiers & Qt::AltModifier) code |= 4;
  return code;
}

}  // namespace

CMSFlexGrid::CMSFlexGrid(QWidget* parent) : QTableView(parent) {
  setObjectName(QStringLiteral("m_Grid"));
  colWidthTwips_.fill(-1);
  setModel(&model_);
  setItemDelegate(new FixedCellDelegate(this));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(0);
  verticalHeader()->setMinimumSectionSize(0);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  // Tab moves between cells; past the last one it moves on to the next control.
  setTabKeyNavigation(true);
  // The grid opens on its first movable cell, as the control did.
  selectionModel()->setCurrentIndex(model_.index(1, 1), QItemSelectionModel::ClearAndSelect);
  // Any selection of a cell (a click, a move) ends a selection of rows.
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    QList<int> rows;
    for (int row = 1; row < ChannelTable::kRows; ++row) {
      if (selectionModel()->isRowSelected(row)) rows << row;
    }
    if (rows == selectedRows_) return;
    selectedRows_ = rows;
    viewport()->update();
    emit RowSelectionChanged();
  });
}

long CMSFlexGrid::GetRows() const { return model_.rowCount(); }
long CMSFlexGrid::GetCols() const { return model_.columnCount(); }

// The channel table has a fixed shape; the form asks for exactly that shape.
void CMSFlexGrid::SetRows(long rows) { Q_ASSERT(rows == GetRows()); }
void CMSFlexGrid::SetCols(long cols) { Q_ASSERT(cols == GetCols()); }

int CMSFlexGrid::twipsToPixelsX(long twips) const {
  return static_cast<int>(twips * logicalDpiX() / kTwipsPerInch);
}
long CMSFlexGrid::pixelsToTwipsX(int pixels) const {
  return static_cast<long>(pixels) * kTwipsPerInch / logicalDpiX();
}
long CMSFlexGrid::pixelsToTwipsY(int pixels) const {
  return static_cast<long>(pixels) * kTwipsPerInch / logicalDpiY();
}

QPoint CMSFlexGrid::currentCellOrigin() const {
  return viewport()->pos() + QPoint(columnViewportPosition(static_cast<int>(col_)),
                                    rowViewportPosition(static_cast<int>(row_)));
}

long CMSFlexGrid::GetCellLeft() const { return pixelsToTwipsX(currentCellOrigin().x()); }
long CMSFlexGrid::GetCellTop() const { return pixelsToTwipsY(currentCellOrigin().y()); }
long CMSFlexGrid::GetCellWidth() const {
  return pixelsToTwipsX(columnWidth(static_cast<int>(col_)));
}
long CMSFlexGrid::GetCellHeight() const {
  return pixelsToTwipsY(rowHeight(static_cast<int>(row_)));
}

void CMSFlexGrid::SetColAlignment(long col, short alignment) {
  model_.setColumnAlignment(static_cast<int>(col), alignment == kAlignLeftCenter
                                                       ? Qt::AlignLeft | Qt::AlignVCenter
                                                       : Qt::Alignment(Qt::AlignCenter));
}

long CMSFlexGrid::GetColWidth(long col) const {
  const long set = colWidthTwips_.at(static_cast<std::size_t>(col));
  return set >= 0 ? set : pixelsToTwipsX(defaultColWidth_);
}

void CMSFlexGrid::SetColWidth(long col, long twips) {
  colWidthTwips_.at(static_cast<std::size_t>(col)) = twips;
  FitSectionsToViewport();
}

QString CMSFlexGrid::GetTextMatrix(long row, long col) const {
  return model_.text(static_cast<int>(row), static_cast<int>(col));
}

void CMSFlexGrid::SetTextMatrix(long row, long col, const QString& text) {
  model_.setText(static_cast<int>(row), static_cast<int>(col), text);
}

void CMSFlexGrid::setDefaultColumnWidthPixels(int pixels) {
  defaultColWidth_ = pixels;
  FitSectionsToViewport();
}

void CMSFlexGrid::setRowHeightPixels(int pixels) {
  rowHeight_ = pixels;
  FitSectionsToViewport();
}

void CMSFlexGrid::FitSectionsToViewport() {
  std::vector<int> widths;
  for (long twips : colWidthTwips_) widths.push_back(twips >= 0 ? twipsToPixelsX(twips) : defaultColWidth_);
  StretchSections(horizontalHeader(), widths, viewport()->width());
  StretchSections(verticalHeader(), std::vector<int>(ChannelTable::kRows, rowHeight_),
                  viewport()->height());
}

void CMSFlexGrid::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  FitSectionsToViewport();
}

void CMSFlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (!current.isValid() || (current.row() == row_ && current.column() == col_)) return;
  emit LeaveCell();
  row_ = current.row();
  col_ = current.column();
  emit EnterCell();
}

QList<int> CMSFlexGrid::SelectedRows() const { return selectedRows_; }

bool CMSFlexGrid::IsRowSelected(int row) const { return selectedRows_.contains(row); }

void CMSFlexGrid::SelectRows(const QList<int>& rows) {
  QItemSelection selection;
  for (const int row : rows) {
    selection.select(model_.index(row, ChannelTable::kColChannel), model_.index(row, ChannelTable::kCols - 1));
  }
  selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  if (!rows.isEmpty()) anchorRow_ = rows.front();
}

void CMSFlexGrid::SelectRowsByLabel(int row, Qt::KeyboardModifiers modifiers) {
  QList<int> rows;
  if (row == 0) {  // the corner label: every row
    for (int r = 1; r < ChannelTable::kRows; ++r) rows << r;
    SelectRows(rows);
    return;
  }
  const int anchor = anchorRow_;
  if (modifiers & Qt::ShiftModifier) {
    for (int r = std::min(anchor, row); r <= std::max(anchor, row); ++r) rows << r;
  } else if (modifiers & Qt::ControlModifier) {
    rows = selectedRows_;
    if (!rows.removeOne(row)) rows << row;
    std::sort(rows.begin(), rows.end());
  } else {
    rows << row;
  }
  SelectRows(rows);
  anchorRow_ = (modifiers & Qt::ShiftModifier) ? anchor : row;
}

bool CMSFlexGrid::IsColumnShown(int col) const { return !isColumnHidden(col) && columnWidth(col) > 0; }

void CMSFlexGrid::SetCurrentCell(int row, int col) {
  selectionModel()->setCurrentIndex(model_.index(row, col), QItemSelectionModel::ClearAndSelect);
}

bool CMSFlexGrid::MoveByKey(int key, Qt::KeyboardModifiers modifiers) {
  constexpr int kFirstRow = 1;
  constexpr int kLastRow = ChannelTable::kRows - 1;
  QList<int> cols;  // the columns a move may land in, left to right
  for (int col = 1; col < ChannelTable::kCols; ++col) {
    if (IsColumnShown(col)) cols << col;
  }
  if (cols.isEmpty()) return false;
  const int width = static_cast<int>(cols.size());
  const int row = static_cast<int>(row_);
  const int at = std::max(0, static_cast<int>(cols.indexOf(static_cast<int>(col_))));
  const bool ctrl = modifiers & Qt::ControlModifier;
  int toRow = row;
  int toAt = at;
  switch (key) {
    case Qt::Key_Up: toRow = std::max(kFirstRow, row - 1); break;
    case Qt::Key_Down: toRow = std::min(kLastRow, row + 1); break;
    case Qt::Key_Left: toAt = std::max(0, at - 1); break;
    case Qt::Key_Right: toAt = std::min(width - 1, at + 1); break;
    case Qt::Key_Home: toAt = 0; if (ctrl) toRow = kFirstRow; break;
    case Qt::Key_End: toAt = width - 1; if (ctrl) toRow = kLastRow; break;
    case Qt::Key_PageUp: toRow = kFirstRow; break;
    case Qt::Key_PageDown: toRow = kLastRow; break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
      // Cells in reading order; Tab past the last one is no move.
      const bool back = key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier);
      const int cell = (row - kFirstRow) * width + at + (back ? -1 : 1);
      if (cell < 0 || cell >= (kLastRow - kFirstRow + 1) * width) return false;
      toRow = kFirstRow + cell / width;
      toAt = cell % width;
      break;
    }
    default: return false;
  }
  SetCurrentCell(toRow, cols.at(toAt));
  scrollTo(model_.index(toRow, cols.at(toAt)));
  return true;
}

void CMSFlexGrid::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const int row = rowAt(at.y());
  if (event->button() == Qt::LeftButton && row >= 0 && columnAt(at.x()) == ChannelTable::kColLabel) {
    SelectRowsByLabel(row, event->modifiers());
    draggingLabels_ = row > 0;
    return;
  }
  QTableView::mousePressEvent(event);
  emit MouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()),
                 pixelsToTwipsX(at.x()), pixelsToTwipsY(at.y()));
}

void CMSFlexGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  if (columnAt(event->position().toPoint().x()) == ChannelTable::kColLabel) {
    mousePressEvent(event);
    return;
  }
  QTableView::mouseDoubleClickEvent(event);
  emit DblClick();
}

void CMSFlexGrid::mouseMoveEvent(QMouseEvent* event) {
  if (!draggingLabels_) {
    QTableView::mouseMoveEvent(event);
    return;
  }
  const int row = rowAt(event->position().toPoint().y());
  if (row > 0) SelectRowsByLabel(row, Qt::ShiftModifier);
}

void CMSFlexGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (std::exchange(draggingLabels_, false)) return;
  QTableView::mouseReleaseEvent(event);
}

void CMSFlexGrid::keyPressEvent(QKeyEvent* event) {
  // A key on a cell never touches the clipboard: the rows reach it only
  // through the Edit commands, never by the view's copy of the current cell.
  if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
      event->matches(QKeySequence::Paste) || event->matches(QKeySequence::SelectAll)) {
    event->accept();
    return;
  }
  if (MoveByKey(event->key(), event->modifiers())) {
    event->accept();
    return;
  }
  // Tab past the last cell (or Shift+Tab before the first) leaves the grid.
  if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
    event->ignore();
    return;
  }
  // Printable characters and Enter are typed on the cell; other control
  // characters (Escape, Backspace, Delete) are keys like F2.
  const QString text = event->text();
  const char16_t first = text.isEmpty() ? 0 : text.at(0).unicode();
  const bool isCharacter = ((first >= 32 && first != 0x7F) || first == '\r') &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (isCharacter) {
    short key = static_cast<short>(first);
    emit KeyPress(key);
    event->accept();
    return;
  }
  int code = event->key();
  emit KeyDown(code, event->modifiers());
  if (code == 0) {
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace qm314
