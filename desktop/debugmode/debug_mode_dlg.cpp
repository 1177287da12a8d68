// CDebugModeDlg: the tree, the two pages, their handlers and Start.
#include "desktop/debugmode/debug_mode_dlg.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTreeWidget>

#include "debugmode/debug_messages.h"
#include "desktop/debugmode/debug_mode_template.h"
#include "desktop/debugmode/debug_start_runner.h"
#include "debugmode/debug_word.h"
#include "desktop/editor/message_box.h"
#include "link/posix_serial_port.h"
#include "radio/code_tables.h"

namespace qm314 {

namespace {

constexpr const char* kDialogCaption = "Debug Mode";
constexpr const char* kChooseFirst = "Please Choose Frequency first";
constexpr const char* kCurrentPosition = "Current Position:";

// The tone lists: the QT list is ToneCodeTable 0-42, the DQT list 43-210.
constexpr int kQtFirst = 0;
constexpr int kQtCount = 43;
constexpr int kDqtFirst = 43;
constexpr int kDqtCount = 168;

struct FreqInfo {
  int itemCode;
  const char* label;    // in the tree
  const char* caption;  // of group box 1029
};
// By test frequency code - 2: High, Middle, Low.
constexpr FreqInfo kFreqs[] = {
    {CDebugModeDlg::kHighFrequency, "High Frequency", "High Frequency"},
    {CDebugModeDlg::kMiddleFrequency, "Middle Frequency", "Middle Frequency"},
    {CDebugModeDlg::kLowFrequency, "Low Frequency", "Low frequency"},
};

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

}  // namespace

template <class T>
T* CDebugModeDlg::Control(int id) const {
  return static_cast<T*>(m_controls.value(id));
}

CDebugModeDlg::CDebugModeDlg(MessageBoxHost& boxes, QWidget* parent)
    : QDialog(parent), m_boxes(boxes), m_opener(OpenPortByName) {
  setWindowTitle(QString::fromUtf8(kDialogCaption));
  m_controls = BuildDebugModeControls(this);

  m_tree = Control<QTreeWidget>(debugid::kTree);
  m_gbCaption = Control<QGroupBox>(debugid::kCaption);
  m_edFreq = {Control<QLineEdit>(debugid::kRxFreq), Control<QLineEdit>(debugid::kTxFreq)};
  m_cbTone = {Control<QComboBox>(debugid::kRxTone), Control<QComboBox>(debugid::kTxTone)};
  m_rbMethod = {{{Control<QRadioButton>(debugid::kRxQt), Control<QRadioButton>(debugid::kRxDqt)},
                 {Control<QRadioButton>(debugid::kTxQt), Control<QRadioButton>(debugid::kTxDqt)}}};
  m_rbStep = {{{Control<QRadioButton>(debugid::kRx5k), Control<QRadioButton>(debugid::kRx6k25)},
               {Control<QRadioButton>(debugid::kTx5k), Control<QRadioButton>(debugid::kTx6k25)}}};
  m_rbDebugFreq = {Control<QRadioButton>(debugid::kHigh), Control<QRadioButton>(debugid::kMiddle),
                   Control<QRadioButton>(debugid::kLow)};
  m_slValue = Control<QSlider>(debugid::kSlider);
  m_stCurValue = Control<QLabel>(debugid::kCurrentValue);
  m_btDefault = Control<QPushButton>(debugid::kDefault);
  m_btStart = Control<QPushButton>(debugid::kStart);

  connect(m_tree, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { OnSelchangedTree(item); });
  // A label edited in place is not kept.
  connect(m_tree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
    const QString label = m_treeLabels.value(item->data(0, Qt::UserRole).toInt());
    if (item->text(0) != label) item->setText(0, label);
  });
  connect(m_btStart, &QPushButton::clicked, this, [this] { OnStart(); });
  connect(m_btDefault, &QPushButton::clicked, this, [this] { OnDefault(); });
  for (int side : {kRx, kTx}) {
    for (int choice : {0, 1}) {
      connect(m_rbMethod[side][choice], &QRadioButton::clicked, this,
              [this, side, choice] { OnToneMethod(side, choice); });
      connect(m_rbStep[side][choice], &QRadioButton::clicked, this,
              [this, side, choice] { OnStep(side, choice); });
    }
    connect(m_cbTone[side], qOverload<int>(&QComboBox::activated), this,
            [this, side](int index) { OnCloseupTone(side, index); });
  }
  for (int code : {kHigh, kMiddle, kLow}) {
    connect(m_rbDebugFreq[F(code)], &QRadioButton::clicked, this, [this, code] { OnDebugFreqRadio(code); });
  }
  connect(m_slValue, &QSlider::valueChanged, this, [this](int position) { OnHScroll(position); });

  m_pRunner = new DebugStartRunner(
      [this](const std::string& text, const std::string& details, MessageButtons buttons,
             MessageKind kind) {
        return Ask(QString::fromStdString(text), buttons, QString::fromStdString(details), kind);
      },
      this);
  connect(m_pRunner, &DebugStartRunner::finished, this, [this](DebugOutcome outcome) {
    for (QWidget* w : {static_cast<QWidget*>(m_tree), static_cast<QWidget*>(m_btStart),
                       static_cast<QWidget*>(m_btDefault), static_cast<QWidget*>(m_slValue)}) {
      w->setEnabled(true);
    }
    // Disabling Start took the focus away with nowhere to go; back on Start,
    // Enter runs the command again.
    if (m_btStart->isVisible()) m_btStart->setFocus();
    emit StartFinished(outcome);
  });

  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
  SetBandText(QString());
  OnInitDialog();
}

CDebugModeDlg::~CDebugModeDlg() = default;

void CDebugModeDlg::SetBandText(const QString& fieldText) {
  m_band = debugBandFor(fieldText.toStdString());
  m_dBaseFreq = m_band.base;
  for (int code : {kHigh, kMiddle, kLow}) m_freq[F(code)] = {TestFrequency(code), TestFrequency(code)};
  // The entries follow the band.
  LoadFrequency(m_nCurFreq);
}

std::uint32_t CDebugModeDlg::TestFrequency(int freqCode) const {
  switch (freqCode) {
    case kHigh: return m_band.high;
    case kMiddle: return m_band.middle;
    default: return m_band.low;
  }
}

void CDebugModeDlg::OnInitDialog() {
  auto add = [this](QTreeWidgetItem* parent, int code, const QString& label) {
    auto* item = new QTreeWidgetItem(QStringList{label});
    item->setData(0, Qt::UserRole, code);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    m_treeLabels.insert(code, label);
    if (parent != nullptr) {
      parent->addChild(item);
    } else {
      m_tree->addTopLevelItem(item);
    }
    return item;
  };
  QTreeWidgetItem* freqRoot = add(nullptr, kDebugFrequency, QStringLiteral("Debug Frequency"));
  for (const FreqInfo& f : kFreqs) add(freqRoot, f.itemCode, QString::fromUtf8(f.label));
  freqRoot->setExpanded(true);
  QTreeWidgetItem* itemRoot = add(nullptr, kDebugItem, QStringLiteral("Debug Item"));
  for (DebugItem item : kDebugItems) {
    add(itemRoot, kTxFrequencyItem + I(static_cast<int>(item)), Text(debugItemName(item)));
  }
  add(nullptr, kExitDebug, QStringLiteral("Exit Debug"));
  itemRoot->setExpanded(false);
  m_tree->setCurrentItem(nullptr);

  m_gbCaption->setTitle(QString::fromUtf8(kChooseFirst));
  m_nToneChoice = {};
  m_nStep = {};
  m_nToneMethod = {};
  m_nItemValue = {};
  m_nCurItem = static_cast<int>(DebugItem::TxFrequency);
  // High is ticked from the start, so a Start before any choice sends High,
  // not the empty entries.
  LoadFrequency(kHigh);
  const QSignalBlocker block(m_slValue);
  m_slValue->setRange(0, kDebugValueMax);
  m_slValue->setValue(0);
}

void CDebugModeDlg::FillToneList(int side, int method) {
  QComboBox* list = m_cbTone[side];
  const QSignalBlocker block(list);
  list->clear();
  const int first = method == 0 ? kQtFirst : kDqtFirst;
  const int count = method == 0 ? kQtCount : kDqtCount;
  for (int i = first; i < first + count; ++i) list->addItem(Text(ToneCodeTable().at(i)));
  list->setCurrentIndex(0);
}

void CDebugModeDlg::ShowPage(bool frequencyPage) {
  for (const DebugControlSpec& control : DebugModeControls()) {
    if (control.page == DebugPage::Frequency) m_controls.value(control.id)->setVisible(frequencyPage);
    if (control.page == DebugPage::Parameter) m_controls.value(control.id)->setVisible(!frequencyPage);
  }
}

void CDebugModeDlg::OnSelchangedTree(QTreeWidgetItem* item) {
  if (item == nullptr) return;
  if (QTreeWidgetItem* parent = item->parent()) {
    if (m_bFirstChoice) {
      m_bFirstChoice = false;
      m_btDefault->show();
    }
    ShowPage(parent->data(0, Qt::UserRole).toInt() == kDebugFrequency);
  }
  const int code = item->data(0, Qt::UserRole).toInt();
  switch (code) {
    case kHighFrequency: ShowFrequency(kHigh); break;
    case kMiddleFrequency: ShowFrequency(kMiddle); break;
    case kLowFrequency: ShowFrequency(kLow); break;
    case kTxFrequencyItem:
    case kLowPowerVoltageItem:
    case kSquelchLevelItem:
    case kTxPowerItem: ShowItem(code - kTxFrequencyItem + static_cast<int>(DebugItem::TxFrequency)); break;
    case kExitDebug: accept(); break;
    default: break;
  }
}

void CDebugModeDlg::ShowFrequency(int freqCode) {
  m_gbCaption->setTitle(QString::fromUtf8(kFreqs[F(freqCode)].caption));
  LoadFrequency(freqCode);
}

void CDebugModeDlg::LoadFrequency(int freqCode) {
  const int f = F(freqCode);
  for (int side : {kRx, kTx}) m_edFreq[side]->setText(Text(formatDebugUnits(m_freq[f][side])));
  m_nCurFreq = freqCode;
  for (int side : {kRx, kTx}) {
    m_rbStep[side][0]->setChecked(m_nStep[f][side] == 0);
    m_rbStep[side][1]->setChecked(m_nStep[f][side] == 1);
  }
  for (int side : {kRx, kTx}) {
    const int method = m_nToneMethod[f][side];
    m_rbMethod[side][0]->setChecked(method == 0);
    m_rbMethod[side][1]->setChecked(method == 1);
    FillToneList(side, method);
  }
  for (int side : {kRx, kTx}) {
    const QSignalBlocker block(m_cbTone[side]);
    m_cbTone[side]->setCurrentIndex(m_nToneChoice[f][side]);
  }
  // Start sends the entries: the button ticked is the frequency they hold.
  for (int code : {kHigh, kMiddle, kLow}) m_rbDebugFreq[F(code)]->setChecked(code == freqCode);
}

void CDebugModeDlg::ShowItem(int itemCode) {
  MoveSlider(m_nItemValue[I(itemCode)]);
  m_nCurItem = itemCode;
  SetCurrentValueText(m_nItemValue[I(itemCode)]);
}

void CDebugModeDlg::MoveSlider(int value) {
  const QSignalBlocker block(m_slValue);
  m_slValue->setValue(value);
}

void CDebugModeDlg::SetCurrentValueText(int value) {
  m_stCurValue->setText(QString::fromUtf8(kCurrentPosition) + QString::number(value));
}

void CDebugModeDlg::OnToneMethod(int side, int method) {
  QRadioButton* partner = m_rbMethod[side][1 - method];
  if (!partner->isChecked()) return;
  partner->setChecked(false);
  const int f = F(m_nCurFreq);
  m_nToneMethod[f][side] = method;
  FillToneList(side, method);
  m_nToneChoice[f][side] = 0;
}

void CDebugModeDlg::OnStep(int side, int step) {
  m_rbStep[side][1 - step]->setChecked(false);
  m_nStep[F(m_nCurFreq)][side] = step;
}

void CDebugModeDlg::OnDebugFreqRadio(int freqCode) { ShowFrequency(freqCode); }

void CDebugModeDlg::OnCloseupTone(int side, int index) {
  m_nToneChoice[F(m_nCurFreq)][side] = index;
}

void CDebugModeDlg::OnHScroll(int position) {
  SetCurrentValueText(position);
  m_nItemValue[I(m_nCurItem)] = position;
}

void CDebugModeDlg::OnDefault() {
  if (m_slValue->isVisible()) {
    const int value = debugItemDefault(*debugItemByCode(m_nCurItem));
    m_nItemValue[I(m_nCurItem)] = value;
    SetCurrentValueText(value);
    MoveSlider(value);
  } else if (m_edFreq[kRx]->isVisible()) {
    const int f = F(m_nCurFreq);
    const std::uint32_t units = TestFrequency(m_nCurFreq);
    m_freq[f] = {units, units};
    for (int side : {kRx, kTx}) {
      m_edFreq[side]->setText(Text(formatDebugUnits(units)));
      m_nStep[f][side] = 0;
      m_rbStep[side][0]->setChecked(true);
      m_rbStep[side][1]->setChecked(false);
      m_nToneMethod[f][side] = 0;
      m_rbMethod[side][0]->setChecked(true);
      m_rbMethod[side][1]->setChecked(false);
      FillToneList(side, 0);
      m_nToneChoice[f][side] = 0;
    }
  } else {
    Ask(Text(debugmsg::kNoVisibleInformation), MessageButtons::Ok);
  }
}

void CDebugModeDlg::NormaliseEntry(int side) {
  const DebugStep step = m_rbStep[side][0]->isChecked() ? DebugStep::Step5k : DebugStep::Step6k25;
  m_edFreq[side]->setText(
      Text(normaliseDebugEntry(m_edFreq[side]->text().toStdString(), m_band, step)));
}

bool CDebugModeDlg::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::KeyPress && widget != nullptr && widget->window() == this) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return PreTranslateEnter();
  }
  return QDialog::eventFilter(watched, event);
}

// Enter first acts on the focused control, then presses the push button that has
// the focus by then, as dialog key handling does; elsewhere it reaches only the
// hidden, disabled default button.
bool CDebugModeDlg::PreTranslateEnter() {
  int id = 0;
  for (QWidget* w = focusWidget(); w != nullptr && w != this; w = w->parentWidget()) {
    if (w->property("controlId").isValid()) {
      id = w->property("controlId").toInt();
      break;
    }
  }
  if (id == debugid::kDefault) {
    OnDefault();
  } else if (id == debugid::kRxFreq || id == debugid::kTxFreq) {
    NormaliseEntry(id == debugid::kRxFreq ? kRx : kTx);
    focusNextChild();
  } else if (id != debugid::kStart) {
    focusNextChild();
  }
  if (auto* button = qobject_cast<QPushButton*>(focusWidget());
      button != nullptr && button->isVisible() && button->isEnabled()) {
    button->click();
  }
  return true;
}

void CDebugModeDlg::OnStart() {
  if (m_pRunner->isRunning()) return;
  std::string error;
  const std::optional<WakeUpWord> word = ConfiguredDebugWord("", error);
  if (!word) {
    Ask(QString::fromStdString(error), MessageButtons::Ok);
    return;
  }
  DebugCommand command;
  command.rxFrequency = m_edFreq[kRx]->text().toStdString();
  command.txFrequency = m_edFreq[kTx]->text().toStdString();
  command.rxTone = m_cbTone[kRx]->currentText().toStdString();
  command.txTone = m_cbTone[kTx]->currentText().toStdString();
  command.item = *debugItemByCode(m_nCurItem);
  command.value = m_nItemValue[I(m_nCurItem)];
  // The dialog takes no input while the radio is being talked to.
  for (QWidget* w : {static_cast<QWidget*>(m_tree), static_cast<QWidget*>(m_btStart),
                     static_cast<QWidget*>(m_btDefault), static_cast<QWidget*>(m_slValue)}) {
    w->setEnabled(false);
  }
  m_pRunner->start(command, m_strPortName.toStdString(), DebugLink{m_opener, m_pPacer, *word});
}

bool CDebugModeDlg::IsStartRunning() const { return m_pRunner->isRunning(); }

MessageAnswer CDebugModeDlg::Ask(const QString& text, MessageButtons buttons,
                                 const QString& details, MessageKind kind) {
  return AskRadioQuestion(m_boxes, this, text, buttons, details, kind);
}

void CDebugModeDlg::reject() {
  // The conversation holds the port; the dialog ends only after it.
  if (IsStartRunning()) return;
  QDialog::reject();
}

void CDebugModeDlg::closeEvent(QCloseEvent* event) {
  if (IsStartRunning()) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace qm314
