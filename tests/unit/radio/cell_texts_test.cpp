#include "radio/cell_texts.h"

#include <gtest/gtest.h>

namespace qm314 {
namespace {

TEST(CellTexts, EditorItemsAndDecodedTextsOnly) {
  EXPECT_TRUE(IsGridCellText(1, ""));
  EXPECT_TRUE(IsGridCellText(1, "08"));
  EXPECT_FALSE(IsGridCellText(1, "09"));
  EXPECT_FALSE(IsGridCellText(1, "8"));

  for (const char* tone : {"", "Off", "01", "38", "69.3", "D754I", "25.0", "866.5", "10.0", "25", "D06N", "D0165I", "D999N", "D6465N"})
    EXPECT_TRUE(IsGridCellText(2, tone)) << tone;
  for (const char* tone : {"39", "5", "0.1", "9.9", "off", "D06I ", "D6466N", "1000.0", "867.0", "Add"})
    EXPECT_FALSE(IsGridCellText(2, tone)) << tone;

  for (const char* text : {"", "Off", "Carrier", "QT/DQT"}) EXPECT_TRUE(IsGridCellText(3, text)) << text;
  EXPECT_FALSE(IsGridCellText(3, "Add"));
  for (const char* text : {"", "Add", "Delete"}) EXPECT_TRUE(IsGridCellText(4, text)) << text;
  EXPECT_FALSE(IsGridCellText(4, "Off"));
  EXPECT_FALSE(IsGridCellText(0, "1"));
}

}  // namespace
}  // namespace qm314
