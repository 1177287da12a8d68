// CTransferDlg: the modeless progress dialog of a clone transfer.  Start asks
// the view to begin the transfer; Cancel closes the dialog before that, or
// raises the flag the running transfer tests at its cancel points.
#pragma once

#include <QDialog>
#include <QString>
#include <atomic>

class QLabel;
class QProgressBar;
class QPushButton;

namespace qm314 {

class CTransferDlg : public QDialog {
  Q_OBJECT
 public:
  enum class State { Closed, Ready, Running };

  // The dialog belongs to the view for the view's life; its window comes and
  // goes with each transfer.
  explicit CTransferDlg(QWidget* pView);

  // Opens the window in Ready, titled with the stored caption and centred
  // over `over`.  An open dialog keeps its state.
  void Create(const QWidget* over);
  // The title of the next opening; in Ready it becomes the title at once, so
  // the title always names what Start will do.
  void SetCaption(const QString& caption);
  void SetStatusText(const QString& text);
  void SetProgressPos(int position);
  // Ends the window; the object stays for the next transfer.
  void DestroyWindow();

  State state() const;
  // Read by the transfer's thread.
  const std::atomic<bool>& cancelFlag() const { return m_bCancel; }
  int progressPos() const;
  QString statusText() const;

 signals:
  // The counterpart of the view's private transfer message.
  void RadioTransfer();

 public slots:
  void OnOK();
  void OnCancel();

 protected:
  // Escape and the close box come here: they act as Cancel.
  void reject() override;
  void accept() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnInitDialog();

  std::atomic<bool> m_bCancel{false};
  QString m_strCaption;

  QPushButton* m_btnStart = nullptr;
  QPushButton* m_btnCancel = nullptr;
  QProgressBar* m_progress = nullptr;
  QLabel* m_stProgress = nullptr;
  QLabel* m_stStatus = nullptr;
};

}  // namespace qm314
