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

class FilePrompts {
 public:
  virtual ~FilePrompts() = default;
  // The chosen file, or an empty text when the user cancelled.
  virtual QString OpenFileName(QWidget* parent) = 0;
  virtual QString SaveFileName(QWidget* parent, const QString& suggested) = 0;
  // The same for other files than channel data; filters read "Name (*.ext)".
  virtual FileChoice OpenFileWith(QWidget* parent, const QStringList& filters) = 0;
  virtual FileChoice SaveFileWith(QWidget* parent, const QString& suggested, const QStringList& filters) = 0;
};

class DialogFilePrompts : public FilePrompts {
 public:
  QString OpenFileName(QWidget* parent) override;
  QString SaveFileName(QWidget* parent, const QString& suggested) override;
  FileChoice OpenFileWith(QWidget* parent, const QStringList& filters) override;
  FileChoice SaveFileWith(QWidget* parent, const QString& suggested, const QStringList& filters) override;
};

// Gives the queued names in order, then cancels.
class ScriptedFilePrompts : public FilePrompts {
 public:
  void Answer(const QString& path, int filter = 0) { answers_.append(FileChoice{path, filter}); }
  QString OpenFileName(QWidget*) override { return next().path; }
  QString SaveFileName(QWidget*, const QString&) override { return next().path; }
  FileChoice OpenFileWith(QWidget*, const QStringList&) override { return next(); }
  FileChoice SaveFileWith(QWidget*, const QString&, const QStringList&) override { return next(); }

 private:
  FileChoice next() { return answers_.isEmpty() ? FileChoice{} : answers_.takeFirst(); }
  QList<FileChoice> answers_;
};

}  // namespace qm314
