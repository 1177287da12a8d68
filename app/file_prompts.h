// File dialogs behind one interface, so tests name the files in advance.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace qm314 {

class FilePrompts {
 public:
  virtual ~FilePrompts() = default;
  // The chosen file, or an empty text when the user cancelled.
  virtual QString OpenFileName(QWidget* parent) = 0;
  virtual QString SaveFileName(QWidget* parent, const QString& suggested) = 0;
};

class DialogFilePrompts : public FilePrompts {
 public:
  QString OpenFileName(QWidget* parent) override;
  QString SaveFileName(QWidget* parent, const QString& suggested) override;
};

// Gives the queued names in order, then cancels.
class ScriptedFilePrompts : public FilePrompts {
 public:
  void Answer(const QString& path) { answers_.append(path); }
  QString OpenFileName(QWidget*) override { return next(); }
  QString SaveFileName(QWidget*, const QString&) override { return next(); }

 private:
  QString next() { return answers_.isEmpty() ? QString() : answers_.takeFirst(); }
  QStringList answers_;
};

}  // namespace qm314
