// File dialogs behind one interface, so tests name the files in advance.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace qm314 {

// A file chosen in a dialog that offers several filters.
struct FileChoice {
  QString path;    // empty when the user cancelled
  int filter = 0;  // index of the filter the user chose
};

// An open dialog starts in `folder`; a save dialog offers `suggested`, a
// whole path, and gives back a name with the extension of the filter chosen
// (added before it asks whether to replace a file).
class FilePrompts {
 public:
  virtual ~FilePrompts() = default;
  // The chosen file, or an empty text when the user cancelled.
  virtual QString OpenFileName(QWidget* parent, const QString& folder) = 0;
  virtual QString SaveFileName(QWidget* parent, const QString& suggested) = 0;
  // The same for other files than channel data, under the command's own
  // caption; filters read "Name (*.ext)".
  virtual FileChoice OpenFileWith(QWidget* parent, const QString& caption, const QString& folder,
                                  const QStringList& filters) = 0;
  virtual FileChoice SaveFileWith(QWidget* parent, const QString& caption, const QString& suggested,
                                  const QStringList& filters) = 0;
};

class DialogFilePrompts : public FilePrompts {
 public:
  QString OpenFileName(QWidget* parent, const QString& folder) override;
  QString SaveFileName(QWidget* parent, const QString& suggested) override;
  FileChoice OpenFileWith(QWidget* parent, const QString& caption, const QString& folder,
                          const QStringList& filters) override;
  FileChoice SaveFileWith(QWidget* parent, const QString& caption, const QString& suggested,
                          const QStringList& filters) override;
};

// Gives the queued names in order, then cancels; keeps the folder or path
// each dialog was opened with.
class ScriptedFilePrompts : public FilePrompts {
 public:
  void Answer(const QString& path, int filter = 0) { answers_.append(FileChoice{path, filter}); }
  QString OpenFileName(QWidget*, const QString& folder) override { return next(folder).path; }
  QString SaveFileName(QWidget*, const QString& suggested) override { return next(suggested).path; }
  FileChoice OpenFileWith(QWidget*, const QString& caption, const QString& folder, const QStringList&) override {
    captions_.append(caption);
    return next(folder);
  }
  FileChoice SaveFileWith(QWidget*, const QString& caption, const QString& suggested, const QStringList&) override {
    captions_.append(caption);
    return next(suggested);
  }
  const QStringList& offered() const { return offered_; }
  // The captions of the dialogs that have one of their own, in order.
  const QStringList& captions() const { return captions_; }

 private:
  FileChoice next(const QString& offered) {
    offered_.append(offered);
    return answers_.isEmpty() ? FileChoice{} : answers_.takeFirst();
  }
  QList<FileChoice> answers_;
  QStringList offered_;
  QStringList captions_;
};

}  // namespace qm314
