// qm314-sim's arguments: values, several faults after one --fault, refusals.
#include "sim/sim_options.h"

#include <gtest/gtest.h>

namespace qm314::sim {
namespace {

TEST(SimOptions, TakesValuesAndSeveralFaults) {
  SimOptions o;
  std::string error;
  ASSERT_TRUE(ParseSimOptions({"--image", "a.int", "--fault", "silent", "unplug@3", "--save", "b.int",
                               "--answer-delay", "2.5", "--clone-word", "ABCDEFG"},
                              o, error))
      << error;
  EXPECT_EQ(o.imagePath, "a.int");
  EXPECT_EQ(o.savePath, "b.int");
  EXPECT_EQ(o.cloneLetters, "ABCDEFG");
  EXPECT_DOUBLE_EQ(o.answerDelayMs, 2.5);
  EXPECT_TRUE(o.faults.silent);
  EXPECT_EQ(*o.faults.unplugBlock, 3);
}

TEST(SimOptions, SeveralRadiosEachWithItsOwnFaultsAndFiles) {
  SimOptions o;
  std::string error;
  ASSERT_TRUE(ParseSimOptions({"--fault", "3:short:3@5", "2:no-ack@40", "noise", "--radios", "3", "--save",
                               "/tmp/mem.int", "--swap-gap", "500"},
                              o, error))
      << error;
  EXPECT_EQ(o.radios, 3);
  EXPECT_EQ(o.swapGapMs, 500);
  const FaultPlan first = FaultsOfRadio(o, 1);
  const FaultPlan second = FaultsOfRadio(o, 2);
  const FaultPlan third = FaultsOfRadio(o, 3);
  EXPECT_EQ(first.noise, 1);
  EXPECT_FALSE(first.noAckBlock || first.shortAnswer);
  EXPECT_EQ(second.noise, 1);
  EXPECT_EQ(*second.noAckBlock, 40);
  EXPECT_EQ(third.shortAnswer->block, 5);
  EXPECT_EQ(third.shortAnswer->bytes, 3u);
  EXPECT_FALSE(third.noAckBlock);
  EXPECT_EQ(PathOfRadio(o.savePath, 2, 3), "/tmp/mem-2.int");
  EXPECT_EQ(PathOfRadio("sim.log", 3, 3), "sim-3.log");
  EXPECT_EQ(PathOfRadio("sim.log", 1, 1), "sim.log");

  for (std::vector<std::string> bad : {std::vector<std::string>{"--radios", "3", "--fault", "4:silent"},
                                       {"--fault", "2:silent"},
                                       {"--fault", "2:loud", "--radios", "2"},
                                       {"--radios", "0"},
                                       {"--radios", "17"},
                                       {"--swap-gap", "50"}}) {
    EXPECT_FALSE(ParseSimOptions(bad, o = SimOptions{}, error)) << bad[1];
  }
}

TEST(SimOptions, RefusesWhatItDoesNotKnow) {
  for (std::vector<std::string> bad : {std::vector<std::string>{"--image"},
                                       {"--fault"},
                                       {"--fault", "loud"},
                                       {"--answer-delay", "0"},
                                       {"--answer-delay", "1ms"},
                                       {"extra"}}) {
    SimOptions o;
    std::string error;
    EXPECT_FALSE(ParseSimOptions(bad, o, error)) << bad[0];
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace qm314::sim
