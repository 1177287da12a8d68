// Start in the Debug Mode dialog against qm314-sim on a pseudo-terminal: the
// window stays live, the radio holds the frames sent, Retry runs it again.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "desktop/debugmode/debug_mode_dlg.h"
#include "desktop/editor/message_box.h"

using namespace qm314;

class DebugModeSimTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  QProcess sim;
  ScriptedMessageBoxes boxes;

  QString StartSim(const QStringList& faults) {
    QStringList args{"--log", dir.filePath("sim.log")};
    if (!faults.isEmpty()) args << "--fault" << faults;
    sim.start(QStringLiteral(QM314_SIM_PATH), args);
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) return {};
    return QString::fromUtf8(sim.readLine()).trimmed();
  }
  QStringList SimLog() {
    QFile log(dir.filePath("sim.log"));
    if (!log.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
  }
  // A loaded machine can make a reply miss its 100 ms; a Retry or two then gets
  // the command through, and the boxes before the last one can only be that.
  static void AllowRetries(ScriptedMessageBoxes& boxes, int n) {
    for (int i = 0; i < n; ++i) boxes.Answer(BoxAnswer::Retry);
  }
  static bool OnlyRetriesBefore(const QStringList& shown, const QString& last) {
    if (shown.isEmpty() || shown.last() != last) return false;
    for (int i = 0; i + 1 < shown.size(); ++i) {
      if (shown[i] != QStringLiteral(" Error had happen ,need try again")) return false;
    }
    return true;
  }
  void Choose(CDebugModeDlg& dlg, int code) {
    auto* tree = dlg.findChild<QTreeWidget*>("m_tree");
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
      if ((*it)->data(0, Qt::UserRole).toInt() == code) tree->setCurrentItem(*it);
    }
  }
  // Low test frequency of PMR446 on both sides, "Squelch Level" at its default.
  void Prepare(CDebugModeDlg& dlg, const QString& device) {
    dlg.SetBandText("PMR 446 BAND");
    dlg.SetPortName(device);
    dlg.show();
    Choose(dlg, 5571);
    Choose(dlg, 5575);
    dlg.findChild<QPushButton*>("m_btDefault")->click();
  }

 private slots:
  void init() {
    boxes.clear();
    QFile::remove(dir.filePath("sim.log"));
  }
  void cleanup() {
    sim.terminate();
    sim.waitForFinished(5000);
  }

  void startSendsTheCommandAndTheRadioHoldsItsFrames() {
    const QString device = StartSim({});
    QVERIFY(!device.isEmpty());
    CDebugModeDlg dlg(boxes);
    Prepare(dlg, device);
    AllowRetries(boxes, 3);
    QSignalSpy done(&dlg, &CDebugModeDlg::StartFinished);
    dlg.findChild<QPushButton*>("m_btStart")->click();
    // The conversation runs beside the event loop, not inside the click.
    QVERIFY(dlg.IsStartRunning());
    QVERIFY(!dlg.findChild<QPushButton*>("m_btStart")->isEnabled());
    QVERIFY(done.wait(10000));
    QCOMPARE(done.at(0).at(0).value<DebugOutcome>(), DebugOutcome::Finished);
    QVERIFY2(OnlyRetriesBefore(boxes.shown(), "Finish successfully!"),
             qPrintable(boxes.shown().join('|')));
    QVERIFY(dlg.findChild<QPushButton*>("m_btStart")->isEnabled());

    const QStringList log = SimLog();
    QVERIFY2(log.contains("debug item 73"), qPrintable(log.join('\n')));
    QVERIFY(log.contains("debug frequencies 25 06 60 44 25 06 60 44"));
    QVERIFY(log.contains("debug tones and value 93 06 93 06 FB 01 01 A0"));
    QVERIFY(log.contains("debug command complete"));
  }

  // The tick shows the test frequency chosen in the tree; a tick chooses the
  // one the radio gets.
  void theTickedTestFrequencyIsTheOneSent() {
    const QString device = StartSim({});
    QVERIFY(!device.isEmpty());
    CDebugModeDlg dlg(boxes);
    Prepare(dlg, device);
    QVERIFY(dlg.findChild<QRadioButton*>("m_rbLow")->isChecked());
    QTest::mouseClick(dlg.findChild<QRadioButton*>("m_rbHigh"), Qt::LeftButton);
    AllowRetries(boxes, 3);
    QSignalSpy done(&dlg, &CDebugModeDlg::StartFinished);
    dlg.findChild<QPushButton*>("m_btStart")->click();
    QVERIFY(done.wait(10000));
    QVERIFY2(SimLog().contains("debug frequencies 75 93 60 44 75 93 60 44"), qPrintable(SimLog().join('\n')));
  }

  // Through a line that puts a stray byte ahead of the wake-up answer, by the
  // keyboard: Enter on Start runs the command, the focus comes back to Start,
  // and Enter runs it again.
  void enterOnStartRepeatsTheCommandOverANoisyLine() {
    const QString device = StartSim({"noise:1"});
    QVERIFY(!device.isEmpty());
    CDebugModeDlg dlg(boxes);
    Prepare(dlg, device);
    QApplication::setActiveWindow(&dlg);
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    auto* start = dlg.findChild<QPushButton*>("m_btStart");
    start->setFocus();
    QSignalSpy done(&dlg, &CDebugModeDlg::StartFinished);
    for (int run = 1; run <= 2; ++run) {
      AllowRetries(boxes, 3);
      QTest::keyClick(dlg.focusWidget(), Qt::Key_Return);
      QVERIFY(done.wait(10000));
      QCOMPARE(done.last().at(0).value<DebugOutcome>(), DebugOutcome::Finished);
      QCOMPARE(dlg.focusWidget(), start);
      QVERIFY2(OnlyRetriesBefore(boxes.shown(), "Finish successfully!"),
               qPrintable(boxes.shown().join('|')));
      QCOMPARE(boxes.shownIcons().last(), BoxIcon::Information);
      boxes.clear();
    }
    QCOMPARE(SimLog().count("debug command complete"), 2);
  }

  void retryAfterAFailedStageSendsTheWholeCommandAgain() {
    const QString device = StartSim({"debug-silent@item"});
    QVERIFY(!device.isEmpty());
    CDebugModeDlg dlg(boxes);
    Prepare(dlg, device);
    AllowRetries(boxes, 3);
    QSignalSpy done(&dlg, &CDebugModeDlg::StartFinished);
    dlg.findChild<QPushButton*>("m_btStart")->click();
    QVERIFY(done.wait(10000));
    QVERIFY(boxes.shown().size() >= 2);
    QVERIFY2(OnlyRetriesBefore(boxes.shown(), "Finish successfully!"),
             qPrintable(boxes.shown().join('|')));
    const QStringList log = SimLog();
    QVERIFY(log.contains("debug fault: silent at item"));
    QVERIFY(log.count("debug wake-up") >= 2);
    QCOMPARE(log.count("debug command complete"), 1);
  }

  void cancelAfterAFailedStageEndsQuietlyAndFreesThePort() {
    const QString device = StartSim({"debug-wrong@tones"});
    QVERIFY(!device.isEmpty());
    CDebugModeDlg dlg(boxes);
    Prepare(dlg, device);
    boxes.Answer(BoxAnswer::Cancel);
    QSignalSpy done(&dlg, &CDebugModeDlg::StartFinished);
    dlg.findChild<QPushButton*>("m_btStart")->click();
    QVERIFY(done.wait(10000));
    QCOMPARE(done.at(0).at(0).value<DebugOutcome>(), DebugOutcome::Cancelled);
    QCOMPARE(boxes.shown(), QStringList{" Error had happen ,need try again"});
    QCOMPARE(boxes.shownIcons(), QList<BoxIcon>{BoxIcon::Error});
    QVERIFY(dlg.isVisible());

    // The port was closed: the next Start opens it again and succeeds.
    boxes.clear();
    AllowRetries(boxes, 3);
    dlg.findChild<QPushButton*>("m_btStart")->click();
    QVERIFY(done.wait(10000));
    QCOMPARE(done.at(1).at(0).value<DebugOutcome>(), DebugOutcome::Finished);
    QVERIFY(OnlyRetriesBefore(boxes.shown(), "Finish successfully!"));
  }
};

QTEST_MAIN(DebugModeSimTest)
#include "debug_mode_sim_test.moc"
