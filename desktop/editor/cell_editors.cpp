// Creation of the grid's in-place pick lists.
#include "desktop/editor/cell_editors.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "desktop/editor/cordy_form.h"
#include "desktop/editor/msflexgrid.h"
#include "radio/cell_meanings.h"
#include "radio/code_tables.h"

namespace qm314 {
namespace {

// The dropped list of a Channel or Tones editor shows each item with what it
// stands for ("03   446.03125 MHz"); the item, and so the text a choice
// writes into the cell, stays "03".
class MeaningDelegate : public QStyledItemDelegate {
 public:
  MeaningDelegate(int column, QObject* parent) : QStyledItemDelegate(parent), column_(column) {}

  QString displayText(const QVariant& value, const QLocale& locale) const override {
    const std::string line = ListLine(column_, value.toString().toStdString());
    return line.empty() ? QStyledItemDelegate::displayText(value, locale) : QString::fromStdString(line);
  }

 private:
  int column_;
};

// A Channel or Tones editor: the dropped list is made as wide as its longest
// line when it first drops, since measuring 261 lines at start-up would keep
// the window from showing.
class MeaningBox : public QComboBox {
 public:
  MeaningBox(int column, QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new MeaningDelegate(column, this));
  }

  void showPopup() override {
    if (!widened_) {
      QAbstractItemView* list = view();
      list->setMinimumWidth(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() +
                            2 * list->frameWidth());
      widened_ = true;
    }
    QComboBox::showPopup();
  }

 private:
  bool widened_ = false;
};

// meaningColumn: the grid column whose meanings the list shows, or -1.
QComboBox* MakeEditor(CMSFlexGrid* grid, const char* name, int id, const TextList& items,
                      bool scrollBar, int meaningColumn = -1) {
  QComboBox* box = meaningColumn < 0 ? new QComboBox(grid) : new MeaningBox(meaningColumn, grid);
  box->setObjectName(QString::fromLatin1(name));
  box->setProperty("controlId", id);
  for (const std::string& item : items) box->addItem(QString::fromStdString(item));
  box->view()->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAsNeeded
                                                    : Qt::ScrollBarAlwaysOff);
  box->setGeometry(0, 0, 0, 0);
  box->hide();
  return box;
}

}  // namespace

CellEditors CreateCellEditors(CMSFlexGrid* grid) {
  CellEditors e;
  e.channel = MakeEditor(grid, "m_cbChannel", control_id::kChannelEditor, ChannelEditorItems(), true,
                         ChannelTable::kColChannel);
  e.tone = MakeEditor(grid, "m_cbTone", control_id::kToneEditor, ToneEditorItems(), true, ChannelTable::kColTones);
  e.bclo = MakeEditor(grid, "m_cbBclo", control_id::kBcloEditor, BcloEditorItems(), false);
  e.scan = MakeEditor(grid, "m_cbScan", control_id::kScanEditor, ScanEditorItems(), false);
  return e;
}

bool IsCellEditor(const QComboBox* box) {
  if (!box) return false;
  const int id = box->property("controlId").toInt();
  return id == control_id::kChannelEditor || id == control_id::kToneEditor ||
         id == control_id::kBcloEditor || id == control_id::kScanEditor;
}

}  // namespace qm314
