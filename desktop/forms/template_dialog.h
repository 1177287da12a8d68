// What a dialog made from a resource template gets before its controls are
// placed: the template's font and size, and the template's frame.
#pragma once

#include "desktop/forms/dialog_units.h"

class QDialog;

namespace qm314 {

// Gives `dialog` the form font of `pointSize`, a fixed size of `width` x
// `height` dialog units, and a frame with a caption, the system menu and a
// close box only: no minimise or maximise button, since the templates' size
// is fixed.  Returns the units to place the controls with.
DialogUnits SetUpTemplateDialog(QDialog* dialog, int pointSize, int width, int height);

}  // namespace qm314
