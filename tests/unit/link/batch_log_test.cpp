// The batch log across two runs: one header, lines appended, a message with
// commas and quotes kept whole in its one field, and the time in ISO 8601.
#include "link/batch_log.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/unit/scratch_folder.h"

namespace qm314 {
namespace {

class BatchLogTest : public ::testing::Test, protected ScratchFolder {};

TEST_F(BatchLogTest, AppendsUnderOneHeaderAndQuotesTheMessage) {
  RadioRecord record;
  record.time = "2024-05-01T14:03:22+02:00";
  record.port = "COM2";
  record.device = "/dev/ttyUSB1";
  record.outcome = RadioOutcome::VerifyFailed;
  record.message = "said \"no\",\nthen stopped";
  record.identity = {0x51, 0x4D, 0x00, 0xFF};
  record.sha256 = "ab12";
  for (int run = 0; run < 2; ++run) {
    BatchLog log;
    std::string error;
    ASSERT_TRUE(log.open(path("radios.csv"), error)) << error;
    ASSERT_TRUE(log.append(record));
  }
  const std::string line =
      "2024-05-01T14:03:22+02:00,COM2,/dev/ttyUSB1,verify failed,\"said \"\"no\"\", then stopped\",514D00FF,ab12\n";
  const std::vector<std::uint8_t> written = bytes("radios.csv");
  EXPECT_EQ(std::string(written.begin(), written.end()), "time,port,device,outcome,message,identification,sha256\n" + line + line);

  BatchLog unwritable;
  std::string error;
  EXPECT_FALSE(unwritable.open(path("missing/radios.csv"), error));
  EXPECT_NE(error.find("missing/radios.csv"), std::string::npos) << error;
}

TEST(BatchLogTime, IsLocalTimeWithItsOffset) {
  // Half an hour past the hour, east of UTC, without the time zone files.
  setenv("TZ", "IST-5:30", 1);
  tzset();
  EXPECT_EQ(LocalTimeIso8601(0), "1970-01-01T05:30:00+05:30");
  unsetenv("TZ");
  tzset();
}

}  // namespace
}  // namespace qm314
