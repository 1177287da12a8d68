// The four in-place pick lists of the channel grid: created once, hidden, as
// children of the grid, with the items of their column.
#pragma once

class QComboBox;

namespace qm314 {

class CMSFlexGrid;
class TextList;

struct CellEditors {
  QComboBox* bclo = nullptr;
  QComboBox* scan = nullptr;
  QComboBox* tone = nullptr;
  QComboBox* channel = nullptr;
};

CellEditors CreateCellEditors(CMSFlexGrid* grid);

// Whether a widget is one of the four editors (by control id).
bool IsCellEditor(const QComboBox* box);

}  // namespace qm314
