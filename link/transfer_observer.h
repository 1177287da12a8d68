// What a clone transfer needs of whoever runs it: a place for its status text and
// progress, a cancel test, a message box, and a chance to keep a window alive.
#pragma once

#include <string>

#include "link/message_box.h"

namespace qm314 {

class TransferObserver : public MessageAsker {
 public:
  virtual void setStatus(const std::string& text) = 0;
  // The progress bar's position, 0-123.
  virtual void setProgress(int position) = 0;
  // Called on the transfer's thread while another thread may ask for the cancel.
  virtual bool cancelRequested() = 0;
  // One step of the caller's event loop between protocol steps; never waits.
  virtual void pumpStep() {}
};

}  // namespace qm314
