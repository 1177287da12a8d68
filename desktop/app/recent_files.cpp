// Recent-file list in the settings store, under "Recent File List", File1..File4.
#include "desktop/app/recent_files.h"

#include <QFileInfo>
#include <QSettings>

namespace qm314 {
namespace {
const QString kGroup = QStringLiteral("Recent File List");
QString Key(int i) { return QStringLiteral("File%1").arg(i + 1); }
}  // namespace

RecentFileList::RecentFileList(QSettings& settings) : settings_(settings) {
  settings_.beginGroup(kGroup);
  for (int i = 0; i < kSize; ++i) {
    const QString path = settings_.value(Key(i)).toString();
    if (!path.isEmpty()) files_.append(path);
  }
  settings_.endGroup();
}

void RecentFileList::Add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  files_.removeAll(absolute);
  files_.prepend(absolute);
  while (files_.size() > kSize) files_.removeLast();
  Write();
}

void RecentFileList::Remove(const QString& path) {
  if (files_.removeAll(path) > 0) Write();
}

void RecentFileList::Write() {
  settings_.beginGroup(kGroup);
  for (int i = 0; i < kSize; ++i) {
    if (i < files_.size()) {
      settings_.setValue(Key(i), files_.at(i));
    } else {
      settings_.remove(Key(i));
    }
  }
  settings_.endGroup();
  settings_.sync();
}

}  // namespace qm314
