// The main frame: menus, toolbar, status bar, the Port menu's check mark,
// the save question before New, Open and Exit, the command line and drops.
#include <QComboBox>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QUrl>
#include <QWindow>

#include "desktop/app/aboutdlg.h"
#include "desktop/app/command_ids.h"
#include "app_fixture.h"
#include "desktop/link/transfer_dlg.h"

using namespace qm314;
using namespace qm314::testing;

namespace {

// What a menu shows: its visible items, "-" for a separator.
QStringList Texts(const QList<QAction*>& actions) {
  QStringList texts;
  for (QAction* a : actions) {
    if (a->isVisible()) texts << (a->isSeparator() ? QString("-") : a->text());
  }
  return texts;
}

QStringList CheckedPorts(CMainFrame* frame) {
  QStringList checked;
  for (int id : {32773, 32775, 32776, 32777}) {
    if (frame->action(id)->isChecked()) checked << frame->action(id)->objectName();
  }
  return checked;
}

}  // namespace

class FrameTest : public QObject {
  Q_OBJECT
 private:
  std::unique_ptr<AppUnderTest> t;

  void trigger(int id) { t->frame()->action(id)->trigger(); }
  // An edit the user made in the panel.
  void editTot() { QTest::keyClick(t->box("m_cbTot"), Qt::Key_Down); }
  QString tot() { return t->box("m_cbTot")->currentText(); }

 private slots:
  void init() {
    t = std::make_unique<AppUnderTest>();
    QVERIFY(t->started());
  }
  void cleanup() { t.reset(); }

  void menusInOrderWithSeparators() {
    const QList<QAction*> menus = t->frame()->menuBar()->actions();
    QCOMPARE(Texts(menus), (QStringList{"&File", "&Edit", "&Program", "P&ort", "&View", "&Help"}));
    QCOMPARE(Texts(menus[0]->menu()->actions()),
             (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-",
                          "&Import Channels...", "&Export Channels...", "-", "&Print...\tCtrl+P",
                          "Print Pre&view", "Print &Channel Plan...", "Channel Plan Previe&w", "P&rint Setup...",
                          "-", "E&xit"}));
    QCOMPARE(Texts(menus[1]->menu()->actions()),
             (QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
                          "&Paste\tCtrl+V", "&Delete\tDel", "-", "Select &All\tCtrl+A"}));
    QCOMPARE(Texts(menus[2]->menu()->actions()),
             (QStringList{"&Read From Radio\tCtrl+R", "-", "&Write To Radio\tCtrl+W",
                          "Write To &Several Radios...", "-", "&Verify After Write"}));
    QCOMPARE(Texts(menus[3]->menu()->actions()),
             (QStringList{"COM1(&P)", "COM2(&Q)", "COM3(&S)", "COM4(&T)"}));
    QCOMPARE(Texts(menus[4]->menu()->actions()), (QStringList{"&Toolbar", "&Status Bar"}));
    QCOMPARE(Texts(menus[5]->menu()->actions()),
             (QStringList{"&Contents\tF1", "-", "&About QM-314..."}));

    QList<int> ids;
    for (QAction* a : menus[0]->menu()->actions()) {
      if (!a->isSeparator() && a->isVisible()) ids << a->data().toInt();
    }
    QCOMPARE(ids, (QList<int>{57600, 57601, 57603, 57604, 32780, 32781, 57607, 57609, 32783, 32784, 57606, 57665}));
    QCOMPARE(t->frame()->action(32771)->objectName(), QString("ID_PROGRAM_READ"));
    QCOMPARE(t->frame()->action(32772)->objectName(), QString("ID_PROGRAM_WRITE"));
    QCOMPARE(t->frame()->action(32782)->objectName(), QString("ID_PROGRAM_WRITE_SEVERAL"));
  }

  void theMenusShortcutsAreBound() {
    QCOMPARE(t->frame()->action(57600)->shortcut(), QKeySequence("Ctrl+N"));
    QCOMPARE(t->frame()->action(57601)->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(t->frame()->action(57603)->shortcut(), QKeySequence("Ctrl+S"));
    QCOMPARE(t->frame()->action(57607)->shortcut(), QKeySequence("Ctrl+P"));
    QCOMPARE(t->frame()->action(32771)->shortcut(), QKeySequence("Ctrl+R"));
    QCOMPARE(t->frame()->action(32772)->shortcut(), QKeySequence("Ctrl+W"));
    for (int id : {32773, 32775, 32776, 32777, 57604, 57609}) {
      QVERIFY2(t->frame()->action(id)->shortcut().isEmpty(), qPrintable(QString::number(id)));
    }
  }

  // Beside the CAP, NUM and SCRL panes of a window at its opening size.
  void everyMenuPromptFitsTheStatusBar() {
    QStatusBar* bar = t->frame()->statusBar();
    int room = bar->width();
    for (QLabel* pane : bar->findChildren<QLabel*>()) {
      if (pane->objectName().startsWith("indicator")) room = qMin(room, pane->x());
    }
    const QFontMetrics metrics(bar->font());
    for (QAction* menu : t->frame()->menuBar()->actions()) {
      for (QAction* item : menu->menu()->actions()) {
        if (item->isSeparator()) continue;
        QVERIFY2(metrics.horizontalAdvance(item->statusTip()) < room - 8, qPrintable(item->statusTip()));
      }
    }
  }

  void toolbarOrderAndStatusPanes() {
    QToolBar* bar = t->frame()->findChild<QToolBar*>("toolBar");
    QVERIFY(bar);
    QStringList names;
    for (QAction* a : bar->actions()) names << (a->isSeparator() ? QString("-") : a->objectName());
    QCOMPARE(names, (QStringList{"ID_FILE_NEW", "ID_FILE_OPEN", "ID_FILE_SAVE", "-",
                                 "ID_PROGRAM_READ", "ID_PROGRAM_WRITE", "-", "ID_FILE_PRINT",
                                 "ID_APP_ABOUT"}));
    for (QAction* a : bar->actions()) QVERIFY(a->isSeparator() || !a->icon().isNull());
    QCOMPARE(bar->iconSize(), QSize(18, 18));

    QStringList panes;
    for (QLabel* pane : t->frame()->statusBar()->findChildren<QLabel*>()) {
      if (pane->objectName().startsWith("indicator")) panes << pane->text();
    }
    QCOMPARE(panes, (QStringList{"CAP", "NUM", "SCRL"}));
    QCOMPARE(t->frame()->action(32771)->statusTip(), QString("Read Data From Radio"));
    QCOMPARE(t->frame()->action(32771)->toolTip(), QString("Read"));
    QCOMPARE(t->frame()->action(32772)->statusTip(), QString("Write Data to Radio "));
  }

  void shownCentredAndShrunkToTheFormAtTheFirstStart() {
    CMainFrame* frame = t->frame();
    QVERIFY(frame->isVisible());
    QVERIFY(frame->width() < 800 && frame->height() < 1100);
    QVERIFY(frame->width() >= t->view()->width());
    const QPoint screenCentre = frame->screen()->availableGeometry().center();
    QVERIFY((frame->frameGeometry().center() - screenCentre).manhattanLength() <= 2);
    // Shown again (after a minimise), it stays where the user put it.
    frame->move(10, 20);
    frame->hide();
    frame->show();
    QCOMPARE(frame->pos(), QPoint(10, 20));
  }

  void theWindowComesBackAsItWasClosed() {
    CMainFrame* frame = t->frame();
    frame->setGeometry(QRect(30, 40, frame->width() + 120, frame->height() + 60));
    const QRect placed = frame->geometry();
    trigger(57665);
    QVERIFY(!frame->isVisible());
    AppUnderTest again({}, t->path("settings.ini"));
    QCOMPARE(again.frame()->geometry(), placed);
    // New and Open no longer shrink a window the user has sized.
    again.frame()->action(57600)->trigger();
    QCOMPARE(again.frame()->geometry(), placed);
  }

  // The settings live in ~/.config/qm314/; what an earlier version kept under
  // the original's key is read once.
  void settingsAreReadFromTheOldPlaceOnce() {
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    const QString earlier = config.filePath("radios/groupA.int");
    {
      QSettings old("Local AppWizard-Generated Applications", "Trevna Electronics Programming Software");
      old.setValue("Settings/VerifyAfterWrite", true);
      old.setValue("Recent File List/File1", earlier);
    }
    const auto start = [this] {
      auto app = std::make_unique<CCordyApp>(CCordyApp::Services{&t->boxes, &t->files});
      return app->InitInstance({}) ? std::move(app) : nullptr;
    };
    {
      const std::unique_ptr<CCordyApp> app = start();
      QVERIFY(app);
      QVERIFY(app->mainFrame()->action(32779)->isChecked());
      QCOMPARE(app->recentFiles(), QStringList{earlier});
      app->mainFrame()->action(32779)->trigger();
    }
    QVERIFY(QFile::exists(config.filePath("qm314/qm314.conf")));
    const std::unique_ptr<CCordyApp> again = start();
    QVERIFY(!again->mainFrame()->action(32779)->isChecked());
  }

  void aboutBox() {
    CAboutDlg about(t->frame());
    QCOMPARE(about.windowTitle(), QString("About QM-314"));
    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
    QVERIFY(texts.contains("Trevna Communication Software"));
    QPushButton* ok = about.findChild<QPushButton*>("IDOK");
    QVERIFY(ok);
    QCOMPARE(ok->text(), QString("OK"));
    about.show();
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(about.result(), int(QDialog::Accepted));
  }

  void viewMenuTogglesTheBars() {
    QVERIFY(t->frame()->action(59393)->isChecked());
    trigger(59393);
    QVERIFY(t->frame()->statusBar()->isHidden());
    trigger(59392);
    QVERIFY(t->frame()->findChild<QToolBar*>("toolBar")->isHidden());
  }

  void portMenuCarriesExactlyOneCheck() {
    QCOMPARE(CheckedPorts(t->frame()), QStringList{"ID_PORT_COM1"});
    QCOMPARE(t->view()->portName(), QString("COM1"));
    trigger(32776);
    QCOMPARE(t->view()->portName(), QString("COM3"));
    QCOMPARE(CheckedPorts(t->frame()), QStringList{"ID_PORT_COM3"});
    // Clicking the checked item again keeps it checked.
    trigger(32776);
    QCOMPARE(CheckedPorts(t->frame()), QStringList{"ID_PORT_COM3"});
    QVERIFY(t->activate());
    for (Qt::Key key : {Qt::Key_C, Qt::Key_D, Qt::Key_E, Qt::Key_F}) {
      QTest::keyClick(t->frame(), key, Qt::ControlModifier);
    }
    QCOMPARE(t->view()->portName(), QString("COM3"));
    trigger(32777);
    QCOMPARE(CheckedPorts(t->frame()), QStringList{"ID_PORT_COM4"});
  }

  // Each item chooses its own port and moves the check mark to itself; COM1
  // comes last so that every trigger changes the port.
  void eachPortItemChoosesItsPort() {
    const struct {
      int id;
      const char* port;
      const char* item;
    } items[] = {{32775, "COM2", "ID_PORT_COM2"},
                 {32776, "COM3", "ID_PORT_COM3"},
                 {32777, "COM4", "ID_PORT_COM4"},
                 {32773, "COM1", "ID_PORT_COM1"}};
    for (const auto& item : items) {
      trigger(item.id);
      QCOMPARE(t->view()->portName(), QString(item.port));
      QCOMPARE(CheckedPorts(t->frame()), QStringList{item.item});
    }
  }

  void portIsNotKeptBetweenRuns() {
    trigger(32775);
    t.reset();
    t = std::make_unique<AppUnderTest>();
    QCOMPARE(t->view()->portName(), QString("COM1"));
  }

  void debugOnLineByCtrlShiftD() {
    QStringList opened;
    t->view()->setDebugModeOpener(
        [&](const QString& band, const QString& port) { opened << band << port; });
    trigger(32776);
    QVERIFY(t->activate());
    QTest::keyClick(t->frame(), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(opened, (QStringList{"PMR 446 BAND", "COM3"}));
  }

  void captionNamesTheDocumentAndMarksItModified() {
    // What the window shows, and the title that puts the mark at "[*]".
    const auto shown = [this] { return t->frame()->windowHandle()->title(); };
    QVERIFY(t->activate());
    QCOMPARE(t->frame()->windowTitle(), QString("Write Data[*] - Trevna QM-314 Programming Software"));
    QCOMPARE(shown(), QString("Write Data - Trevna QM-314 Programming Software"));
    editTot();
    QCOMPARE(shown(), QString("Write Data* - Trevna QM-314 Programming Software"));
    t->files.Answer(t->path("groupA.int"));
    trigger(57604);
    QCOMPARE(shown(), QString("groupA.int - Trevna QM-314 Programming Software"));
    editTot();
    QCOMPARE(shown(), QString("groupA.int* - Trevna QM-314 Programming Software"));
    t->boxes.Answer(BoxAnswer::No);
    trigger(57600);
    QCOMPARE(shown(), QString("Write Data - Trevna QM-314 Programming Software"));
    t->files.Answer(t->path("groupA.int"));
    trigger(57601);
    QCOMPARE(shown(), QString("groupA.int - Trevna QM-314 Programming Software"));
  }

  void readFromRadioAsksToSaveAModifiedDocumentFirst() {
    CTransferDlg* dlg = t->view()->transferDialog();
    editTot();
    t->boxes.Answer(BoxAnswer::Cancel);
    trigger(32771);
    QCOMPARE(t->boxes.shown(), QStringList{"Save changes to Write Data?"});
    QCOMPARE(dlg->state(), CTransferDlg::State::Closed);

    const QString saved = t->path("before-read.int");
    t->boxes.Answer(BoxAnswer::Yes);
    t->files.Answer(saved);
    trigger(32771);
    QCOMPARE(ReadFile(saved).mid(60 * 16, 4), QByteArray::fromHex("FB040307"));
    QCOMPARE(dlg->state(), CTransferDlg::State::Ready);
    QCOMPARE(dlg->windowTitle(), QString("Reading Data Progress"));
    dlg->OnCancel();

    editTot();
    t->boxes.Answer(BoxAnswer::No);
    trigger(32771);
    QCOMPARE(dlg->state(), CTransferDlg::State::Ready);
    QCOMPARE(t->boxes.shown().size(), 3);
    dlg->OnCancel();
  }

  void newAsksToSaveAModifiedDocument() {
    editTot();
    t->boxes.Answer(BoxAnswer::Cancel);
    trigger(57600);
    QCOMPARE(t->boxes.shown(), QStringList{"Save changes to Write Data?"});
    QCOMPARE(tot(), QString("210s"));
    QVERIFY(t->app().document().IsModified());

    t->boxes.Answer(BoxAnswer::No);
    trigger(57600);
    QCOMPARE(tot(), QString("180s"));
    QVERIFY(!t->app().document().IsModified());

    // Nothing changed: no question.
    t->boxes.clear();
    trigger(57600);
    QVERIFY(t->boxes.shown().isEmpty());
  }

  void yesSavesBeforeOpening() {
    const QString other = t->path("other.int");
    QVERIFY(WriteFile(other, ImageBytes({{60, QByteArray::fromHex("FB04030AFFFFFFFFFFFFFFFFFFFFFFFF")}})));
    editTot();
    const QString saved = t->path("saved.int");
    t->boxes.Answer(BoxAnswer::Yes);
    t->files.Answer(saved);  // Save As, the document has no name yet
    t->files.Answer(other);  // then the file to open
    trigger(57601);
    QCOMPARE(ReadFile(saved).mid(60 * 16, 4), QByteArray::fromHex("FB040307"));
    QCOMPARE(tot(), QString("300s"));
    QVERIFY(!t->app().document().IsModified());
    QCOMPARE(t->app().recentFiles().first(), other);
    QCOMPARE(t->settings().value("Recent File List/File1").toString(), other);
    QCOMPARE(t->settings().value("Recent File List/File2").toString(), saved);
  }

  void cancelledSaveAsKeepsTheDocument() {
    editTot();
    t->boxes.Answer(BoxAnswer::Yes);
    trigger(57600);  // no file name given: the save is cancelled, so is New
    QCOMPARE(tot(), QString("210s"));
    QVERIFY(t->app().document().IsModified());
  }

  void exitAsksAndCanBeCancelled() {
    QVERIFY(t->frame()->isVisible());
    editTot();
    t->boxes.Answer(BoxAnswer::Cancel);
    trigger(57665);
    QVERIFY(t->frame()->isVisible());
    t->boxes.Answer(BoxAnswer::No);
    trigger(57665);
    QVERIFY(!t->frame()->isVisible());
    QCOMPARE(t->boxes.shown().size(), 2);
  }

  void commandLineFileOpensIt() {
    const QString file = t->path("start.int");
    QVERIFY(WriteFile(file, ImageBytes({{3, QByteArray::fromHex("75686044756860447006FFFFFF0101FF")}})));
    AppUnderTest other({file});
    QVERIFY(other.started());
    QCOMPARE(other.cell(3, 1), QString("06"));
    QCOMPARE(other.cell(3, 2), QString("01"));

    // A file that does not open is reported; the program starts with a new document.
    QVERIFY(WriteFile(t->path("ten.int"), QByteArray(10, '\0')));
    for (const QString& path : {t->path("missing.int"), t->path("ten.int"), t->path(".")}) {
      AppUnderTest failed({path});
      QVERIFY(failed.started());
      QCOMPARE(failed.boxes.shown().size(), 1);
      QVERIFY2(failed.boxes.shown()[0].contains(QFileInfo(path).fileName()), qPrintable(failed.boxes.shown()[0]));
      QVERIFY(failed.frame()->isVisible());
      QCOMPARE(failed.frame()->windowTitle(), QString("Write Data[*] - Trevna QM-314 Programming Software"));
      QCOMPARE(failed.box("m_cbTot")->currentText(), QString("180s"));
    }

    AppUnderTest bad({"--frobnicate"});
    QVERIFY(!bad.started());
    QCOMPARE(bad.boxes.shown(), QStringList{"Unknown command-line argument: --frobnicate"});
  }

  void droppedIntFileOpens() {
    const QString file = t->path("dropped.int");
    QVERIFY(WriteFile(file, ImageBytes({{2, QByteArray::fromHex("25316044253160440000FFFFFF0101FF")}})));
    const auto dropFile = [this](const QString& path) {
      QMimeData data;
      data.setUrls({QUrl::fromLocalFile(path)});
      QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(t->frame(), &enter);
      if (!enter.isAccepted()) return false;
      QDropEvent event(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(t->frame(), &event);
      return true;
    };
    QVERIFY(dropFile(file));
    QCOMPARE(t->cell(2, 1), QString("03"));
    QVERIFY(!dropFile(t->path("notes.txt")));
    QVERIFY(t->boxes.shown().isEmpty());
  }
};

QTEST_MAIN(FrameTest)
#include "gui_frame.moc"
