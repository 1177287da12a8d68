#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "radio/codec.h"

namespace qm314 {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BlockOf(const RadioImage& image, int block) {
  return Bytes(image.data() + block * 16, image.data() + block * 16 + 16);
}

// Encodes a single row r (all other rows empty) into image.
void EncodeRow(RadioImage& image, int row, const char* channel, const char* tones, const char* bclo,
               const char* scan, PanelSelections panel = {}) {
  ChannelTable table;
  table.setText(row, 1, channel);
  table.setText(row, 2, tones);
  table.setText(row, 3, bclo);
  table.setText(row, 4, scan);
  Encode(table, panel, image);
}

TEST(Encode, NewChannelInAnEmptyRecord) {
  RadioImage image;
  EncodeRow(image, 3, "03", "Off", "Off", "Add");
  EXPECT_EQ(BlockOf(image, 3), (Bytes{0x25, 0x31, 0x60, 0x44, 0x25, 0x31, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                      0x01, 0x01, 0xFF}));
}

TEST(Encode, EmptyRowClearsBcloBitOneAndScanButKeepsRasterFlags) {
  RadioImage image;
  EncodeRow(image, 2, "", "", "", "");
  EXPECT_EQ(BlockOf(image, 1), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xED,
                                      0xFF, 0xFF, 0xFF}));
  image.at(5, 13) = 0x00;
  image.at(5, 14) = 0x07;
  image.at(5, 2) = 0xFE;
  EncodeRow(image, 5, "", "", "", "");
  EXPECT_EQ(BlockOf(image, 5), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xED,
                                      0x00, 0x07, 0xFF}));
}

TEST(Encode, EveryChannelSurvivesEncodeThenDecode) {
  const Bytes expected[8] = {{0x25, 0x06, 0x60, 0x44}, {0x75, 0x18, 0x60, 0x44}, {0x25, 0x31, 0x60, 0x44},
                             {0x75, 0x43, 0x60, 0x44}, {0x25, 0x56, 0x60, 0x44}, {0x75, 0x68, 0x60, 0x44},
                             {0x25, 0x81, 0x60, 0x44}, {0x75, 0x93, 0x60, 0x44}};
  RadioImage image;
  ChannelTable table;
  for (int n = 1; n <= 8; ++n) {
    table.setText(n, 1, "0" + std::to_string(n));
    image.at(n, 13) = 0x00;
    image.at(n, 14) = 0x00;
  }
  Encode(table, {}, image);
  for (int n = 1; n <= 8; ++n) {
    const Bytes block = BlockOf(image, n);
    EXPECT_EQ(Bytes(block.begin(), block.begin() + 4), expected[n - 1]) << n;
    EXPECT_EQ(Bytes(block.begin() + 4, block.begin() + 8), expected[n - 1]) << n;
    EXPECT_EQ(block[13], 0x01);
    EXPECT_EQ(block[14], 0x01);
  }
  ChannelTable decoded;
  PanelSelections panel;
  Decode(image, decoded, panel);
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(decoded.text(n, 1), "0" + std::to_string(n));
}

TEST(Encode, ChannelTextsWithoutAListEntryEncodeAsNoChannel) {
  for (const char* text : {"09", "00", "x", "-1", "99999"}) {
    RadioImage image;
    image.at(1, 0) = 0x12;
    EncodeRow(image, 1, text, "", "", "");
    EXPECT_EQ(BlockOf(image, 1)[0], 0xFF) << text;
    EXPECT_EQ(BlockOf(image, 1)[3], 0xFF) << text;
    EXPECT_EQ(BlockOf(image, 1)[13], 0xFF) << text;
  }
  // Only the last two characters count.
  RadioImage image;
  EncodeRow(image, 1, "1", "", "", "");
  EXPECT_EQ(image.at(1, 3), 0x44);
  EXPECT_EQ(image.at(1, 1), 0x06);
  EncodeRow(image, 1, "107", "", "", "");
  EXPECT_EQ(image.at(1, 1), 0x81);
}

// An image whose record 1 holds `record`, after one open-and-save (decode, then encode).
RadioImage SavedWithRecord1(const Bytes& record, std::string* tones = nullptr) {
  RadioImage image;
  std::copy(record.begin(), record.end(), image.data() + 16);
  ChannelTable table;
  PanelSelections panel;
  Decode(image, table, panel);
  if (tones) *tones = table.text(1, 2);
  Encode(table, panel, image);
  return image;
}

TEST(Encode, ARowWithoutChannelIsStoredAsAnEmptyChannelSoASecondSaveChangesNothing) {
  // Record 1 in use with 446.10000 MHz, which no list channel has, Carrier and
  // Scan set: the grid shows no channel, so the save stores an empty channel.
  const RadioImage once = SavedWithRecord1(
      {0x00, 0x00, 0x61, 0x44, 0x00, 0x00, 0x61, 0x44, 0x93, 0x06, 0x93, 0x06, 0xFE, 0x01, 0x01, 0xFF});
  const Bytes emptyChannel{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                           0x93, 0x06, 0x93, 0x06, 0xED, 0x01, 0x01, 0xFF};
  EXPECT_EQ(BlockOf(once, 1), emptyChannel);
  EXPECT_EQ(BlockOf(SavedWithRecord1(emptyChannel), 1), emptyChannel);

  // The same for texts given without a channel, as an import may give them.
  RadioImage given;
  EncodeRow(given, 2, "", "", "Carrier", "Add");
  EXPECT_EQ(given.at(2, 12), 0xED);
}

TEST(Encode, ACodeThatOverflowsIntoNoToneIsStoredAsNoTone) {
  // Tone bytes FE FE decode as "D6364I", whose high byte would be 0xFF: no tone.
  std::string tones;
  const RadioImage saved = SavedWithRecord1(
      {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0xFE, 0xFE, 0xFE, 0xFE, 0xFE, 0x01, 0x01, 0xFF}, &tones);
  EXPECT_EQ(tones, "D6364I");
  EXPECT_EQ(Bytes(saved.data() + 24, saved.data() + 28), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(Encode, ToneFields) {
  struct Case {
    const char* text;
    std::uint8_t low, high;
  } cases[] = {
      {"Off", 0xFF, 0xFF},   {"", 0xFF, 0xFF},      {"05", 0x97, 0x07},    {"5", 0x97, 0x07},
      {"38", 0x03, 0x25},    {"69.3", 0x93, 0x06},  {"25.0", 0x50, 0x02},  {"25", 0x67, 0x15},
      {"39", 0x90, 0x03},    {"254.1", 0x41, 0x25}, {"D023N", 0x23, 0x80}, {"D023I", 0x23, 0xC0},
      {"D754N", 0x54, 0x87}, {"D754I", 0x54, 0xC7}, {"D06N", 0x06, 0x80},  {"D0165I", 0x65, 0xC1},
  };
  for (const Case& c : cases) {
    RadioImage image;
    EncodeRow(image, 6, "01", c.text, "Off", "Add");
    EXPECT_EQ(image.at(6, 8), c.low) << c.text;
    EXPECT_EQ(image.at(6, 9), c.high) << c.text;
    EXPECT_EQ(image.at(6, 10), c.low) << c.text;
    EXPECT_EQ(image.at(6, 11), c.high) << c.text;
  }
}

TEST(Encode, TonesSurviveEncodeThenDecode) {
  for (const char* text : {"05", "69.3", "25.0", "D023N", "D023I", "D754N", "D754I", "D06N", "254.1"}) {
    RadioImage image;
    EncodeRow(image, 1, "01", text, "Off", "Add");
    ChannelTable table;
    PanelSelections panel;
    Decode(image, table, panel);
    EXPECT_EQ(table.text(1, 2), text);
  }
}

TEST(Encode, FlagBitsWithoutMeaningAreKept) {
  RadioImage image;
  image.at(2, 12) = 0x6C;
  image.at(2, 15) = 0x5A;
  EncodeRow(image, 2, "02", "Off", "Carrier", "Delete");
  EXPECT_EQ(image.at(2, 12), 0x6E);
  EXPECT_EQ(image.at(2, 15), 0x5A);
  EncodeRow(image, 2, "02", "Off", "QT/DQT", "Add");
  EXPECT_EQ(image.at(2, 12), 0x7D);
  EncodeRow(image, 2, "02", "Off", "Off", "add");
  EXPECT_EQ(image.at(2, 12), 0x6F);
  EncodeRow(image, 2, "02", "Off", "off", "Add");
  EXPECT_EQ(image.at(2, 12), 0x7D);
}

TEST(Encode, PanelBytes) {
  RadioImage image;
  image.at(60, 0) = 0xF0;
  PanelSelections panel{.warning = 0, .scanSwitch = 1, .squelch = 7, .tot = 10, .moni = 2, .type = 0, .field = 0};
  Encode(ChannelTable(), panel, image);
  EXPECT_EQ(BlockOf(image, 60),
            (Bytes{0xF5, 0x07, 0x02, 0x0A, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(BlockOf(image, 61),
            (Bytes{0xFF, 0xFF, 0xF4, 0xFF, 0xFF, 0xFF, 0x33, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));

  panel.warning = 1;
  panel.scanSwitch = 0;
  Encode(ChannelTable(), panel, image);
  EXPECT_EQ(image.at(60, 0), 0xF0);

  image.at(60, 0) = 0xFB;
  ChannelTable table;
  Decode(image, table, panel);
  Encode(table, panel, image);
  EXPECT_EQ(image.at(60, 0), 0xFB);
}

TEST(Encode, BoxWithoutSelectionLeavesItsByteOrBit) {
  RadioImage image;
  const Bytes before = {0x0A, 0x05, 0x01, 0x03};
  for (int k = 0; k < 4; ++k) image.at(60, k) = before[static_cast<std::size_t>(k)];
  image.at(61, 2) = 0x11;
  image.at(61, 6) = 0x22;
  Encode(ChannelTable(), PanelSelections{}, image);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(image.at(60, k), before[static_cast<std::size_t>(k)]);
  EXPECT_EQ(image.at(61, 2), 0x11);
  EXPECT_EQ(image.at(61, 6), 0x22);

  // Type chosen but Field without selection: the type code is written, the band code kept.
  Encode(ChannelTable(), PanelSelections{.type = 0}, image);
  EXPECT_EQ(image.at(61, 2), 0x11);
  EXPECT_EQ(image.at(61, 6), 0x33);
}

// Decode then encode may change only the bytes encode owns.
TEST(Encode, DecodeThenEncodeTouchesOnlyItsOwnBytes) {
  std::mt19937 random(314);
  for (int round = 0; round < 200; ++round) {
    RadioImage image;
    for (auto& b : image.bytes()) b = static_cast<std::uint8_t>(random());
    const RadioImage before = image;
    ChannelTable table;
    PanelSelections panel;
    Decode(image, table, panel);
    Encode(table, panel, image);
    for (std::size_t offset = 0; offset < image.size(); ++offset) {
      const int block = static_cast<int>(offset / 16);
      const int byte = static_cast<int>(offset % 16);
      const bool owned = (block >= 1 && block <= 16 && (byte <= 14)) ||
                         (block == 60 && byte <= 3) || (block == 61 && (byte == 2 || byte == 6));
      if (!owned) {
        ASSERT_EQ(image.at(offset), before.at(offset)) << "block " << block << " byte " << byte;
      }
      if (block >= 1 && block <= 16 && byte == 12) {
        ASSERT_EQ(image.at(offset) & 0xEC, before.at(offset) & 0xEC);
      }
      if (block >= 1 && block <= 16 && (byte == 13 || byte == 14) && table.text(block, 1).empty()) {
        ASSERT_EQ(image.at(offset), before.at(offset));
      }
    }
  }
}

}  // namespace
}  // namespace qm314
