// A cancel at each kind of cancel point ends the transfer at once: no message,
// nothing more on the wire, the port closed and the caller's image untouched.
#include <gtest/gtest.h>

#include "transfer_bench.h"

namespace qm314::test {
namespace {

// The log lines after the last cancel test that said yes.
struct CancelProbe {
  explicit CancelProbe(TransferBench& b) : bench(b) {}
  void when(std::function<bool()> condition) {
    bench.observer.cancelWhen = [this, condition] {
      if (!condition()) return false;
      logSizeAtCancel = bench.line.log.size();
      return true;
    };
  }
  std::vector<std::string> afterCancel() const {
    return {bench.line.log.begin() + static_cast<long>(logSizeAtCancel), bench.line.log.end()};
  }
  TransferBench& bench;
  std::size_t logSizeAtCancel = 0;
};

void ExpectCleanEnd(const CancelProbe& probe, TransferOutcome outcome) {
  EXPECT_EQ(outcome, TransferOutcome::Cancelled);
  EXPECT_EQ(probe.afterCancel(), std::vector<std::string>{"close"});
  EXPECT_TRUE(probe.bench.observer.messages.empty());
}

TEST(CloneCancel, DuringTheWaitBeforeTheWakeUpNothingIsSent) {
  TransferBench bench;
  CancelProbe probe(bench);
  probe.when([] { return true; });
  ExpectCleanEnd(probe, bench.read());
  EXPECT_TRUE(bench.line.writes().empty());
}

TEST(CloneCancel, DuringTheWaitAfterTheIdentification) {
  TransferBench bench;
  CancelProbe probe(bench);
  probe.when([&] { return bench.line.log.back() == "read 8 -> 8"; });
  ExpectCleanEnd(probe, bench.write());
  EXPECT_EQ(bench.line.lastWrite(), "write 02");
}

TEST(CloneCancel, DuringTheWaitAfterAWrongConfirmation) {
  sim::FaultPlan wrong;
  wrong.wrongConfirm = true;
  TransferBench bench(wrong);
  CancelProbe probe(bench);
  int pausesAfterConfirm = 0;
  probe.when([&] {
    if (bench.line.lastWrite() != "write 06") return false;
    return ++pausesAfterConfirm == 300;
  });
  ExpectCleanEnd(probe, bench.read());
}

TEST(CloneCancel, BetweenWrittenBlocksStopsAfterTheCurrentBlock) {
  TransferBench bench;
  CancelProbe probe(bench);
  probe.when([&] { return bench.observer.statuses.back() == "4"; });
  ExpectCleanEnd(probe, bench.write());
  EXPECT_EQ(bench.line.lastWrite(), "write " + HexBytes(bench.image.data() + 24, 8));
  EXPECT_NE(bench.observer.progress.back(), 123);
  EXPECT_EQ(bench.transfer.blocksWritten(), 4);
}

TEST(CloneCancel, TooLateOnceTheRadioHasTheLastBlock) {
  TransferBench bench;
  bench.observer.cancelWhen = [&] { return bench.transfer.blocksWritten() == 123; };
  EXPECT_EQ(bench.write(), TransferOutcome::Completed);
  EXPECT_EQ(bench.observer.progress.back(), 123);
  EXPECT_TRUE(bench.observer.messages.empty());
}

TEST(CloneCancel, BetweenReadBlocksLeavesTheCallersImageAsItWas) {
  TransferBench bench;
  const RadioImage before = bench.image;
  CancelProbe probe(bench);
  probe.when([&] { return bench.observer.statuses.back() == "100"; });
  ExpectCleanEnd(probe, bench.read());
  EXPECT_EQ(bench.line.lastWrite(), "write 06");
  EXPECT_EQ(bench.image, before);
}

TEST(CloneCancel, ThePumpRunsBeforeTheTestWhenReadingAndAfterItWhenWriting) {
  // The first cancel test of a block burst comes after one pump step in a read,
  // before any in a write.
  for (TransferDirection d : {TransferDirection::Read, TransferDirection::Write}) {
    TransferBench bench;
    int pumpsAtFirstBurstTest = -1;
    bench.observer.cancelWhen = [&] {
      if (bench.observer.statuses.back() == "1" && pumpsAtFirstBurstTest < 0) {
        pumpsAtFirstBurstTest = bench.observer.pumps;
        return true;
      }
      return false;
    };
    bench.transfer.run(d, "COM1", bench.image);
    EXPECT_EQ(pumpsAtFirstBurstTest, 12 + 16 + (d == TransferDirection::Read ? 1 : 0));
  }
}

}  // namespace
}  // namespace qm314::test
