// The command line's transfer console: the progress bar only on a terminal, the
// program's messages verbatim on their own line, Retry answered N times.
#include "cli/transfer_console.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qm314::cli {
namespace {

TEST(TransferConsole, WithoutATerminalOnlyTheMessagesAppear) {
  std::ostringstream err;
  std::atomic<bool> cancel{false};
  TransferConsole console(err, false, "Reading Data Progress", 0, cancel);
  console.setStatus("Waiting the response from radio....");
  console.setProgress(5);
  EXPECT_EQ(console.showMessage("not received enough  byte", MessageButtons::Ok), MessageAnswer::Ok);
  console.finish();
  EXPECT_EQ(err.str(), "not received enough  byte\n");
}

TEST(TransferConsole, OnATerminalTheBarIsClearedBeforeAMessage) {
  std::ostringstream err;
  std::atomic<bool> cancel{false};
  TransferConsole console(err, true, "Writing Data Progress", 0, cancel);
  console.setStatus("Waiting the response from radio....");
  console.setProgress(123);
  console.setStatus("122");
  const std::string bar = err.str();
  EXPECT_NE(bar.find("Writing Data Progress ["), std::string::npos);
  EXPECT_NE(bar.find("Waiting the response from radio...."), std::string::npos);
  EXPECT_NE(bar.rfind("] 123/123"), std::string::npos);
  // A block count is not repeated beside the bar.
  EXPECT_EQ(bar.substr(bar.rfind('\r')).find("122"), std::string::npos);
  err.str("");
  console.showMessage("Error had happen,please try again", MessageButtons::Ok);
  EXPECT_EQ(err.str(), "\r\033[KError had happen,please try again\n");
}

TEST(TransferConsole, RetriesAreAnsweredThenCancel) {
  std::ostringstream err;
  std::atomic<bool> cancel{false};
  TransferConsole console(err, false, "Reading Data Progress", 2, cancel);
  EXPECT_EQ(console.showMessage("x", MessageButtons::RetryCancel), MessageAnswer::Retry);
  EXPECT_EQ(console.showMessage("x", MessageButtons::Ok), MessageAnswer::Ok);
  EXPECT_EQ(console.showMessage("x", MessageButtons::RetryCancel), MessageAnswer::Retry);
  EXPECT_EQ(console.showMessage("x", MessageButtons::RetryCancel), MessageAnswer::Cancel);
  EXPECT_FALSE(console.cancelRequested());
  cancel = true;
  EXPECT_TRUE(console.cancelRequested());
}

}  // namespace
}  // namespace qm314::cli
