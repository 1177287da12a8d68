// CBatchWriteDlg: the modeless dialog of Program › Write To Several Radios.
// The user picks ports and options; Start encodes the form once and writes it
// to a radio on every picked port at once; Next (Enter) starts the next round,
// or with "start when a radio answers" each port takes its next radio by
// itself.  A line per port shows what it does, a tally counts the radios, and
// Stop ends every port after its current block.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "link/batch_log.h"
#include "link/batch_record.h"
#include "link/pacer.h"
#include "link/serial_port.h"
#include "radio/image.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSettings;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace qm314 {

class BatchRelay;
class BatchWriter;

class CBatchWriteDlg : public QDialog {
  Q_OBJECT
 public:
  // What the dialog needs from the program around it.
  struct Services {
    // The form encoded as a write would send it, without touching the document.
    std::function<RadioImage()> encode;
    // A message box with the program's caption.
    std::function<void(const QString& text)> showError;
  };

  CBatchWriteDlg(Services services, QWidget* parent);
  ~CBatchWriteDlg() override;

  // Opens the window (or raises it) with the ports present now.
  void Create(const QWidget* over);
  // Where the log path and the log choice are kept between runs.
  void SetSettingsStore(QSettings* settings);
  // The ports' line and pace: the serial ports and real time unless a test says otherwise.
  void SetLine(PortOpener opener, std::shared_ptr<Pacer> pacer);
  // A single transfer holds a port: no batch may start beside it.
  void SetOtherTransferRunning(bool running);

  // From Start until every port of the batch is closed again.
  bool IsRunning() const;
  // Some port's radio is taking blocks now.
  bool IsWriting() const;
  Tally tally() const { return tally_; }

 signals:
  void RunningChanged(bool running);
  // Every port has finished the round Start or Next began.
  void RoundEnded();

 public slots:
  void OnStart();
  void OnNext();
  // Every port ends after its current block; RunningChanged(false) follows
  // once they are all closed.
  void OnStop();

 protected:
  // Escape and the close box act as Close.
  void reject() override;

 private:
  void OnClose();
  void OnStationChanged(const StationReport& report);
  void ShowPendingReports();
  void ShowReport(const StationReport& report);
  void OnRadioFinished(int station, const RadioRecord& record);
  void OnRoundEnded();
  void OnBatchEnded();
  void FillPorts();
  bool OpenLog();
  void UpdateButtons();
  QTreeWidgetItem* StationItem(int station) const;

  Services services_;
  QSettings* settings_ = nullptr;
  PortOpener opener_;
  std::shared_ptr<Pacer> pacer_;
  bool otherTransferRunning_ = false;
  bool stopping_ = false;
  bool closeWhenEnded_ = false;

  QTreeWidget* m_lstPorts = nullptr;
  QCheckBox* m_chkVerify = nullptr;
  QCheckBox* m_chkWaitForRadio = nullptr;
  QCheckBox* m_chkLog = nullptr;
  QLineEdit* m_edLogPath = nullptr;
  QPushButton* m_btnBrowse = nullptr;
  QLabel* m_stTally = nullptr;
  QPushButton* m_btnStart = nullptr;
  QPushButton* m_btnNext = nullptr;
  QPushButton* m_btnStop = nullptr;
  QPushButton* m_btnClose = nullptr;

  // The batch: the relay outlives the writer, whose threads report to it.
  BatchRelay* relay_ = nullptr;
  BatchLog log_;
  std::unique_ptr<BatchWriter> writer_;
  std::vector<QTreeWidgetItem*> stationItems_;  // the batch's ports, in order
  std::vector<StationState> stationStates_;
  std::vector<std::optional<StationReport>> pendingReports_;
  QTimer* refreshTimer_ = nullptr;
  Tally tally_;
};

}  // namespace qm314
