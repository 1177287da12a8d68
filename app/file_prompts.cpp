// The real file dialogs.
#include "app/file_prompts.h"

#include <QFileDialog>

#include "app/app_messages.h"

namespace qm314 {

QString DialogFilePrompts::OpenFileName(QWidget* parent, const QString& folder) {
  return QFileDialog::getOpenFileName(parent, {}, folder, QString::fromUtf8(msg::kFileFilter));
}

QString DialogFilePrompts::SaveFileName(QWidget* parent, const QString& suggested) {
  QString path =
      QFileDialog::getSaveFileName(parent, {}, suggested, QString::fromUtf8(msg::kFileFilter));
  if (!path.isEmpty() && !path.endsWith(QLatin1String(msg::kFileExtension), Qt::CaseInsensitive)) {
    path += QLatin1String(msg::kFileExtension);
  }
  return path;
}

FileChoice DialogFilePrompts::OpenFileWith(QWidget* parent, const QString& caption, const QString& folder,
                                           const QStringList& filters) {
  QString chosen = filters.value(0);
  const QString path =
      QFileDialog::getOpenFileName(parent, caption, folder, filters.join(QLatin1String(";;")), &chosen);
  return FileChoice{path, std::max(0, static_cast<int>(filters.indexOf(chosen)))};
}

FileChoice DialogFilePrompts::SaveFileWith(QWidget* parent, const QString& caption, const QString& suggested,
                                           const QStringList& filters) {
  QString chosen = filters.value(0);
  const QString path =
      QFileDialog::getSaveFileName(parent, caption, suggested, filters.join(QLatin1String(";;")), &chosen);
  return FileChoice{path, std::max(0, static_cast<int>(filters.indexOf(chosen)))};
}

}  // namespace qm314
