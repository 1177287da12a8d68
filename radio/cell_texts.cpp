// The set of texts each editable grid column can hold.  The Tones texts that
// decode can produce are found by decoding every possible tone field once.
#include "radio/cell_texts.h"

#include <set>
#include <string>

#include "radio/code_tables.h"
#include "radio/codec.h"

namespace qm314 {
namespace {

std::set<std::string, std::less<>> MakeToneTexts() {
  std::set<std::string, std::less<>> texts(ToneEditorItems().begin(), ToneEditorItems().end());
  for (int high = 0; high <= 0xFF; ++high)
    for (int low = 0; low <= 0xFF; ++low)
      texts.insert(DecodeToneCell(static_cast<std::uint8_t>(high), static_cast<std::uint8_t>(low)));
  return texts;
}

bool IsToneText(std::string_view text) {
  static const std::set<std::string, std::less<>> texts = MakeToneTexts();
  return texts.count(text) != 0;
}

}  // namespace

bool IsGridCellText(int column, std::string_view text) {
  switch (column) {
    case ChannelTable::kColChannel:
      return ChannelEditorItems().contains(text);
    case ChannelTable::kColTones:
      return IsToneText(text);
    case ChannelTable::kColBclo:
      return text.empty() || BcloEditorItems().contains(text);
    case ChannelTable::kColScan:
      return text.empty() || ScanEditorItems().contains(text);
    default:
      return false;
  }
}

}  // namespace qm314
