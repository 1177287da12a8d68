// A port that finds its radios by itself writes a radio as soon as one answers,
// never the same radio twice, and the next one only once the first was taken off.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "link/batch_writer.h"
#include "transfer_bench.h"

namespace qm314::test {
namespace {

class Recorder : public BatchObserver {
 public:
  void stationChanged(const StationReport& report) override {
    std::lock_guard lock(mutex_);
    last_ = report.state;
    changed_.notify_all();
  }
  void radioFinished(int, const RadioRecord& record) override {
    std::lock_guard lock(mutex_);
    records_.push_back(record);
    changed_.notify_all();
  }
  bool waitFor(const std::function<bool(StationState, const std::vector<RadioRecord>&)>& done) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(20), [&] { return done(last_, records_); });
  }
  std::vector<RadioRecord> records() {
    std::lock_guard lock(mutex_);
    return records_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  StationState last_ = StationState::Ready;
  std::vector<RadioRecord> records_;
};

TEST(BatchWaiting, WritesEachRadioOnceAndTheNextOnlyAfterTheFirstWasTakenOff) {
  sim::SimRadio radio(TestWord(), PatternImage(3));
  FakeLine line(radio);
  // Without a radio nothing the port sends arrives, and nothing comes back.
  std::atomic<bool> present{true};
  line.failWrite = [&](const std::vector<std::uint8_t>&) { return !present.load(); };
  line.failRead = [&] { return !present.load(); };
  std::atomic<int> opens{0};

  BatchJob job;
  job.ports = {"COM2"};
  job.image = PatternImage(100);
  job.opener = [&](const std::string&) {
    ++opens;
    return line.open();
  };
  job.pacer = std::shared_ptr<Pacer>(std::shared_ptr<Pacer>(), &line);  // instant pauses
  job.word = TestWord();
  job.waitForRadio = true;
  Recorder seen;
  BatchWriter writer(job, seen);

  ASSERT_TRUE(seen.waitFor([](StationState, const auto& records) { return records.size() == 1; }));
  // The radio stays on: it is woken again and again, and never written again.
  const int openedBy = opens.load();
  while (opens.load() < openedBy + 20) std::this_thread::yield();
  EXPECT_EQ(seen.records().size(), 1u);

  present = false;
  ASSERT_TRUE(seen.waitFor([](StationState state, const auto&) { return state == StationState::WaitingForRadio; }));
  EXPECT_EQ(seen.records().size(), 1u);
  present = true;
  ASSERT_TRUE(seen.waitFor([](StationState, const auto& records) { return records.size() == 2; }));
  writer.stop();
  writer.wait();

  const std::vector<RadioRecord> records = seen.records();
  ASSERT_EQ(records.size(), 2u);
  for (const RadioRecord& record : records) {
    EXPECT_EQ(record.outcome, RadioOutcome::Written);
    EXPECT_EQ(record.port, "COM2");
    EXPECT_EQ(record.identity.size(), 8u);
  }
  for (std::size_t i = 0; i < 0x3D8; ++i) ASSERT_EQ(radio.memory().at(i), job.image.at(i)) << i;
  EXPECT_EQ(line.opens, line.closes);
  EXPECT_EQ(writer.tally().written(), 2);
}

}  // namespace
}  // namespace qm314::test
