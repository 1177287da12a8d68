// Editing from the keyboard and the Edit menu through the real window: undo
// and redo back to the bytes of the file opened, the modified mark following
// them, rows pasted from a spreadsheet or refused whole, and the grid's keys.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTest>
#include <QUndoStack>

#include "app_fixture.h"
#include "radio/codec.h"

using namespace qm314;
using namespace qm314::testing;

namespace {

constexpr int kSaveAs = 57604;
constexpr int kUndo = 57643;
constexpr int kRedo = 57644;
constexpr int kPaste = 57637;
constexpr int kCopy = 57634;
constexpr int kImportChannels = 32780;

// A key by name ("Return", "Ctrl+End") or a single character typed.
void Press(const QString& token) {
  QWidget* to = QApplication::focusWidget();
  QVERIFY2(to, qPrintable(token));
  if (token.size() == 1) {
    QTest::keyClick(to, token.at(0).toLatin1());
    return;
  }
  const QKeySequence sequence(token);
  const QKeyCombination key = sequence[0];
  QTest::keyClick(to, key.key(), key.keyboardModifiers());
}

void PressAll(const QString& tokens) {
  for (const QString& token : tokens.split(QLatin1Char(' '), Qt::SkipEmptyParts)) Press(token);
}

}  // namespace

class EditingTest : public QObject {
  Q_OBJECT
 private:
  std::unique_ptr<AppUnderTest> t;

  QAction* action(int id) { return t->frame()->action(id); }
  QString actionText(int id) { return action(id)->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0); }
  bool modified() { return t->app().document().IsModified(); }
  void clickLabel(int row, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(t->grid()->viewport(), Qt::LeftButton, modifiers, t->cellCentre(row, 0));
  }
  bool anEditorIsOpen() {
    for (const char* name : {"m_cbChannel", "m_cbTone", "m_cbBclo", "m_cbScan"}) {
      if (t->box(name)->isVisible()) return true;
    }
    return false;
  }
  // Rows 1 and 2 hold channels; the history starts after them.
  void twoChannels() {
    ChannelTable table = t->grid()->table();
    const char* rows[][4] = {{"03", "05", "Off", "Add"}, {"08", "D023I", "Off", "Add"}};
    for (int row = 1; row <= 2; ++row)
      for (int col = 1; col <= 4; ++col) table.setText(row, col, rows[row - 1][col - 1]);
    t->view()->ApplyChannelTable(table);
    t->view()->undoStack()->clear();
  }
  QString saveAs(const QString& name) {
    t->files.Answer(t->path(name));
    action(kSaveAs)->trigger();
    return t->path(name);
  }
  void undoAll() {
    while (action(kUndo)->isEnabled()) Press("Ctrl+Z");
  }

 private slots:
  void init() {
    t = std::make_unique<AppUnderTest>();
    QVERIFY(t->started());
    QVERIFY(t->activate());
  }
  void cleanup() { t.reset(); }

  void undoToTheFileOpenedAndRedoToTheFileEdited() {
    // The file opened is one the program saved, so it is what a save of the
    // same contents writes.
    QVERIFY(WriteFile(t->path("raw.int"), ImageBytes({{1, QByteArray::fromHex("751860447518604470067006F20101FF")},
                                                      {2, QByteArray::fromHex("759360447593604423802380E10101FF")}})));
    QVERIFY(t->app().OpenDocumentFile(t->path("raw.int")));
    const QByteArray opened = ReadFile(saveAs("opened.int"));
    QVERIFY(t->app().OpenDocumentFile(t->path("opened.int")));
    QVERIFY(!action(kUndo)->isEnabled());

    t->click(3, 1);
    PressAll("3 Return");
    QCOMPARE(actionText(kUndo), QString("Undo Channel in row 3"));
    t->click(3, 2);
    PressAll("1 2 Return");
    QTest::keyClick(t->box("m_cbSquelch"), Qt::Key_Down);
    QCOMPARE(actionText(kUndo), QString("Undo Squelch Level"));
    clickLabel(1);
    clickLabel(2, Qt::ShiftModifier);
    Press("Ctrl+C");
    clickLabel(10);
    Press("Ctrl+V");
    QCOMPARE(actionText(kUndo), QString("Undo Paste in rows 10 to 11"));
    clickLabel(1);
    Press("Delete");
    QCOMPARE(t->row(1), (QStringList{"", "", "", ""}));
    QVERIFY(WriteFile(t->path("plan.csv"), "CH,Channel,Tones,BCLO,Scan\n16,05,D754I,Carrier,Delete\n"));
    t->files.Answer(t->path("plan.csv"));
    action(kImportChannels)->trigger();
    QCOMPARE(actionText(kUndo), QString("Undo Import Channels"));
    const QByteArray edited = ReadFile(saveAs("edited.int"));
    QVERIFY(edited != opened);

    undoAll();
    QCOMPARE(actionText(kRedo), QString("Redo Channel in row 3"));
    QCOMPARE(ReadFile(saveAs("undone.int")), opened);
    while (action(kRedo)->isEnabled()) Press("Ctrl+Shift+Z");
    QCOMPARE(actionText(kUndo), QString("Undo Import Channels"));
    QCOMPARE(ReadFile(saveAs("redone.int")), edited);
  }

  void theModifiedMarkFollowsTheSavedState() {
    const QString file = saveAs("saved.int");
    const auto marked = [this] { return t->frame()->isWindowModified(); };
    QVERIFY(!modified() && !marked());
    t->click(4, 1);
    PressAll("4 Return");
    QVERIFY(modified() && marked());
    Press("Ctrl+Z");
    QVERIFY(!modified() && !marked());
    Press("Ctrl+Y");
    Press("Ctrl+S");
    QVERIFY(!modified());
    Press("Ctrl+Z");
    QVERIFY(modified() && marked());
    Press("Ctrl+Y");
    QVERIFY(!modified() && !marked());
    // Back at the state saved, nothing is left to ask about.
    Press("Ctrl+Z");
    Press("Ctrl+Y");
    action(57600)->trigger();
    QVERIFY(t->boxes.shown().isEmpty());
    QVERIFY(!action(kUndo)->isEnabled() && !action(kRedo)->isEnabled());
    QCOMPARE(t->row(4), (QStringList{"", "", "", ""}));
    QCOMPARE(ReadFile(file).mid(4 * 16, 4), QByteArray::fromHex("75436044"));
  }

  void aSpreadsheetBlockPastesAsOneStep() {
    twoChannels();
    QVERIFY(!action(kCopy)->isEnabled());
    QGuiApplication::clipboard()->setText(
        "CH\tChannel\tTones\tBCLO\tScan\r\n1\t2\t5\tCarrier\tDelete\r\n2\t\t\t\t\r\n3\t08\tD754I\tOff\tAdd\r\n");
    clickLabel(14);
    QVERIFY(action(kCopy)->isEnabled() && action(kPaste)->isEnabled());
    Press("Ctrl+V");
    QVERIFY(t->boxes.shown().isEmpty());
    QCOMPARE(t->row(14), (QStringList{"02", "05", "Carrier", "Delete"}));
    QCOMPARE(t->row(15), (QStringList{"", "", "", ""}));
    QCOMPARE(t->row(16), (QStringList{"08", "D754I", "Off", "Add"}));
    QCOMPARE(t->grid()->SelectedRows(), (QList<int>{14, 15, 16}));
    QVERIFY(modified());

    // Ctrl+click picks rows apart; copied, they paste back in the same order.
    clickLabel(16);
    clickLabel(1, Qt::ControlModifier);
    QCOMPARE(t->grid()->SelectedRows(), (QList<int>{1, 16}));
    Press("Ctrl+X");
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QString("CH\tChannel\tTones\tBCLO\tScan\n1\t03\t05\tOff\tAdd\n16\t08\tD754I\tOff\tAdd\n"));
    QCOMPARE(t->row(1), (QStringList{"", "", "", ""}));
    QCOMPARE(actionText(kUndo), QString("Undo Cut of rows 1 and 16"));
    t->grid()->setCurrentIndex(t->grid()->model()->index(5, 2));
    Press("Ctrl+V");
    QCOMPARE(t->row(5), (QStringList{"03", "05", "Off", "Add"}));
    QCOMPARE(t->row(6), (QStringList{"08", "D754I", "Off", "Add"}));
    Press("Ctrl+A");
    QCOMPARE(t->grid()->SelectedRows().size(), 16);
  }

  void pasteOverSelectedRowsStartsAtTheFirst() {
    QGuiApplication::clipboard()->setText("1\t05\tD023N\tOff\tDelete\n");
    clickLabel(3);
    clickLabel(5, Qt::ShiftModifier);
    Press("Ctrl+V");
    QCOMPARE(t->row(3), (QStringList{"05", "D023N", "Off", "Delete"}));
    QCOMPARE(t->row(4), (QStringList{"", "", "", ""}));
    QCOMPARE(t->row(5), (QStringList{"", "", "", ""}));
    QCOMPARE(actionText(kUndo), QString("Undo Paste in row 3"));
  }

  // Paste looks at what kind of data the clipboard holds, and reads it only
  // when pressed; past 1 MiB the text is refused at once.
  void theClipboardIsReadOnlyByPasteAndNotPastOneMebibyte() {
    struct CountedReads : QMimeData {
      mutable int reads = 0;
      QVariant retrieveData(const QString& type, QMetaType meta) const override {
        ++reads;
        return QMimeData::retrieveData(type, meta);
      }
    };
    QByteArray rows;
    while (rows.size() <= 1048576) rows += "3\t01\tOff\tOff\tAdd\n";
    auto* data = new CountedReads;
    data->setText(QString::fromLatin1(rows));
    QGuiApplication::clipboard()->setMimeData(data);
    QVERIFY(action(kPaste)->isEnabled());
    QCOMPARE(data->reads, 0);
    clickLabel(3);
    Press("Ctrl+V");
    QCOMPARE(t->boxes.shown(), QStringList{"The clipboard: it is larger than 1024 KiB, far more than channel "
                                           "rows take. The channels are unchanged."});
    QCOMPARE(t->row(3), (QStringList{"", "", "", ""}));
  }

  void aRefusedPasteChangesNothing() {
    twoChannels();
    const ChannelTable before = t->grid()->table();
    const struct {
      const char* text;
      int row;
      const char* message;
    } refused[] = {
        {"1\t03\tOff\tOff\tAdd\n2\t05\t88,5\tOff\tAdd\n", 6,
         "The clipboard, line 2, row 7, column Tones: \"88,5\" is not a text the channel grid can hold. "
         "The channels are unchanged."},
        {"1\t01\tOff\tOff\tAdd\n2\t02\tOff\tOff\tAdd\n", 16,
         "The clipboard, line 2: 2 rows pasted from row 16 would end at row 17, past row 16, the last "
         "channel row. The channels are unchanged."},
    };
    for (const auto& paste : refused) {
      QGuiApplication::clipboard()->setText(paste.text);
      clickLabel(paste.row);
      const qsizetype boxes = t->boxes.shown().size();
      Press("Ctrl+V");
      QCOMPARE(t->boxes.shown().mid(boxes), QStringList{paste.message});
      QVERIFY(t->grid()->table() == before);
      QVERIFY(!modified());
      QVERIFY(!action(kUndo)->isEnabled());
    }
  }

  void theGridsKeys_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("cells");  // the row's four cells after the keys
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("message");  // a box shown, or the status bar's text
    const QString row1 = "03|05|Off|Add";
    const QString row2 = "08|D023I|Off|Add";
    const QString none = "|||";
    // Moving, with no editor open: the hidden BCLO column is never current.
    QTest::newRow("arrows") << "1,1" << "Right Right Down" << 1 << row1 << "2,4" << false << "";
    QTest::newRow("edges hold") << "1,1" << "Left Up" << 1 << row1 << "1,1" << false << "";
    QTest::newRow("Home, End") << "2,2" << "End" << 2 << row2 << "2,4" << false << "";
    QTest::newRow("Ctrl+End, Ctrl+Home") << "2,2" << "Ctrl+End Home" << 16 << none << "16,1" << false << "";
    QTest::newRow("Tab runs on") << "1,2" << "Tab Tab" << 1 << row1 << "2,1" << false << "";
    QTest::newRow("Shift+Tab runs back") << "2,1" << "Shift+Tab" << 1 << row1 << "1,4" << false << "";
    // Opening, writing and dropping a choice.
    QTest::newRow("F2, Escape") << "1,1" << "F2 Down Down Escape" << 1 << row1 << "1,1" << false << "";
    QTest::newRow("Enter, Enter") << "1,1" << "Return Down Return" << 1 << "04|05|Off|Add" << "1,1" << false << "";
    QTest::newRow("digit stays open") << "1,2" << "3" << 1 << row1 << "1,2" << true << "";
    QTest::newRow("7 is 07") << "1,1" << "7 Return" << 1 << "07|05|Off|Add" << "1,1" << false << "";
    QTest::newRow("new channel") << "4,1" << "2 Return" << 4 << "02|Off|Off|Add" << "4,1" << false << "";
    QTest::newRow("1 2 is 12") << "1,2" << "1 2 Return" << 1 << "03|12|Off|Add" << "1,2" << false << "";
    QTest::newRow("no fit starts anew") << "1,1" << "1 2 Return" << 1 << "02|05|Off|Add" << "1,1" << false << "";
    QTest::newRow("D 0 2 3") << "1,2" << "D 0 2 3 Return" << 1 << "03|D023N|Off|Add" << "1,2" << false << "";
    QTest::newRow("Backspace") << "1,2" << "1 2 Backspace Return" << 1 << "03|01|Off|Add" << "1,2" << false << "";
    QTest::newRow("Tab writes") << "1,1" << "5 Tab" << 1 << "05|05|Off|Add" << "1,2" << false << "";
    QTest::newRow("Shift+Tab writes") << "2,2" << "3 Shift+Tab" << 2 << "08|03|Off|Add" << "2,1" << false << "";
    QTest::newRow("letter on Scan") << "2,4" << "d Return" << 2 << "08|D023I|Off|Delete" << "2,4" << false << "";
    // Delete.
    QTest::newRow("Delete on Channel") << "2,1" << "Delete" << 2 << none << "2,1" << false << "";
    QTest::newRow("Delete on Tones") << "2,2" << "Delete" << 2 << "08|Off|Off|Add" << "2,2" << false << "";
    QTest::newRow("Delete in the editor") << "1,2" << "F2 Down Delete" << 1 << "03|Off|Off|Add" << "1,2" << false << "";
    // A row without a Channel, and keys that are no number.
    QTest::newRow("no Channel, F2") << "5,2" << "F2" << 5 << none << "5,2" << false
                                    << "Please choose a Channel for row 5 first";
    QTest::newRow("no Channel, typed") << "6,4" << "a" << 6 << none << "6,4" << false
                                       << "Please choose a Channel for row 6 first";
    QTest::newRow("letter on Channel") << "1,1" << "x Escape" << 1 << row1 << "1,1" << false << "Please input Number";
    QTest::newRow("clipboard keys on a cell") << "1,1" << "Ctrl+C Ctrl+X" << 1 << row1 << "1,1" << false << "";
  }

  void theGridsKeys() {
    QFETCH(QString, start);
    QFETCH(QString, keys);
    QFETCH(int, row);
    QFETCH(QString, cells);
    QFETCH(QString, current);
    QFETCH(bool, open);
    QFETCH(QString, message);
    twoChannels();
    QGuiApplication::clipboard()->setText("kept");
    t->grid()->setCurrentIndex(t->grid()->model()->index(start.section(',', 0, 0).toInt(), start.section(',', 1).toInt()));
    t->grid()->setFocus();
    t->frame()->statusBar()->clearMessage();

    PressAll(keys);
    QCOMPARE(t->row(row).join('|'), cells);
    QCOMPARE(QString("%1,%2").arg(t->grid()->GetRow()).arg(t->grid()->GetCol()), current);
    QCOMPARE(anEditorIsOpen(), open);
    if (!message.isEmpty()) {
      QVERIFY2(t->boxes.shown().contains(message) || t->frame()->statusBar()->currentMessage() == message,
               qPrintable(t->frame()->statusBar()->currentMessage()));
    }
    // A key on a cell never touches the clipboard.
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("kept"));
  }

  void thePlanInPlainSight() {
    twoChannels();
    const auto tip = [this](int row, int col) {
      return t->grid()->model()->index(row, col).data(Qt::ToolTipRole).toString();
    };
    QCOMPARE(tip(1, 1), QString("03: 446.03125 MHz"));
    QCOMPARE(tip(2, 2), QString("D023I: DCS 023, inverted"));
    QCOMPARE(tip(0, 1), QString());
    // The list shows what each item stands for; a choice writes the item alone.
    QComboBox* channel = t->box("m_cbChannel");
    const auto* lines = qobject_cast<QStyledItemDelegate*>(channel->itemDelegate());
    QVERIFY(lines);
    QCOMPARE(lines->displayText(channel->itemText(3), QLocale()), QString("03   446.03125 MHz"));
    QCOMPARE(lines->displayText(channel->itemText(0), QLocale()), QString());
    t->click(4, 1);
    PressAll("3 Return");
    QCOMPARE(t->cell(4, 1), QString("03"));
    // Dropped, the list is wide enough for its longest line.
    t->click(4, 1);
    if (!channel->view()->isVisible()) QTest::keyClick(channel, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(channel->view()->isVisible());
    QVERIFY(channel->view()->width() >= channel->view()->sizeHintForColumn(0));
    QCOMPARE(channel->view()->font(), t->grid()->font());
    QCOMPARE(channel->font(), t->grid()->font());
  }
};

QTEST_MAIN(EditingTest)
#include "gui_editing.moc"
