// What the commands refuse to write: an output that is one of their inputs, a
// file the user protected, and a file that does not look like channel data
// unless --force says it is meant.
#include <sys/stat.h>

#include <filesystem>

#include "tests/unit/cli/cli_fixture.h"

namespace qm314::cli {
namespace {

using Bytes = std::vector<std::uint8_t>;

class FileSafety : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    ASSERT_EQ(run({"new", path("a.int")}), 0);
    writeText("plan.csv", "CH,Channel,Tones,BCLO,Scan\n1,03,08,Off,Add\n");
    original_ = bytes("a.int");
    plan_ = bytes("plan.csv");
  }
  // Refused with exit status 2, the message saying why, both files as they were.
  void expectRefused(const std::vector<std::string>& args, const std::string& why) {
    EXPECT_EQ(run(args), 2) << args[0];
    EXPECT_NE(err_.find(why), std::string::npos) << err_;
    EXPECT_EQ(bytes("a.int"), original_);
    EXPECT_EQ(bytes("plan.csv"), plan_);
  }
  Bytes original_;
  Bytes plan_;
};

TEST_F(FileSafety, AnOutputThatIsAnInputIsRefusedByAnyName) {
  std::filesystem::create_hard_link(path("a.int"), path("hard.int"));
  std::filesystem::create_directory(path("sub"));
  const std::string same = "\"" + path("a.int") + "\", which this command reads; name another file";
  expectRefused({"export", path("a.int"), "-o", path("a.int")},
                "-o \"" + path("a.int") + "\" would write into " + same);
  expectRefused({"export", path("a.int"), "-o", path("hard.int")}, same);
  expectRefused({"export", path("a.int"), "-o", path("sub/../a.int")}, same);
  expectRefused({"import", path("plan.csv"), path("a.int"), "-o", path("plan.csv")}, "reads");
  expectRefused({"import", path("plan.csv"), path("plan.csv")}, "reads");
  expectRefused({"write", "/dev/qm314-absent", path("a.int"), "--log", path("hard.int")}, same);
  // Saving over FILE is what set and import do without -o.
  EXPECT_EQ(run({"import", path("plan.csv"), path("a.int"), "-o", path("hard.int")}), 0) << err_;
}

TEST_F(FileSafety, OtherDataIsSavedOrSentOnlyWithForce) {
  std::string notes;
  while (notes.size() < 1892) notes += "Sunday net at ten, channel 3, tone 88.5; bring spare batteries.\n";
  writeText("notes.txt", notes);
  const std::string refusal =
      "\"" + path("notes.txt") + "\" does not look like QM-314 channel data. Nothing was written; --force uses it "
      "anyway.\n";
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"set", path("notes.txt"), "tot=60s"},
           {"import", path("plan.csv"), path("notes.txt")},
           {"write", "/dev/qm314-absent", path("notes.txt")},
           {"write", "/dev/qm314-absent,/dev/qm314-absent2", path("notes.txt")}}) {
    EXPECT_EQ(run(args), 2) << args[0];
    EXPECT_EQ(err_, "qm314-cli " + args[0] + ": " + refusal);
    EXPECT_EQ(bytes("notes.txt"), Bytes(notes.begin(), notes.end()));
  }
  // Looking harms nothing: a warning only.
  EXPECT_EQ(run({"export", path("notes.txt")}), 0);
  EXPECT_NE(err_.find("warning"), std::string::npos) << err_;
  // --force takes it: the write goes on to the port, which is not there.
  EXPECT_EQ(run({"write", "/dev/qm314-absent", path("notes.txt"), "--force"}), 1);
  ASSERT_EQ(run({"set", path("notes.txt"), "tot=60s", "--force"}), 0) << err_;
  EXPECT_EQ(bytes("notes.txt").size(), 1024u);
}

TEST_F(FileSafety, AProtectedFileIsNotReplaced) {
  ::chmod(path("a.int").c_str(), 0444);
  expectRefused({"set", path("a.int"), "tot=60s"}, "you may not write it (its permissions are r--r--r--)");
  ASSERT_EQ(run({"set", path("a.int"), "tot=60s", "-o", path("b.int")}), 0) << err_;
}

}  // namespace
}  // namespace qm314::cli
