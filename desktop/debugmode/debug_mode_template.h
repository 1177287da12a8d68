// Dialog template 136, "Debug Mode": every control with its id, kind, text,
// place in dialog units and the page it belongs to, and the builder that lays
// them out as Qt widgets.
#pragma once

#include <QHash>
#include <QString>
#include <span>

class QDialog;
class QWidget;

namespace qm314 {

namespace debugid {
inline constexpr int kDefault = 1028;
inline constexpr int kTree = 1026;
inline constexpr int kCaption = 1029;
inline constexpr int kRxFreq = 1030;
inline constexpr int kTxFreq = 1031;
inline constexpr int kRxQt = 1034;
inline constexpr int kRxDqt = 1035;
inline constexpr int kTxQt = 1036;
inline constexpr int kTxDqt = 1037;
inline constexpr int kStart = 1038;
inline constexpr int kSlider = 1039;
inline constexpr int kHigh = 1040;
inline constexpr int kMiddle = 1041;
inline constexpr int kLow = 1042;
inline constexpr int kCurrentValue = 1052;
inline constexpr int kRxTone = 1012;
inline constexpr int kTxTone = 1013;
inline constexpr int kRx5k = 1063;
inline constexpr int kRx6k25 = 1064;
inline constexpr int kTx5k = 1066;
inline constexpr int kTx6k25 = 1067;
inline constexpr int kHiddenDefault = 1068;
}  // namespace debugid

enum class DebugControlKind { PushButton, Tree, GroupBox, Static, Edit, Radio, Slider, Combo };
enum class DebugPage { Always, DefaultButton, Frequency, Parameter, Never };

struct DebugControlSpec {
  int id;
  DebugControlKind kind;
  const char* text;
  int x, y, w, h;  // dialog units
  DebugPage page;
  const char* name;  // the widget's object name
};

// In template order, which is also the order of creation.
std::span<const DebugControlSpec> DebugModeControls();

inline constexpr int kDebugModeWidth = 391;
inline constexpr int kDebugModeHeight = 216;
inline constexpr int kDebugModePointSize = 10;

// Gives `dialog` the template's font, size and frame, creates the controls on
// it and gives them their tab order.  Returns the widgets by control id.
QHash<int, QWidget*> BuildDebugModeControls(QDialog* dialog);

}  // namespace qm314
