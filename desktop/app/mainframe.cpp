// Menus, toolbar, status bar and window behaviour of the main frame.
#include "desktop/app/mainframe.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>

#include "desktop/app/app_messages.h"
#include "desktop/app/command_ids.h"
#include "desktop/app/icons.h"
#include "desktop/editor/cordy_view.h"
#include "desktop/editor/message_box.h"

namespace qm314 {
namespace {

constexpr int kInitialWidth = 800;
constexpr int kInitialHeight = 1100;
constexpr int kToolButtonSize = 18;
// A recent file's path is shortened in its middle to fit this many pixels.
constexpr int kRecentFileTextWidth = 320;

// A channel data file, or a channel plan in CSV, among the dropped URLs.
QString LocalDocumentFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;
    const QString path = url.toLocalFile();
    if (path.endsWith(QLatin1String(msg::kFileExtension), Qt::CaseInsensitive) ||
        path.endsWith(QLatin1String(msg::kCsvExtension), Qt::CaseInsensitive)) {
      return path;
    }
  }
  return {};
}

// The form in a scroll area: scroll bars once the window is smaller than the
// form, the form following the window above that.  Its size hint is the
// form's own size, which the frame shrinks to at the first start.
class FormScrollArea : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override {
    const int frame = 2 * frameWidth();
    return widget() ? widget()->minimumSize() + QSize(frame, frame) : QScrollArea::sizeHint();
  }
};

}  // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("CMainFrame"));
  setWindowTitle(QString::fromUtf8(msg::kFrameCaption));
  setWindowIcon(icons::Application());
  resize(kInitialWidth, kInitialHeight);
  setAcceptDrops(true);
  CreateMenus();
  CreateToolBar();
  CreateStatusBar();
}

QAction* CMainFrame::AddCommand(QMenu* menu, int id, const char* objectName, const msg::CommandText& text) {
  auto* action = new QAction(QString::fromUtf8(text.item), this);
  action->setObjectName(QString::fromLatin1(objectName));
  action->setData(id);
  // A prompt is "status text\ntooltip", as the string table kept them.
  const QStringList parts = QString::fromUtf8(text.prompt).split(QLatin1Char('\n'));
  action->setStatusTip(parts.value(0));
  action->setToolTip(parts.value(1, parts.value(0)));
  if (menu) menu->addAction(action);
  actions_.insert(id, action);
  return action;
}

void CMainFrame::CreateMenus() {
  using namespace command;
  QMenu* file = menuBar()->addMenu(QString::fromUtf8(msg::kFileMenu));
  file->setObjectName(QStringLiteral("menuFile"));
  AddCommand(file, kFileNew, kFileNewName, msg::kFileNewText)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  AddCommand(file, kFileOpen, kFileOpenName, msg::kFileOpenText)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  AddCommand(file, kFileSave, kFileSaveName, msg::kFileSaveText)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  AddCommand(file, kFileSaveAs, kFileSaveAsName, msg::kFileSaveAsText);
  file->addSeparator();
  AddCommand(file, kFileImportChannels, kFileImportChannelsName, msg::kFileImportChannelsText);
  AddCommand(file, kFileExportChannels, kFileExportChannelsName, msg::kFileExportChannelsText);
  file->addSeparator();
  AddCommand(file, kFilePrint, kFilePrintName, msg::kFilePrintText)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  AddCommand(file, kFilePrintPreview, kFilePrintPreviewName, msg::kFilePrintPreviewText);
  AddCommand(file, kFilePrintPlan, kFilePrintPlanName, msg::kFilePrintPlanText);
  AddCommand(file, kFilePrintPlanPreview, kFilePrintPlanPreviewName, msg::kFilePrintPlanPreviewText);
  AddCommand(file, kFilePrintSetup, kFilePrintSetupName, msg::kFilePrintSetupText);
  file->addSeparator();
  // Places for the recent files, shown as the list fills.
  for (int i = 0; i < static_cast<int>(std::size(kFileMruFileNames)); ++i) {
    QAction* recent = AddCommand(file, kFileMruFile1 + i, kFileMruFileNames[i], msg::kFileMruFileText);
    recent->setVisible(false);
    connect(recent, &QAction::triggered, this, [this, i] {
      if (recentFileHandler_ && i < recentFiles_.size()) recentFileHandler_(recentFiles_.at(i));
    });
  }
  recentSeparator_ = file->addSeparator();
  recentSeparator_->setVisible(false);
  AddCommand(file, kAppExit, kAppExitName, msg::kAppExitText);
  connect(action(kAppExit), &QAction::triggered, this, &QWidget::close);

  CreateEditMenu();

  QMenu* program = menuBar()->addMenu(QString::fromUtf8(msg::kProgramMenu));
  program->setObjectName(QStringLiteral("menuProgram"));
  // The menu always showed Ctrl+R and Ctrl+W; now they do what it says.
  AddCommand(program, kProgramRead, kProgramReadName, msg::kProgramReadText)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  program->addSeparator();
  AddCommand(program, kProgramWrite, kProgramWriteName, msg::kProgramWriteText)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
  AddCommand(program, kProgramWriteSeveral, kProgramWriteSeveralName, msg::kProgramWriteSeveralText);
  program->addSeparator();
  AddCommand(program, kProgramVerify, kProgramVerifyName, msg::kProgramVerifyText)
      ->setCheckable(true);

  QMenu* port = menuBar()->addMenu(QString::fromUtf8(msg::kPortMenu));
  port->setObjectName(QStringLiteral("menuPort"));
  auto* ports = new QActionGroup(this);
  ports->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
  const struct {
    int id;
    const char* name;
    const msg::CommandText& text;
  } portItems[] = {
      // No shortcut: Ctrl+C to Ctrl+F were shown here without ever working,
      // and Ctrl+C belongs to the clipboard.
      {kPortCom1, kPortCom1Name, msg::kPortCom1Text},
      {kPortCom2, kPortCom2Name, msg::kPortCom2Text},
      {kPortCom3, kPortCom3Name, msg::kPortCom3Text},
      {kPortCom4, kPortCom4Name, msg::kPortCom4Text},
  };
  for (const auto& item : portItems) {
    QAction* a = AddCommand(port, item.id, item.name, item.text);
    a->setCheckable(true);
    ports->addAction(a);
  }
  connect(port, &QMenu::aboutToShow, this, &CMainFrame::OnUpdatePortMenu);

  QMenu* viewMenu = menuBar()->addMenu(QString::fromUtf8(msg::kViewMenu));
  viewMenu->setObjectName(QStringLiteral("menuView"));
  AddCommand(viewMenu, kViewToolbar, kViewToolbarName, msg::kViewToolbarText)
      ->setCheckable(true);
  AddCommand(viewMenu, kViewStatusBar, kViewStatusBarName, msg::kViewStatusBarText)
      ->setCheckable(true);

  // Reached by keyboard only: no menu item or button carries it.
  QAction* debug = AddCommand(nullptr, kDebugOnLine, kDebugOnLineName, msg::kDebugOnLineText);
  debug->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
  debug->setShortcutContext(Qt::WindowShortcut);
  addAction(debug);

  QMenu* help = menuBar()->addMenu(QString::fromUtf8(msg::kHelpMenu));
  help->setObjectName(QStringLiteral("menuHelp"));
  AddCommand(help, kHelpFinder, kHelpFinderName, msg::kHelpFinderText)
      ->setShortcut(QKeySequence(Qt::Key_F1));
  help->addSeparator();
  AddCommand(help, kAppAbout, kAppAboutName, msg::kAppAboutText);
}

void CMainFrame::SetRecentFiles(const QStringList& paths) {
  using namespace command;
  recentFiles_ = paths;
  const QFontMetrics metrics(font());
  const QString home = QDir::homePath();
  for (int i = 0; i < static_cast<int>(std::size(kFileMruFileNames)); ++i) {
    QAction* recent = action(kFileMruFile1 + i);
    recent->setVisible(i < paths.size());
    if (i >= paths.size()) continue;
    QString shown = QDir::toNativeSeparators(paths.at(i));
    if (shown.startsWith(home + QLatin1Char('/'))) shown.replace(0, home.size(), QLatin1String("~"));
    shown = metrics.elidedText(shown, Qt::ElideMiddle, kRecentFileTextWidth);
    // An ampersand in a name is text, not a mnemonic.
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    recent->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
  }
  recentSeparator_->setVisible(!paths.isEmpty());
}

void CMainFrame::CreateToolBar() {
  using namespace command;
  toolBar_ = addToolBar(QStringLiteral("Standard"));
  toolBar_->setObjectName(QStringLiteral("toolBar"));
  toolBar_->setIconSize(QSize(kToolButtonSize, kToolButtonSize));
  toolBar_->setMovable(true);
  toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
  action(kFileNew)->setIcon(icons::New());
  action(kFileOpen)->setIcon(icons::Open());
  action(kFileSave)->setIcon(icons::Save());
  action(kProgramRead)->setIcon(icons::ReadFromRadio());
  action(kProgramWrite)->setIcon(icons::WriteToRadio());
  action(kFilePrint)->setIcon(icons::Print());
  action(kAppAbout)->setIcon(icons::About());
  for (int id : {kFileNew, kFileOpen, kFileSave, 0, kProgramRead, kProgramWrite, 0, kFilePrint,
                 kAppAbout}) {
    if (id == 0) {
      toolBar_->addSeparator();
    } else {
      toolBar_->addAction(action(id));
    }
  }
  QAction* toggle = action(kViewToolbar);
  toggle->setChecked(true);
  connect(toggle, &QAction::toggled, toolBar_, &QWidget::setVisible);
  connect(toolBar_, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("statusBar"));
  for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
    auto* pane = new QLabel(QString::fromLatin1(indicator), bar);
    pane->setObjectName(QStringLiteral("indicator") + QString::fromLatin1(indicator));
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->sizeHint().width() + 8);
    // The lock keys' state is not known to the program here: the panes
    // keep their places and show their names greyed.
    pane->setEnabled(false);
    bar->addPermanentWidget(pane);
  }
  bar->showMessage(QString::fromUtf8(msg::kReady));
  // After a menu prompt the pane falls back to the idle text.
  connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& text) {
    if (text.isEmpty()) bar->showMessage(QString::fromUtf8(msg::kReady));
  });
  QAction* toggle = action(command::kViewStatusBar);
  toggle->setChecked(true);
  connect(toggle, &QAction::toggled, bar, &QWidget::setVisible);
}

void CMainFrame::SetView(CCordyView* view) {
  using namespace command;
  view_ = view;
  auto* area = new FormScrollArea(this);
  area->setObjectName(QStringLiteral("formScrollArea"));
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  // Tab goes round the form's controls, not through the area around them.
  area->setFocusPolicy(Qt::NoFocus);
  area->setWidget(view);
  setCentralWidget(area);
  connect(action(kPortCom1), &QAction::triggered, view, &CCordyView::OnPortCom1);
  connect(action(kPortCom2), &QAction::triggered, view, &CCordyView::OnPortCom2);
  connect(action(kPortCom3), &QAction::triggered, view, &CCordyView::OnPortCom3);
  connect(action(kPortCom4), &QAction::triggered, view, &CCordyView::OnPortCom4);
  for (int id : {kPortCom1, kPortCom2, kPortCom3, kPortCom4}) {
    connect(action(id), &QAction::triggered, this, &CMainFrame::OnUpdatePortMenu);
  }
  connect(action(kDebugOnLine), &QAction::triggered, view, &CCordyView::OnDebugOnLine);
  // Read From Radio goes through the application, which first asks to save a
  // modified document.
  connect(action(kProgramWrite), &QAction::triggered, view, &CCordyView::OnWriteToRadio);
  connect(action(kProgramWriteSeveral), &QAction::triggered, view, &CCordyView::OnWriteToSeveralRadios);
  connect(view, &CCordyView::TransferRunningChanged, this, &CMainFrame::OnTransferRunningChanged);
  OnUpdatePortMenu();
}

void CMainFrame::OnTransferRunningChanged(bool running) {
  // A second transfer cannot start beside the first, nor change its direction.
  action(command::kProgramRead)->setEnabled(!running);
  action(command::kProgramWrite)->setEnabled(!running);
  // A running batch's dialog can always be brought back to the front.
  action(command::kProgramWriteSeveral)->setEnabled(!running || view_->IsBatchRunning());
  // Nor may another document take the place of the one being read or written.
  const bool locked = view_->IsDocumentLocked();
  for (int id : {command::kFileNew, command::kFileOpen, command::kFileImportChannels}) action(id)->setEnabled(!locked);
  for (int i = 0; i < static_cast<int>(std::size(command::kFileMruFileNames)); ++i)
    action(command::kFileMruFile1 + i)->setEnabled(!locked);
  if (!running && closeAfterTransfer_) {
    closeAfterTransfer_ = false;
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
  }
}

void CMainFrame::ShowDocument(QString name, bool modified) {
  // "[*]" is where the modified mark goes; a file name holding it shows it as it is.
  name.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
  setWindowTitle(QString::fromUtf8(msg::kDocumentTitle).arg(name + QLatin1String("[*]"), QString::fromUtf8(msg::kFrameCaption)));
  setWindowModified(modified);
}

void CMainFrame::OnUpdatePortMenu() {
  using namespace command;
  const QString current = view_ ? view_->portName() : QString();
  const struct {
    int id;
    const char* name;
  } items[] = {{kPortCom1, "COM1"}, {kPortCom2, "COM2"}, {kPortCom3, "COM3"}, {kPortCom4, "COM4"}};
  for (const auto& item : items) action(item.id)->setChecked(current == QLatin1String(item.name));
}

void CMainFrame::CenterWindow() {
  const QScreen* screen = this->screen();
  if (!screen) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

void CMainFrame::RestorePlacement(const QByteArray& placement) {
  if (!placement.isEmpty()) placed_ = restoreGeometry(placement);
}

void CMainFrame::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Centred once, at the first start; after that the window stays where the
  // user puts it, also when it is shown again after a minimise.
  if (placed_) return;
  CenterWindow();
  placed_ = true;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  // A transfer holds the port: it is cancelled, and the window closes once
  // the port is closed again.  A write stopped half-way leaves the radio's
  // settings mixed, so that one (or a batch's radios being written) is only
  // stopped if the user says so.
  if (view_ && view_->IsTransferRunning()) {
    event->ignore();
    if (closeAfterTransfer_) return;
    const char* question = view_->IsWriteRunning()   ? msg::kStopWriteAndExit
                           : view_->IsBatchWriting() ? msg::kStopBatchAndExit
                                                     : nullptr;
    if (question != nullptr && view_->boxes().Show(this, QString::fromUtf8(question), BoxButtons::YesNo,
                                                   BoxIcon::Question) != BoxAnswer::Yes) {
      return;
    }
    if (!view_->IsTransferRunning()) {
      // It ended while the question was open.
      QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
      return;
    }
    closeAfterTransfer_ = true;
    view_->CancelTransfer();
    return;
  }
  if (closeGuard_ && !closeGuard_()) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (view_ && view_->IsDocumentLocked()) return;
  if (!LocalDocumentFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const QString path = LocalDocumentFile(event->mimeData());
  if (path.isEmpty() || !dropHandler_) return;
  event->acceptProposedAction();
  activateWindow();
  dropHandler_(path);
}

}  // namespace qm314
