// The progress dialog's template, its three states and its two buttons.
#include "desktop/link/transfer_dlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "desktop/forms/template_dialog.h"
#include "link/messages.h"
#include "desktop/link/transfer_template.h"

namespace qm314 {
namespace {

template <typename Control>
Control* PlaceControl(Control* control, const DialogUnits& du, const transfer_template::Place& at,
               const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  control->setProperty("controlId", at.id);
  control->setGeometry(du.rect(at.left, at.top, at.width, at.height));
  return control;
}

}  // namespace

CTransferDlg::CTransferDlg(QWidget* pView) : QDialog(pView) {
  using namespace transfer_template;
  setObjectName(QStringLiteral("CTransferDlg"));
  setModal(false);
  const DialogUnits du = SetUpTemplateDialog(this, kFontPointSize, kWidth, kHeight);

  const auto text = [](const char* utf8) { return QString::fromUtf8(utf8); };
  m_btnStart = PlaceControl(new QPushButton(text(msg::kStartButton), this), du, kStart, "IDOK");
  m_btnStart->setDefault(true);
  // Enter presses the focused button, so a user who tabbed to Cancel cancels.
  m_btnCancel =
      PlaceControl(new QPushButton(text(msg::kCancelButton), this), du, kCancel, "IDCANCEL");
  m_btnCancel->installEventFilter(this);
  m_progress = PlaceControl(new QProgressBar(this), du, kProgressBar, "IDC_PROGRESS");
  m_progress->setTextVisible(false);
  m_stProgress = PlaceControl(new QLabel(text(msg::kProgressLabel), this), du, kProgressLabel,
                              "IDC_STATIC_PROGRESS");
  m_stStatus =
      PlaceControl(new QLabel(text(msg::kNotStartYet), this), du, kStatus, "IDC_STATUS");
  for (QLabel* label : {m_stProgress, m_stStatus}) label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  m_stStatus->setWordWrap(true);

  connect(m_btnStart, &QPushButton::clicked, this, &CTransferDlg::OnOK);
  connect(m_btnCancel, &QPushButton::clicked, this, &CTransferDlg::OnCancel);
}

void CTransferDlg::Create(const QWidget* over) {
  if (isVisible()) return;
  OnInitDialog();
  const QPoint centre = over->mapToGlobal(over->rect().center());
  move(centre - QPoint(width() / 2, height() / 2));
  show();
  raise();
  activateWindow();
  m_btnStart->setFocus();
}

void CTransferDlg::OnInitDialog() {
  m_progress->setRange(transfer_template::kProgressMin, transfer_template::kProgressMax);
  m_progress->setValue(transfer_template::kProgressMin);
  m_stStatus->setText(QString::fromUtf8(msg::kNotStartYet));
  m_bCancel.store(false);
  m_btnStart->setEnabled(true);
  setWindowTitle(m_strCaption);
}

void CTransferDlg::SetCaption(const QString& caption) {
  m_strCaption = caption;
  if (state() == State::Ready) setWindowTitle(caption);
}

void CTransferDlg::SetStatusText(const QString& text) { m_stStatus->setText(text); }

void CTransferDlg::SetProgressPos(int position) { m_progress->setValue(position); }

void CTransferDlg::DestroyWindow() { hide(); }

CTransferDlg::State CTransferDlg::state() const {
  if (!isVisible()) return State::Closed;
  return m_btnStart->isEnabled() ? State::Ready : State::Running;
}

int CTransferDlg::progressPos() const { return m_progress->value(); }

QString CTransferDlg::statusText() const { return m_stStatus->text(); }

void CTransferDlg::OnOK() {
  // A second press cannot start a second transfer: the button is gone grey.
  if (state() != State::Ready) return;
  m_btnStart->setEnabled(false);
  // Cancel is the one live button now; it takes the keys.
  m_btnCancel->setFocus();
  emit RadioTransfer();
}

void CTransferDlg::OnCancel() {
  m_bCancel.store(true);
  // Before Start there is nothing to stop; once running, the transfer closes
  // the dialog itself when it sees the flag, after its port is closed.
  if (state() == State::Ready) DestroyWindow();
}

void CTransferDlg::reject() { OnCancel(); }

bool CTransferDlg::eventFilter(QObject* watched, QEvent* event) {
  // Enter held down on Start repeats on Cancel, which has the focus by then:
  // only a fresh press stops a transfer.
  if (watched == m_btnCancel && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat() && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter))
      return true;
  }
  return QDialog::eventFilter(watched, event);
}

void CTransferDlg::accept() { OnOK(); }

}  // namespace qm314
