// Dialog-unit base values measured from a font.
#include "desktop/forms/dialog_units.h"

#include <QFontMetrics>

namespace qm314 {

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  baseX_ = (letters / 26 + 1) / 2;
  baseY_ = metrics.height();
}

QFont DialogUnits::FormFont(int pointSize) {
  // Liberation Serif stands in for Times New Roman with the same metrics.
  QFont font(QStringLiteral("Times New Roman"), pointSize);
  font.setStyleHint(QFont::Serif);
  return font;
}

}  // namespace qm314
