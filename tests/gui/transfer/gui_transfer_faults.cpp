// Transfers that go wrong: a radio that stops acknowledging, a radio that does
// not answer at all (once in real time, once on a fast silent line with Retry),
// Cancel while a radio has fallen silent, a port that cannot be opened, and
// the program ending mid-transfer.
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "link/pacer.h"
#include "radio/cordy_doc.h"
#include "transfer_fixture.h"

using namespace qm314;
using namespace qm314::testing;

namespace {

const QString kCommunicationError = QString::fromUtf8(
    "Communication Error\xEF\xBC\x8C"
    "Please check all the connections and the radio power");

// A line with nothing on the other end, answering every read at once with
// nothing; counts the wake-up attempts by their purge with abort.
struct SilentLine {
  int wakeUps = 0;
  int opened = 0;
  int closed = 0;
};

class SilentPort final : public SerialPort {
 public:
  explicit SilentPort(SilentLine& line) : line_(line) {}
  void setupComm(std::size_t, std::size_t) override {}
  void setTimeouts(const CommTimeouts&) override {}
  void setLineSettings() override {}
  void purge(unsigned flags) override { line_.wakeUps += flags == 0x0F ? 1 : 0; }
  bool write(const std::uint8_t*, std::size_t) override { return true; }
  bool read(std::uint8_t*, std::size_t, std::size_t& got) override {
    got = 0;
    return true;
  }
  void close() override {
    if (open_) ++line_.closed;
    open_ = false;
  }
  bool isOpen() const override { return open_; }

 private:
  SilentLine& line_;
  bool open_ = true;
};

class NoPauses final : public Pacer {
 public:
  void pause(unsigned) override {}
};

}  // namespace

class TransferFaultTest : public QObject {
  Q_OBJECT
 private:
  static QByteArray documentBytes(AppUnderTest& t) {
    const RadioImage& image = t.app().document().image();
    return QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<int>(image.size()));
  }

 private slots:
  void blockNotAcknowledgedShowsTheErrorAndCloses() {
    {
      TransferRig rig({"--fault", "no-ack@3"});
      AppUnderTest& t = rig.app();
      const QByteArray before = documentBytes(t);
      rig.command(kRead);
      rig.clickStart();
      QVERIFY(rig.waitClosed(30));
      QCOMPARE(t.boxes.shown(), QStringList{"Error had happen,please try again"});
      QCOMPARE(t.boxes.shownButtons(), QList<BoxButtons>{BoxButtons::Ok});
      QCOMPARE(rig.logCount("read 0x"), 4);
      QCOMPARE(documentBytes(t), before);
      QVERIFY(rig.portIsFree());
    }
    // A write whose block goes unacknowledged still fills the bar before closing.
    TransferRig rig({"--fault", "no-ack@5"});
    AppUnderTest& t = rig.app();
    rig.command(kWrite);
    rig.clickStart();
    QVERIFY(rig.waitClosed(30));
    QCOMPARE(t.boxes.shown(),
             (QStringList{"Error had happen,please try again",
                          "The write to the radio did not complete: the radio took 5 of the 123 blocks, so "
                          "its settings are now a mix of old and new. Writing to the radio again completes them."}));
    QCOMPARE(rig.dialog()->progressPos(), 123);
    QCOMPARE(rig.logCount("write 0x"), 6);
    QVERIFY(rig.portIsFree());
  }

  void silentRadioAsksRetryOrCancelAfterFifteenAttemptsInRealTime() {
    TransferRig rig({"--fault", "silent"});
    AppUnderTest& t = rig.app();
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(100);
    QElapsedTimer clock;
    clock.start();
    rig.command(kRead);
    rig.clickStart();
    QVERIFY(QTest::qWaitFor([&] {
      return rig.dialog()->statusText() == QString("Waiting the response from radio....");
    }, 5000));
    QVERIFY(rig.waitClosed(60));
    // Fifteen attempts of two reads of 620 ms each.
    QVERIFY2(clock.elapsed() >= 18000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(ticks >= clock.elapsed() / 100 / 2);
    QCOMPARE(t.boxes.shown(), QStringList{kCommunicationError});
    QCOMPARE(t.boxes.shownButtons(), QList<BoxButtons>{BoxButtons::RetryCancel});
    QCOMPARE(rig.logCount("wake-up clone"), 15);
    QVERIFY(rig.portIsFree());
  }

  void retryStartsFifteenMoreAttemptsOnTheSamePort() {
    TransferRig rig;
    AppUnderTest& t = rig.app();
    SilentLine line;
    t.view()->SetTransferLine(
        [&line](const std::string&) {
          ++line.opened;
          return OpenedPort{std::make_unique<SilentPort>(line), 0, "silent"};
        },
        std::make_shared<NoPauses>());
    t.boxes.Answer(BoxAnswer::Retry);
    t.boxes.Answer(BoxAnswer::Cancel);
    rig.command(kRead);
    rig.clickStart();
    QVERIFY(rig.waitClosed(10));
    QCOMPARE(t.boxes.shown(), (QStringList{kCommunicationError, kCommunicationError}));
    QCOMPARE(line.wakeUps, 30);
    QCOMPARE(line.opened, 1);
    QCOMPARE(line.closed, 1);
  }

  void portThatCannotBeOpenedIsReported() {
    TransferRig rig;
    AppUnderTest& t = rig.app();
    qputenv("QM314_COM3", "/dev/qm314-no-such-port");
    t.frame()->action(32776)->trigger();  // COM3
    rig.command(kWrite);
    rig.clickStart();
    QVERIFY(rig.waitClosed(10));
    qunsetenv("QM314_COM3");
    QCOMPARE(t.boxes.shown(),
             (QStringList{"Could not Open the Port,Please check whether the Port are occupied or "
                          "the device are ok",
                          "The write to the radio did not complete: the radio took none of the 123 blocks, so "
                          "its settings are as they were."}));
    const QString details = t.boxes.shownDetails()[0];
    QVERIFY2(details.startsWith("No such device: /dev/qm314-no-such-port does not exist.") &&
                 details.contains("QM314_COM3"),
             qPrintable(details));
    QCOMPARE(rig.log(), QStringList());
    QVERIFY(t.frame()->action(kRead)->isEnabled());
  }

  void cancelEndsTheWaitForARadioThatFellSilentAtOnce() {
    // The radio does not answer block 5, which the read would wait 6.1 s for.
    TransferRig rig({"--fault", "short:0@5"});
    rig.command(kRead);
    rig.clickStart();
    QVERIFY(QTest::qWaitFor([&] { return rig.logCount("read 0x028") == 1; }, 20000));
    QTest::qWait(300);
    QElapsedTimer clock;
    clock.start();
    rig.clickCancel();
    QVERIFY(rig.waitClosed(10));
    qInfo("Cancel to the dialog closed with its port: %lld ms", clock.elapsed());
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(rig.portIsFree());
    QCOMPARE(rig.app().boxes.shown(), QStringList());
  }

  void programEndingMidTransferStopsItCleanly() {
    TransferRig rig;
    rig.command(kRead);
    rig.clickStart();
    QVERIFY(QTest::qWaitFor([&] { return rig.dialog()->progressPos() >= 2; }, 15000));
    QElapsedTimer clock;
    clock.start();
    rig.endProgram();
    QVERIFY(clock.elapsed() < 3000);
    QVERIFY(rig.portIsFree());
  }
};

QTEST_MAIN(TransferFaultTest)
#include "gui_transfer_faults.moc"
