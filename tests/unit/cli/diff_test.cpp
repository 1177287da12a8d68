// qm314-cli diff: channel cells and settings by their texts, then the bytes no
// text accounts for, with diff's exit statuses.
#include "cli_fixture.h"
#include "radio/image.h"
#include "radio/image_file.h"

namespace qm314::cli {
namespace {

class DiffTest : public CliTest {
 protected:
  void save(const std::string& name, const RadioImage& image) { ASSERT_TRUE(WriteImageFile(path(name), image)); }
};

TEST_F(DiffTest, ChannelsAndSettingsByTextThenTheRemainingBytesByAddress) {
  RadioImage a;  // every byte 0xFF: no channels, settings at their fall-back texts
  RadioImage b = a;
  b.at(3, 9) = 0x80;  // row 3 Tones D023N
  b.at(3, 8) = 0x23;
  b.at(4, 3) = 0x44;  // row 4 takes channel 03: 446.03125 MHz
  b.at(4, 2) = 0x60;
  b.at(4, 1) = 0x31;
  b.at(4, 0) = 0x25;
  for (int k = 0; k < 4; ++k) b.at(4, 4 + k) = b.at(4, k);  // stored again for transmit,
  b.at(4, 13) = 1;                                           // with its raster flags
  b.at(4, 14) = 1;
  b.at(3, 10) = 0x23;  // the tone stored again for encode
  b.at(3, 11) = 0x80;
  b.at(4, 12) = 0xEE;  // BCLO Carrier, Scan Delete: both texts tell of the changed bits
  b.at(60, 3) = 6;     // TOT 180s
  b.at(60, 0) = 0xFB;  // Scan Switch Off
  b.at(5, 0) = 0x99;   // a frequency digit of an unused record: no text shows it
  b.at(3, 15) = 0x12;  // a byte without meaning in a record that did change
  b.at(3, 13) = 0x01;  // a raster flag of a record whose channel did not change
  b.at(62, 5) = 0x00;

  save("a.int", a);
  save("b.int", b);
  EXPECT_EQ(run({"diff", path("a.int"), path("b.int")}), 1) << err_;
  EXPECT_EQ(err_, "");
  EXPECT_EQ(out_,
            "channels:\n"
            "  row 3 Tones: \"\" -> \"D023N\"\n"
            "  row 4 Channel: \"\" -> \"03\"\n"
            "  row 4 BCLO: \"\" -> \"Carrier\"\n"
            "  row 4 Scan: \"\" -> \"Delete\"\n"
            "settings:\n"
            "  TOT: \"Off\" -> \"180s\"\n"
            "  Scan Switch: \"On\" -> \"Off\"\n"
            "other bytes:\n"
            "  0x03D block 3 byte 13: 0xFF -> 0x01\n"
            "  0x03F block 3 byte 15: 0xFF -> 0x12\n"
            "  0x050 block 5 byte 0: 0xFF -> 0x99\n"
            "  0x3E5 block 62 byte 5: 0xFF -> 0x00\n");
}

TEST_F(DiffTest, EqualFilesPrintNothingAndAnUnreadableOneIsAnError) {
  RadioImage a;
  a.at(1, 0) = 0x25;
  save("a.int", a);
  save("same.int", a);
  EXPECT_EQ(run({"diff", path("a.int"), path("same.int")}), 0);
  EXPECT_EQ(out_, "");

  writeBytes("short.int", std::vector<std::uint8_t>(1000, 0xFF));
  EXPECT_EQ(run({"diff", path("a.int"), path("short.int")}), 2);
  EXPECT_EQ(out_, "");
  EXPECT_NE(err_.find("short.int"), std::string::npos) << err_;
  EXPECT_EQ(run({"diff", path("a.int"), path("missing.int")}), 2);
  EXPECT_EQ(run({"diff", path("a.int")}), 2);
}

}  // namespace
}  // namespace qm314::cli
