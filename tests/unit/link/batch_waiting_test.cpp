// A port that finds its radios by itself, on the line's own clock: it writes a
// radio as soon as one answers, takes a radio with other identification bytes
// for the next one however quickly it came, sees a radio that was off for a
// second, never writes the radio it wrote last twice, and its line says what
// the operator must do.  And a port whose thread the system will not start
// fails on its own line while the program goes on.
#include <pthread.h>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

#include "link/batch_writer.h"
#include "transfer_bench.h"

namespace qm314::test {
namespace {

class Recorder : public BatchObserver {
 public:
  explicit Recorder(FakeLine& line) : line_(line) {}

  // On the port's thread, as the line's clock is.
  void stationChanged(const StationReport& report) override {
    std::lock_guard lock(mutex_);
    const std::string text = StationText(report);
    if (texts_.empty() || texts_.back() != text) texts_.push_back(text);
    changed_.notify_all();
  }
  void radioFinished(int, const RadioRecord& record) override {
    std::lock_guard lock(mutex_);
    records_.push_back(record);
    finishedAtMs.push_back(line_.clockMs);
    changed_.notify_all();
  }
  bool waitForText(const std::string& text) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(20), [&] { return !texts_.empty() && texts_.back() == text; });
  }
  std::vector<RadioRecord> records() {
    std::lock_guard lock(mutex_);
    return records_;
  }
  std::vector<std::string> texts() {
    std::lock_guard lock(mutex_);
    return texts_;
  }

  std::vector<long long> finishedAtMs;  // the port's thread alone touches it

 private:
  FakeLine& line_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::string> texts_;
  std::vector<RadioRecord> records_;
};

TEST(BatchWaiting, WritesEachRadioOnceByItsIdentificationAndSaysWhenToTakeItOff) {
  sim::SimRadio first(TestWord(), PatternImage(3), {}, 0);
  sim::SimRadio second(TestWord(), PatternImage(3), {}, 1);
  FakeLine line(first);
  Recorder seen(line);
  // On the port's thread: the first radio stays on for three seconds after its
  // write, then the second takes its place between two wake-ups; three seconds
  // after its write the second is off for one second and then back.
  const std::vector<long long>& done = seen.finishedAtMs;
  const PortOpener open = line.opener();
  const auto opener = [&](const std::string& name) {
    if (done.size() == 1 && line.clockMs >= done[0] + 3000) line.putOn(&second);
    return open(name);
  };
  line.failWrite = [&](const std::vector<std::uint8_t>&) {
    const long long now = line.clockMs;
    if (done.size() == 2) line.putOn(now >= done[1] + 3000 && now < done[1] + 4000 ? nullptr : &second);
    return false;
  };

  BatchJob job;
  job.ports = {"COM2"};
  job.image = PatternImage(100);
  job.opener = opener;
  job.pacer = std::shared_ptr<Pacer>(std::shared_ptr<Pacer>(), &line);  // pauses on the line's clock
  job.word = TestWord();
  job.waitForRadio = true;
  BatchWriter writer(job, seen);
  ASSERT_TRUE(seen.waitForText("same identification as the radio just written: not written again"));
  writer.stop();
  writer.wait();

  const std::vector<RadioRecord> records = seen.records();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(HexBytes(records[0].identity.data(), records[0].identity.size()), "51 4D 33 31 34 53 01 00");
  EXPECT_EQ(HexBytes(records[1].identity.data(), records[1].identity.size()), "51 4D 33 31 34 53 01 01");
  for (const RadioRecord& record : records) EXPECT_EQ(record.outcome, RadioOutcome::Written);
  for (sim::SimRadio* radio : {&first, &second}) {
    for (std::size_t i = 0; i < 0x3D8; ++i) ASSERT_EQ(radio->memory().at(i), job.image.at(i)) << i;
  }
  // "written" alone only once the batch has stopped.
  const std::vector<std::string> expected{"waiting for a radio",
                                          "waking the radio",
                                          "written, take the radio off",
                                          "waking the radio",
                                          "written, take the radio off",
                                          "waiting for the next radio",
                                          "same identification as the radio just written: not written again",
                                          "stopped"};
  std::vector<std::string> texts = seen.texts();
  std::erase_if(texts, [](const std::string& t) { return t.rfind("writing block ", 0) == 0; });
  EXPECT_EQ(texts, expected);
  EXPECT_EQ(line.opens, line.closes);
  EXPECT_EQ(TallyText(writer.tally()), "2 writes on 1 port: 2 written, 0 verified, 0 failed");
}

TEST(BatchThreads, APortWhoseThreadCannotStartFailsAndTheProgramGoesOn) {
  sim::SimRadio radio(TestWord(), PatternImage(3));
  FakeLine line(radio);
  Recorder seen(line);
  BatchJob job;
  job.ports = {"COM1", "COM2"};
  job.opener = line.opener();
  job.pacer = std::shared_ptr<Pacer>(std::shared_ptr<Pacer>(), &line);
  // Threads that want a stack larger than the address space are refused.
  pthread_attr_t saved, huge;
  ASSERT_EQ(pthread_getattr_default_np(&saved), 0);
  pthread_attr_init(&huge);
  pthread_attr_setstacksize(&huge, std::size_t{1} << 50);
  ASSERT_EQ(pthread_setattr_default_np(&huge), 0);
  {
    BatchWriter writer(job, seen);
    pthread_setattr_default_np(&saved);
    EXPECT_TRUE(writer.ended());
    EXPECT_EQ(TallyText(writer.tally()), "2 writes on 2 ports: 0 written, 0 verified, 2 failed");
  }
  pthread_attr_destroy(&huge);
  pthread_attr_destroy(&saved);
  // Each port's line says why.
  EXPECT_EQ(seen.texts(), std::vector<std::string>{
                              "failed: the port's thread could not be started: Resource temporarily unavailable"});
  EXPECT_EQ(line.opens, 0);
}

}  // namespace
}  // namespace qm314::test
