// The simulated radio's clone side, byte by byte, and its faults.
#include "sim/sim_radio.h"

#include <gtest/gtest.h>

#include "sim/faults.h"

namespace qm314::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kWord{0x02, 'Q', 'M', 'C', 'L', 'O', 'N', 'E'};

RadioImage Counting() {
  RadioImage image;
  for (std::size_t i = 0; i < image.size(); ++i) image.at(i) = static_cast<std::uint8_t>(i % 251);
  return image;
}

// A radio taken through wake-up, identification and confirmation.
struct ReadyRadio {
  explicit ReadyRadio(FaultPlan faults = {}) : radio(kWord, Counting(), faults) {
    EXPECT_EQ(radio.receive(kWord).bytes, Bytes{0x06});
    EXPECT_EQ(radio.receive(Bytes{0x02}).bytes.size(), 8u);
    EXPECT_EQ(radio.receive(Bytes{0x06}).bytes, Bytes{0x06});
  }
  SimRadio radio;
};

TEST(SimRadio, SleepsUntilItsWakeUpWordAndIgnoresNoiseBefore) {
  SimRadio radio(kWord, Counting());
  EXPECT_TRUE(radio.receive(Bytes{0x52, 0x00, 0x00, 0x08, 0x06, 0x02}).bytes.empty());
  const SimReply woken = radio.receive(kWord);
  EXPECT_EQ(woken.bytes, Bytes{0x06});
  EXPECT_TRUE(woken.woke);
  EXPECT_EQ(woken.events, std::vector<std::string>{"wake-up clone"});
}

TEST(SimRadio, AnswersAReadWithFourHeaderBytesAndTheBlock) {
  ReadyRadio r;
  const SimReply answer = r.radio.receive(Bytes{0x52, 0x03, 0xF8, 0x08});
  Bytes expected{0x52, 0x03, 0xF8, 0x08};
  for (std::size_t i = 0x3F8; i < 0x400; ++i) expected.push_back(static_cast<std::uint8_t>(i % 251));
  EXPECT_EQ(answer.bytes, expected);
  EXPECT_EQ(r.radio.receive(Bytes{0x06}).bytes, Bytes{0x06});
  // Only one acknowledgement per block.
  EXPECT_TRUE(r.radio.receive(Bytes{0x06}).bytes.empty());
}

TEST(SimRadio, StoresWritesUpTo0x3D7AndRefusesBeyond) {
  ReadyRadio r;
  SimReply last = r.radio.receive(Bytes{0x57, 0x03, 0xD0, 0x08, 1, 2, 3, 4, 5, 6, 7, 8});
  EXPECT_EQ(last.bytes, Bytes{0x06});
  EXPECT_TRUE(last.memoryWritten);
  EXPECT_EQ(r.radio.memory().at(0x3D0), 1);
  EXPECT_EQ(r.radio.memory().at(0x3D7), 8);

  const SimReply refused = r.radio.receive(Bytes{0x57, 0x03, 0xD8, 0x08, 9, 9, 9, 9, 9, 9, 9, 9});
  EXPECT_TRUE(refused.bytes.empty());
  EXPECT_EQ(r.radio.memory().at(0x3D8), 0x3D8 % 251);
  // Still listening after a refusal.
  EXPECT_EQ(r.radio.receive(Bytes{0x57, 0x00, 0x10, 0x08, 0, 0, 0, 0, 0, 0, 0, 0}).bytes, Bytes{0x06});
}

TEST(SimRadio, AWakeUpWordInsideWrittenDataIsData) {
  ReadyRadio r;
  Bytes frame{0x57, 0x00, 0x00, 0x08};
  frame.insert(frame.end(), kWord.begin(), kWord.end());
  const SimReply reply = r.radio.receive(frame);
  EXPECT_FALSE(reply.woke);
  EXPECT_EQ(reply.bytes, Bytes{0x06});
  EXPECT_EQ(r.radio.memory().at(1), 'Q');
}

TEST(SimRadio, AWakeUpWordStartsOverFromAnyState) {
  ReadyRadio r;
  r.radio.receive(Bytes{0x52, 0x00, 0x00, 0x08});
  EXPECT_EQ(r.radio.receive(kWord).bytes, Bytes{0x06});
  // Woken again: block requests wait for the identification and confirmation.
  EXPECT_TRUE(r.radio.receive(Bytes{0x52, 0x00, 0x00, 0x08}).bytes.empty());
}

TEST(SimRadio, BlockFaultsStrikeOnceAtTheirBlock) {
  FaultPlan faults;
  faults.shortAnswer = FaultPlan::ShortAnswer{2, 9};
  faults.noAckBlock = 3;
  faults.strayBlock = 1;
  ReadyRadio r(faults);
  const Bytes stray = r.radio.receive(Bytes{0x52, 0x00, 0x08, 0x08}).bytes;
  ASSERT_EQ(stray.size(), 13u);
  EXPECT_EQ(stray.back(), 0x06);
  EXPECT_EQ(r.radio.receive(Bytes{0x06}).bytes, Bytes{0x06});
  EXPECT_EQ(r.radio.receive(Bytes{0x52, 0x00, 0x08, 0x08}).bytes.size(), 12u);
  EXPECT_EQ(r.radio.receive(Bytes{0x52, 0x00, 0x10, 0x08}).bytes.size(), 9u);
  EXPECT_EQ(r.radio.receive(Bytes{0x52, 0x00, 0x10, 0x08}).bytes.size(), 12u);
  EXPECT_EQ(r.radio.receive(Bytes{0x57, 0x00, 0x18, 0x08, 0, 0, 0, 0, 0, 0, 0, 0}).bytes, Bytes{});
  EXPECT_EQ(r.radio.receive(Bytes{0x57, 0x00, 0x18, 0x08, 0, 0, 0, 0, 0, 0, 0, 0}).bytes,
            Bytes{0x06});
}

TEST(SimRadio, UnplugsAtTheRequestOfItsBlock) {
  FaultPlan faults;
  faults.unplugBlock = 1;
  ReadyRadio r(faults);
  EXPECT_FALSE(r.radio.receive(Bytes{0x52, 0x00, 0x00, 0x08}).unplug);
  r.radio.receive(Bytes{0x06});
  EXPECT_TRUE(r.radio.receive(Bytes{0x52, 0x00, 0x08, 0x08}).unplug);
}

TEST(SimRadio, WrongConfirmationNoiseAndSilence) {
  FaultPlan wrong;
  wrong.wrongConfirm = true;
  SimRadio confirmWrong(kWord, Counting(), wrong);
  confirmWrong.receive(kWord);
  confirmWrong.receive(Bytes{0x02});
  EXPECT_EQ(confirmWrong.receive(Bytes{0x06}).bytes, Bytes{0x15});

  FaultPlan noisy;
  noisy.noise = 2;
  SimRadio noise(kWord, Counting(), noisy);
  const Bytes answer = noise.receive(kWord).bytes;
  ASSERT_EQ(answer.size(), 3u);
  EXPECT_EQ(answer[2], 0x06);

  FaultPlan quiet;
  quiet.silent = true;
  SimRadio silent(kWord, Counting(), quiet);
  const SimReply heard = silent.receive(kWord);
  EXPECT_TRUE(heard.bytes.empty());
  EXPECT_EQ(heard.events, std::vector<std::string>{"wake-up clone"});
}

// Another conversation can be added beside cloning, woken by its own word.
class EchoConversation : public SimConversation {
 public:
  void start(SimReply& reply) override { reply.bytes.push_back(0x48); }
  void receive(std::uint8_t byte, SimReply& reply) override { reply.bytes.push_back(byte); }
  bool inPayload() const override { return false; }
};

TEST(SimRadio, OtherConversationsHaveTheirOwnWord) {
  SimRadio radio(kWord, Counting());
  radio.addConversation(Bytes{0x02, 'E', 'C', 'H', 'O', 'E', 'S'}, std::make_unique<EchoConversation>());
  EXPECT_EQ(radio.receive(Bytes{0x02, 'E', 'C', 'H', 'O', 'E', 'S'}).bytes, Bytes{0x48});
  EXPECT_EQ(radio.receive(Bytes{0x33}).bytes, Bytes{0x33});
  const SimReply back = radio.receive(kWord);
  EXPECT_TRUE(back.woke);
  EXPECT_EQ(back.bytes.back(), 0x06);
  EXPECT_EQ(radio.receive(Bytes{0x02}).bytes.size(), 8u);  // the clone side has the line now
}

TEST(Faults, ParseTheCommandLineNames) {
  FaultPlan plan;
  std::string error;
  EXPECT_TRUE(AddFault("silent", plan, error));
  EXPECT_TRUE(AddFault("wrong-confirm", plan, error));
  EXPECT_TRUE(AddFault("noise", plan, error));
  EXPECT_EQ(plan.noise, 1);
  EXPECT_TRUE(AddFault("noise:3", plan, error));
  EXPECT_TRUE(AddFault("short:9@5", plan, error));
  EXPECT_TRUE(AddFault("no-ack@127", plan, error));
  EXPECT_TRUE(AddFault("unplug@0", plan, error));
  EXPECT_TRUE(AddFault("stray@64", plan, error));
  EXPECT_TRUE(plan.silent && plan.wrongConfirm);
  EXPECT_EQ(plan.noise, 3);
  EXPECT_EQ(plan.shortAnswer->block, 5);
  EXPECT_EQ(plan.shortAnswer->bytes, 9u);
  EXPECT_EQ(*plan.noAckBlock, 127);
  EXPECT_EQ(*plan.unplugBlock, 0);
  EXPECT_EQ(*plan.strayBlock, 64);
  for (const char* bad : {"", "loud", "short:12@5", "short:9", "no-ack@128", "unplug@-1",
                          "unplug@x", "silent@3", "no-ack", "stray:1@3"}) {
    EXPECT_FALSE(AddFault(bad, plan, error)) << bad;
    EXPECT_NE(error.find("unknown fault"), std::string::npos);
  }
}

}  // namespace
}  // namespace qm314::sim
