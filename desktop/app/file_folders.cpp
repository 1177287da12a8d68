// The start folder of the file dialogs and the folder last used.
#include "desktop/app/file_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "radio/cordy_doc.h"

namespace qm314 {
namespace {
constexpr const char* kLastFolderKey = "Settings/LastFolder";
}  // namespace

FileFolders::FileFolders(QSettings& settings, const CCordyDoc& document)
    : settings_(settings), document_(document) {}

QString FileFolders::StartFolder() const {
  const std::string& document = document_.GetPathName();
  if (!document.empty()) return QFileInfo(QString::fromStdString(document)).absolutePath();
  const QString last = settings_.value(QLatin1String(kLastFolderKey)).toString();
  if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  return QDir::homePath();
}

QString FileFolders::PathFor(const QString& fileName) const {
  return QDir(StartFolder()).filePath(fileName);
}

void FileFolders::Remember(const QString& path) {
  settings_.setValue(QLatin1String(kLastFolderKey), QFileInfo(path).absolutePath());
  settings_.sync();
}

}  // namespace qm314
