// The program's settings store, under ~/.config/qm314/.  What an earlier
// version kept under the settings key of the original program is read once,
// into a store that does not exist yet.
#pragma once

#include <QSettings>
#include <memory>

namespace qm314 {

std::unique_ptr<QSettings> OpenSettingsStore();

}  // namespace qm314
