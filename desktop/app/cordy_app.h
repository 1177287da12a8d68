// CCordyApp: the application object.  It owns the tone table, the
// grid-initialised flag, the one document, frame and view, the settings
// store, the file commands New, Open, Save and Save As, and the save
// question before anything replaces a modified document.
#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

#include "radio/code_tables.h"
#include "radio/cordy_doc.h"

class QSettings;

namespace qm314 {

class CCordyView;
class ChannelFiles;
class CMainFrame;
class FileFolders;
class FilePrompts;
class HelpWindow;
class MessageBoxHost;
class ModalPrintDialogs;
class PrintDialogs;
class PlanPrinting;
class ReportPrinting;
class RecentFileList;

class CCordyApp : public QObject {
  Q_OBJECT
 public:
  // What the application asks the user through; null means the real dialogs
  // and the program's own settings store.
  struct Services {
    MessageBoxHost* boxes = nullptr;
    FilePrompts* files = nullptr;
    QSettings* settings = nullptr;
    PrintDialogs* prints = nullptr;
  };

  CCordyApp();
  explicit CCordyApp(Services services);
  ~CCordyApp() override;

  // Start-up; false when the program is to end (an argument on the command
  // line is not understood; the user has been told).  A file given there that
  // does not open leaves a new document.
  bool InitInstance(const QStringList& arguments);
  // The first argument start-up does not understand (an option, or a second
  // file), or an empty text.
  static QString BadArgument(const QStringList& arguments);

  CMainFrame* mainFrame() const { return frame_.get(); }
  CCordyView* view() const { return view_; }
  CCordyDoc& document() { return m_doc; }
  MessageBoxHost& boxes() const { return *boxes_; }
  // File › Print, Print Preview and Print Setup, with the printer of the run.
  ReportPrinting* printing() const { return printing_; }
  // File › Print Channel Plan and Channel Plan Preview.
  PlanPrinting* planPrinting() const { return planPrinting_; }
  const TextList& toneCodeTable() const { return *m_pToneCodeTable; }
  const QStringList& recentFiles() const;

  void OnFileNew();
  void OnFileOpen();
  // Opens path, asking first when it does not look like channel data; a
  // channel plan in CSV is offered as an import into the open document
  // instead.  With askToSave, a modified document is offered for saving
  // before it is replaced.
  bool OpenDocumentFile(const QString& path, bool askToSave = false);
  bool OnFileSave();
  bool OnFileSaveAs();
  void OnAppAbout();
  // Help › Contents (F1): the manual in its window.
  void OnHelpContents();
  // A file chosen in the File menu's recent files; one that has gone is
  // taken off the list.
  void OnOpenRecentFile(const QString& path);
  // Program › Read From Radio: the save question, then the progress dialog.
  void OnReadFromRadio();
  // Asks whether to save a modified document: false when the user cancels
  // or the save fails.
  bool SaveModified();

 private:
  bool DoSave(const QString& path);
  // A document file was opened or saved: first of the recent files, and its
  // folder the one the dialogs start in next.
  void RememberFile(const QString& path);
  QString DocumentTitle() const;
  // Where printing to a file offers to write: the document's name, in the
  // folder the file dialogs start in (the document's own, if it has one).
  QString PrintFileSuggestion() const;
  void ConnectCommands();

  std::unique_ptr<MessageBoxHost> ownBoxes_;
  std::unique_ptr<FilePrompts> ownFiles_;
  std::unique_ptr<ModalPrintDialogs> ownPrints_;
  std::unique_ptr<QSettings> ownSettings_;
  MessageBoxHost* boxes_;
  FilePrompts* files_;
  PrintDialogs* prints_;
  QSettings* settings_;
  std::unique_ptr<RecentFileList> recent_;
  std::unique_ptr<FileFolders> folders_;

  const TextList* m_pToneCodeTable = nullptr;
  bool m_bGridInitialised = false;
  CCordyDoc m_doc;
  std::unique_ptr<CMainFrame> frame_;
  CCordyView* view_ = nullptr;
  ReportPrinting* printing_ = nullptr;
  PlanPrinting* planPrinting_ = nullptr;
  ChannelFiles* channelFiles_ = nullptr;
  HelpWindow* help_ = nullptr;
};

}  // namespace qm314
