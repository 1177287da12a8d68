#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

#include "radio/codec.h"

namespace qm314 {
namespace {

// Writes bytes into block `block` from byte `first` on.
void Put(RadioImage& image, int block, int first, std::initializer_list<std::uint8_t> bytes) {
  for (std::uint8_t b : bytes) image.at(block, first++) = b;
}

struct Decoded {
  ChannelTable table;
  PanelSelections panel;
};

Decoded DecodeOf(const RadioImage& image) {
  Decoded d;
  Decode(image, d.table, d.panel);
  return d;
}

std::string Tones(std::uint8_t high, std::uint8_t low) {
  RadioImage image;
  Put(image, 4, 8, {low, high});
  return DecodeOf(image).table.text(4, ChannelTable::kColTones);
}

TEST(Decode, ChannelCellIsThePositionInTheFrequencyList) {
  RadioImage image;
  Put(image, 1, 0, {0x25, 0x06, 0x60, 0x44});  // 446.00625
  Put(image, 2, 0, {0x75, 0x43, 0x60, 0x44});  // 446.04375
  Put(image, 3, 0, {0x75, 0x93, 0x60, 0x44});  // 446.09375
  Put(image, 4, 0, {0x00, 0x00, 0x60, 0x44});  // 446.00000: valid, but no PMR446 channel
  Put(image, 5, 0, {0x25, 0x06, 0x60, 0x00});  // top byte 0x00: no frequency
  const Decoded d = DecodeOf(image);
  EXPECT_EQ(d.table.text(1, 1), "01");
  EXPECT_EQ(d.table.text(2, 1), "04");
  EXPECT_EQ(d.table.text(3, 1), "08");
  EXPECT_EQ(d.table.text(4, 1), "");
  EXPECT_EQ(d.table.text(4, 3), "Off");  // still in use
  EXPECT_EQ(d.table.text(5, 1), "");
  EXPECT_EQ(d.table.text(5, 3), "");
  EXPECT_EQ(d.table.text(5, 4), "");
}

TEST(Decode, ToneCells) {
  EXPECT_EQ(Tones(0xFF, 0xFF), "");
  EXPECT_EQ(Tones(0x00, 0x70), "");
  EXPECT_EQ(Tones(0x06, 0x70), "01");
  EXPECT_EQ(Tones(0x07, 0x97), "05");
  EXPECT_EQ(Tones(0x25, 0x03), "38");
  EXPECT_EQ(Tones(0x06, 0x93), "69.3");
  EXPECT_EQ(Tones(0x02, 0x50), "25.0");
  EXPECT_EQ(Tones(0x0A, 0x00), "12");  // nibble A taken at face value: 100.0 Hz
  EXPECT_EQ(Tones(0x80, 0x23), "D023N");
  EXPECT_EQ(Tones(0xC0, 0x23), "D023I");
  EXPECT_EQ(Tones(0x87, 0x54), "D754N");
  EXPECT_EQ(Tones(0xC7, 0x54), "D754I");
  EXPECT_EQ(Tones(0x80, 0x06), "D06N");
  EXPECT_EQ(Tones(0xC0, 0xFF), "D0165I");
  EXPECT_EQ(Tones(0xFE, 0x00), "D6200I");
}

TEST(Decode, ToneIsShownWhateverTheFrequencyHolds) {
  RadioImage image;
  Put(image, 9, 8, {0x70, 0x06});
  const Decoded d = DecodeOf(image);
  EXPECT_EQ(d.table.text(9, 1), "");
  EXPECT_EQ(d.table.text(9, 2), "01");
  EXPECT_EQ(d.table.text(9, 3), "");
  EXPECT_EQ(d.table.text(9, 4), "");
}

TEST(Decode, BcloAndScanOfRecordsInUse) {
  RadioImage image;
  const std::uint8_t flags[] = {0x00, 0x01, 0x02, 0x03, 0x10, 0xEE};
  for (int i = 0; i < 6; ++i) {
    Put(image, i + 1, 0, {0x25, 0x06, 0x60, 0x44});
    image.at(i + 1, 12) = flags[i];
  }
  // Frequency1 empty, Frequency2's top byte set: still in use.
  Put(image, 7, 4, {0x00, 0x00, 0x00, 0x44});
  image.at(7, 12) = 0x12;
  const Decoded d = DecodeOf(image);
  EXPECT_EQ(d.table.text(1, 3), "Off");
  EXPECT_EQ(d.table.text(2, 3), "QT/DQT");
  EXPECT_EQ(d.table.text(3, 3), "Carrier");
  EXPECT_EQ(d.table.text(4, 3), "Off");
  EXPECT_EQ(d.table.text(1, 4), "Delete");
  EXPECT_EQ(d.table.text(5, 4), "Add");
  EXPECT_EQ(d.table.text(6, 3), "Carrier");
  EXPECT_EQ(d.table.text(6, 4), "Delete");
  EXPECT_EQ(d.table.text(7, 1), "");
  EXPECT_EQ(d.table.text(7, 3), "Carrier");
  EXPECT_EQ(d.table.text(7, 4), "Add");
  EXPECT_EQ(d.table.text(8, 3), "");
}

TEST(Decode, PanelSelectionsAndTheirClamps) {
  RadioImage image;
  Put(image, 60, 0, {0xFB, 0x04, 0x03, 0x06});
  PanelSelections panel = DecodeOf(image).panel;
  EXPECT_EQ(panel.warning, 0);     // Enable
  EXPECT_EQ(panel.scanSwitch, 0);  // Off
  EXPECT_EQ(panel.squelch, 4);
  EXPECT_EQ(panel.moni, 3);
  EXPECT_EQ(panel.tot, 6);
  EXPECT_EQ(panel.type, 0);
  EXPECT_EQ(panel.field, 0);

  Put(image, 60, 0, {0x04, 0x09, 0x00, 0x0A});
  panel = DecodeOf(image).panel;
  EXPECT_EQ(panel.warning, 1);
  EXPECT_EQ(panel.scanSwitch, 1);
  EXPECT_EQ(panel.squelch, 9);
  EXPECT_EQ(panel.moni, 0);
  EXPECT_EQ(panel.tot, 10);

  Put(image, 60, 0, {0xFF, 0x0A, 0x04, 0x0B});
  panel = DecodeOf(image).panel;
  EXPECT_EQ(panel.squelch, 0);
  EXPECT_EQ(panel.moni, 3);
  EXPECT_EQ(panel.tot, 0);
}

TEST(Decode, WritesOnlyRowsOneToSixteenColumnsOneToFour) {
  ChannelTable table;
  WriteGridLabels(table);
  table.setText(5, 2, "stale");
  PanelSelections panel;
  Decode(RadioImage(), table, panel);
  EXPECT_EQ(table.text(0, 0), "CH");
  EXPECT_EQ(table.text(0, 3), "BCLO");
  EXPECT_EQ(table.text(16, 0), "16");
  EXPECT_EQ(table.text(5, 2), "");
}

}  // namespace
}  // namespace qm314
