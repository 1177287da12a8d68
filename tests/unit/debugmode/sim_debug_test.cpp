// The simulated radio's side of the tuning conversation: its answers, what it
// keeps, and its faults at every stage.
#include <gtest/gtest.h>

#include "sim/debug_conversation.h"
#include "sim/sim_radio.h"

namespace qm314::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

const WakeUpWord kCloneWord = {0x02, 'C', 'L', 'O', 'N', 'E', 'X', 'Y'};
const Bytes kDebugWord = {0x02, 'T', 'U', 'N', 'E', 'U', 'P'};

class SimDebugTest : public ::testing::Test {
 protected:
  SimDebugTest() : radio(kCloneWord, RadioImage{}) {
    auto conversation = std::make_unique<DebugConversation>(radio.faults());
    debug = conversation.get();
    radio.addConversation(kDebugWord, std::move(conversation));
  }

  Bytes Send(const Bytes& bytes) { return radio.receive(bytes).bytes; }

  // The program's side of one whole command, answer by answer.
  std::vector<Bytes> Converse(const Bytes& frequencies, const Bytes& tones) {
    return {Send(kDebugWord), Send({0x4D}), Send({0x02}), Send({0x06}),
            Send({0x78, 0x74, 0x74, 0x08}), Send(frequencies), Send(tones)};
  }

  SimRadio radio;
  DebugConversation* debug = nullptr;
};

const Bytes kFrequencies = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44};
const Bytes kTones = {0x93, 0x06, 0x93, 0x06, 0xFB, 0x01, 0x01, 0x2F};

TEST_F(SimDebugTest, AnswersEveryStageAndKeepsTheFrames) {
  const std::vector<Bytes> answers = Converse(kFrequencies, kTones);
  EXPECT_EQ(answers[0], Bytes{0x06});
  EXPECT_EQ(answers[1], Bytes{});
  EXPECT_EQ(answers[2].size(), 8u);
  EXPECT_EQ(answers[3], Bytes{0x06});
  EXPECT_EQ(answers[4], Bytes{0x48});
  EXPECT_EQ(answers[5], Bytes{0x48});
  EXPECT_EQ(answers[6], Bytes{0x48});
  ASSERT_EQ(debug->received().size(), 1u);
  EXPECT_EQ(debug->received()[0].opcode, 0x74);
  EXPECT_EQ(Bytes(debug->received()[0].frequencies.begin(), debug->received()[0].frequencies.end()),
            kFrequencies);
  EXPECT_EQ(Bytes(debug->received()[0].tonesAndValue.begin(),
                  debug->received()[0].tonesAndValue.end()),
            kTones);
}

TEST_F(SimDebugTest, AWakeUpWordInsideAFrameIsData) {
  const Bytes wordInFrame = {0x02, 'T', 'U', 'N', 'E', 'U', 'P', 0x00};
  const std::vector<Bytes> answers = Converse(wordInFrame, kTones);
  EXPECT_EQ(answers[5], Bytes{0x48});
  EXPECT_EQ(answers[6], Bytes{0x48});
  ASSERT_EQ(debug->received().size(), 1u);
}

TEST_F(SimDebugTest, AByteOutOfPlaceEndsTheConversationUntilTheNextWakeUp) {
  Send(kDebugWord);
  Send({0x4D});
  EXPECT_EQ(Send({0x03}), Bytes{});
  EXPECT_EQ(Send({0x06}), Bytes{});
  EXPECT_EQ(Converse(kFrequencies, kTones)[6], Bytes{0x48});
}

TEST_F(SimDebugTest, EachStageFaultStrikesOnceAndRetryGetsThrough) {
  const std::vector<std::pair<const char*, std::size_t>> stages = {
      {"wake", 0}, {"ident", 2}, {"confirm", 3}, {"item", 4}, {"frequencies", 5}, {"tones", 6}};
  for (const auto& [stage, answer] : stages) {
    for (const char* kind : {"debug-silent@", "debug-wrong@"}) {
      std::string error;
      ASSERT_TRUE(AddFault(std::string(kind) + stage, radio.faults(), error)) << error;
      const std::vector<Bytes> answers = Converse(kFrequencies, kTones);
      const bool wrong = std::string(kind) == "debug-wrong@";
      EXPECT_EQ(answers[answer], wrong ? Bytes{0x15} : Bytes{}) << kind << stage;
      for (std::size_t i = answer + 1; i < answers.size(); ++i) {
        EXPECT_EQ(answers[i], Bytes{}) << kind << stage << " answer " << i;
      }
      EXPECT_EQ(Converse(kFrequencies, kTones)[6], Bytes{0x48}) << kind << stage;
    }
  }
  EXPECT_EQ(debug->received().size(), 12u);
}

TEST(SimDebugFaults, StagesAreNamed) {
  FaultPlan plan;
  std::string error;
  EXPECT_FALSE(AddFault("debug-silent@bogus", plan, error));
  EXPECT_NE(error.find("wake, ident, confirm, item, frequencies, tones"), std::string::npos);
  EXPECT_FALSE(AddFault("debug-silent", plan, error));
  EXPECT_FALSE(AddFault("debug-wrong:3@item", plan, error));
  EXPECT_FALSE(plan.debugFault);
}

}  // namespace
}  // namespace qm314::sim
