// A clone transfer, read or write, against a port whose every reply comes from
// the fuzzer.  It must end with one of its outcomes within a bounded number of
// port operations, the port closed, only the link's own messages shown, and the
// caller's image untouched unless a read completed.
#include <set>
#include <string>

#include "fuzz/fuzz_port.h"
#include "fuzz/fuzz_target.h"
#include "link/clone_transfer.h"
#include "link/messages.h"
#include "radio/default_image.h"

namespace {

using namespace qm314;

constexpr int kMaxRetries = 3;
// Four series of 15 wake-up attempts and a whole block loop need well under this.
constexpr long kMaxOperations = 4000;

class FuzzObserver final : public TransferObserver {
 public:
  FuzzObserver(fuzz::Script& script, fuzz::PortRecord& record, long cancelAt)
      : script_(script), record_(record), cancelAt_(cancelAt) {}

  void setStatus(const std::string&) override {}
  void setProgress(int position) override {
    QM314_FUZZ_CHECK(position >= progress_ && position <= 123);
    progress_ = position;
  }
  bool cancelRequested() override { return cancelAt_ > 0 && ++cancelTests_ >= cancelAt_; }
  MessageAnswer showMessage(const std::string& text, MessageButtons buttons) override {
    static const std::set<std::string> known{msg::kCouldNotOpenPort, msg::kCommunicationError,
                                             msg::kSendOrderError, msg::kErrorHappened,
                                             msg::kNotEnoughBytes};
    QM314_FUZZ_CHECK(known.count(text) == 1);
    QM314_FUZZ_CHECK((buttons == MessageButtons::RetryCancel) ==
                     (text == msg::kCommunicationError));
    return fuzz::AnswerFromScript(script_, record_, buttons, kMaxRetries);
  }

 private:
  fuzz::Script& script_;
  fuzz::PortRecord& record_;
  long cancelAt_;
  long cancelTests_ = 0;
  int progress_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Script script(data, size);
  const std::uint8_t setup = script.next();
  const TransferDirection direction =
      setup % 2 == 0 ? TransferDirection::Read : TransferDirection::Write;
  // The cancel test that finds the flag set, 0 for never.
  const long cancelAt = (setup & 0x80) == 0 ? 0 : script.next() * 16L + script.next();

  fuzz::PortRecord record;
  fuzz::CountingPacer pacer(record);
  FuzzObserver observer(script, record, cancelAt);
  CloneTransfer transfer(fuzz::FuzzOpener(script, record), pacer, observer,
                         *MakeWakeUpWord(kDefaultCloneLetters, kCloneWordLetters));
  RadioImage image = DefaultImage();
  image.at(0x3FF) = 0x5A;
  const RadioImage before = image;
  const TransferOutcome outcome = transfer.run(direction, "COM1", image);

  QM314_FUZZ_CHECK(outcome == TransferOutcome::Completed || outcome == TransferOutcome::Cancelled ||
                   outcome == TransferOutcome::OpenFailed || outcome == TransferOutcome::Failed);
  QM314_FUZZ_CHECK(record.operations <= kMaxOperations);
  QM314_FUZZ_CHECK(record.destroyedOpen == 0);
  QM314_FUZZ_CHECK(record.closes == record.opens);
  QM314_FUZZ_CHECK((outcome == TransferOutcome::OpenFailed) == (record.opens == 0));
  if (outcome == TransferOutcome::Failed || outcome == TransferOutcome::OpenFailed) {
    QM314_FUZZ_CHECK(record.messages > 0);
  }
  if (direction == TransferDirection::Write || outcome != TransferOutcome::Completed) {
    QM314_FUZZ_CHECK(image == before);
  }
  return 0;
}
