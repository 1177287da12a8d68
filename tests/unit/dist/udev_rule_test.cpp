// The udev rule reaches the usual programming-cable chips: each vendor and
// product id leads to the line that grants the seat's user access and keeps
// ModemManager away, and nothing else does.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

std::vector<std::string> RuleLines() {
  std::ifstream file(QM314_UDEV_RULE);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);)
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  return lines;
}

// The label a device with these ids jumps to, following udev's "a|b" patterns.
std::string Destination(const std::string& vendor, const std::string& product) {
  const std::regex match(R"re(ATTRS\{idVendor\}=="([0-9a-f]{4})", ATTRS\{idProduct\}=="([0-9a-f|]+)", GOTO="(\w+)")re");
  for (const std::string& line : RuleLines()) {
    std::smatch m;
    if (!std::regex_match(line, m, match) || m[1] != vendor) continue;
    const std::string products = "|" + m[2].str() + "|";
    if (products.find("|" + product + "|") != std::string::npos) return m[3];
  }
  return "";
}

TEST(UdevRule, TheCommonCableChipsGetAccessAndModemManagerStaysAway) {
  const std::vector<std::pair<std::string, std::string>> cables = {
      {"0403", "6001"},  // FTDI FT232R
      {"0403", "6015"},  // FTDI FT230X
      {"067b", "2303"},  // Prolific PL2303
      {"10c4", "ea60"},  // Silicon Labs CP2102
      {"1a86", "7523"},  // WCH CH340
      {"1a86", "5523"},  // WCH CH341
  };
  for (const auto& [vendor, product] : cables) EXPECT_EQ(Destination(vendor, product), "qm314_cable") << vendor << ":" << product;
  EXPECT_EQ(Destination("046d", "c52b"), "");  // a mouse receiver is nobody's cable

  const std::vector<std::string> lines = RuleLines();
  const auto label = std::find(lines.begin(), lines.end(), "LABEL=\"qm314_cable\"");
  ASSERT_NE(label, lines.end());
  ASSERT_NE(label + 1, lines.end());
  EXPECT_EQ(label[1], "TAG+=\"uaccess\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"");
  EXPECT_EQ(lines.back(), "LABEL=\"qm314_cables_end\"");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "SUBSYSTEM!=\"tty\", GOTO=\"qm314_cables_end\""), lines.end());
}

}  // namespace
