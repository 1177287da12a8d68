// Program › Write To Several Radios against three simulated radios on COM1-COM3,
// driven by keys: a failing radio stays on its own line while the others are
// written and verified, Enter starts the next round, and closing the main
// window in the middle of a round asks, then stops every port before the
// window goes.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>

#include "desktop/app/command_ids.h"
#include "desktop/link/batch_write_dlg.h"
#include "link/posix_serial_port.h"
#include "radio/default_image.h"
#include "transfer_fixture.h"

using namespace qm314;
using namespace qm314::testing;

namespace {

// qm314-sim with three radios, COM1-COM3 leading to them, and the program.
class BatchRig {
 public:
  explicit BatchRig(std::vector<std::string> simArgs) : dir_(e2e::ScratchDir()) {
    simArgs.insert(simArgs.end(), {"--log", dir_ + "/sim.log"});
    sim_ = std::make_unique<e2e::Sim>(simArgs, 3);
    for (int i = 0; i < 3; ++i) qputenv(ComVariable(i), QByteArray::fromStdString(sim_->devices()[i]));
    // A file that encoding changes: channel 1 holds a frequency no list has.
    RadioImage file = DefaultImage();
    file.at(1, 0) = 0x99;
    fileBytes_ = QByteArray(reinterpret_cast<const char*>(file.data()), 1024);
    WriteFile(QString::fromStdString(path("radio.int")), fileBytes_);
    app_ = std::make_unique<AppUnderTest>(QStringList{QString::fromStdString(path("radio.int"))});
  }
  ~BatchRig() {
    app_.reset();
    for (int i = 0; i < 3; ++i) qunsetenv(ComVariable(i));
  }

  AppUnderTest& app() { return *app_; }
  CBatchWriteDlg* dialog() const { return app_->view()->batchDialog(); }
  QTreeWidget* ports() const { return dialog()->findChild<QTreeWidget*>("IDC_PORTS"); }
  QString tally() const { return dialog()->findChild<QLabel*>("IDC_TALLY")->text(); }
  QString state(int row) const { return ports()->topLevelItem(row)->text(2); }
  int writes(int radio) const {
    return e2e::CountLinesStartingWith(dir_ + "/sim-" + std::to_string(radio) + ".log", "write 0x");
  }
  bool portsFree() const {
    for (const std::string& device : sim_->devices()) {
      if (!PosixSerialPort::open(device).port) return false;
    }
    return true;
  }
  std::string path(const char* name) const { return dir_ + "/" + name; }
  const QByteArray& fileBytes() const { return fileBytes_; }

  // Opens the dialog by its menu command and checks COM1-COM3 with the keyboard.
  void openAndChooseThreePorts() {
    app_->frame()->action(command::kProgramWriteSeveral)->trigger();
    QVERIFY(dialog()->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(dialog()));
    // No port or device is cut short ("/dev/ttyUSB3 (not present)" for COM4).
    QStyleOptionViewItem option;
    option.initFrom(ports());
    for (int row = 0; row < ports()->topLevelItemCount(); ++row) {
      for (int column : {0, 1}) {
        const QModelIndex index = ports()->model()->index(row, column);
        QVERIFY2(ports()->itemDelegate()->sizeHint(option, index).width() <= ports()->columnWidth(column),
                 qPrintable(index.data().toString()));
      }
    }
    QCOMPARE(ports()->currentItem()->text(0), QStringLiteral("COM1"));
    for (int row = 0; row < 3; ++row) {
      if (row > 0) QTest::keyClick(ports(), Qt::Key_Down);
      QTest::keyClick(ports(), Qt::Key_Space);
      QCOMPARE(ports()->topLevelItem(row)->checkState(0), Qt::Checked);
    }
  }

 private:
  static const char* ComVariable(int i) {
    static const char* const names[] = {"QM314_COM1", "QM314_COM2", "QM314_COM3"};
    return names[i];
  }
  std::string dir_;
  QByteArray fileBytes_;
  std::unique_ptr<e2e::Sim> sim_;
  std::unique_ptr<AppUnderTest> app_;
};

}  // namespace

class BatchTest : public QObject {
  Q_OBJECT
 private slots:
  void failingRadioStaysOnItsLineAndEnterStartsTheNextRound() {
    BatchRig rig({"--fault", "2:no-ack@40"});
    AppUnderTest& t = rig.app();
    const QStringList row1Before = t.row(1);
    rig.openAndChooseThreePorts();
    // Verify is on unless turned off; the log is turned on and named by keys.
    QVERIFY(rig.dialog()->findChild<QCheckBox*>("IDC_VERIFY")->isChecked());
    for (const char* next : {"IDC_VERIFY", "IDC_WAIT_FOR_RADIO", "IDC_LOG"}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("IDC_LOG_PATH"));
    QTest::keyClicks(QApplication::focusWidget(), QString::fromStdString(rig.path("radios.csv")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(t.view()->IsTransferRunning());
    QVERIFY(!t.frame()->action(kWrite)->isEnabled());

    QTRY_COMPARE_WITH_TIMEOUT(rig.tally(), QStringLiteral("3 writes on 3 ports: 2 written, 2 verified, 1 failed"),
                              90000);
    QCOMPARE(rig.state(0), QStringLiteral("verified"));
    // The radio that stopped half-way says what it holds now.
    QCOMPARE(rig.state(1), QStringLiteral("failed: Error had happen,please try again. The write to the radio did "
                                          "not complete: the radio took 40 of the 123 blocks, so its settings are "
                                          "now a mix of old and new. Writing to the radio again completes them."));
    QCOMPARE(rig.state(2), QStringLiteral("verified"));
    // Nobody was asked anything, and the form is what it was.
    QCOMPARE(t.boxes.shown(), QStringList());
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(t.app().document().image().data()), 1024), rig.fileBytes());
    QCOMPARE(t.row(1), row1Before);
    QVERIFY(!t.app().document().IsModified());
    QCOMPARE(e2e::CountLinesStartingWith(rig.path("radios.csv"), "20"), 3);
    QCOMPARE(e2e::CountLinesStartingWith(rig.path("radios.csv"), "time,port,device,outcome"), 1);

    // Enter without a swap: the same radios again, counted as writes and
    // said to be the same.  Radio 2's fault has struck, so it takes its blocks now.
    QTRY_VERIFY(rig.dialog()->findChild<QPushButton*>("IDC_NEXT")->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(rig.tally(), QStringLiteral("6 writes on 3 ports: 5 written, 5 verified, 1 failed"),
                              90000);
    for (int row = 0; row < 3; ++row) {
      QCOMPARE(rig.state(row), QStringLiteral("verified: the same radio again, by its identification"));
    }
    QCOMPARE(e2e::CountLinesStartingWith(rig.path("radios.csv"), "20"), 6);

    // Escape ends the batch and closes the dialog; every port is free again.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!rig.dialog()->isVisible(), 10000);
    QVERIFY(!t.view()->IsTransferRunning());
    QVERIFY(t.frame()->action(kWrite)->isEnabled());
    QVERIFY(rig.portsFree());
    // The log file is offered again next time.
    QCOMPARE(t.settings().value("BatchWrite/LogFile").toString(), QString::fromStdString(rig.path("radios.csv")));
  }

  void closingTheMainWindowAsksThenStopsEveryPortFirst() {
    BatchRig rig({});
    AppUnderTest& t = rig.app();
    rig.openAndChooseThreePorts();
    QTest::keyClick(rig.dialog()->findChild<QCheckBox*>("IDC_VERIFY"), Qt::Key_Space);
    QTest::keyClick(rig.ports(), Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(std::min({rig.writes(1), rig.writes(2), rig.writes(3)}) >= 20, 30000);
    const int before[] = {rig.writes(1), rig.writes(2), rig.writes(3)};

    // Radios stopped half-way keep mixed settings: the user is asked first.
    t.boxes.Answer(BoxAnswer::Yes);
    t.frame()->close();
    QCOMPARE(t.boxes.shown(),
             QStringList{"Radios are being written on several ports. Stop every port and exit?"});
    // The window waits for the ports.
    QVERIFY(t.frame()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!t.frame()->isVisible(), 10000);
    QVERIFY(rig.portsFree());
    QTest::qWait(200);
    for (int radio = 1; radio <= 3; ++radio) {
      QVERIFY(rig.writes(radio) <= before[radio - 1] + 2);
      QVERIFY(rig.writes(radio) < 123);
    }
    QVERIFY(rig.state(0).startsWith(QStringLiteral("failed: stopped. The write to the radio did not complete: ")));
  }
};

QTEST_MAIN(BatchTest)
#include "gui_batch.moc"
