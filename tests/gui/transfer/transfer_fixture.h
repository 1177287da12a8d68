// The desktop program beside a simulated radio: qm314-sim on a pseudo-terminal
// with COM1 mapped to it, and what the tests need to drive the progress dialog.
#pragma once

#include <QPushButton>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "desktop/link/transfer_dlg.h"
#include "process.h"

namespace qm314::testing {

inline constexpr int kRead = 32771;
inline constexpr int kWrite = 32772;

class TransferRig {
 public:
  // Starts qm314-sim with `simArgs` (plus --log) and the program with COM1 on it.
  explicit TransferRig(std::vector<std::string> simArgs = {});
  ~TransferRig();

  AppUnderTest& app() { return *app_; }
  CTransferDlg* dialog() const { return app_->view()->transferDialog(); }
  QPushButton* button(const char* name) const { return dialog()->findChild<QPushButton*>(name); }
  e2e::Sim& sim() { return *sim_; }
  const std::string& device() const { return sim_->device(); }

  void command(int id) { app_->frame()->action(id)->trigger(); }
  void clickStart();
  void clickCancel();
  // Waits until the dialog has closed; false after `seconds`.
  bool waitClosed(int seconds);
  // The simulated radio's events so far ("wake-up clone", "read 0x008", ...).
  QStringList log() const;
  int logCount(const QString& prefix) const;
  // The radio's memory: stops the simulator, which saves it to `savePath`.
  QByteArray stopAndReadMemory(const QString& savePath);
  // Destroys the program as it stands.
  void endProgram() { app_.reset(); }
  // True when the port can be taken at once, so the transfer has let it go.
  bool portIsFree() const;

 private:
  QString logPath_;
  std::unique_ptr<e2e::Sim> sim_;
  std::unique_ptr<AppUnderTest> app_;
};

// Three channels and settings other than a new document's, as the radio holds them.
QByteArray SampleImage();

}  // namespace qm314::testing
