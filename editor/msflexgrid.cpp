// The channel grid control over a QTableView.
#include "editor/msflexgrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <cmath>
#include <numeric>
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
  setTabKeyNavigation(false);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  // The grid opens on its first movable cell, as the control did.
  selectionModel()->setCurrentIndex(model_.index(1, 1), QItemSelectionModel::ClearAndSelect);
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

void CMSFlexGrid::mousePressEvent(QMouseEvent* event) {
  QTableView::mousePressEvent(event);
  const QPoint at = event->position().toPoint();
  emit MouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()),
                 pixelsToTwipsX(at.x()), pixelsToTwipsY(at.y()));
}

void CMSFlexGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  QTableView::mouseDoubleClickEvent(event);
  emit DblClick();
}

void CMSFlexGrid::keyPressEvent(QKeyEvent* event) {
  // Characters go to the program; moving keys and Tab stay the control's.
  const QString text = event->text();
  const bool isCharacter = !text.isEmpty() && event->key() != Qt::Key_Tab &&
                           event->key() != Qt::Key_Backtab &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (!isCharacter) {
    QTableView::keyPressEvent(event);
    return;
  }
  short key = static_cast<short>(text.at(0).unicode());
  emit KeyPress(key);
  event->accept();
}

}  // namespace qm314
