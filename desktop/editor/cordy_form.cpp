// Layout of the main form from its template in dialog units.
#include "desktop/editor/cordy_form.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "desktop/editor/msflexgrid.h"
#include "desktop/forms/dialog_units.h"
#include "editor/messages.h"
#include "radio/code_tables.h"
#include "radio/settings_fields.h"

namespace qm314 {
namespace {

constexpr int kFormWidth = 299;
constexpr int kFormHeight = 212;
constexpr int kFormPointSize = 9;
// Gap in dialog units between a label's text and its box.
constexpr int kLabelGap = 3;
constexpr int kGridLeft = 133;
constexpr int kGridTop = 31;
constexpr int kGridWidth = 152;
constexpr int kGridHeight = 167;

// The label beside a settings box, as the core names it.
QString FormLabel(std::string_view key) {
  const std::string_view label = FindSettingField(key)->formLabel;
  return QString::fromUtf8(label.data(), static_cast<int>(label.size()));
}

struct BoxTemplate {
  const char* name;
  int id;
  std::string_view key;  // the setting's key, which names its label
  int labelX;
  bool rightAligned;
  int x;
  int y;
  int width;
  const TextList& items;
  bool enabled;
};

QComboBox* MakeBox(QWidget* form, const DialogUnits& du, const BoxTemplate& t) {
  auto* box = new QComboBox(form);
  box->setObjectName(QString::fromLatin1(t.name));
  box->setProperty("controlId", t.id);
  for (const std::string& item : t.items) box->addItem(QString::fromStdString(item));
  box->setMaxVisibleItems(11);
  const int height = box->sizeHint().height();
  box->setGeometry(du.x(t.x), du.y(t.y), du.x(t.width), height);
  box->setEnabled(t.enabled);

  auto* label = new QLabel(FormLabel(t.key), form);
  label->setObjectName(QStringLiteral("label_") + QString::fromLatin1(t.name));
  const int left = du.x(t.labelX);
  const int right = du.x(t.x - kLabelGap);
  const int textWidth = label->sizeHint().width();
  if (t.rightAligned) {
    const int width = std::max(right - left, textWidth);
    label->setGeometry(right - width, du.y(t.y), width, height);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  } else {
    label->setGeometry(left, du.y(t.y), std::max(right - left, textWidth), height);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  label->setBuddy(box);
  return box;
}

void MakeGroup(QWidget* form, const DialogUnits& du, const char* name, const char* title,
               QRect rect) {
  auto* group = new QGroupBox(QString::fromLatin1(title), form);
  group->setObjectName(QString::fromLatin1(name));
  group->setGeometry(du.rect(rect.x(), rect.y(), rect.width(), rect.height()));
}

}  // namespace

FormControls BuildCordyForm(QWidget* form) {
  const QFont font = DialogUnits::FormFont(kFormPointSize);
  form->setFont(font);
  const DialogUnits du(font);
  form->setMinimumSize(du.x(kFormWidth), du.y(kFormHeight));

  // Frames first, so the controls inside them are drawn on top.
  MakeGroup(form, du, "groupTypeSetting", msg::kTypeSettingGroup, {15, 10, 107, 47});
  MakeGroup(form, du, "groupFunctionSetting", msg::kFunctionSettingGroup, {15, 62, 108, 133});

  FormControls c;
  c.type = MakeBox(form, du, {"m_cbType", control_id::kType, "type", 23, false, 48, 20, 66,
                              TypeItems(), false});
  c.field = MakeBox(form, du, {"m_cbField", control_id::kField, "field", 23, false, 48, 38, 66,
                               FieldTemplateItems(), false});
  c.tot = MakeBox(form, du, {"m_cbTot", control_id::kTot, "tot", 40, true, 65, 78, 51, TotItems(),
                             true});
  c.warning = MakeBox(form, du, {"m_cbWarning", control_id::kWarning, "warning", 30, true, 65, 97,
                                 51, WarningItems(), true});

  c.power = new QLineEdit(form);
  c.power->setObjectName(QStringLiteral("m_edPower"));
  c.power->setProperty("controlId", control_id::kPower);
  c.power->setReadOnly(true);
  c.power->setGeometry(du.x(65), du.y(115), du.x(51), std::max(du.y(12), c.tot->height()));
  auto* powerLabel = new QLabel(FormLabel("power"), form);
  powerLabel->setObjectName(QStringLiteral("label_m_edPower"));
  powerLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  powerLabel->setGeometry(du.x(39), c.power->y(), du.x(65 - kLabelGap - 39), c.power->height());

  c.squelch = MakeBox(form, du, {"m_cbSquelch", control_id::kSquelch, "squelch", 18, true,
                                 65, 135, 51, SquelchItems(), true});
  c.scanSwitch = MakeBox(form, du, {"m_cbScanSwitch", control_id::kScanSwitch, "scan_switch", 23,
                                    true, 65, 154, 51, ScanSwitchItems(), true});
  c.moni = MakeBox(form, du, {"m_cbMoni", control_id::kMoni, "moni", 20, false, 44, 176, 73,
                              MoniItems(), true});

  auto* gridLabel = new QLabel(QString::fromUtf8(msg::kChannelGridLabel), form);
  gridLabel->setObjectName(QStringLiteral("label_m_Grid"));
  gridLabel->move(du.x(129), du.y(16));
  gridLabel->resize(gridLabel->sizeHint());

  c.grid = new CMSFlexGrid(form);
  c.grid->setProperty("controlId", control_id::kGrid);
  c.grid->setFont(font);
  c.grid->setGeometry(du.rect(kGridLeft, kGridTop, kGridWidth, kGridHeight));
  // The grid's stored properties: rows tall enough for the font that fill
  // the control, and a default column width that lets the shaped columns
  // (3.6 default widths in all) fit without a horizontal scroll bar.
  const int inner = 2 * c.grid->frameWidth();
  c.grid->setRowHeightPixels((c.grid->height() - inner) / ChannelTable::kRows);
  c.grid->setDefaultColumnWidthPixels(static_cast<int>((c.grid->width() - inner) / 3.6));

  QWidget::setTabOrder(c.grid, c.tot);
  QWidget::setTabOrder(c.tot, c.warning);
  QWidget::setTabOrder(c.warning, c.squelch);
  QWidget::setTabOrder(c.squelch, c.moni);
  QWidget::setTabOrder(c.moni, c.scanSwitch);
  QWidget::setTabOrder(c.scanSwitch, c.power);
  return c;
}

void LayOutCordyForm(QWidget* form, CMSFlexGrid* grid) {
  const DialogUnits du(form->font());
  const QSize extra = (form->size() - form->minimumSize()).expandedTo(QSize(0, 0));
  grid->setGeometry(du.rect(kGridLeft, kGridTop, kGridWidth, kGridHeight)
                        .adjusted(0, 0, extra.width(), extra.height()));
}

}  // namespace qm314
