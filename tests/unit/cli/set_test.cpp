#include "tests/unit/cli/cli_fixture.h"

namespace qm314::cli {
namespace {

using Bytes = std::vector<std::uint8_t>;

class SetCommand : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    ASSERT_EQ(run({"new", path("radio.int")}), 0);
    original_ = bytes("radio.int");
  }
  Bytes functionSetting(const std::string& name) const {
    const Bytes data = bytes(name);
    return Bytes(data.begin() + 60 * 16, data.begin() + 60 * 16 + 4);
  }
  Bytes original_;
};

TEST_F(SetCommand, SettingsByItemText) {
  ASSERT_EQ(run({"set", path("radio.int"), "tot=300s", "warning=Disable", "squelch=9", "scan_switch=On",
                 "moni=Monitor  Momentary", "-o", path("out.int")}),
            0)
      << err_;
  EXPECT_EQ(functionSetting("out.int"), (Bytes{0xFE, 0x09, 0x01, 0x0A}));
  EXPECT_EQ(bytes("radio.int"), original_);

  ASSERT_EQ(run({"set", path("out.int"), "warning=Enable", "scan_switch=Off", "tot=Off", "moni=Off", "squelch=0"}), 0);
  EXPECT_EQ(functionSetting("out.int"), (Bytes{0xFB, 0x00, 0x00, 0x00}));
  ASSERT_EQ(run({"set", path("out.int"), "moni=Monitor Lock"}), 0);
  EXPECT_EQ(functionSetting("out.int"), (Bytes{0xFB, 0x00, 0x02, 0x00}));
}

TEST_F(SetCommand, WithoutAssignmentItOpensAndSaves) {
  Bytes data(2048, 0xFF);
  data[1 * 16 + 3] = 0x44;  // a frequency that is no channel: dropped by the save
  data[61 * 16 + 2] = 0x00;
  data[61 * 16 + 9] = 0x12;  // never written by encode
  data[62 * 16] = 0x34;
  writeBytes("odd.int", data);
  ASSERT_EQ(run({"set", path("odd.int"), "-o", path("out.int"), "--force"}), 0) << err_;
  const Bytes out = bytes("out.int");
  ASSERT_EQ(out.size(), 1024u);
  EXPECT_EQ(out[1 * 16 + 3], 0xFF);
  EXPECT_EQ(out[1 * 16 + 8], 0xFF);
  EXPECT_EQ(out[61 * 16 + 2], 0xF4);
  EXPECT_EQ(out[61 * 16 + 6], 0x33);
  EXPECT_EQ(out[61 * 16 + 9], 0x12);
  EXPECT_EQ(out[62 * 16], 0x34);
  EXPECT_EQ(functionSetting("out.int"), (Bytes{0xFF, 0x00, 0x03, 0x00}));  // clamped on decode
}

TEST_F(SetCommand, UnknownKeysAndValuesAreRefusedAndNothingIsWritten) {
  EXPECT_EQ(run({"set", path("radio.int"), "tot=180", "-o", path("out.int")}), 2);
  EXPECT_NE(err_.find("\"180\" is not an item of tot"), std::string::npos) << err_;
  EXPECT_NE(err_.find("\"180s\""), std::string::npos) << err_;
  EXPECT_EQ(run({"set", path("radio.int"), "squelch=4", "volume=3", "-o", path("out.int")}), 2);
  EXPECT_NE(err_.find("unknown setting \"volume\""), std::string::npos) << err_;
  EXPECT_EQ(run({"set", path("radio.int"), "power=1W", "-o", path("out.int")}), 2);
  EXPECT_EQ(run({"set", path("radio.int"), "field=PMR 446 BAND", "-o", path("out.int")}), 2);
  EXPECT_EQ(run({"set", path("radio.int"), "warning=enable"}), 2);
  EXPECT_EQ(run({"set", path("radio.int"), "warning"}), 2);
  EXPECT_NE(err_.find("key=value"), std::string::npos) << err_;
  EXPECT_FALSE(exists("out.int"));
  EXPECT_EQ(bytes("radio.int"), original_);
  EXPECT_EQ(run({"set", path("missing.int"), "tot=Off"}), 2);
  EXPECT_FALSE(exists("missing.int"));
}

TEST_F(SetCommand, CommandTableAndUsage) {
  EXPECT_EQ(run({}), 2);
  EXPECT_NE(err_.find("new OUT"), std::string::npos);
  EXPECT_EQ(run({"help"}), 0);
  EXPECT_NE(out_.find("set FILE key=value... [-o OUT]"), std::string::npos);
  EXPECT_EQ(run({"frobnicate"}), 2);
  EXPECT_NE(err_.find("unknown command \"frobnicate\""), std::string::npos);
  EXPECT_EQ(run({"show", path("radio.int"), "--jsn"}), 2);
  EXPECT_NE(err_.find("unknown option \"--jsn\""), std::string::npos);
  EXPECT_EQ(run({"new"}), 2);
  EXPECT_EQ(run({"new", path("no/folder/x.int")}), 2);
  EXPECT_NE(err_.find("x.int"), std::string::npos);
}

}  // namespace
}  // namespace qm314::cli
