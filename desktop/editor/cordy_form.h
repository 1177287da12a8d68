// The main form's template: the settings panel's group frames, labels and boxes
// and the channel grid, placed in dialog units of the form's font.
#pragma once

#include <QList>

class QComboBox;
class QLineEdit;
class QWidget;

namespace qm314 {

class CMSFlexGrid;

// Control ids of the form, kept on each widget as its "controlId" property.
namespace control_id {
inline constexpr int kGrid = 1007;
inline constexpr int kField = 1011;
inline constexpr int kMoni = 1012;
inline constexpr int kTot = 1013;
inline constexpr int kWarning = 1014;
inline constexpr int kSquelch = 1016;
inline constexpr int kType = 1017;
inline constexpr int kScanSwitch = 1078;
inline constexpr int kPower = 1079;
inline constexpr int kChannelEditor = 1300;
inline constexpr int kToneEditor = 1301;
inline constexpr int kBcloEditor = 61448;
inline constexpr int kScanEditor = 61450;
}  // namespace control_id

struct FormControls {
  QLineEdit* power = nullptr;
  QComboBox* scanSwitch = nullptr;
  QComboBox* moni = nullptr;
  QComboBox* type = nullptr;
  QComboBox* tot = nullptr;
  QComboBox* squelch = nullptr;
  QComboBox* warning = nullptr;
  QComboBox* field = nullptr;
  CMSFlexGrid* grid = nullptr;
};

// Creates every control of the template on form, gives form the template's
// size as its smallest and sets the tab order: the grid, TOT, Warning,
// Squelch Level, Moni, Scan Switch, Power.  The Type and Field boxes are
// disabled for good.
FormControls BuildCordyForm(QWidget* form);

// Places the grid for a form of the given size: at the template's size (and
// below) the grid has the template's place; a larger form gives its extra
// width and height to the grid, the settings panel keeping its place.
void LayOutCordyForm(QWidget* form, CMSFlexGrid* grid);

}  // namespace qm314
