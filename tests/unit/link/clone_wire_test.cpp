// A whole read and a whole write, operation by operation and byte by byte.
#include <gtest/gtest.h>

#include <cstdio>

#include "transfer_bench.h"

namespace qm314::test {
namespace {

std::string AddressBytes(unsigned address) {
  char text[16];
  std::snprintf(text, sizeof text, "%02X %02X", address >> 8, address & 0xFF);
  return text;
}

void Add(std::vector<std::string>& to, std::initializer_list<std::string> lines) {
  to.insert(to.end(), lines);
}

std::vector<std::string> ExpectedHandshake() {
  std::vector<std::string> e;
  Add(e, {"open", "setup 1024 512", "timeouts 80 500 120 120 80", "line", "purge 0C"});
  e.insert(e.end(), 12, "pause 1");
  e.push_back("purge 0F");
  for (const char* b : {"02", "51", "4D", "43", "4C", "4F", "4E", "45"}) {
    Add(e, {"purge 0C", std::string("write ") + b});
  }
  Add(e, {"read 1 -> 1", "pause 1", "purge 0C", "read 1 -> 0", "purge 0C", "write 02",
          "read 8 -> 8"});
  e.insert(e.end(), 16, "pause 1");
  Add(e, {"purge 0C", "write 06", "read 1 -> 1", "pause 1"});
  return e;
}

TEST(CloneWire, ReadFetchesAll128BlocksWithTheirAcknowledgements) {
  TransferBench bench;
  ASSERT_EQ(bench.read(), TransferOutcome::Completed);

  std::vector<std::string> expected = ExpectedHandshake();
  for (unsigned address = 0; address <= 0x3F8; address += 8) {
    Add(expected, {"purge 0C", "write 52 " + AddressBytes(address) + " 08", "read 12 -> 12",
                   "purge 0C", "pause 15", "purge 0C", "write 06", "read 1 -> 1", "pause 20"});
  }
  expected.push_back("close");
  EXPECT_EQ(bench.line.log, expected);
  EXPECT_EQ(bench.line.openedNames, std::vector<std::string>{"COM2"});
  EXPECT_EQ(bench.image, PatternImage(3));
}

TEST(CloneWire, WriteSends123BlocksAndNothingPast0x3D7) {
  TransferBench bench;
  const RadioImage sent = bench.image;
  ASSERT_EQ(bench.write(), TransferOutcome::Completed);

  std::vector<std::string> expected = ExpectedHandshake();
  for (unsigned address = 0; address <= 0x3D0; address += 8) {
    Add(expected, {"purge 0C", "write 57 " + AddressBytes(address) + " 08", "pause 1", "purge 0C",
                   "write " + HexBytes(sent.data() + address, 8), "read 1 -> 1", "pause 2"});
  }
  expected.push_back("close");
  EXPECT_EQ(bench.line.log, expected);

  const RadioImage before = PatternImage(3);
  for (std::size_t i = 0; i < 1024; ++i) {
    EXPECT_EQ(bench.radio.memory().at(i), i < 0x3D8 ? sent.at(i) : before.at(i)) << "offset " << i;
  }
  EXPECT_EQ(bench.image, sent);
}

TEST(CloneWire, ReadCountsTo123AndLeavesTheLastFiveBlocksUncounted) {
  TransferBench bench;
  ASSERT_EQ(bench.read(), TransferOutcome::Completed);
  std::vector<std::string> statuses{"Now are detecting Communication Port,Please wait...",
                                    "Waiting the response from radio...."};
  std::vector<int> progress;
  for (int i = 1; i <= 123; ++i) {
    statuses.push_back(std::to_string(i));
    progress.push_back(i);
  }
  progress.push_back(123);  // filled before the dialog closes
  EXPECT_EQ(bench.observer.statuses, statuses);
  EXPECT_EQ(bench.observer.progress, progress);
  EXPECT_TRUE(bench.observer.messages.empty());
  // Every pump step of the handshake's waits and the 199-step bursts.
  EXPECT_EQ(bench.observer.pumps, 12 + 16 + 128 * 199);
}

TEST(CloneWire, WriteCountsTo122) {
  TransferBench bench;
  ASSERT_EQ(bench.write(), TransferOutcome::Completed);
  ASSERT_EQ(bench.observer.statuses.size(), 2u + 122u);
  EXPECT_EQ(bench.observer.statuses.back(), "122");
  ASSERT_EQ(bench.observer.progress.size(), 123u);
  EXPECT_EQ(bench.observer.progress[121], 122);
  EXPECT_EQ(bench.observer.progress.back(), 123);
  EXPECT_EQ(bench.observer.pumps, 12 + 16 + 123 * 201);
}

TEST(CloneWire, OneStrayByteBeforeTheWakeUpAcknowledgementIsForgiven) {
  sim::FaultPlan noise;
  noise.noise = 1;
  TransferBench bench(noise);
  EXPECT_EQ(bench.read(), TransferOutcome::Completed);
  EXPECT_EQ(bench.line.wakeUpWords(), 1);
}

TEST(CloneWire, TheConfiguredWordIsWhatGoesOnTheWire) {
  sim::SimRadio radio(*MakeWakeUpWord("ABCDEFG", 7), PatternImage(1));
  FakeLine line(radio);
  RecordingObserver observer;
  CloneTransfer transfer(line.opener(), line, observer, *MakeWakeUpWord("ABCDEFG", 7));
  RadioImage image;
  EXPECT_EQ(transfer.run(TransferDirection::Read, "COM1", image), TransferOutcome::Completed);
  const std::vector<std::string> w = line.writes();
  ASSERT_GE(w.size(), 8u);
  EXPECT_EQ(std::vector<std::string>(w.begin(), w.begin() + 8),
            (std::vector<std::string>{"write 02", "write 41", "write 42", "write 43", "write 44",
                                      "write 45", "write 46", "write 47"}));
}

}  // namespace
}  // namespace qm314::test
