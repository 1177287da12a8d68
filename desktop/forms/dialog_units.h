// Converts the forms' dialog units into pixels for a given font, so templates
// laid out in dialog units keep their proportions whatever the screen.
#pragma once

#include <QFont>
#include <QRect>

namespace qm314 {

class DialogUnits {
 public:
  // Base units from the font: the average width of the 52 Latin letters and
  // the character height, as the templates were designed against.
  explicit DialogUnits(const QFont& font);
  DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}

  int x(int du) const { return MulDiv(du, baseX_, 4); }
  int y(int du) const { return MulDiv(du, baseY_, 8); }
  QRect rect(int left, int top, int width, int height) const {
    return QRect(x(left), y(top), x(width), y(height));
  }
  int baseX() const { return baseX_; }
  int baseY() const { return baseY_; }

  // The forms' own fonts: the main form uses 9 pt, the dialogs 10 pt.
  static QFont FormFont(int pointSize);

 private:
  static int MulDiv(int a, int b, int c) { return (a * b + c / 2) / c; }
  int baseX_;
  int baseY_;
};

}  // namespace qm314
