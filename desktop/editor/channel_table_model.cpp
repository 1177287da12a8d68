// Item model of the channel grid.
#include "desktop/editor/channel_table_model.h"

#include "radio/cell_meanings.h"

namespace qm314 {

ChannelTableModel::ChannelTableModel(QObject* parent) : QAbstractTableModel(parent) {
  alignment_.fill(Qt::AlignLeft | Qt::AlignVCenter);
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ChannelTable::kRows;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ChannelTable::kCols;
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return text(index.row(), index.column());
    case Qt::ToolTipRole: {
      // What a Channel or Tones text stands for; the cell shows only the text.
      if (IsFixed(index.row(), index.column())) return {};
      const std::string tip = CellTooltip(index.column(), table_.text(index.row(), index.column()));
      return tip.empty() ? QVariant() : QVariant(QString::fromStdString(tip));
    }
    case Qt::TextAlignmentRole:
      // The grid centres its fixed cells; the others follow their column.
      if (IsFixed(index.row(), index.column())) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
      return QVariant::fromValue(alignment_.at(static_cast<std::size_t>(index.column())));
    default:
      return {};
  }
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid() || IsFixed(index.row(), index.column())) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void ChannelTableModel::setTable(const ChannelTable& table) {
  table_ = table;
  emit dataChanged(index(0, 0), index(ChannelTable::kRows - 1, ChannelTable::kCols - 1));
}

QString ChannelTableModel::text(int row, int col) const {
  return QString::fromStdString(table_.text(row, col));
}

void ChannelTableModel::setText(int row, int col, const QString& text) {
  table_.setText(row, col, text.toStdString());
  const QModelIndex cell = index(row, col);
  emit dataChanged(cell, cell, {Qt::DisplayRole});
}

void ChannelTableModel::setColumnAlignment(int col, Qt::Alignment alignment) {
  alignment_.at(static_cast<std::size_t>(col)) = alignment;
  emit dataChanged(index(0, col), index(ChannelTable::kRows - 1, col), {Qt::TextAlignmentRole});
}

}  // namespace qm314
