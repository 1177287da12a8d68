// The recent-file list kept in the settings store (4 entries, newest first).
// The File menu has no place for it: it is kept, never shown.
#pragma once

#include <QStringList>

class QSettings;

namespace qm314 {

class RecentFileList {
 public:
  static constexpr int kSize = 4;
  explicit RecentFileList(QSettings& settings);

  void Add(const QString& path);
  const QStringList& files() const { return files_; }

 private:
  void Write();
  QSettings& settings_;
  QStringList files_;
};

}  // namespace qm314
