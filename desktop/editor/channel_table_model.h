// The channel grid's cells as a Qt item model over a ChannelTable: row 0 and
// column 0 are the grid's fixed cells (headers and row labels), never current.
#pragma once

#include <QAbstractTableModel>
#include <array>

#include "radio/codec.h"

namespace qm314 {

class ChannelTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ChannelTableModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  static bool IsFixed(int row, int col) { return row == 0 || col == 0; }

  const ChannelTable& table() const { return table_; }
  // Replaces every cell, keeping the current cell where it is.
  void setTable(const ChannelTable& table);
  QString text(int row, int col) const;
  void setText(int row, int col, const QString& text);
  void setColumnAlignment(int col, Qt::Alignment alignment);

 private:
  ChannelTable table_;
  std::array<Qt::Alignment, ChannelTable::kCols> alignment_;
};

}  // namespace qm314
