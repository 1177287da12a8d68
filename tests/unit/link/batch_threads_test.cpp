// A port whose thread the system will not start fails on its own line; the
// batch, and the program with its unsaved edits, go on.
#include <pthread.h>

#include <gtest/gtest.h>

#include <mutex>

#include "link/batch_writer.h"
#include "transfer_bench.h"

namespace qm314::test {
namespace {

class Records : public BatchObserver {
 public:
  void stationChanged(const StationReport&) override {}
  void radioFinished(int, const RadioRecord& record) override {
    std::lock_guard lock(mutex_);
    records.push_back(record);
  }
  std::mutex mutex_;
  std::vector<RadioRecord> records;
};

TEST(BatchThreads, APortWhoseThreadCannotStartFailsAndTheProgramGoesOn) {
  sim::SimRadio radio(TestWord(), PatternImage(3));
  FakeLine line(radio);
  BatchJob job;
  job.ports = {"COM1", "COM2"};
  job.image = PatternImage(100);
  job.opener = line.opener();
  job.pacer = std::shared_ptr<Pacer>(std::shared_ptr<Pacer>(), &line);
  job.word = TestWord();
  Records seen;
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
    EXPECT_FALSE(writer.nextRound());
    EXPECT_EQ(TallyText(writer.tally()), "2 writes on 2 ports: 0 written, 0 verified, 2 failed");
  }
  pthread_attr_destroy(&huge);
  pthread_attr_destroy(&saved);
  ASSERT_EQ(seen.records.size(), 2u);
  for (const RadioRecord& record : seen.records) {
    EXPECT_EQ(record.outcome, RadioOutcome::Failed);
    EXPECT_EQ(record.message.rfind("the port's thread could not be started: ", 0), 0u) << record.message;
  }
  EXPECT_EQ(line.opens, 0);
}

}  // namespace
}  // namespace qm314::test
