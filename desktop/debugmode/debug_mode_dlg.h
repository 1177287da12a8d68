// CDebugModeDlg: the technician's Debug Mode dialog (template 136).  A tree picks
// a test frequency or a debug item; the frequency page holds the receive and
// transmit frequency, tone method, tone and step of the test frequency, the
// parameter page the item's value and Start, which sends one tuning command.
#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <array>

#include "debugmode/debug_band.h"
#include "debugmode/debug_command.h"

class QComboBox;
class QLineEdit;
class QRadioButton;
class QSlider;
class QTreeWidget;
class QTreeWidgetItem;
class QGroupBox;
class QLabel;
class QPushButton;

namespace qm314 {

class DebugStartRunner;
class MessageBoxHost;

class CDebugModeDlg : public QDialog {
  Q_OBJECT

 public:
  // Tree item codes.
  enum ItemCode {
    kDebugFrequency = 5567,
    kHighFrequency = 5568,
    kMiddleFrequency = 5569,
    kLowFrequency = 5571,
    kDebugItem = 5572,
    kTxFrequencyItem = 5573,
    kLowPowerVoltageItem = 5574,
    kSquelchLevelItem = 5575,
    kTxPowerItem = 5576,
    kExitDebug = 5577,
  };
  // Test frequency codes (m_nCurFreq).
  enum FreqCode { kHigh = 2, kMiddle = 3, kLow = 4 };

  // `boxes` shows every message box of the dialog and outlives it.
  explicit CDebugModeDlg(MessageBoxHost& boxes, QWidget* parent = nullptr);
  ~CDebugModeDlg() override;

  // Inputs the view sets before running the dialog.
  void SetBandText(const QString& fieldText);
  void SetPortName(const QString& portName) { m_strPortName = portName; }
  // Replaces the real port, pauses and wake-up word (tests).
  void SetLink(const PortOpener& opener, Pacer* pacer) {
    m_opener = opener;
    m_pPacer = pacer;
  }

  const QString& PortName() const { return m_strPortName; }
  int CurFreq() const { return m_nCurFreq; }
  int CurItem() const { return m_nCurItem; }
  bool IsStartRunning() const;

 signals:
  // A Start has ended, whatever its outcome.
  void StartFinished(qm314::DebugOutcome outcome);

 public slots:
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  enum Side { kRx = 0, kTx = 1 };

  void OnInitDialog();
  void OnSelchangedTree(QTreeWidgetItem* item);
  void OnStart();
  void OnToneMethod(int side, int method);
  void OnStep(int side, int step);
  void OnDebugFreqRadio(int freqCode);
  void OnCloseupTone(int side, int index);
  void OnHScroll(int position);
  void OnDefault();
  bool PreTranslateEnter();

  void ShowPage(bool frequencyPage);
  // The caption names the test frequency, then LoadFrequency.
  void ShowFrequency(int freqCode);
  // Its frequencies, steps and tones into the frequency page; its button ticked.
  void LoadFrequency(int freqCode);
  void ShowItem(int itemCode);
  void FillToneList(int side, int method);
  void NormaliseEntry(int side);
  void SetCurrentValueText(int value);
  void MoveSlider(int value);
  std::uint32_t TestFrequency(int freqCode) const;
  MessageAnswer Ask(const QString& text, MessageButtons buttons, const QString& details = {},
                    MessageKind kind = MessageKind::Error);

  int F(int freqCode) const { return freqCode - kHigh; }
  int I(int itemCode) const { return itemCode - static_cast<int>(DebugItem::TxFrequency); }
  template <class T>
  T* Control(int id) const;

  MessageBoxHost& m_boxes;
  QHash<int, QWidget*> m_controls;
  QTreeWidget* m_tree = nullptr;
  QGroupBox* m_gbCaption = nullptr;
  std::array<QLineEdit*, 2> m_edFreq{};
  std::array<QComboBox*, 2> m_cbTone{};
  std::array<std::array<QRadioButton*, 2>, 2> m_rbMethod{};  // [side][QT, DQT]
  std::array<std::array<QRadioButton*, 2>, 2> m_rbStep{};    // [side][5.00, 6.25]
  std::array<QRadioButton*, 3> m_rbDebugFreq{};              // High, Middle, Low
  QSlider* m_slValue = nullptr;
  QLabel* m_stCurValue = nullptr;
  QPushButton* m_btDefault = nullptr;
  QPushButton* m_btStart = nullptr;

  // The three test frequencies in 10 Hz units, [High, Middle, Low][side].
  std::array<std::array<std::uint32_t, 2>, 3> m_freq{};
  DebugBand m_band{};
  double m_dBaseFreq = 0.0;
  bool m_bFirstChoice = true;
  QString m_strPortName;
  std::array<std::array<int, 2>, 3> m_nToneChoice{};
  int m_nCurFreq = kHigh;
  int m_nCurItem = static_cast<int>(DebugItem::TxFrequency);
  std::array<int, 4> m_nItemValue{};  // by item code - 2
  std::array<std::array<int, 2>, 3> m_nStep{};
  std::array<std::array<int, 2>, 3> m_nToneMethod{};
  QHash<int, QString> m_treeLabels;

  PortOpener m_opener;
  Pacer* m_pPacer = nullptr;
  DebugStartRunner* m_pRunner = nullptr;
};

}  // namespace qm314
