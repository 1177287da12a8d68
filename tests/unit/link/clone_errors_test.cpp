// Every way a clone transfer can fail: the message, its buttons, what was sent,
// and what is left in the caller's image and on the port.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

#include "transfer_bench.h"

namespace qm314::test {
namespace {

const std::string kOpenFailure =
    "Could not Open the Port,Please check whether the Port are occupied or the device are ok";
const std::string kCommunicationError =
    "Communication Error\xEF\xBC\x8C"
    "Please check all the connections and the radio power";
const std::string kSendOrder = " Error in the Send Order";
const std::string kErrorHappened = "Error had happen,please try again";
const std::string kNotEnough = "not received enough  byte";

int Count(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

sim::FaultPlan Silent() {
  sim::FaultPlan f;
  f.silent = true;
  return f;
}

TEST(CloneErrors, APortThatCannotBeOpenedSaysSoAndSendsNothing) {
  sim::SimRadio radio(TestWord(), PatternImage(3));
  FakeLine line(radio);
  RecordingObserver observer;
  CloneTransfer transfer([](const std::string& name) {
    OpenedPort refused;
    refused.device = "/dev/" + name;
    refused.error = EBUSY;
    return refused;
  }, line, observer, TestWord());
  RadioImage image = PatternImage(9);
  EXPECT_EQ(transfer.run(TransferDirection::Read, "COM3", image), TransferOutcome::OpenFailed);
  ASSERT_EQ(observer.messages.size(), 1u);
  EXPECT_EQ(observer.messages[0].text, kOpenFailure);
  EXPECT_EQ(observer.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(transfer.openError(), EBUSY);
  EXPECT_EQ(transfer.openDevice(), "/dev/COM3");
  EXPECT_TRUE(observer.statuses.empty());
  EXPECT_TRUE(line.log.empty());
  EXPECT_EQ(image, PatternImage(9));
}

TEST(CloneErrors, ASilentRadioGetsFifteenWakeUpsThenRetryOrCancel) {
  TransferBench bench(Silent());
  EXPECT_EQ(bench.read(), TransferOutcome::Failed);
  EXPECT_EQ(bench.line.wakeUpWords(), 15);
  ASSERT_EQ(bench.observer.messages.size(), 1u);
  EXPECT_EQ(bench.observer.messages[0].text, kCommunicationError);
  EXPECT_EQ(bench.observer.messages[0].buttons, MessageButtons::RetryCancel);
  // Two reads of 620 ms and 12 paced steps of 1 ms and a 2 ms pause per attempt.
  EXPECT_EQ(bench.line.clockMs, 15 * (620 + 620 + 12 + 2));
  EXPECT_EQ(bench.line.log.back(), "close");
  EXPECT_EQ(bench.line.closes, 1);
  EXPECT_EQ(Count(bench.observer.statuses, "Waiting the response from radio...."), 15);
}

TEST(CloneErrors, RetryStartsTheHandshakeAgainOnTheSamePort) {
  TransferBench bench(Silent());
  bench.observer.answers = {MessageAnswer::Retry, MessageAnswer::Retry};
  // The radio is switched on while the second box is shown.
  int boxes = 0;
  bench.observer.onMessage = [&] {
    if (++boxes == 2) bench.radio.faults().silent = false;
  };
  EXPECT_EQ(bench.read(), TransferOutcome::Completed);
  EXPECT_EQ(bench.line.opens, 1);
  EXPECT_EQ(bench.line.closes, 1);
  EXPECT_EQ(bench.line.wakeUpWords(), 31);
  EXPECT_EQ(bench.image, PatternImage(3));
  EXPECT_EQ(bench.observer.messages.size(), 2u);
}

TEST(CloneErrors, AWrongConfirmationWaitsAtLeast601StepsThenIsACommunicationError) {
  sim::FaultPlan wrong;
  wrong.wrongConfirm = true;
  TransferBench bench(wrong);
  EXPECT_EQ(bench.write(), TransferOutcome::Failed);
  const std::vector<std::string> tail = bench.logAfterLast("write 06");
  EXPECT_EQ(tail[1], "read 1 -> 1");
  EXPECT_EQ(Count(tail, "pause 1"), 601);
  EXPECT_EQ(tail.back(), "close");
  ASSERT_EQ(bench.observer.messages.size(), 1u);
  EXPECT_EQ(bench.observer.messages[0].text, kCommunicationError);
  EXPECT_EQ(Count(bench.line.writes(), "write 57 00 00 08"), 0);
}

TEST(CloneErrors, AFailedConfirmationReadIsACommunicationErrorAtOnce) {
  TransferBench bench;
  bench.line.failRead = [&] { return bench.line.lastWrite() == "write 06"; };
  EXPECT_EQ(bench.read(), TransferOutcome::Failed);
  const std::vector<std::string> tail = bench.logAfterLast("write 06");
  EXPECT_EQ(tail, (std::vector<std::string>{"write 06", "read 1 failed", "close"}));
  EXPECT_EQ(bench.observer.messages.back().text, kCommunicationError);
}

TEST(CloneErrors, TheConfirmationSendIsRepeatedAtMostThreeTimes) {
  TransferBench bench;
  bench.line.failWrite = [](const std::vector<std::uint8_t>& f) { return f == std::vector<std::uint8_t>{0x06}; };
  EXPECT_EQ(bench.read(), TransferOutcome::Failed);
  EXPECT_EQ(Count(bench.line.log, "write failed 06"), 4);
  ASSERT_EQ(bench.observer.messages.size(), 5u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(bench.observer.messages[i].text, kSendOrder);
    EXPECT_EQ(bench.observer.messages[i].buttons, MessageButtons::Ok);
  }
  EXPECT_EQ(bench.observer.messages[4].text, kCommunicationError);
  EXPECT_EQ(bench.line.log.back(), "close");
}

TEST(CloneErrors, AConfirmationSendThatRecoversCarriesOn) {
  TransferBench bench;
  int failures = 2;
  bench.line.failWrite = [&](const std::vector<std::uint8_t>& f) {
    return f == std::vector<std::uint8_t>{0x06} && failures-- > 0;
  };
  EXPECT_EQ(bench.read(), TransferOutcome::Completed);
  ASSERT_EQ(bench.observer.messages.size(), 2u);
  EXPECT_EQ(bench.observer.messages[1].text, kSendOrder);
  EXPECT_EQ(bench.image, PatternImage(3));
}

class ShortAnswer : public ::testing::TestWithParam<std::size_t> {};

TEST_P(ShortAnswer, EndsTheReadAndLeavesTheImageAsItWas) {
  sim::FaultPlan fault;
  fault.shortAnswer = sim::FaultPlan::ShortAnswer{5, GetParam()};
  TransferBench bench(fault);
  const RadioImage before = bench.image;
  EXPECT_EQ(bench.read(), TransferOutcome::Failed);
  ASSERT_EQ(bench.observer.messages.size(), 1u);
  EXPECT_EQ(bench.observer.messages[0].text, kNotEnough);
  EXPECT_EQ(bench.observer.messages[0].buttons, MessageButtons::Ok);
  const std::vector<std::string> tail = bench.logAfterLast("write 52 00 28 08");
  EXPECT_EQ(tail, (std::vector<std::string>{"write 52 00 28 08",
                                            "read 12 -> " + std::to_string(GetParam()), "close"}));
  EXPECT_EQ(bench.image, before);
  EXPECT_EQ(bench.observer.statuses.back(), "5");
  EXPECT_EQ(bench.observer.progress.back(), 5);
}

// 10 and 11 bytes once passed, with the tail of the previous block's answer.
INSTANTIATE_TEST_SUITE_P(CloneErrors, ShortAnswer, ::testing::Values(0u, 9u, 10u, 11u));

TEST(CloneErrors, AMissingReadAcknowledgementEndsTheRead) {
  sim::FaultPlan fault;
  fault.noAckBlock = 7;
  TransferBench bench(fault);
  const RadioImage before = bench.image;
  EXPECT_EQ(bench.read(), TransferOutcome::Failed);
  ASSERT_EQ(bench.observer.messages.size(), 1u);
  EXPECT_EQ(bench.observer.messages[0].text, kErrorHappened);
  EXPECT_EQ(bench.observer.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(bench.logAfterLast("write 52 00 38 08").back(), "close");
  EXPECT_EQ(Count(bench.line.writes(), "write 52 00 40 08"), 0);
  EXPECT_EQ(bench.image, before);
  EXPECT_NE(bench.observer.progress.back(), 123);
}

TEST(CloneErrors, AMissingWriteAcknowledgementEndsTheWriteWithTheBarFull) {
  sim::FaultPlan fault;
  fault.noAckBlock = 7;
  TransferBench bench(fault);
  EXPECT_EQ(bench.write(), TransferOutcome::Failed);
  ASSERT_EQ(bench.observer.messages.size(), 1u);
  EXPECT_EQ(bench.observer.messages[0].text, kErrorHappened);
  // The previous block's 06 is still in the receive buffer; it must not count.
  const std::vector<std::string> tail = bench.logAfterLast("write 57 00 38 08");
  EXPECT_EQ(tail.size(), 6u);
  EXPECT_EQ(tail[4], "read 1 -> 0");
  EXPECT_EQ(tail[5], "close");
  EXPECT_EQ(bench.observer.progress.back(), 123);
  EXPECT_EQ(bench.observer.statuses.back(), "7");
}

TEST(CloneErrors, AnUnpluggedCableEndsEitherDirectionWithItsMessage) {
  sim::FaultPlan fault;
  fault.unplugBlock = 20;
  TransferBench reading(fault);
  EXPECT_EQ(reading.read(), TransferOutcome::Failed);
  EXPECT_EQ(reading.observer.messages.back().text, kNotEnough);
  EXPECT_EQ(reading.line.log.back(), "close");

  TransferBench writing(fault);
  EXPECT_EQ(writing.write(), TransferOutcome::Failed);
  EXPECT_EQ(writing.observer.messages.back().text, kErrorHappened);
  EXPECT_EQ(writing.line.log.back(), "close");
}

TEST(CloneErrors, TwoStrayBytesBeforeTheAcknowledgementFailTheAttempt) {
  sim::FaultPlan noise;
  noise.noise = 2;
  TransferBench bench(noise);
  EXPECT_EQ(bench.read(), TransferOutcome::Failed);
  EXPECT_EQ(bench.line.wakeUpWords(), 15);
}

}  // namespace
}  // namespace qm314::test
