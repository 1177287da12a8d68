// The real file dialogs for channel data files.
#include "app/file_prompts.h"

#include <QFileDialog>

#include "app/app_messages.h"

namespace qm314 {

QString DialogFilePrompts::OpenFileName(QWidget* parent) {
  return QFileDialog::getOpenFileName(parent, {}, {}, QString::fromUtf8(msg::kFileFilter));
}

QString DialogFilePrompts::SaveFileName(QWidget* parent, const QString& suggested) {
  QString path =
      QFileDialog::getSaveFileName(parent, {}, suggested, QString::fromUtf8(msg::kFileFilter));
  if (!path.isEmpty() && !path.endsWith(QLatin1String(msg::kFileExtension), Qt::CaseInsensitive)) {
    path += QLatin1String(msg::kFileExtension);
  }
  return path;
}

}  // namespace qm314
