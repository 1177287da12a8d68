// Font, size and frame of a template dialog.
#include "desktop/forms/template_dialog.h"

#include <QDialog>

namespace qm314 {

DialogUnits SetUpTemplateDialog(QDialog* dialog, int pointSize, int width, int height) {
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  const QFont font = DialogUnits::FormFont(pointSize);
  dialog->setFont(font);
  const DialogUnits du(font);
  dialog->setFixedSize(du.x(width), du.y(height));
  return du;
}

}  // namespace qm314
