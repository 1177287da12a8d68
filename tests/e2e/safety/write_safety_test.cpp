// write --backup and --verify against qm314-sim: the backup holds the radio as
// it was, a failed backup writes nothing, and a block the radio keeps wrong is named.
#include <gtest/gtest.h>

#include <filesystem>

#include "process.h"
#include "scratch_test.h"
#include "radio/codec.h"

namespace qm314::e2e {
namespace {

class WriteSafety : public ScratchTest {
 protected:
  void SetUp() override {
    WriteFile(path("radio.bin"), radioBefore);
    ASSERT_EQ(RunCli({"new", path("new.int")}).status, 0);
  }
  std::vector<std::uint8_t> radioBefore = RandomBytes(7);
};

TEST_F(WriteSafety, BackupKeepsTheRadioAsItWasAndVerifyConfirmsTheWrite) {
  Sim sim({"--image", path("radio.bin"), "--save", path("radio.bin")});
  const Finished write =
      RunCli({"write", sim.device(), path("new.int"), "--backup", path("old.int"), "--verify"}, 90);
  EXPECT_EQ(write.status, 0) << write.err;
  EXPECT_EQ(write.err, "");
  EXPECT_EQ(ReadFile(path("old.int")), radioBefore);
  sim.stop();
  const std::vector<std::uint8_t> radioAfter = ReadFile(path("radio.bin"));
  const std::vector<std::uint8_t> written = ReadFile(path("new.int"));
  ASSERT_EQ(radioAfter.size(), 1024u);
  EXPECT_TRUE(std::equal(written.begin(), written.begin() + 0x3D8, radioAfter.begin()));
}

TEST_F(WriteSafety, VerifyNamesTheBlockTheRadioKeptWrong) {
  Sim sim({"--image", path("radio.bin"), "--fault", "corrupt@60"});
  const Finished write = RunCli({"write", sim.device(), path("new.int"), "--verify"}, 90);
  EXPECT_EQ(write.status, 1);
  EXPECT_EQ(write.err, "");
  // Block 60 (0x1E0-0x1E7) of a new document is 0xFF throughout; the radio kept it inverted.
  EXPECT_NE(write.out.find("Verify After Write: 1 of 123 written blocks differs from what the radio holds:\n"
                           "block 60 at 0x1E0-0x1E7: 8 bytes differ; written FF FF FF FF FF FF FF FF, "
                           "radio holds 00 00 00 00 00 00 00 00\n"),
            std::string::npos)
      << write.out;
}

TEST_F(WriteSafety, AFailedBackupReadWritesNothing) {
  Sim sim({"--image", path("radio.bin"), "--save", path("radio.bin"), "--fault", "short:3@5", "--log",
           path("sim.log")});
  const Finished write = RunCli({"write", sim.device(), path("new.int"), "--backup", path("old.int")}, 60);
  EXPECT_EQ(write.status, 1);
  EXPECT_EQ(write.err,
            "not received enough  byte\n"
            "qm314-cli: the radio's memory was not backed up, so nothing was written to it\n");
  EXPECT_FALSE(std::filesystem::exists(path("old.int")));
  sim.stop();
  EXPECT_EQ(CountLines(path("sim.log"), "write 0x000"), 0);
  EXPECT_EQ(ReadFile(path("radio.bin")), radioBefore);
}

TEST_F(WriteSafety, ACsvGivenByMistakeReachesNoRadioUnlessForced) {
  std::string csv = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode\r\n";
  for (int row = 1; csv.size() < 2000; ++row)
    csv += std::to_string(row) + ",,446.006250,,0,TSQL,88.5,88.5,023,NN,NFM\r\n";
  WriteFile(path("plan.csv"), std::vector<std::uint8_t>(csv.begin(), csv.end()));
  Sim sims({"--log", path("sim.log"), "--save", path("mem.int")}, 2);
  const std::string both = sims.devices()[0] + "," + sims.devices()[1];
  for (const std::string& ports : {sims.device(), both}) {
    const Finished write = RunCli({"write", ports, path("plan.csv"), "--wait-for-radio"}, 30);
    EXPECT_EQ(write.status, 2) << ports;
    EXPECT_NE(write.err.find("does not look like QM-314 channel data. Nothing was written; --force uses it anyway."),
              std::string::npos)
        << write.err;
  }
  const Finished forced = RunCli({"write", sims.device(), path("plan.csv"), "--force"}, 90);
  EXPECT_EQ(forced.status, 0) << forced.err;
  sims.stop();
  EXPECT_EQ(CountLines(path("sim-1.log"), "write 0x000"), 1);
  EXPECT_EQ(CountLines(path("sim-2.log"), "write 0x000"), 0);
  const std::vector<std::uint8_t> memory = ReadFile(path("mem-1.int"));
  EXPECT_EQ(std::string(memory.begin(), memory.begin() + 9), "Location,");
}

TEST_F(WriteSafety, TheBackupMayNotReplaceTheFileToBeWritten) {
  const Finished write = RunCli({"write", "/dev/qm314-absent", path("new.int"), "--backup", path("new.int")});
  EXPECT_EQ(write.status, 2);
  EXPECT_NE(write.err.find("name another backup file"), std::string::npos) << write.err;
}

}  // namespace
}  // namespace qm314::e2e
