// Where the file dialogs start: in the folder of the open document, else in
// the folder last used (kept in the settings store), else in the home folder;
// never in the folder the program happened to be started from.
#pragma once

#include <QString>

class QSettings;

namespace qm314 {

class CCordyDoc;

class FileFolders {
 public:
  FileFolders(QSettings& settings, const CCordyDoc& document);

  QString StartFolder() const;
  // `fileName` in the start folder: what a save dialog offers.
  QString PathFor(const QString& fileName) const;
  // A file was opened or saved: its folder is the one last used.
  void Remember(const QString& path);

 private:
  QSettings& settings_;
  const CCordyDoc& document_;
};

}  // namespace qm314
