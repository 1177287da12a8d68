// Layout of the Debug Mode dialog from its template.
#include "desktop/debugmode/debug_mode_template.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTreeWidget>

#include "desktop/forms/template_dialog.h"

namespace qm314 {

namespace {

using K = DebugControlKind;

// A Windows auto radio button: a click always checks it, never unchecks it.
class AutoRadioButton : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  void nextCheckState() override { setChecked(true); }
};

using P = DebugPage;

constexpr DebugControlSpec kControls[] = {
    {1028, K::PushButton, "Default", 270, 178, 64, 17, P::DefaultButton, "m_btDefault"},
    {1026, K::Tree, "", 18, 23, 98, 179, P::Always, "m_tree"},
    {1029, K::GroupBox, "Static", 120, 13, 250, 190, P::Always, "m_gbCaption"},
    {1054, K::Static, "Frequency (MHz)", 133, 62, 36, 17, P::Frequency, "m_stRxFreq"},
    {1055, K::Static, "Frequency (MHz)", 244, 61, 37, 19, P::Frequency, "m_stTxFreq"},
    {1056, K::Static, "Tone", 134, 81, 19, 9, P::Frequency, "m_stRxTone"},
    {1057, K::Static, "Tone", 243, 81, 19, 10, P::Frequency, "m_stTxTone"},
    {1058, K::Static, "Tone Method", 135, 98, 23, 20, P::Frequency, "m_stRxMethod"},
    // 46 wide, not 53: at 53 the entry ran 3 units past the Receive frame.
    {1030, K::Edit, "", 179, 62, 46, 12, P::Frequency, "m_edRxFreq"},
    {1031, K::Edit, "", 283, 60, 53, 12, P::Frequency, "m_edTxFreq"},
    {1034, K::Radio, "QT", 184, 94, 32, 13, P::Frequency, "m_rbRxQt"},
    {1035, K::Radio, "DQT", 184, 109, 34, 10, P::Frequency, "m_rbRxDqt"},
    {1059, K::Static, "Tone Method", 244, 99, 23, 20, P::Frequency, "m_stTxMethod"},
    {1036, K::Radio, "QT", 297, 95, 32, 13, P::Frequency, "m_rbTxQt"},
    {1037, K::Radio, "DQT", 297, 109, 34, 11, P::Frequency, "m_rbTxDqt"},
    {1038, K::PushButton, "Start", 157, 180, 45, 16, P::Parameter, "m_btStart"},
    {1044, K::GroupBox, "Parameter Value", 128, 83, 214, 70, P::Parameter, "m_gbParameter"},
    {1049, K::Static, "Min", 137, 105, 28, 13, P::Parameter, "m_stMin"},
    {1051, K::Static, "Max", 301, 105, 24, 13, P::Parameter, "m_stMax"},
    {1039, K::Slider, "", 158, 103, 133, 14, P::Parameter, "m_slValue"},
    {1052, K::Static, "Current Value", 139, 126, 94, 13, P::Parameter, "m_stCurValue"},
    {1043, K::GroupBox, "Choose Debug Frequency", 128, 35, 221, 39, P::Parameter, "m_gbChoose"},
    {1040, K::Radio, "High(MHz)", 136, 51, 57, 12, P::Parameter, "m_rbHigh"},
    {1041, K::Radio, "Middle(MHz)", 200, 51, 54, 12, P::Parameter, "m_rbMiddle"},
    {1042, K::Radio, "Low(MHz)", 270, 51, 52, 12, P::Parameter, "m_rbLow"},
    {1012, K::Combo, "", 179, 78, 44, 70, P::Frequency, "m_cbRxTone"},
    {1013, K::Combo, "", 285, 77, 44, 70, P::Frequency, "m_cbTxTone"},
    // 122 tall, not 121, so that its bottom lines up with the Transmit frame's.
    {1060, K::GroupBox, "Receive", 121, 50, 108, 122, P::Frequency, "m_gbReceive"},
    {1061, K::GroupBox, "Transmit", 235, 50, 114, 122, P::Frequency, "m_gbTransmit"},
    {1062, K::Static, "Step Value", 133, 123, 30, 26, P::Frequency, "m_stRxStep"},
    {1063, K::Radio, "5.00KHZ", 166, 123, 44, 11, P::Frequency, "m_rbRx5k"},
    {1064, K::Radio, "6.25KHZ", 166, 134, 48, 15, P::Frequency, "m_rbRx6k25"},
    {1065, K::Static, "Step Value", 241, 123, 30, 26, P::Frequency, "m_stTxStep"},
    {1066, K::Radio, "5.00KHZ", 278, 121, 48, 15, P::Frequency, "m_rbTx5k"},
    {1067, K::Radio, "6.25KHZ", 278, 136, 48, 15, P::Frequency, "m_rbTx6k25"},
    {1068, K::PushButton, "Button1", 218, 184, 25, 11, P::Never, "m_btHidden"},
};

QWidget* makeControl(const DebugControlSpec& control, QDialog* dialog) {
  const QString text = QString::fromUtf8(control.text);
  switch (control.kind) {
    case K::PushButton: {
      auto* button = new QPushButton(text, dialog);
      // Enter is the dialog's own business (see the Enter handling); Qt must not
      // press a button on its own.
      button->setAutoDefault(false);
      return button;
    }
    case K::Tree: {
      auto* tree = new QTreeWidget(dialog);
      tree->setHeaderHidden(true);
      tree->setColumnCount(1);
      tree->setRootIsDecorated(true);
      tree->setMouseTracking(true);  // hot tracking
      tree->setAllColumnsShowFocus(true);
      tree->setEditTriggers(QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::SelectedClicked);
      return tree;
    }
    case K::GroupBox: {
      auto* box = new QGroupBox(text, dialog);
      // The caption sits on the frame's top line, as the template's numbers assume.
      box->setStyleSheet(QStringLiteral(
          "QGroupBox { border: 1px solid palette(mid); margin-top: 0.6em; }"
          "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
      // Group boxes only frame the controls created before them.
      box->setAttribute(Qt::WA_TransparentForMouseEvents);
      box->setFocusPolicy(Qt::NoFocus);
      return box;
    }
    case K::Static: {
      auto* label = new QLabel(text, dialog);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case K::Edit:
      return new QLineEdit(dialog);
    case K::Radio: {
      auto* radio = new AutoRadioButton(text, dialog);
      // None is grouped with its partners: the dialog keeps them exclusive.
      radio->setAutoExclusive(false);
      radio->setFocusPolicy(Qt::ClickFocus);
      return radio;
    }
    case K::Slider: {
      auto* slider = new QSlider(Qt::Horizontal, dialog);
      slider->setTickPosition(QSlider::TicksBelow);
      return slider;
    }
    case K::Combo: {
      auto* combo = new QComboBox(dialog);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->setMaxVisibleItems(10);
      return combo;
    }
  }
  return nullptr;
}

}  // namespace

std::span<const DebugControlSpec> DebugModeControls() { return kControls; }

QHash<int, QWidget*> BuildDebugModeControls(QDialog* dialog) {
  const DialogUnits du =
      SetUpTemplateDialog(dialog, kDebugModePointSize, kDebugModeWidth, kDebugModeHeight);
  QHash<int, QWidget*> controls;
  for (const auto& control : kControls) {
    QWidget* w = makeControl(control, dialog);
    w->setObjectName(QString::fromUtf8(control.name));
    w->setProperty("controlId", control.id);
    QRect r = du.rect(control.x, control.y, control.w, control.h);
    // A combo box's height in a template includes its drop-down list.
    if (control.kind == K::Combo) r.setHeight(w->sizeHint().height());
    w->setGeometry(r);
    if (control.kind == K::GroupBox) w->lower();
    w->setVisible(control.page == P::Always);
    controls.insert(control.id, w);
  }
  controls.value(debugid::kHiddenDefault)->setEnabled(false);

  const int tabOrder[] = {debugid::kDefault, debugid::kTree,   debugid::kRxFreq, debugid::kTxFreq,
                          debugid::kStart,   debugid::kSlider, debugid::kRxTone, debugid::kTxTone};
  for (std::size_t i = 0; i + 1 < std::size(tabOrder); ++i) {
    QWidget::setTabOrder(controls.value(tabOrder[i]), controls.value(tabOrder[i + 1]));
  }
  return controls;
}

}  // namespace qm314
