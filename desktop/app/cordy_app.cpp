// Start-up and the document commands of the application.
#include "desktop/app/cordy_app.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "desktop/app/aboutdlg.h"
#include "desktop/app/app_messages.h"
#include "desktop/app/channel_files.h"
#include "desktop/app/command_ids.h"
#include "desktop/app/edit_commands.h"
#include "desktop/app/file_folders.h"
#include "desktop/app/file_prompts.h"
#include "desktop/app/help_window.h"
#include "desktop/app/mainframe.h"
#include "desktop/app/recent_files.h"
#include "desktop/app/settings_store.h"
#include "desktop/debugmode/debug_mode_dlg.h"
#include "desktop/editor/cordy_view.h"
#include "desktop/link/batch_write_dlg.h"
#include "desktop/editor/message_box.h"
#include "editor/messages.h"
#include "desktop/editor/plan_printing.h"
#include "desktop/editor/print_dialogs.h"
#include "desktop/editor/report_printing.h"
#include "desktop/editor/view_report.h"
#include "radio/channel_exchange.h"
#include "radio/codec.h"
#include "radio/image_file.h"
#include "radio/messages.h"
#include "radio/print_time.h"

namespace qm314 {
namespace {

// Off unless the user turned it on: a read-back doubles the time a write takes.
constexpr const char* kVerifyAfterWriteKey = "Settings/VerifyAfterWrite";
// The main window's size and place when it was last closed.
constexpr const char* kWindowPlacementKey = "Window/Placement";

}  // namespace

CCordyApp::CCordyApp() : CCordyApp(Services{}) {}

CCordyApp::CCordyApp(Services services) {
  if (!services.boxes) {
    ownBoxes_ = std::make_unique<ModalMessageBoxes>();
    services.boxes = ownBoxes_.get();
  }
  if (!services.files) {
    ownFiles_ = std::make_unique<DialogFilePrompts>();
    services.files = ownFiles_.get();
  }
  if (!services.settings) {
    ownSettings_ = OpenSettingsStore();
    services.settings = ownSettings_.get();
  }
  if (!services.prints) {
    ownPrints_ = std::make_unique<ModalPrintDialogs>();
    services.prints = ownPrints_.get();
  }
  boxes_ = services.boxes;
  files_ = services.files;
  prints_ = services.prints;
  settings_ = services.settings;
}

CCordyApp::~CCordyApp() = default;

const QStringList& CCordyApp::recentFiles() const { return recent_->files(); }

bool CCordyApp::InitInstance(const QStringList& arguments) {
  recent_ = std::make_unique<RecentFileList>(*settings_);
  folders_ = std::make_unique<FileFolders>(*settings_, m_doc);
  m_pToneCodeTable = &ToneCodeTable();
  m_bGridInitialised = false;

  frame_ = std::make_unique<CMainFrame>();
  m_doc.SetChangeListener([this] { frame_->ShowDocument(DocumentTitle(), m_doc.IsModified()); });
  view_ = new CCordyView({m_doc, *boxes_, m_bGridInitialised});
  frame_->SetView(view_);
  view_->setDebugModeOpener([this](const QString& band, const QString& portName) {
    CDebugModeDlg dlg(*boxes_, frame_.get());
    dlg.SetBandText(band);
    dlg.SetPortName(portName);
    dlg.exec();
  });
  printing_ = new ReportPrinting([this] { return ReportOfView(*view_); }, *prints_, *boxes_,
                                 frame_.get());
  planPrinting_ = new PlanPrinting(
      [this] { return PlanOfView(*view_, DocumentTitle().toStdString(), PrintTimeText(PrintTime())); },
      *printing_, *prints_, *boxes_, frame_.get());
  if (ownPrints_) ownPrints_->SetFileSuggestion([this] { return PrintFileSuggestion(); });
  channelFiles_ = new ChannelFiles(*view_, *files_, *folders_, *boxes_, frame_.get());
  frame_->SetRecentFiles(recent_->files());
  ConnectCommands();

  if (const QString bad = BadArgument(arguments); !bad.isEmpty()) {
    boxes_->Show(nullptr, QString::fromUtf8(msg::kBadArgument).arg(bad), BoxButtons::Ok, BoxIcon::Error);
    return false;
  }
  const QString file = arguments.value(0);
  // A file that does not open has been reported, and the program goes on as
  // it does without one; a channel plan goes into this new document.
  m_doc.OnNewDocument();
  view_->OnInitialUpdate();
  if (!file.isEmpty()) OpenDocumentFile(file);

  // The window comes back where it was closed; the first start centres it.
  frame_->RestorePlacement(settings_->value(QLatin1String(kWindowPlacementKey)).toByteArray());
  frame_->show();
  return true;
}

QString CCordyApp::BadArgument(const QStringList& arguments) {
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    if (arguments[i].startsWith(QLatin1Char('-')) || i > 0) return arguments[i];
  }
  return {};
}

void CCordyApp::ConnectCommands() {
  using namespace command;
  CMainFrame* frame = frame_.get();
  connect(frame->action(kFileNew), &QAction::triggered, this, &CCordyApp::OnFileNew);
  connect(frame->action(kFileOpen), &QAction::triggered, this, &CCordyApp::OnFileOpen);
  connect(frame->action(kFileSave), &QAction::triggered, this, &CCordyApp::OnFileSave);
  connect(frame->action(kFileSaveAs), &QAction::triggered, this, &CCordyApp::OnFileSaveAs);
  connect(frame->action(kAppAbout), &QAction::triggered, this, &CCordyApp::OnAppAbout);
  connect(frame->action(kHelpFinder), &QAction::triggered, this, &CCordyApp::OnHelpContents);
  frame->setRecentFileHandler([this](const QString& path) { OnOpenRecentFile(path); });
  connect(frame->action(kFileImportChannels), &QAction::triggered, channelFiles_,
          &ChannelFiles::OnImportChannels);
  connect(frame->action(kFileExportChannels), &QAction::triggered, channelFiles_,
          &ChannelFiles::OnExportChannels);
  connect(frame->action(kProgramRead), &QAction::triggered, this, &CCordyApp::OnReadFromRadio);
  new EditCommands(*frame, *view_);
  connect(frame->action(kFilePrint), &QAction::triggered, printing_, &ReportPrinting::OnFilePrint);
  connect(frame->action(kFilePrintPreview), &QAction::triggered, printing_,
          &ReportPrinting::OnFilePrintPreview);
  connect(frame->action(kFilePrintSetup), &QAction::triggered, printing_,
          &ReportPrinting::OnFilePrintSetup);
  connect(frame->action(kFilePrintPlan), &QAction::triggered, planPrinting_, &PlanPrinting::OnFilePrintPlan);
  connect(frame->action(kFilePrintPlanPreview), &QAction::triggered, planPrinting_,
          &PlanPrinting::OnFilePrintPlanPreview);
  QAction* verify = frame->action(kProgramVerify);
  verify->setChecked(settings_->value(QLatin1String(kVerifyAfterWriteKey), false).toBool());
  view_->SetVerifyAfterWrite(verify->isChecked());
  connect(verify, &QAction::toggled, this, [this](bool on) {
    view_->SetVerifyAfterWrite(on);
    settings_->setValue(QLatin1String(kVerifyAfterWriteKey), on);
    settings_->sync();
  });
  view_->batchDialog()->SetSettingsStore(settings_);
  frame->setCloseGuard([this] {
    if (!SaveModified()) return false;
    settings_->setValue(QLatin1String(kWindowPlacementKey), frame_->saveGeometry());
    settings_->sync();
    return true;
  });
  frame->setDropHandler([this](const QString& path) { OpenDocumentFile(path, true); });
}

QString CCordyApp::DocumentTitle() const {
  const std::string& path = m_doc.GetPathName();
  if (path.empty()) return QString::fromUtf8(msg::kNewDocumentName);
  return QFileInfo(QString::fromStdString(path)).fileName();
}

QString CCordyApp::PrintFileSuggestion() const {
  const std::string& path = m_doc.GetPathName();
  const QString base = path.empty() ? QString::fromUtf8(msg::kNewDocumentName)
                                    : QFileInfo(QString::fromStdString(path)).completeBaseName();
  return folders_->PathFor(base + QLatin1String(msg::kPdfExtension));
}

bool CCordyApp::SaveModified() {
  // An editor still open holds an edit the document has not seen yet.
  view_->CommitCellEdit();
  if (!m_doc.IsModified()) return true;
  const BoxAnswer answer =
      boxes_->Show(frame_.get(), QString::fromUtf8(msg::kSaveChanges).arg(DocumentTitle()),
                   BoxButtons::YesNoCancel, BoxIcon::Question);
  if (answer == BoxAnswer::No) return true;
  if (answer != BoxAnswer::Yes) return false;
  return OnFileSave();
}

void CCordyApp::OnFileNew() {
  if (!SaveModified()) return;
  m_doc.OnNewDocument();
  view_->OnInitialUpdate();
}

void CCordyApp::OnReadFromRadio() {
  // What the radio holds replaces the document, as a new one would.
  if (SaveModified()) view_->OnReadFromRadio();
}

void CCordyApp::OnFileOpen() {
  if (!SaveModified()) return;
  const QString path = files_->OpenFileName(frame_.get(), folders_->StartFolder());
  if (!path.isEmpty()) OpenDocumentFile(path);
}

void CCordyApp::OnOpenRecentFile(const QString& path) {
  if (!QFileInfo::exists(path)) {
    boxes_->Show(frame_.get(), QString::fromUtf8(msg::kRecentFileGone).arg(QDir::toNativeSeparators(path)),
                 BoxButtons::Ok, BoxIcon::Warning);
    recent_->Remove(path);
    frame_->SetRecentFiles(recent_->files());
    return;
  }
  if (SaveModified()) OpenDocumentFile(path);
}

bool CCordyApp::OpenDocumentFile(const QString& path, bool askToSave) {
  // Until the file is taken, the document and the form stay as they were.
  const auto refused = [this](const FileResult& result) {
    boxes_->Show(frame_.get(), QString::fromStdString(result.message), BoxButtons::Ok, BoxIcon::Error);
    return false;
  };
  const QString name = QFileInfo(path).fileName();
  // Opened as an image, a channel plan would become 1024 bytes of text on
  // the next save: its channels go into the open document instead.
  std::string start;
  if (const FileResult read = ReadFileStart(path.toStdString(), layout::kImageSize, start); !read) return refused(read);
  if (IsChannelCsv(start)) {
    if (boxes_->Show(frame_.get(), QString::fromUtf8(msg::kImportInstead).arg(name), BoxButtons::YesNo,
                     BoxIcon::Question) != BoxAnswer::Yes) {
      return false;
    }
    return channelFiles_->ImportFile(path);
  }
  if (askToSave && !SaveModified()) return false;
  RadioImage image;
  if (const FileResult read = ReadImageFile(path.toStdString(), image); !read) return refused(read);
  // The file format has no signature: bytes of any other kind would open as
  // channels nobody set.  Opened all the same, they keep no path, so Save
  // asks where and never writes over the file they came from.
  const bool channelData = LooksLikeChannelData(image);
  if (!channelData) {
    const QString notChannelData = QString::fromStdString(messages::NotChannelData(name.toStdString()));
    if (boxes_->Show(frame_.get(), QString::fromUtf8(msg::kOpenAnyway).arg(notChannelData),
                     BoxButtons::YesNo, BoxIcon::Warning) != BoxAnswer::Yes) {
      return false;
    }
  }
  m_doc.OnOpenImage(channelData ? path.toStdString() : std::string(), image);
  if (channelData) {
    RememberFile(path);
  } else {
    folders_->Remember(path);
  }
  view_->OnInitialUpdate();
  return true;
}

bool CCordyApp::OnFileSave() {
  const std::string& path = m_doc.GetPathName();
  if (path.empty()) return OnFileSaveAs();
  return DoSave(QString::fromStdString(path));
}

bool CCordyApp::OnFileSaveAs() {
  // The open file's own path, or "Write Data.int" where the dialogs start.
  const std::string& document = m_doc.GetPathName();
  const QString suggested =
      document.empty() ? folders_->PathFor(QString::fromUtf8(msg::kNewDocumentName) +
                                           QLatin1String(msg::kFileExtension))
                       : QString::fromStdString(document);
  const QString path = files_->SaveFileName(frame_.get(), suggested);
  if (path.isEmpty()) return false;
  return DoSave(path);
}

bool CCordyApp::DoSave(const QString& path) {
  const FileResult result =
      m_doc.OnSaveDocument(path.toStdString(), [this](RadioImage& image) { view_->EncodeInto(image); });
  if (!result) {
    boxes_->Show(frame_.get(), QString::fromStdString(result.message), BoxButtons::Ok,
                 BoxIcon::Error);
    return false;
  }
  view_->OnDocumentSaved();
  RememberFile(path);
  return true;
}

void CCordyApp::RememberFile(const QString& path) {
  recent_->Add(path);
  folders_->Remember(path);
  frame_->SetRecentFiles(recent_->files());
}

void CCordyApp::OnAppAbout() {
  CAboutDlg dialog(frame_.get());
  dialog.exec();
}

void CCordyApp::OnHelpContents() {
  if (!help_) help_ = new HelpWindow(frame_.get());
  help_->ShowContents();
}

}  // namespace qm314
