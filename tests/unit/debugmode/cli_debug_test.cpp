// qm314-cli debug: its arguments, refusals and exit statuses without a radio.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"

namespace qm314 {
namespace {

struct CliRun {
  int status;
  std::string err;
};

CliRun Debug(std::vector<std::string> args) {
  args.insert(args.begin(), "debug");
  std::ostringstream out, err;
  const int status = cli::RunCli(args, out, err);
  return {status, err.str()};
}

TEST(CliDebug, ArgumentsThatCannotMakeACommandAreUsageErrors) {
  const std::vector<std::pair<std::vector<std::string>, const char*>> cases = {
      {{"/dev/null", "--value", "3"}, "--item NAME and --value N"},
      {{"/dev/null", "--item", "TX Power"}, "--item NAME and --value N"},
      {{"/dev/null", "--item", "tx power", "--value", "3"},
       "\"TX Frequency\", \"Low Power Voltage\", \"Squelch Level\", \"TX Power\""},
      {{"/dev/null", "--item", "TX Power", "--value", "256"}, "0 to 255, not \"256\""},
      {{"/dev/null", "--item", "TX Power", "--value", "-1"}, "0 to 255"},
      {{"/dev/null", "--item", "TX Power", "--value", "12x"}, "0 to 255"},
      {{"--item", "TX Power", "--value", "1"}, "missing arguments"},
      {{"/dev/null", "--item", "TX Power", "--value", "1", "--retries", "x"}, "--retries"},
  };
  for (const auto& [args, words] : cases) {
    const CliRun run = Debug(args);
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_NE(run.err.find(words), std::string::npos) << run.err;
  }
}

TEST(CliDebug, UnpackableFrequenciesAndTonesAreRefusedBeforeThePortIsTried) {
  const std::vector<std::pair<std::vector<std::string>, const char*>> cases = {
      {{"--rx", "-5"}, "receive frequency \"-5\""},
      {{"--tx", "1000"}, "transmit frequency \"1000\""},
      {{"--rx-tone", "1000.0"}, "receive tone"},
      {{"--debug-word", "abc"}, "wake-up word"},
  };
  for (const auto& [extra, words] : cases) {
    std::vector<std::string> args = {"/nonexistent/ttyQM", "--item", "Squelch Level", "--value", "160"};
    args.insert(args.end(), extra.begin(), extra.end());
    const CliRun run = Debug(args);
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_NE(run.err.find(words), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Could not Open"), std::string::npos) << run.err;
  }
}

TEST(CliDebug, APortThatCannotBeOpenedFailsTheConversation) {
  const CliRun run = Debug({"/nonexistent/ttyQM", "--item", "TX Power", "--value", "47"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("Could not Open the Port,Please check whether the Port are occupied or the device "
                          "are ok\nNo such device: /nonexistent/ttyQM does not exist.",
                          0),
            0u)
      << run.err;
}

}  // namespace
}  // namespace qm314
