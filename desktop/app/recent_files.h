// The recent-file list kept in the settings store (4 entries, newest first),
// which the File menu shows.
#pragma once

#include <QStringList>

class QSettings;

namespace qm314 {

class RecentFileList {
 public:
  static constexpr int kSize = 4;
  explicit RecentFileList(QSettings& settings);

  void Add(const QString& path);
  void Remove(const QString& path);
  const QStringList& files() const { return files_; }

 private:
  void Write();
  QSettings& settings_;
  QStringList files_;
};

}  // namespace qm314
