// qm314-cli read and write against qm314-sim: the radio's memory comes back
// byte for byte, and a write reaches exactly offsets 0x000-0x3D7.
#include <gtest/gtest.h>

#include <filesystem>

#include "process.h"
#include "scratch_test.h"
#include "radio/codec.h"
#include "radio/default_image.h"
#include "radio/image_file.h"

namespace qm314::e2e {
namespace {

class ReadWrite : public ScratchTest {
 protected:
};

TEST_F(ReadWrite, ReadSavesTheRadiosMemoryExactly) {
  const std::vector<std::uint8_t> memory = RandomBytes(1);
  WriteFile(path("radio.bin"), memory);
  Sim sim({"--image", path("radio.bin")});
  const Finished read = RunCli({"read", sim.device(), "-o", path("read.int")});
  EXPECT_EQ(read.status, 0) << read.err;
  EXPECT_EQ(read.err, "");
  EXPECT_EQ(ReadFile(path("read.int")), memory);
}

TEST_F(ReadWrite, WriteSetsTheEncodedFileUpTo0x3D7AndLeavesTheRestToTheRadio) {
  const std::vector<std::uint8_t> radioBefore = RandomBytes(2);
  WriteFile(path("radio.bin"), radioBefore);
  // A file with channels and settings the codec rewrites on the way out.
  RadioImage file = DefaultImage();
  file.at(1, 0) = 0x99;  // a frequency no channel list holds
  file.at(60, 1) = 7;
  for (std::size_t i = 0x3D8; i < 1024; ++i) file.at(i) = 0x5A;
  ASSERT_TRUE(WriteImageFile(path("file.int"), file));

  RadioImage encoded = file;
  ChannelTable grid;
  PanelSelections panel;
  Decode(encoded, grid, panel);
  Encode(grid, panel, encoded);

  Sim sim({"--image", path("radio.bin"), "--save", path("radio.bin")});
  const Finished write = RunCli({"write", sim.device(), path("file.int")});
  EXPECT_EQ(write.status, 0) << write.err;
  EXPECT_EQ(write.err, "");
  sim.stop();
  const std::vector<std::uint8_t> radioAfter = ReadFile(path("radio.bin"));
  ASSERT_EQ(radioAfter.size(), 1024u);
  for (std::size_t i = 0; i < 1024; ++i) {
    EXPECT_EQ(radioAfter[i], i < 0x3D8 ? encoded.at(i) : radioBefore[i]) << "offset " << i;
  }
}

TEST_F(ReadWrite, AReadThatCouldNotBeSavedIsRefusedBeforeItStarts) {
  Sim sim({"--log", path("sim.log")});
  const Finished read = RunCli({"read", sim.device(), "-o", path("missing/read.int")});
  EXPECT_EQ(read.status, 2);
  EXPECT_NE(read.err.find("missing/read.int"), std::string::npos);
  EXPECT_EQ(CountLines(path("sim.log"), "wake-up clone"), 0);
}

TEST_F(ReadWrite, ComPortNamesFollowTheEnvironment) {
  Sim sim;
  setenv("QM314_COM2", sim.device().c_str(), 1);
  const Finished read = RunCli({"read", "COM2", "-o", path("read.int")});
  unsetenv("QM314_COM2");
  EXPECT_EQ(read.status, 0) << read.err;
  EXPECT_EQ(ReadFile(path("read.int")).size(), 1024u);
}

TEST_F(ReadWrite, ADifferentWakeUpWordOnBothSides) {
  Sim sim({"--clone-word", "ABCDEFG"});
  const Finished wrong = RunCli({"write", sim.device(), path("none.int")});
  EXPECT_EQ(wrong.status, 2);  // the file is missing: nothing is sent
  ASSERT_EQ(RunCli({"new", path("new.int")}).status, 0);
  const Finished write =
      RunCli({"write", sim.device(), path("new.int"), "--clone-word", "ABCDEFG"});
  EXPECT_EQ(write.status, 0) << write.err;
  const Finished badWord = RunCli({"read", sim.device(), "-o", path("r.int"), "--clone-word", "abc"});
  EXPECT_EQ(badWord.status, 2);
  EXPECT_NE(badWord.err.find("upper-case"), std::string::npos);
}

}  // namespace
}  // namespace qm314::e2e
