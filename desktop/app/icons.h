// The program's icons, drawn rather than shipped as bitmaps: the toolbar's
// 18 x 18 buttons and the application icon (a hand-held radio).
#pragma once

#include <QIcon>

namespace qm314::icons {

QIcon New();
QIcon Open();
QIcon Save();
QIcon ReadFromRadio();
QIcon WriteToRadio();
QIcon Print();
QIcon About();
QIcon Application();

}  // namespace qm314::icons
