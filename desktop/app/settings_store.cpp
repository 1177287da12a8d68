// Opening the settings store, with the one-time read of the old one.
#include "desktop/app/settings_store.h"

#include <QFileInfo>

#include "desktop/app/app_messages.h"
#include "editor/messages.h"

namespace qm314 {

std::unique_ptr<QSettings> OpenSettingsStore() {
  auto settings = std::make_unique<QSettings>(QString::fromUtf8(msg::kSettingsOrganisation),
                                              QString::fromUtf8(msg::kSettingsApplication));
  if (QFileInfo::exists(settings->fileName())) return settings;
  // Earlier versions kept the recent files and the choices under the
  // original's names; the old file is left as it is.
  const QSettings old(QString::fromUtf8(msg::kOldSettingsKey), QString::fromUtf8(msg::kBoxCaption));
  if (!QFileInfo::exists(old.fileName())) return settings;
  for (const QString& key : old.allKeys()) settings->setValue(key, old.value(key));
  settings->sync();
  return settings;
}

}  // namespace qm314
