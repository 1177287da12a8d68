// Verify After Write in the window: the menu item and its setting, and the
// read-back against the simulated radio when the radio holds what was sent,
// when it kept a block wrong, and when it cannot be read back.
#include <QMenu>
#include <QTest>

#include "desktop/app/command_ids.h"
#include "transfer_fixture.h"

using namespace qm314;
using namespace qm314::testing;

namespace {

const QString kNotReceivedEnough = QStringLiteral("not received enough  byte");

// With the item turned on, runs one transfer from Start to the dialog's end.
bool TransferWithVerifyOn(TransferRig& rig, int command) {
  rig.app().frame()->action(command::kProgramVerify)->setChecked(true);
  if (!rig.app().view()->VerifyAfterWrite()) return false;
  rig.command(command);
  rig.clickStart();
  return rig.waitClosed(60);
}

}  // namespace

class VerifyTest : public QObject {
  Q_OBJECT
 private slots:
  void menuItemIsOffByDefaultAndKeptInTheSettings() {
    AppUnderTest t;
    QAction* verify = t.frame()->action(command::kProgramVerify);
    QVERIFY(verify);
    QCOMPARE(verify->text(), QStringLiteral("&Verify After Write"));
    QVERIFY(verify->isCheckable());
    QVERIFY(!verify->isChecked());
    QVERIFY(!t.view()->VerifyAfterWrite());
    const QMenu* program = t.frame()->findChild<QMenu*>("menuProgram");
    QVERIFY(program && program->actions().contains(verify));

    verify->trigger();
    QVERIFY(t.view()->VerifyAfterWrite());
    QCOMPARE(t.settings().value("Settings/VerifyAfterWrite").toBool(), true);

    // The next start of the program finds it on.
    ScriptedMessageBoxes boxes;
    ScriptedFilePrompts files;
    CCordyApp next(CCordyApp::Services{&boxes, &files, &t.settings()});
    QVERIFY(next.InitInstance({}));
    QVERIFY(next.mainFrame()->action(command::kProgramVerify)->isChecked());
    QVERIFY(next.view()->VerifyAfterWrite());

    verify->trigger();
    QVERIFY(!t.view()->VerifyAfterWrite());
    QCOMPARE(t.settings().value("Settings/VerifyAfterWrite").toBool(), false);
  }

  void writeIsReadBackAndConfirmed() {
    TransferRig rig;
    AppUnderTest& t = rig.app();
    QVERIFY(TransferWithVerifyOn(rig, kWrite));
    QCOMPARE(t.boxes.shown(), QStringList{"Verify After Write: the radio holds every byte written "
                                          "(123 blocks, 0x000-0x3D7)."});
    QCOMPARE(t.boxes.shownDetails(), QStringList{QString()});
    QCOMPARE(t.boxes.shownIcons(), QList<BoxIcon>{BoxIcon::Information});
    QCOMPARE(rig.logCount("write 0x"), 123);
    QCOMPARE(rig.logCount("wake-up clone"), 2);
    // The dialog said what it was doing during the read-back.
    QCOMPARE(rig.dialog()->windowTitle(), QStringLiteral("Reading Data Progress"));
    QVERIFY(t.frame()->action(kWrite)->isEnabled());
    QVERIFY(rig.portIsFree());
  }

  void blockTheRadioKeptWrongIsNamed() {
    TransferRig rig({"--fault", "corrupt@60"});
    AppUnderTest& t = rig.app();
    QVERIFY(TransferWithVerifyOn(rig, kWrite));
    QCOMPARE(t.boxes.shown(), QStringList{"Verify After Write: 1 of 123 written blocks differs from "
                                          "what the radio holds:"});
    QCOMPARE(t.boxes.shownDetails(),
             QStringList{"block 60 at 0x1E0-0x1E7: 8 bytes differ; written FF FF FF FF FF FF FF FF, "
                         "radio holds 00 00 00 00 00 00 00 00"});
    QCOMPARE(t.boxes.shownIcons(), QList<BoxIcon>{BoxIcon::Error});
  }

  void readBackThatFailsLeavesTheWriteUnverified() {
    // Block 5's answer comes short, and only a read asks for it.
    TransferRig rig({"--fault", "short:3@5"});
    AppUnderTest& t = rig.app();
    QVERIFY(TransferWithVerifyOn(rig, kWrite));
    QCOMPARE(rig.logCount("write 0x"), 123);
    QCOMPARE(t.boxes.shown(),
             (QStringList{kNotReceivedEnough,
                          "Verify After Write: the radio could not be read back, so the write is "
                          "not verified."}));
    QVERIFY(rig.portIsFree());
  }

  void failedWriteIsNotReadBack() {
    TransferRig rig({"--fault", "no-ack@5"});
    AppUnderTest& t = rig.app();
    QVERIFY(TransferWithVerifyOn(rig, kWrite));
    QCOMPARE(t.boxes.shown(),
             (QStringList{"Error had happen,please try again",
                          "The write to the radio did not complete: the radio took 5 of the 123 blocks, so "
                          "its settings are now a mix of old and new. Writing to the radio again completes them."}));
    QCOMPARE(rig.logCount("wake-up clone"), 1);
  }

  void readIsNeverFollowedByAComparison() {
    TransferRig rig;
    AppUnderTest& t = rig.app();
    QVERIFY(TransferWithVerifyOn(rig, kRead));
    QCOMPARE(t.boxes.shown(), QStringList());
    QCOMPARE(rig.logCount("wake-up clone"), 1);
  }
};

QTEST_MAIN(VerifyTest)
#include "gui_verify.moc"
