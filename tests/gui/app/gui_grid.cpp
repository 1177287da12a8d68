// The channel grid through real mouse and key events: its shape, the
// in-place pick lists and the rules that create and delete channels.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QLineEdit>
#include <QTest>

#include "app_fixture.h"

using namespace qm314;
using namespace qm314::testing;

class GridTest : public QObject {
  Q_OBJECT
 private:
  std::unique_ptr<AppUnderTest> t;

  QComboBox* editor(const char* name) { return t->box(name); }
  void keys(QWidget* widget, Qt::Key key, int times) {
    for (int i = 0; i < times; ++i) QTest::keyClick(widget, key);
  }
  // Makes row r a channel through the Channel editor, leaving it closed.
  void makeChannel(int r, int channel) {
    t->click(r, 1);
    keys(editor("m_cbChannel"), Qt::Key_Down, channel);
    QTest::keyClick(editor("m_cbChannel"), Qt::Key_Return);
  }

 private slots:
  void init() {
    t = std::make_unique<AppUnderTest>();
    QVERIFY(t->started());
    QVERIFY(t->activate());
  }
  void cleanup() { t.reset(); }

  void shapeHeadersLabelsAndWidths() {
    CMSFlexGrid* grid = t->grid();
    QCOMPARE(grid->GetRows(), 17L);
    QCOMPARE(grid->GetCols(), 5L);
    QCOMPARE(t->row(0), (QStringList{"Channel", "Tones", "BCLO", "Scan"}));
    QCOMPARE(t->cell(0, 0), QString("CH"));
    for (int r = 1; r <= 16; ++r) QCOMPARE(t->cell(r, 0), QString::number(r));
    for (int r = 1; r <= 16; ++r) QCOMPARE(t->row(r), (QStringList{"", "", "", ""}));

    const long w = grid->GetColWidth(2);
    QVERIFY(w > 0);
    QCOMPARE(grid->GetColWidth(1), w);
    QCOMPARE(grid->GetColWidth(0), static_cast<long>(0.4 * static_cast<double>(w)));
    QCOMPARE(grid->GetColWidth(3), 0L);
    QCOMPARE(grid->GetColWidth(4), static_cast<long>(1.2 * static_cast<double>(w)));
    // Every row and every visible column shows without scrolling.
    QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(grid->verticalScrollBar()->maximum(), 0);

    const auto alignment = [grid](int col) {
      return grid->model()->index(3, col).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    };
    QCOMPARE(alignment(1), Qt::Alignment(Qt::AlignCenter));
    QCOMPARE(alignment(4), Qt::Alignment(Qt::AlignCenter));
    QCOMPARE(alignment(3), Qt::AlignLeft | Qt::AlignVCenter);
  }

  void editorsHoldTheirColumnsItems() {
    QCOMPARE(editor("m_cbChannel")->count(), 9);
    QCOMPARE(editor("m_cbChannel")->itemText(0), QString());
    QCOMPARE(editor("m_cbChannel")->itemText(8), QString("08"));
    QComboBox* tone = editor("m_cbTone");
    QCOMPARE(tone->count(), 261);
    QCOMPARE(tone->itemText(0), QString("Off"));
    QCOMPARE(tone->itemText(38), QString("38"));
    QCOMPARE(tone->itemText(39), QString("69.3"));
    QCOMPARE(tone->itemText(51), QString("D023N"));
    QCOMPARE(tone->itemText(260), QString("D754I"));
    QCOMPARE(editor("m_cbBclo")->count(), 3);
    QCOMPARE(editor("m_cbScan")->itemText(1), QString("Delete"));
    for (const char* name : {"m_cbChannel", "m_cbTone", "m_cbBclo", "m_cbScan"}) {
      QVERIFY(editor(name)->isHidden());
      QCOMPARE(editor(name)->parentWidget(), t->grid());
    }
  }

  void doubleClickNewChannelGivesOffOffAdd() {
    QTest::mouseDClick(t->grid()->viewport(), Qt::LeftButton, {}, t->cellCentre(5, 1));
    QComboBox* channel = editor("m_cbChannel");
    QVERIFY(channel->isVisible());
    QCOMPARE(channel->currentIndex(), 0);
    keys(channel, Qt::Key_Down, 3);
    QCOMPARE(t->row(5), (QStringList{"", "", "", ""}));
    QVERIFY(!t->app().document().IsModified());

    t->click(6, 2);
    QCOMPARE(t->row(5), (QStringList{"03", "Off", "Off", "Add"}));
    QCOMPARE(t->row(6), (QStringList{"", "", "", ""}));
    QVERIFY(channel->isHidden());
    QVERIFY(t->app().document().IsModified());
  }

  void editorIsLaidOverTheCell() {
    makeChannel(4, 1);
    t->click(4, 2);
    QComboBox* tone = editor("m_cbTone");
    QVERIFY(tone->isVisible());
    CMSFlexGrid* grid = t->grid();
    const QPoint cell = grid->viewport()->pos() +
                        QPoint(grid->columnViewportPosition(2), grid->rowViewportPosition(4));
    QCOMPARE(tone->pos(), cell - QPoint(3, 3));
    // It reaches the cell's right edge: no strip of the selection beside it.
    QCOMPARE(tone->x() + tone->width(), cell.x() + grid->columnWidth(2));
    QCOMPARE(tone->y() + tone->height(), cell.y() + grid->rowHeight(4));
  }

  void enterCommitsAndTheCurrentCellStays() {
    makeChannel(9, 8);
    QCOMPARE(t->row(9), (QStringList{"08", "Off", "Off", "Add"}));
    QVERIFY(editor("m_cbChannel")->isHidden());
    QCOMPARE(t->grid()->GetRow(), 9L);
    QCOMPARE(t->grid()->GetCol(), 1L);

    t->click(9, 4);
    QTest::keyClick(editor("m_cbScan"), Qt::Key_Down);
    QTest::keyClick(editor("m_cbScan"), Qt::Key_Enter);
    QCOMPARE(t->cell(9, 4), QString("Delete"));
    QCOMPARE(t->grid()->GetCol(), 4L);
  }

  void enterInTheDroppedListPicksAndCommits() {
    t->click(10, 1);
    QComboBox* channel = editor("m_cbChannel");
    channel->showPopup();
    QAbstractItemView* list = channel->view();
    QTRY_VERIFY(list->isVisible());
    keys(list, Qt::Key_Down, 2);
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_COMPARE(t->row(10), (QStringList{"02", "Off", "Off", "Add"}));
    QVERIFY(channel->isHidden());
    QCOMPARE(t->grid()->GetRow(), 10L);
  }

  void emptyChannelItemDeletesTheRow() {
    makeChannel(5, 3);
    t->click(5, 2);
    keys(editor("m_cbTone"), Qt::Key_Down, 12);
    QTest::keyClick(editor("m_cbTone"), Qt::Key_Return);
    QCOMPARE(t->row(5), (QStringList{"03", "12", "Off", "Add"}));

    // Changing the channel keeps the rest of the row.
    t->click(5, 1);
    QCOMPARE(editor("m_cbChannel")->currentText(), QString("03"));
    keys(editor("m_cbChannel"), Qt::Key_Down, 2);
    QTest::keyClick(editor("m_cbChannel"), Qt::Key_Return);
    QCOMPARE(t->row(5), (QStringList{"05", "12", "Off", "Add"}));

    t->click(5, 1);
    QTest::keyClick(editor("m_cbChannel"), Qt::Key_Home);
    QTest::keyClick(editor("m_cbChannel"), Qt::Key_Return);
    QCOMPARE(t->row(5), (QStringList{"", "", "", ""}));
  }

  void rowWithoutChannelOpensOnlyItsChannelEditor() {
    t->click(7, 2);
    QVERIFY(editor("m_cbTone")->isHidden());
    QCOMPARE(t->frame()->statusBar()->currentMessage(), QString("Please choose a Channel for row 7 first"));
    QTest::mouseDClick(t->grid()->viewport(), Qt::LeftButton, {}, t->cellCentre(8, 4));
    QVERIFY(editor("m_cbScan")->isHidden());
    t->click(8, 1);
    QVERIFY(editor("m_cbChannel")->isVisible());
    QCOMPARE(t->frame()->statusBar()->currentMessage(), QString("Please Click the cell to edit or input data"));
    t->click(8, 4);
    QCOMPARE(t->row(7), (QStringList{"", "", "", ""}));
    QCOMPARE(t->row(8), (QStringList{"", "", "", ""}));
    QVERIFY(!t->app().document().IsModified());
  }

  void aToneNoListHoldsHeadsTheListChosen() {
    makeChannel(1, 1);
    QComboBox* tone = editor("m_cbTone");
    const auto openOnOddTone = [&] {
      t->click(2, 1);
      t->grid()->SetTextMatrix(1, 2, "25.0");
      t->click(1, 2);
      QVERIFY(tone->isVisible());
      QCOMPARE(tone->currentText(), QString("25.0"));
      QCOMPARE(tone->itemText(1), QString("Off"));
    };
    openOnOddTone();
    t->click(2, 2);
    QCOMPARE(t->cell(1, 2), QString("25.0"));
    // Enter on it keeps it...
    openOnOddTone();
    QTest::keyClick(tone, Qt::Key_Return);
    QCOMPARE(t->cell(1, 2), QString("25.0"));
    // ...and "Off" is written when chosen: by the arrow keys, by Delete...
    openOnOddTone();
    QTest::keyClick(tone, Qt::Key_Down);
    QTest::keyClick(tone, Qt::Key_Return);
    QCOMPARE(t->cell(1, 2), QString("Off"));
    openOnOddTone();
    QTest::keyClick(tone, Qt::Key_Delete);
    QCOMPARE(t->cell(1, 2), QString("Off"));
    // ...or by a click on it in the dropped list.
    openOnOddTone();
    tone->showPopup();
    QAbstractItemView* list = tone->view();
    QTRY_VERIFY(list->isVisible());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(1, 0)).center());
    QTRY_VERIFY(!list->isVisible());
    t->click(2, 1);
    QCOMPARE(t->cell(1, 2), QString("Off"));

    // A cell the list holds has the list alone.
    t->click(1, 2);
    QCOMPARE(tone->count(), 261);
    keys(tone, Qt::Key_Down, 39);
    QTest::keyClick(tone, Qt::Key_Return);
    QCOMPARE(t->cell(1, 2), QString("69.3"));
  }

  void mouseButtonsThatOpenAnEditor() {
    makeChannel(3, 1);
    t->click(3, 4, Qt::RightButton);
    QVERIFY(editor("m_cbScan")->isHidden());
    t->click(3, 4, Qt::MiddleButton);
    QVERIFY(editor("m_cbScan")->isVisible());
  }

  void keysOnACellOpenTheEditorAndNeverTouchTheClipboard() {
    QGuiApplication::clipboard()->setText("kept");
    t->grid()->setFocus();
    QCOMPARE(t->grid()->GetCol(), 1L);

    QTest::keyClick(t->grid(), Qt::Key_7);
    QVERIFY(t->boxes.shown().isEmpty());
    QVERIFY(editor("m_cbChannel")->isVisible());
    QTest::keyClick(editor("m_cbChannel"), Qt::Key_Return);
    QVERIFY(editor("m_cbChannel")->isHidden());
    QCOMPARE(t->cell(1, 1), QString("07"));

    QTest::keyClick(t->grid(), Qt::Key_X);
    QCOMPARE(t->boxes.shown(), QStringList{"Please input Number"});
    QVERIFY(editor("m_cbChannel")->isVisible());
    QTest::keyClick(editor("m_cbChannel"), Qt::Key_Return);

    // Enter on the cell opens its editor too.
    QTest::keyClick(t->grid(), Qt::Key_Return);
    QVERIFY(editor("m_cbChannel")->isVisible());
    QTest::keyClick(editor("m_cbChannel"), Qt::Key_Return);

    keys(t->grid(), Qt::Key_Right, 3);
    QCOMPARE(t->grid()->GetCol(), 4L);
    QTest::keyClick(t->grid(), Qt::Key_X);
    QCOMPARE(t->boxes.shown().size(), 1);
    QVERIFY(editor("m_cbScan")->isVisible());
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("kept"));
  }

  void leaveCellComesBeforeEnterCellWithTheCellLeft() {
    QStringList events;
    CMSFlexGrid* grid = t->grid();
    connect(grid, &CMSFlexGrid::LeaveCell, this, [&] {
      events << QString("leave %1,%2").arg(grid->GetRow()).arg(grid->GetCol());
    });
    connect(grid, &CMSFlexGrid::EnterCell, this, [&] {
      events << QString("enter %1,%2").arg(grid->GetRow()).arg(grid->GetCol());
    });
    t->click(4, 2);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    t->click(0, 3);  // a fixed cell never becomes current
    QCOMPARE(events, (QStringList{"leave 1,1", "enter 4,2", "leave 4,2", "enter 5,2"}));
  }

  void newDocumentPanel() {
    const auto text = [this](const char* name) { return t->box(name)->currentText(); };
    QCOMPARE(text("m_cbType"), QString("Trevna QM-314"));
    QCOMPARE(text("m_cbField"), QString("PMR 446 BAND"));
    QCOMPARE(t->box("m_cbField")->count(), 1);
    QCOMPARE(text("m_cbTot"), QString("180s"));
    QCOMPARE(text("m_cbWarning"), QString("Enable"));
    QCOMPARE(t->view()->findChild<QLineEdit*>("m_edPower")->text(), QString("500mW"));
    QCOMPARE(text("m_cbSquelch"), QString("4"));
    QCOMPARE(text("m_cbScanSwitch"), QString("Off"));
    QCOMPARE(text("m_cbMoni"), QString("SQ-Off Momentary"));
    QVERIFY(!t->box("m_cbType")->isEnabled());
    QVERIFY(!t->box("m_cbField")->isEnabled());
    QVERIFY(t->view()->findChild<QLineEdit*>("m_edPower")->isReadOnly());
    for (const char* name : {"m_cbTot", "m_cbWarning", "m_cbSquelch", "m_cbScanSwitch", "m_cbMoni"}) {
      QVERIFY(t->box(name)->isEnabled());
      QVERIFY(!t->box(name)->isEditable());
    }
    QCOMPARE(t->box("m_cbTot")->count(), 11);
    QCOMPARE(t->box("m_cbMoni")->itemText(1), QString("Monitor  Momentary"));
  }

  void panelChoiceMarksTheDocumentModified() {
    QVERIFY(!t->app().document().IsModified());
    QTest::keyClick(t->box("m_cbTot"), Qt::Key_Down);
    QCOMPARE(t->box("m_cbTot")->currentText(), QString("210s"));
    QVERIFY(t->app().document().IsModified());
  }

  void tabOrder() {
    // Tab moves through the grid's cells, then on from the last one.
    t->grid()->setFocus();
    QTest::keyClick(t->grid(), Qt::Key_End, Qt::ControlModifier);
    QStringList order;
    for (int i = 0; i < 7; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{"m_cbTot", "m_cbWarning", "m_cbSquelch", "m_cbMoni",
                                 "m_cbScanSwitch", "m_edPower", "m_Grid"}));
  }

  // A larger window gives its room to the grid, whose columns keep their
  // shaped proportions (BCLO hidden) and whose rows fill it; an open pick list
  // follows its cell.  A smaller one scrolls the form, which keeps its size.
  void theGridTakesTheRoomOfTheWindow() {
    CMainFrame* frame = t->frame();
    CMSFlexGrid* grid = t->grid();
    const QRect gridAtStart = grid->geometry();
    const QPoint totAtStart = t->box("m_cbTot")->pos();
    QList<int> widthsAtStart;
    for (int c = 0; c < 5; ++c) widthsAtStart << grid->columnWidth(c);
    const double viewportAtStart = grid->viewport()->width();
    frame->resize(frame->width() + 200, frame->height() + 100);
    QTRY_COMPARE(grid->size(), gridAtStart.size() + QSize(200, 100));
    QCOMPARE(grid->pos(), gridAtStart.topLeft());
    QCOMPARE(t->box("m_cbTot")->pos(), totAtStart);
    int width = 0;
    for (int c = 0; c < 5; ++c) width += grid->columnWidth(c);
    QCOMPARE(width, grid->viewport()->width());
    int height = 0;
    for (int r = 0; r < 17; ++r) height += grid->rowHeight(r);
    QCOMPARE(height, grid->viewport()->height());
    const double scale = grid->viewport()->width() / viewportAtStart;
    for (int c = 0; c < 5; ++c) {
      QVERIFY2(qAbs(grid->columnWidth(c) - widthsAtStart[c] * scale) <= 1.5, qPrintable(QString::number(c)));
    }
    QVERIFY(scale > 1.3);
    QCOMPARE(grid->columnWidth(3), 0);
    QVERIFY(!grid->horizontalScrollBar()->isVisible() && !grid->verticalScrollBar()->isVisible());

    makeChannel(5, 1);
    t->click(5, 4);
    QComboBox* scan = editor("m_cbScan");
    const auto coversCell = [&] {
      const QRect cell(grid->viewport()->pos() + QPoint(grid->columnViewportPosition(4),
                                                        grid->rowViewportPosition(5)),
                       QSize(grid->columnWidth(4), grid->rowHeight(5)));
      return scan->geometry().contains(cell);
    };
    QVERIFY(scan->isVisible() && coversCell());
    frame->resize(frame->width() - 100, frame->height() - 50);
    QTRY_VERIFY(coversCell());

    auto* area = frame->findChild<QScrollArea*>("formScrollArea");
    frame->resize(300, 250);
    QTRY_VERIFY(area->horizontalScrollBar()->isVisible() && area->verticalScrollBar()->isVisible());
    QCOMPARE(t->view()->size(), t->view()->minimumSize());
    QCOMPARE(grid->geometry(), gridAtStart);
  }

  void hintsFollowThePointer() {
    makeChannel(2, 1);
    QStatusBar* bar = t->frame()->statusBar();
    QTest::mouseMove(t->box("m_cbTot"));
    QCOMPARE(bar->currentMessage(), QString("Please click the CommBox to choose value"));
    QTest::mouseMove(t->grid()->viewport(), t->cellCentre(3, 3));
    QCOMPARE(bar->currentMessage(), QString("Please Click the cell to edit or input data"));
    QTest::mouseMove(t->view()->findChild<QLineEdit*>("m_edPower"));
    QCOMPARE(bar->currentMessage(), QString::fromUtf8("For help\xEF\xBC\x8Cplease press F1"));
    QTest::mouseMove(t->box("m_cbType"));
    QCOMPARE(bar->currentMessage(), QString("Please click the CommBox to choose value"));
    QTest::mouseMove(t->view(), QPoint(5, 5));
    QCOMPARE(bar->currentMessage(), QString::fromUtf8("For help\xEF\xBC\x8Cplease press F1"));
    t->click(2, 2);
    QTest::mouseMove(editor("m_cbTone"));
    QCOMPARE(bar->currentMessage(), QString("Please click the CommBox to choose value"));
  }
};

QTEST_MAIN(GridTest)
#include "gui_grid.moc"
