// The manual behind F1, the recent files in the File menu, and the folders the
// file dialogs start in.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include "desktop/app/file_prompts.h"
#include "desktop/app/help_window.h"
#include "app_fixture.h"

using namespace qm314;
using namespace qm314::testing;

// Acts on the modal dialog of type T once it shows (for at most five seconds):
// the dialogs' own event loops run while the test waits in exec().
template <typename T>
void WhenModal(std::function<void(T*)> act) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, act, ticks = 0]() mutable {
    T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!dialog && ++ticks < 500) return;
    timer->stop();
    timer->deleteLater();
    if (dialog) act(dialog);
  });
  timer->start();
}

class HelpAndFilesTest : public QObject {
  Q_OBJECT
 private:
  std::unique_ptr<AppUnderTest> t;

  QMenu* fileMenu() { return t->frame()->findChild<QMenu*>("menuFile"); }
  // The File menu's recent-file items as shown.
  QStringList recentItems() {
    QStringList items;
    for (QAction* a : fileMenu()->actions()) {
      if (a->isVisible() && a->objectName().startsWith("ID_FILE_MRU_FILE")) items << a->text();
    }
    return items;
  }
  // Opens the File menu and types an item's mnemonic, as a user would.
  void chooseInFileMenu(Qt::Key key) {
    QMenu* menu = fileMenu();
    menu->popup(t->frame()->mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::keyClick(menu, key);
    QTRY_VERIFY(!menu->isVisible());
  }

 private slots:
  void init() {
    t = std::make_unique<AppUnderTest>();
    QVERIFY(t->started());
    QApplication::setActiveWindow(t->frame());
  }
  void cleanup() { t.reset(); }

  void f1ShowsTheManualInItsOwnWindow() {
    QTest::keyClick(t->frame(), Qt::Key_F1);
    auto* help = t->frame()->findChild<HelpWindow*>("HelpWindow");
    QVERIFY(help);
    QTRY_VERIFY(help->isVisible());
    QCOMPARE(help->windowTitle(), QString("QM-314 Programming Software Help"));
    QTextBrowser* browser = help->browser();
    QVERIFY(browser->toPlainText().startsWith("QM-314 Programming Software"));
    for (const char* section : {"Getting started", "Reading and writing a radio", "The channel grid and its keys",
                                "The function settings", "Debug Mode", "Port trouble and the udev rule",
                                "The command line"}) {
      QVERIFY2(browser->toPlainText().contains(section), section);
    }
    // A link of the contents goes to its section; Back and Contents come back.
    browser->setSource(QUrl("#ports"));
    QVERIFY(browser->verticalScrollBar()->value() > 0);
    auto* back = help->findChild<QPushButton*>("helpBack");
    QVERIFY(back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(browser->verticalScrollBar()->value(), 0);

    // Asked again, the one window comes to the front, at its contents.
    QApplication::setActiveWindow(help);
    QTest::keyClick(help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    QApplication::setActiveWindow(t->frame());
    t->frame()->action(57667)->trigger();
    QVERIFY(help->isVisible());
    QCOMPARE(t->frame()->findChildren<HelpWindow*>().size(), 1);
  }

  void recentFilesAreShownAndOpenFromTheMenu() {
    QVERIFY(recentItems().isEmpty());
    const QString a = t->path("a&b.int");
    const QString b = t->path("b.int");
    QVERIFY(WriteFile(a, ImageBytes({{60, QByteArray::fromHex("FB04030AFFFFFFFFFFFFFFFFFFFFFFFF")}})));
    QVERIFY(WriteFile(b, ImageBytes({})));
    QVERIFY(t->app().OpenDocumentFile(a));
    QVERIFY(t->app().OpenDocumentFile(b));
    const QStringList items = recentItems();
    QCOMPARE(items.size(), 2);
    QVERIFY2(items[0].startsWith("&1 ") && items[0].endsWith("b.int"), qPrintable(items[0]));
    QVERIFY2(items[1].startsWith("&2 ") && items[1].endsWith("a&&b.int"), qPrintable(items[1]));
    QCOMPARE(t->box("m_cbTot")->currentText(), QString("Off"));

    chooseInFileMenu(Qt::Key_2);
    QCOMPARE(t->box("m_cbTot")->currentText(), QString("300s"));
    QVERIFY(recentItems()[0].endsWith("a&&b.int"));

    // A file gone since is taken off the list when chosen, with a message.
    QVERIFY(QFile::remove(b));
    chooseInFileMenu(Qt::Key_2);
    QCOMPARE(t->boxes.shown(), QStringList{QDir::toNativeSeparators(b) +
                                           " cannot be found. It has been taken off the list of recent files."});
    QCOMPARE(recentItems().size(), 1);
    QCOMPARE(t->app().recentFiles(), QStringList{a});
    QCOMPARE(t->box("m_cbTot")->currentText(), QString("300s"));
  }

  void aNameTypedWithoutExtensionIsAskedAboutAsTheFileItBecomes() {
    // groupB.int and groupB.csv exist; the user types "groupB" in Save As and
    // in Export Channels and presses Enter.
    for (const char* existing : {"groupB.int", "groupB.csv"}) QVERIFY(WriteFile(t->path(existing), "kept"));
    const auto typeName = [] {
      WhenModal<QFileDialog>([](QFileDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(name);
        name->setText("groupB");
        QTest::keyClick(name, Qt::Key_Return);
      });
    };
    QStringList questions;
    const auto answerYes = [&questions] {
      WhenModal<QMessageBox>([&questions](QMessageBox* box) {
        questions << box->text();
        box->button(QMessageBox::Yes)->click();
      });
    };
    DialogFilePrompts prompts;
    typeName();
    answerYes();
    QCOMPARE(prompts.SaveFileName(t->frame(), t->path("Write Data.int")), t->path("groupB.int"));
    typeName();
    answerYes();
    const QStringList filters{"Channel Rows (*.csv)", "All Files (*)"};
    QCOMPARE(prompts.SaveFileWith(t->frame(), "Export Channels", t->path("Write Data.csv"), filters).path, t->path("groupB.csv"));
    QCOMPARE(questions.size(), 2);
    QVERIFY2(questions[0].startsWith("groupB.int already exists."), qPrintable(questions[0]));
    QVERIFY2(questions[1].startsWith("groupB.csv already exists."), qPrintable(questions[1]));
  }

  void dialogsStartInTheDocumentsFolderElseTheOneUsedLast() {
    const QString started = QDir::currentPath();
    QVERIFY(QDir().mkpath(t->path("radios")));
    QVERIFY(QDir::setCurrent(t->path("radios")));
    // A new document and nothing used yet: the home folder, never the one
    // the program was started from.
    t->frame()->action(57601)->trigger();
    t->frame()->action(57604)->trigger();
    QCOMPARE(t->files.offered(), (QStringList{QDir::homePath(), QDir::homePath() + "/Write Data.int"}));

    QVERIFY(QDir().mkpath(t->path("club")));
    const QString saved = t->path("club/groupA.int");
    t->files.Answer(saved);
    t->frame()->action(57604)->trigger();
    QVERIFY(QFile::exists(saved));
    t->frame()->action(57601)->trigger();
    t->frame()->action(57604)->trigger();
    QCOMPARE(t->files.offered().mid(3), (QStringList{t->path("club"), saved}));

    // A new document: the folder used last, also after a restart.
    t->frame()->action(57600)->trigger();
    t->frame()->action(57604)->trigger();
    QCOMPARE(t->files.offered().last(), t->path("club/Write Data.int"));
    AppUnderTest again({}, t->path("settings.ini"));
    again.frame()->action(57601)->trigger();
    QCOMPARE(again.files.offered(), QStringList{t->path("club")});
    QVERIFY(QDir::setCurrent(started));
  }
};

QTEST_MAIN(HelpAndFilesTest)
#include "gui_help_and_files.moc"
