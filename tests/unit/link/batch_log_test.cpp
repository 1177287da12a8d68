// The batch log across two runs: one header, lines appended, every field read
// back as it was written whatever commas and quotes it holds, a line whole or
// not at all, only a regular file taken, and the time in ISO 8601.
#include "link/batch_log.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

#include "radio/csv.h"
#include "tests/unit/scratch_folder.h"

namespace qm314 {
namespace {

class BatchLogTest : public ::testing::Test, protected ScratchFolder {
 protected:
  std::string text(const std::string& name) const {
    const std::vector<std::uint8_t> written = bytes(name);
    return {written.begin(), written.end()};
  }
};

RadioRecord Record() {
  RadioRecord record;
  record.time = "2024-05-01T14:03:22+02:00";
  record.port = "/dev/serial/by-id/usb-Cables,_Inc-if00";
  record.device = "/dev/ttyUSB1";
  record.outcome = RadioOutcome::Failed;
  record.message = "Cannot open \"/dev/ttyUSB1\": it is a device, not a file.\nTry again";
  record.identity = {0x51, 0x4D, 0x00, 0xFF};
  record.fileSha256 = "ab12";
  record.writtenSha256 = "cd34";
  return record;
}

TEST_F(BatchLogTest, AppendsUnderOneHeaderAndEveryFieldReadsBackAsWritten) {
  for (int run = 0; run < 2; ++run) {
    BatchLog log;
    std::string error;
    ASSERT_TRUE(log.open(path("radios.csv"), error)) << error;
    ASSERT_TRUE(log.append(Record()));
  }
  const CsvParse parsed = ParseCsv(text("radios.csv"));
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  ASSERT_EQ(parsed.records.size(), 3u);
  EXPECT_EQ(parsed.records[0].fields,
            (std::vector<std::string>{"time", "port", "device", "outcome", "message", "identification",
                                      "file_sha256", "written_sha256"}));
  const std::vector<std::string> fields{"2024-05-01T14:03:22+02:00",
                                        "/dev/serial/by-id/usb-Cables,_Inc-if00",
                                        "/dev/ttyUSB1",
                                        "failed",
                                        "Cannot open \"/dev/ttyUSB1\": it is a device, not a file. Try again",
                                        "514D00FF",
                                        "ab12",
                                        "cd34"};
  // One line each: the message's line break is a space.
  EXPECT_EQ(parsed.records[1].line, 2);
  EXPECT_EQ(parsed.records[1].fields, fields);
  EXPECT_EQ(parsed.records[2].fields, fields);
}

TEST_F(BatchLogTest, ALineThatDoesNotFitIsLeftOutWholeAndTheNextStandsOnItsOwn) {
  BatchLog log;
  std::string error;
  ASSERT_TRUE(log.open(path("radios.csv"), error)) << error;
  const std::string header = text("radios.csv");
  // The file may grow by 20 bytes: the line gets half-way.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit tight = saved;
  tight.rlim_cur = header.size() + 20;
  setrlimit(RLIMIT_FSIZE, &tight);
  const bool appended = log.append(Record());
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_FALSE(appended);
  EXPECT_EQ(text("radios.csv"), header);
  EXPECT_NE(log.error().find("cannot write the log \"" + path("radios.csv") + "\": "), std::string::npos)
      << log.error();

  EXPECT_TRUE(log.append(Record()));
  EXPECT_EQ(text("radios.csv"), header + LogLine(Record()) + "\n");
  // A later batch without a log has no error of this one's to show.
  log.close();
  EXPECT_EQ(log.error(), "");
}

TEST_F(BatchLogTest, OnlyARegularFileIsOpenedAndNothingWaitsForAReader) {
  ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
  for (const auto& [name, kind] : {std::pair<std::string, std::string>{path("pipe"), "a named pipe (FIFO)"},
                                   {"/dev/null", "a device"}}) {
    BatchLog log;
    std::string error;
    EXPECT_FALSE(log.open(name, error)) << name;
    EXPECT_EQ(error, "cannot write the log \"" + name + "\": it is " + kind + ", not a file");
  }
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
