// Reading and writing the simulated radio through the window: the grid after a
// read, the radio's memory after a write, the dialog's states, Cancel before
// and during a transfer, and closing the window while one runs.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "radio/cordy_doc.h"
#include "transfer_fixture.h"

using namespace qm314;
using namespace qm314::testing;

class TransferTest : public QObject {
  Q_OBJECT
 private:
  static QStringList row(AppUnderTest& t, int r) {
    return {t.cell(r, 1), t.cell(r, 2), t.cell(r, 3), t.cell(r, 4)};
  }
  static QByteArray documentBytes(AppUnderTest& t) {
    const RadioImage& image = t.app().document().image();
    return QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<int>(image.size()));
  }
  static QString writeFile(AppUnderTest& t, const QString& name, const QByteArray& bytes) {
    const QString path = t.path(name);
    return WriteFile(path, bytes) ? path : QString();
  }

 private slots:
  void readFillsGridAndPanelWhileTheWindowStaysLive() {
    QTemporaryDir dir;
    const QString radio = dir.filePath("radio.int");
    QVERIFY(WriteFile(radio, SampleImage()));
    TransferRig rig({"--image", radio.toStdString()});
    AppUnderTest& t = rig.app();
    QVERIFY(t.activate());
    const QString groupA = t.path("groupA.int");
    const QByteArray groupABytes = ImageBytes({{60, QByteArray::fromHex("FB04030AFFFFFFFFFFFFFFFFFFFFFFFF")}});
    QVERIFY(WriteFile(groupA, groupABytes));
    t.files.Answer(groupA);
    t.frame()->action(57601)->trigger();

    rig.command(kRead);
    CTransferDlg* dlg = rig.dialog();
    QCOMPARE(dlg->state(), CTransferDlg::State::Ready);
    QCOMPARE(dlg->windowTitle(), QString("Reading Data Progress"));
    QCOMPARE(dlg->statusText(), QString("   Not start yet"));
    QCOMPARE(dlg->progressPos(), 0);
    // Centred over the grid.
    const QPoint gridCentre = t.grid()->mapToGlobal(t.grid()->rect().center());
    QVERIFY((dlg->geometry().center() - gridCentre).manhattanLength() <= 4);

    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(20);
    // What the radio holds replaces an unsaved edit, which is then no longer owed a save.
    t.app().document().SetModifiedFlag(true);
    rig.clickStart();
    QCOMPARE(dlg->state(), CTransferDlg::State::Running);
    QVERIFY(!rig.button("IDOK")->isEnabled());

    // While blocks move, the event loop turns and the menus open; the two
    // transfer commands are off.
    QVERIFY(QTest::qWaitFor([&] { return dlg->progressPos() >= 20; }, 15000));
    QCOMPARE(dlg->statusText(), QString::number(dlg->progressPos()));
    // Debug Mode would need the port and the radio the transfer is using.
    bool debugOpened = false;
    t.view()->setDebugModeOpener([&](const QString&, const QString&) { debugOpened = true; });
    QApplication::setActiveWindow(t.frame());
    QTest::keyClick(t.frame(), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(!debugOpened);
    QCOMPARE(t.boxes.shown(), QStringList{"Debug Mode cannot open while a radio is being read or "
                                          "written. Please wait until the transfer has ended."});
    t.boxes.clear();
    QMenu* program = t.frame()->findChild<QMenu*>("menuProgram");
    program->popup(t.frame()->mapToGlobal(QPoint(40, 40)));
    QTRY_VERIFY(program->isVisible());
    QVERIFY(!t.frame()->action(kRead)->isEnabled());
    QVERIFY(!t.frame()->action(kWrite)->isEnabled());
    program->hide();
    // Nor can anything change the document the read is about to replace.
    QVERIFY(!t.grid()->isEnabled() && !t.box("m_cbTot")->isEnabled());
    for (int id : {57600, 57601, 57616, 32780, 57637}) QVERIFY2(!t.frame()->action(id)->isEnabled(), qPrintable(QString::number(id)));
    QGuiApplication::clipboard()->setText("1\t05\tOff\tOff\tAdd\n");
    QTest::keyClick(t.frame(), Qt::Key_V, Qt::ControlModifier);
    const int ticksSoFar = ticks;
    QTest::qWait(300);
    QVERIFY2(ticks - ticksSoFar >= 8, qPrintable(QString::number(ticks - ticksSoFar)));
    QCOMPARE(row(t, 1), (QStringList{"", "", "", ""}));  // nothing shown before the end

    QVERIFY(rig.waitClosed(30));
    QCOMPARE(t.boxes.shown(), QStringList());
    QCOMPARE(dlg->progressPos(), 123);
    QCOMPARE(row(t, 1), (QStringList{"02", "01", "Carrier", "Add"}));
    QCOMPARE(row(t, 4), (QStringList{"08", "D023N", "QT/DQT", "Delete"}));
    QCOMPARE(row(t, 16), (QStringList{"", "D154I", "Off", "Add"}));
    QCOMPARE(row(t, 2), (QStringList{"", "", "", ""}));
    QCOMPARE(t.box("m_cbTot")->currentText(), QString("300s"));
    QCOMPARE(t.box("m_cbMoni")->currentText(), QString("Monitor Lock"));
    QCOMPARE(documentBytes(t), SampleImage());
    QVERIFY(!t.app().document().IsModified());
    QVERIFY(t.frame()->action(kRead)->isEnabled());
    QVERIFY(t.frame()->action(kWrite)->isEnabled());
    QCOMPARE(rig.logCount("read 0x"), 128);
    QVERIFY(rig.portIsFree());

    // What the radio gave is no file's: Save asks where to save it.
    QCOMPARE(t.frame()->windowTitle(), QString("Write Data[*] - Trevna QM-314 Programming Software"));
    const QString fromRadio = t.path("from-radio.int");
    t.files.Answer(fromRadio);
    t.frame()->action(57603)->trigger();
    QCOMPARE(ReadFile(fromRadio).size(), 1024);
    QCOMPARE(ReadFile(groupA), groupABytes);
    QCOMPARE(t.frame()->windowTitle(), QString("from-radio.int[*] - Trevna QM-314 Programming Software"));
  }

  void writeSendsTheEncodedGridAndOnlyTheWriteRange() {
    QTemporaryDir dir;
    const QString radio = dir.filePath("radio.int");
    QVERIFY(WriteFile(radio, QByteArray(1024, '\xA5')));
    const QString saved = dir.filePath("saved.int");
    TransferRig rig({"--image", radio.toStdString(), "--save", saved.toStdString()});
    AppUnderTest& t = rig.app();
    QVERIFY(t.activate());
    t.files.Answer(writeFile(t, "sample.int", SampleImage()));
    t.frame()->action(57601)->trigger();
    QCOMPARE(row(t, 1), (QStringList{"02", "01", "Carrier", "Add"}));
    // An edit still open in the grid goes out with the write.
    QTest::mouseClick(t.grid()->viewport(), Qt::LeftButton, {}, t.cellCentre(2, 1));
    QTest::keyClick(t.box("m_cbChannel"), Qt::Key_Down);
    QVERIFY(t.box("m_cbChannel")->isVisible());

    rig.command(kWrite);
    QCOMPARE(row(t, 2), (QStringList{"01", "Off", "Off", "Add"}));
    QCOMPARE(rig.dialog()->windowTitle(), QString("Writing Data Progress"));
    rig.clickStart();
    QVERIFY(rig.waitClosed(30));
    QCOMPARE(t.boxes.shown(), QStringList());
    QCOMPARE(rig.dialog()->progressPos(), 123);
    QCOMPARE(rig.logCount("write 0x"), 123);

    const QByteArray memory = rig.stopAndReadMemory(saved);
    QCOMPARE(memory.size(), 1024);
    QCOMPARE(memory.left(0x3D8), documentBytes(t).left(0x3D8));
    QCOMPARE(memory.mid(0x3D8), QByteArray(40, '\xA5'));
    QCOMPARE(memory.mid(16, 16).toHex().toUpper(), QByteArray("751860447518604470067006F20101FF"));
    // Channel 01, 446.00625 MHz, least significant byte first, on both frequencies.
    QCOMPARE(memory.mid(32, 8).toHex().toUpper(), QByteArray("2506604425066044"));
    QVERIFY(t.app().document().IsModified());  // the edit is still unsaved
  }

  void cancelInReadySendsNothingAndTheNextOpeningStartsAfresh() {
    TransferRig rig;
    rig.command(kRead);
    QCOMPARE(rig.dialog()->state(), CTransferDlg::State::Ready);
    rig.clickCancel();
    QCOMPARE(rig.dialog()->state(), CTransferDlg::State::Closed);
    QTest::qWait(200);
    QCOMPARE(rig.log(), QStringList());

    // Escape is Cancel too.
    rig.command(kWrite);
    QCOMPARE(rig.dialog()->windowTitle(), QString("Writing Data Progress"));
    QTest::keyClick(rig.dialog(), Qt::Key_Escape);
    QCOMPARE(rig.dialog()->state(), CTransferDlg::State::Closed);
    QTest::qWait(200);
    QCOMPARE(rig.log(), QStringList());
    QVERIFY(rig.portIsFree());
  }

  void theFocusedButtonTakesEnterAndSpace() {
    TransferRig rig;
    QVERIFY(rig.app().activate());
    CTransferDlg* dlg = rig.dialog();
    const auto press = [dlg](Qt::Key key) { QTest::keyClick(dlg->focusWidget(), key); };
    // Ready: a user who tabbed to Cancel closes the dialog; nothing reaches the radio.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
      rig.command(kWrite);
      QVERIFY(QTest::qWaitForWindowActive(dlg));
      QCOMPARE(dlg->focusWidget(), rig.button("IDOK"));
      press(Qt::Key_Tab);
      QCOMPARE(dlg->focusWidget(), rig.button("IDCANCEL"));
      press(key);
      QCOMPARE(dlg->state(), CTransferDlg::State::Closed);
    }
    QTest::qWait(200);
    QCOMPARE(rig.log(), QStringList());

    // On Start the key starts; Cancel then has the focus and stops the transfer,
    // but not for an Enter held down since Start.
    const QList<QPair<Qt::Key, Qt::Key>> startThenStop = {
        {Qt::Key_Return, Qt::Key_Return}, {Qt::Key_Space, Qt::Key_Space}, {Qt::Key_Enter, Qt::Key_Escape}};
    for (const auto& [start, stop] : startThenStop) {
      rig.command(kRead);
      QVERIFY(QTest::qWaitForWindowActive(dlg));
      press(start);
      QCOMPARE(dlg->state(), CTransferDlg::State::Running);
      QCOMPARE(dlg->focusWidget(), rig.button("IDCANCEL"));
      QKeyEvent held(QEvent::KeyPress, start, Qt::NoModifier, QString(), true);
      QApplication::sendEvent(dlg->focusWidget(), &held);
      QVERIFY(QTest::qWaitFor([&] { return dlg->progressPos() >= 1; }, 15000));
      press(stop);
      QVERIFY(rig.waitClosed(10));
      QVERIFY(dlg->progressPos() < 123);
      QVERIFY(rig.portIsFree());
    }
    QCOMPARE(rig.app().boxes.shown(), QStringList());
  }

  // By the keys the menu shows: Ctrl+R opens the dialog, Ctrl+W given while it
  // is Ready makes Start write.  Nothing goes to the radio before Start.
  void commandWhileReadyChangesDirectionAndTitleTogether() {
    TransferRig rig;
    CMainFrame* frame = rig.app().frame();
    QApplication::setActiveWindow(frame);
    QTest::keyClick(frame, Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(rig.dialog()->state(), CTransferDlg::State::Ready);
    QCOMPARE(rig.dialog()->windowTitle(), QString("Reading Data Progress"));
    QApplication::setActiveWindow(frame);
    QTest::keyClick(frame, Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(rig.dialog()->state(), CTransferDlg::State::Ready);
    QCOMPARE(rig.dialog()->windowTitle(), QString("Writing Data Progress"));
    QTest::qWait(200);
    QCOMPARE(rig.log(), QStringList());
    rig.clickStart();
    // The direction is fixed now: the read command is off.
    QVERIFY(!rig.app().frame()->action(kRead)->isEnabled());
    rig.command(kRead);
    QCOMPARE(rig.dialog()->windowTitle(), QString("Writing Data Progress"));
    QVERIFY(rig.waitClosed(30));
    QCOMPARE(rig.logCount("write 0x"), 123);
    QCOMPARE(rig.logCount("read 0x"), 0);
  }

  void cancelWhileRunningStopsAfterTheCurrentBlock() {
    QTemporaryDir dir;
    const QString radio = dir.filePath("radio.int");
    QVERIFY(WriteFile(radio, SampleImage()));
    TransferRig rig({"--image", radio.toStdString()});
    AppUnderTest& t = rig.app();
    const QByteArray before = documentBytes(t);
    rig.command(kRead);
    rig.clickStart();
    QVERIFY(QTest::qWaitFor([&] { return rig.dialog()->progressPos() >= 10; }, 15000));
    const int requested = rig.logCount("read 0x");
    rig.clickCancel();
    QVERIFY(rig.waitClosed(10));
    QCOMPARE(t.boxes.shown(), QStringList());
    QVERIFY(rig.portIsFree());
    QTest::qWait(200);
    QVERIFY2(rig.logCount("read 0x") <= requested + 1,
             qPrintable(QStringLiteral("%1 then %2").arg(requested).arg(rig.logCount("read 0x"))));
    // A read that did not finish changes neither the image nor the grid.
    QCOMPARE(documentBytes(t), before);
    QCOMPARE(row(t, 1), (QStringList{"", "", "", ""}));
    QVERIFY(t.frame()->action(kRead)->isEnabled());

    // The next opening is Ready again with a cleared flag, and reads to the end.
    rig.command(kRead);
    QCOMPARE(rig.dialog()->progressPos(), 0);
    QCOMPARE(rig.dialog()->statusText(), QString("   Not start yet"));
    rig.clickStart();
    QVERIFY(rig.waitClosed(30));
    QCOMPARE(row(t, 1), (QStringList{"02", "01", "Carrier", "Add"}));
  }

  void anUnfinishedWriteIsToldAndClosingDuringOneAsksFirst() {
    TransferRig rig;
    AppUnderTest& t = rig.app();
    int blocksBefore = 0;
    const auto unfinished = [&] {
      return QString("The write to the radio did not complete: the radio took %1 of the 123 blocks, so its "
                     "settings are now a mix of old and new. Writing to the radio again completes them.")
          .arg(rig.logCount("write 0x") - blocksBefore);
    };
    const auto startWrite = [&] {
      blocksBefore = rig.logCount("write 0x");
      rig.command(kWrite);
      rig.clickStart();
      return QTest::qWaitFor([&] { return rig.dialog()->progressPos() >= 3; }, 15000);
    };
    QVERIFY(startWrite());
    rig.clickCancel();
    QVERIFY(rig.waitClosed(10));
    QCOMPARE(t.boxes.shown(), QStringList{unfinished()});

    // Closing asks first; No lets the write go on, Yes stops it, then the window closes.
    t.boxes.clear();
    QVERIFY(startWrite());
    const QString question("A write to the radio is running. Stop it and exit?");
    t.boxes.Answer(BoxAnswer::No);
    QVERIFY(!t.frame()->close());
    QCOMPARE(t.boxes.shown(), QStringList{question});
    QCOMPARE(rig.dialog()->state(), CTransferDlg::State::Running);
    t.boxes.Answer(BoxAnswer::Yes);
    t.frame()->action(57665)->trigger();
    QVERIFY(rig.waitClosed(10));
    QTRY_VERIFY(!t.frame()->isVisible());
    QCOMPARE(t.boxes.shown(), (QStringList{question, question, unfinished()}));
    QVERIFY(rig.portIsFree());
  }

  void closingTheWindowDuringATransferCancelsItFirst() {
    TransferRig rig;
    AppUnderTest& t = rig.app();
    rig.command(kRead);
    rig.clickStart();
    QVERIFY(QTest::qWaitFor([&] { return rig.dialog()->progressPos() >= 3; }, 15000));
    QVERIFY(!t.frame()->close());  // refused for now, done once the port is closed
    QVERIFY(rig.waitClosed(10));
    QTRY_VERIFY(!t.frame()->isVisible());
    QVERIFY(rig.portIsFree());
    const int requested = rig.logCount("read 0x");
    QVERIFY(requested < 20);
    QTest::qWait(200);
    QCOMPARE(rig.logCount("read 0x"), requested);
  }
};

QTEST_MAIN(TransferTest)
#include "gui_transfer.moc"
