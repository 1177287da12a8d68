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
