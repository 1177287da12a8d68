// The dialog's controls, its states, and the batch it starts and stops.
#include "desktop/link/batch_write_dlg.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStyledItemDelegate>
#include <QStyleOptionViewItem>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "desktop/forms/dialog_units.h"
#include "link/batch_messages.h"
#include "desktop/link/batch_relay.h"
#include "link/batch_writer.h"
#include "link/clone_frames.h"
#include "link/port_choices.h"
#include "link/port_names.h"
#include "link/posix_serial_port.h"
#include "desktop/link/transfer_template.h"

namespace qm314 {
namespace {

enum Column { kPort, kDevice, kState, kProgress };

// How often the lines follow the blocks moving.
constexpr int kRefreshMs = 100;

constexpr const char* kLogFileKey = "BatchWrite/LogFile";
constexpr const char* kWriteLogKey = "BatchWrite/WriteLog";

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }
QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

// Sizes a line for its text wrapped at the width of its column: the view asks
// for a line's height without saying how wide the column is.
class WrapInColumn final : public QStyledItemDelegate {
 public:
  explicit WrapInColumn(QTreeView* view) : QStyledItemDelegate(view), view_(view) {}
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem inColumn(option);
    inColumn.rect.setSize(QSize(view_->columnWidth(index.column()), std::max(option.rect.height(), 1)));
    return QStyledItemDelegate::sizeHint(inColumn, index);
  }

 private:
  QTreeView* view_;
};

QProgressBar* BarOf(QTreeWidgetItem* item) {
  return item->treeWidget()->itemWidget(item, kProgress)->findChild<QProgressBar*>();
}

}  // namespace

CBatchWriteDlg::CBatchWriteDlg(Services services, QWidget* parent)
    : QDialog(parent), services_(std::move(services)), opener_(OpenPortByName),
      pacer_(std::make_shared<SleepPacer>()) {
  setObjectName(QStringLiteral("CBatchWriteDlg"));
  setModal(false);
  setWindowTitle(Text(batch_msg::kDialogTitle));
  setFont(DialogUnits::FormFont(transfer_template::kFontPointSize));
  const DialogUnits du(font());

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(Text(batch_msg::kPortsLabel), this));
  m_lstPorts = new QTreeWidget(this);
  m_lstPorts->setObjectName(QStringLiteral("IDC_PORTS"));
  m_lstPorts->setRootIsDecorated(false);
  // A radio's outcome is read whole on its line, how many blocks a radio that
  // stopped half-way took included.
  m_lstPorts->setWordWrap(true);
  m_lstPorts->setItemDelegateForColumn(kState, new WrapInColumn(m_lstPorts));
  connect(m_lstPorts->header(), &QHeaderView::sectionResized, m_lstPorts, [this](int column) {
    if (column == kState) m_lstPorts->doItemsLayout();
  });
  m_lstPorts->setHeaderLabels({Text(batch_msg::kPortColumn), Text(batch_msg::kDeviceColumn),
                               Text(batch_msg::kStateColumn), Text(batch_msg::kProgressColumn)});
  m_lstPorts->header()->setStretchLastSection(false);
  m_lstPorts->header()->setSectionResizeMode(kState, QHeaderView::Stretch);
  m_lstPorts->setColumnWidth(kProgress, du.x(60));
  m_lstPorts->setMinimumSize(du.x(400), du.y(90));
  layout->addWidget(m_lstPorts);

  m_chkVerify = new QCheckBox(Text(batch_msg::kVerifyOption), this);
  m_chkVerify->setObjectName(QStringLiteral("IDC_VERIFY"));
  m_chkVerify->setChecked(true);
  m_chkWaitForRadio = new QCheckBox(Text(batch_msg::kWaitOption), this);
  m_chkWaitForRadio->setObjectName(QStringLiteral("IDC_WAIT_FOR_RADIO"));
  // What this way of working takes for granted, where the user meets it.
  m_chkWaitForRadio->setToolTip(Text(batch_msg::WaitOptionHelp()));
  m_chkWaitForRadio->setWhatsThis(Text(batch_msg::WaitOptionHelp()));
  layout->addWidget(m_chkVerify);
  layout->addWidget(m_chkWaitForRadio);

  auto* logRow = new QHBoxLayout;
  m_chkLog = new QCheckBox(Text(batch_msg::kLogOption), this);
  m_chkLog->setObjectName(QStringLiteral("IDC_LOG"));
  m_edLogPath = new QLineEdit(this);
  m_edLogPath->setObjectName(QStringLiteral("IDC_LOG_PATH"));
  m_btnBrowse = new QPushButton(Text(batch_msg::kBrowseButton), this);
  m_btnBrowse->setObjectName(QStringLiteral("IDC_BROWSE"));
  m_btnBrowse->setAutoDefault(false);
  logRow->addWidget(m_chkLog);
  logRow->addWidget(m_edLogPath, 1);
  logRow->addWidget(m_btnBrowse);
  layout->addLayout(logRow);

  m_stTally = new QLabel(Text(TallyText(Tally{})), this);
  m_stTally->setObjectName(QStringLiteral("IDC_TALLY"));
  layout->addWidget(m_stTally);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  const auto button = [this, buttons](const char* text, const char* name) {
    auto* b = new QPushButton(Text(text), this);
    b->setObjectName(QString::fromLatin1(name));
    buttons->addWidget(b);
    return b;
  };
  m_btnStart = button(batch_msg::kStartButton, "IDOK");
  m_btnNext = button(batch_msg::kNextButton, "IDC_NEXT");
  m_btnStop = button(batch_msg::kStopButton, "IDC_STOP");
  m_btnClose = button(batch_msg::kCloseButton, "IDCANCEL");
  layout->addLayout(buttons);

  refreshTimer_ = new QTimer(this);
  refreshTimer_->setSingleShot(true);
  refreshTimer_->setInterval(kRefreshMs);
  connect(refreshTimer_, &QTimer::timeout, this, &CBatchWriteDlg::ShowPendingReports);

  relay_ = new BatchRelay(this);
  connect(relay_, &BatchRelay::StationChanged, this, &CBatchWriteDlg::OnStationChanged, Qt::QueuedConnection);
  connect(relay_, &BatchRelay::RadioFinished, this, &CBatchWriteDlg::OnRadioFinished, Qt::QueuedConnection);
  connect(relay_, &BatchRelay::RoundEnded, this, &CBatchWriteDlg::OnRoundEnded, Qt::QueuedConnection);
  connect(relay_, &BatchRelay::BatchEnded, this, &CBatchWriteDlg::OnBatchEnded, Qt::QueuedConnection);
  connect(m_btnStart, &QPushButton::clicked, this, &CBatchWriteDlg::OnStart);
  connect(m_btnNext, &QPushButton::clicked, this, &CBatchWriteDlg::OnNext);
  connect(m_btnStop, &QPushButton::clicked, this, &CBatchWriteDlg::OnStop);
  connect(m_btnClose, &QPushButton::clicked, this, &CBatchWriteDlg::OnClose);
  connect(m_chkLog, &QCheckBox::toggled, m_edLogPath, &QWidget::setEnabled);
  connect(m_btnBrowse, &QPushButton::clicked, this, [this] {
    const QString path = QFileDialog::getSaveFileName(this, Text(batch_msg::kLogOption), m_edLogPath->text(),
                                                      Text(batch_msg::kLogFilter), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) return;
    m_edLogPath->setText(path);
    m_chkLog->setChecked(true);
  });
  m_edLogPath->setEnabled(false);
  UpdateButtons();
}

CBatchWriteDlg::~CBatchWriteDlg() {
  // The ports' threads end and close their ports before the relay they
  // report to goes.
  writer_.reset();
}

void CBatchWriteDlg::Create(const QWidget* over) {
  if (!isVisible()) {
    if (!IsRunning()) FillPorts();
    adjustSize();
    const QPoint centre = over->mapToGlobal(over->rect().center());
    move(centre - QPoint(width() / 2, height() / 2));
    show();
  }
  raise();
  activateWindow();
  m_lstPorts->setFocus();
}

void CBatchWriteDlg::SetSettingsStore(QSettings* settings) {
  settings_ = settings;
  if (!settings_) return;
  m_edLogPath->setText(settings_->value(QLatin1String(kLogFileKey)).toString());
  m_chkLog->setChecked(settings_->value(QLatin1String(kWriteLogKey), false).toBool());
}

void CBatchWriteDlg::SetLine(PortOpener opener, std::shared_ptr<Pacer> pacer) {
  opener_ = std::move(opener);
  pacer_ = std::move(pacer);
}

void CBatchWriteDlg::SetOtherTransferRunning(bool running) {
  otherTransferRunning_ = running;
  UpdateButtons();
}

bool CBatchWriteDlg::IsRunning() const { return writer_ != nullptr; }

bool CBatchWriteDlg::IsWriting() const {
  return IsRunning() && std::find(stationStates_.begin(), stationStates_.end(), StationState::Writing) !=
                            stationStates_.end();
}

void CBatchWriteDlg::FillPorts() {
  // The devices present may have changed since the last opening; the ports
  // ticked then stay ticked where they still are.
  QStringList ticked;
  for (int i = 0; i < m_lstPorts->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = m_lstPorts->topLevelItem(i);
    if (item->checkState(kPort) == Qt::Checked) ticked << item->data(kPort, Qt::UserRole).toString();
  }
  m_lstPorts->clear();
  for (const PortChoice& choice : PortChoices()) {
    auto* item = new QTreeWidgetItem(m_lstPorts);
    item->setText(kPort, Text(choice.name));
    item->setData(kPort, Qt::UserRole, Text(choice.name));
    item->setText(kDevice, Text(choice.present ? choice.device : choice.device + " " + batch_msg::kNotPresent));
    item->setFlags((item->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsEditable);
    item->setCheckState(kPort, ticked.contains(Text(choice.name)) ? Qt::Checked : Qt::Unchecked);
    // The bar keeps to the height of a line of text, in the middle of its
    // cell; a line whose outcome takes more room grows, which the bar itself
    // would forbid.
    auto* cell = new QWidget(m_lstPorts);
    auto* stack = new QVBoxLayout(cell);
    stack->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QProgressBar(cell);
    bar->setRange(transfer_template::kProgressMin, transfer_template::kProgressMax);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setMaximumHeight(m_lstPorts->fontMetrics().height());
    stack->addStretch(1);
    stack->addWidget(bar);
    stack->addStretch(1);
    m_lstPorts->setItemWidget(item, kProgress, cell);
  }
  if (m_lstPorts->topLevelItemCount() > 0) m_lstPorts->setCurrentItem(m_lstPorts->topLevelItem(0));
  // A port or a device is never cut short: "/dev/ttyUSB3 (not present)" and
  // the long names under /dev/serial/by-id/ are read whole, and the window
  // opens wide enough for them and a line's state beside them.
  QStyleOptionViewItem option;
  option.initFrom(m_lstPorts);
  int names = 0;
  for (const int column : {kPort, kDevice}) {
    int widest = m_lstPorts->header()->sectionSizeHint(column);
    for (int row = 0; row < m_lstPorts->topLevelItemCount(); ++row) {
      const QModelIndex index = m_lstPorts->model()->index(row, column);
      widest = std::max(widest, m_lstPorts->itemDelegate()->sizeHint(option, index).width());
    }
    m_lstPorts->setColumnWidth(column, widest);
    names += widest;
  }
  const DialogUnits du(font());
  m_lstPorts->setMinimumWidth(std::max(du.x(400), names + m_lstPorts->columnWidth(kProgress) + du.x(200)));
}

void CBatchWriteDlg::OnStart() {
  if (IsRunning() || otherTransferRunning_) return;
  std::vector<std::string> ports;
  std::vector<QTreeWidgetItem*> items;
  for (int i = 0; i < m_lstPorts->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = m_lstPorts->topLevelItem(i);
    if (item->checkState(kPort) != Qt::Checked) continue;
    ports.push_back(item->data(kPort, Qt::UserRole).toString().toStdString());
    items.push_back(item);
  }
  if (ports.empty()) {
    services_.showError(Text(batch_msg::kNoPortChosen));
    return;
  }
  if (const auto repeated = FindRepeatedPort(ports)) {
    services_.showError(Text(batch_msg::SamePortTwice(ports[repeated->first], ports[repeated->second])));
    return;
  }
  std::string error;
  std::optional<WakeUpWord> word = ConfiguredCloneWord({}, error);
  if (!word) {
    services_.showError(Text(error));
    return;
  }
  if (!OpenLog()) return;

  BatchJob job;
  job.ports = ports;
  // The form is encoded once, and every radio gets those bytes.
  job.image = services_.encode();
  job.opener = opener_;
  job.pacer = pacer_;
  job.word = std::move(*word);
  job.verify = m_chkVerify->isChecked();
  job.waitForRadio = m_chkWaitForRadio->isChecked();
  job.log = m_chkLog->isChecked() ? &log_ : nullptr;

  stationItems_ = items;
  stationStates_.assign(items.size(), StationState::Ready);
  pendingReports_.assign(items.size(), std::nullopt);
  tally_ = Tally{};
  tally_.ports = static_cast<int>(ports.size());
  m_stTally->setText(Text(TallyText(tally_)));
  for (int i = 0; i < m_lstPorts->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = m_lstPorts->topLevelItem(i);
    const bool used = std::find(items.begin(), items.end(), item) != items.end();
    item->setHidden(!used);
    // The batch's ports are fixed until it ends.
    item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
    item->setText(kState, Text(batch_msg::kReady));
    item->setForeground(kState, palette().text());
    BarOf(item)->setValue(0);
  }
  closeWhenEnded_ = false;
  stopping_ = false;
  writer_ = std::make_unique<BatchWriter>(std::move(job), *relay_);
  if (!m_chkWaitForRadio->isChecked()) writer_->nextRound();
  UpdateButtons();
  emit RunningChanged(true);
}

bool CBatchWriteDlg::OpenLog() {
  if (settings_) {
    settings_->setValue(QLatin1String(kWriteLogKey), m_chkLog->isChecked());
    settings_->setValue(QLatin1String(kLogFileKey), m_edLogPath->text());
    settings_->sync();
  }
  if (!m_chkLog->isChecked()) return true;
  const QString path = m_edLogPath->text().trimmed();
  if (path.isEmpty()) {
    services_.showError(Text(batch_msg::kNoLogFile));
    return false;
  }
  std::string error;
  if (!log_.open(path.toStdString(), error)) {
    services_.showError(Text(error));
    return false;
  }
  return true;
}

void CBatchWriteDlg::OnNext() {
  if (!writer_ || !writer_->nextRound()) return;
  for (QTreeWidgetItem* item : stationItems_) {
    item->setForeground(kState, palette().text());
    BarOf(item)->setValue(0);
  }
  UpdateButtons();
}

void CBatchWriteDlg::OnStop() {
  if (!writer_) return;
  writer_->stop();
  stopping_ = true;
  UpdateButtons();
}

void CBatchWriteDlg::OnClose() {
  if (!IsRunning()) {
    hide();
    return;
  }
  // Closing stops the batch; the window goes once every port is closed.
  closeWhenEnded_ = true;
  OnStop();
}

void CBatchWriteDlg::reject() { OnClose(); }

QTreeWidgetItem* CBatchWriteDlg::StationItem(int station) const {
  if (station < 0 || static_cast<std::size_t>(station) >= stationItems_.size()) return nullptr;
  return stationItems_[static_cast<std::size_t>(station)];
}

void CBatchWriteDlg::OnStationChanged(const StationReport& report) {
  relay_->Received();
  if (!StationItem(report.station)) return;
  const std::size_t i = static_cast<std::size_t>(report.station);
  // Every block of every port is a report; the lines follow them a few times
  // a second, and at once when a port turns to something else.
  const bool sameState = stationStates_[i] == report.state;
  stationStates_[i] = report.state;
  pendingReports_[i] = report;
  if (!sameState) {
    ShowPendingReports();
  } else if (!refreshTimer_->isActive()) {
    refreshTimer_->start();
  }
}

void CBatchWriteDlg::ShowPendingReports() {
  for (std::optional<StationReport>& pending : pendingReports_) {
    if (pending) ShowReport(*pending);
    pending.reset();
  }
}

void CBatchWriteDlg::ShowReport(const StationReport& report) {
  QTreeWidgetItem* item = StationItem(report.station);
  const std::string text = StationText(report);
  // A verify report's first line says it; the blocks are in the tooltip,
  // which the radio's record filled in just before.
  const bool outcome = report.state == StationState::Finished || report.state == StationState::TakeOff;
  const QString line = Text(text.substr(0, text.find('\n')));
  const bool moving = report.state == StationState::Writing || report.state == StationState::Verifying;
  const bool relayout = !moving && line != item->text(kState);
  item->setText(kState, line);
  if (!outcome) item->setToolTip(kState, Text(text));
  const bool failed =
      outcome && (report.outcome == RadioOutcome::Failed || report.outcome == RadioOutcome::VerifyFailed);
  item->setForeground(kState, failed ? QBrush(Qt::red) : palette().text());
  if (moving) {
    BarOf(item)->setValue(report.blocks);
  } else if (outcome) {
    BarOf(item)->setValue(failed ? BarOf(item)->value() : transfer_template::kProgressMax);
  } else if (report.state != StationState::Stopped) {
    // Waiting, for a radio or for the one on the port to go.
    BarOf(item)->setValue(0);
  }
  // A line that now takes more or less room moves the bars below it.
  if (relayout) m_lstPorts->doItemsLayout();
}

void CBatchWriteDlg::OnRadioFinished(int station, const RadioRecord& record) {
  relay_->Received();
  tally_.add(record.outcome);
  m_stTally->setText(Text(TallyText(tally_)));
  // The whole message, and why a port did not open and what to do, where
  // the user looks for them.
  if (QTreeWidgetItem* item = StationItem(station)) {
    StationReport finished;
    finished.state = StationState::Finished;
    finished.outcome = record.outcome;
    finished.message = record.message;
    const std::string outcome = StationText(finished);
    item->setToolTip(kState, Text(record.details.empty() ? outcome : outcome + "\n" + record.details));
  }
}

void CBatchWriteDlg::OnRoundEnded() {
  relay_->Received();
  UpdateButtons();
  if (m_btnNext->isEnabled()) m_btnNext->setFocus();
  emit RoundEnded();
}

void CBatchWriteDlg::OnBatchEnded() {
  relay_->Received();
  ShowPendingReports();
  writer_.reset();
  const std::string logError = log_.error();
  log_.close();
  for (int i = 0; i < m_lstPorts->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = m_lstPorts->topLevelItem(i);
    item->setHidden(false);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  }
  UpdateButtons();
  emit RunningChanged(false);
  if (!logError.empty()) services_.showError(Text(logError));
  if (closeWhenEnded_) hide();
}

void CBatchWriteDlg::UpdateButtons() {
  const bool running = IsRunning();
  const bool betweenRounds =
      running && !stopping_ && !m_chkWaitForRadio->isChecked() && !writer_->roundRunning();
  m_btnStart->setEnabled(!running && !otherTransferRunning_);
  m_btnNext->setEnabled(betweenRounds && !otherTransferRunning_);
  m_btnStop->setEnabled(running && !stopping_);
  for (QWidget* option : {static_cast<QWidget*>(m_chkVerify), static_cast<QWidget*>(m_chkWaitForRadio),
                          static_cast<QWidget*>(m_chkLog), static_cast<QWidget*>(m_btnBrowse)}) {
    option->setEnabled(!running);
  }
  m_edLogPath->setEnabled(!running && m_chkLog->isChecked());
  // Enter starts the batch, then each next round.
  m_btnStart->setDefault(!running);
  m_btnNext->setDefault(running);
}

}  // namespace qm314
