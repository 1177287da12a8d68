// Command 32778 (Ctrl+Shift+D) in the real main window opens the Debug Mode
// dialog modally with the Field box's band and the chosen port.
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "app_fixture.h"
#include "desktop/debugmode/debug_mode_dlg.h"

using namespace qm314;
using namespace qm314::testing;

class DebugModeAppTest : public QObject {
  Q_OBJECT

 private slots:
  void ctrlShiftDOpensTheDialogForTheBandAndPort() {
    AppUnderTest t;
    QVERIFY(t.started());
    t.frame()->action(32776)->trigger();  // COM3
    QVERIFY(t.activate());

    QString title, port, high;
    bool modal = false;
    QTimer::singleShot(0, [&] {
      auto* dlg = qobject_cast<CDebugModeDlg*>(QApplication::activeModalWidget());
      if (dlg == nullptr) return;
      title = dlg->windowTitle();
      port = dlg->PortName();
      modal = dlg->isModal();
      auto* tree = dlg->findChild<QTreeWidget*>("m_tree");
      tree->setCurrentItem(tree->topLevelItem(0)->child(0));
      high = dlg->findChild<QLineEdit*>("m_edRxFreq")->text();
      dlg->reject();
    });
    QTest::keyClick(t.frame(), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(title, QStringLiteral("Debug Mode"));
    QVERIFY(modal);
    QCOMPARE(port, QStringLiteral("COM3"));
    QCOMPARE(high, QStringLiteral("446.09375"));
    QVERIFY(t.boxes.shown().isEmpty());
  }
};

QTEST_MAIN(DebugModeAppTest)
#include "debug_mode_app_test.moc"
