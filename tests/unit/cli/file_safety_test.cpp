// What the commands refuse to write: an output that is one of their inputs, a
// file the user protected, and a file that does not look like channel data
// unless --force says it is meant.
#include <sys/stat.h>

#include <filesystem>

#include "tests/unit/cli/cli_fixture.h"

namespace qm314::cli {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST_F(CliTest, AnOutputThatIsAnInputIsRefusedByAnyName) {
  ASSERT_EQ(run({"new", path("a.int")}), 0);
  writeText("plan.csv", "CH,Channel,Tones,BCLO,Scan\n1,03,08,Off,Add\n");
  const Bytes image = bytes("a.int"), plan = bytes("plan.csv");
  std::filesystem::create_hard_link(path("a.int"), path("hard.int"));
  const std::string into = " would write into \"" + path("a.int") + "\", which this command reads; name another file";
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"export", path("a.int"), "-o", path("a.int")},
           {"export", path("a.int"), "-o", path("hard.int")},
           {"import", path("plan.csv"), path("a.int"), "-o", path("plan.csv")},
           {"import", path("plan.csv"), path("plan.csv")},
           {"write", "/dev/qm314-absent", path("a.int"), "--log", path("hard.int")}}) {
    EXPECT_EQ(run(args), 2) << args[3];
    EXPECT_NE(err_.find(args[0] == "import" ? "which this command reads" : into), std::string::npos) << err_;
  }
  EXPECT_EQ(bytes("a.int"), image);
  EXPECT_EQ(bytes("plan.csv"), plan);
  // Saving over FILE is what import does without -o.
  EXPECT_EQ(run({"import", path("plan.csv"), path("a.int"), "-o", path("hard.int")}), 0) << err_;
}

TEST_F(CliTest, OtherDataIsSavedOnlyWithForce) {
  std::string notes;
  while (notes.size() < 1892) notes += "Sunday net at ten, channel 3, tone 88.5; bring spare batteries.\n";
  writeText("notes.txt", notes);
  writeText("plan.csv", "CH,Channel,Tones,BCLO,Scan\n1,03,08,Off,Add\n");
  for (const std::string command : {"set", "import"}) {
    EXPECT_EQ(run(command == "set" ? std::vector<std::string>{"set", path("notes.txt"), "tot=60s"}
                                   : std::vector<std::string>{"import", path("plan.csv"), path("notes.txt")}),
              2);
    EXPECT_EQ(err_, "qm314-cli " + command + ": \"" + path("notes.txt") +
                        "\" does not look like QM-314 channel data. Nothing was written; --force uses it anyway.\n");
  }
  EXPECT_EQ(bytes("notes.txt"), Bytes(notes.begin(), notes.end()));
  ASSERT_EQ(run({"set", path("notes.txt"), "tot=60s", "--force"}), 0) << err_;
  EXPECT_EQ(bytes("notes.txt").size(), 1024u);
}

TEST_F(CliTest, AReadIntoAProtectedFileIsRefusedBeforeThePortOpens) {
  ASSERT_EQ(run({"new", path("a.int")}), 0);
  ::chmod(path("a.int").c_str(), 0444);
  EXPECT_EQ(run({"read", "/dev/qm314-absent", "-o", path("a.int")}), 2);
  EXPECT_NE(err_.find("you may not write it (its permissions are r--r--r--)"), std::string::npos) << err_;
}

}  // namespace
}  // namespace qm314::cli
