// Contents of the fixed display lists.
#include "radio/code_tables.h"

#include <array>

#include "radio/text_numbers.h"

namespace qm314 {
namespace {

// DCS codes in the order the tone editor lists them; digits are the code's octal
// notation exactly as written, never converted.
constexpr std::array<const char*, 105> kDcsCodes = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072", "073",
    "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155", "156", "162",
    "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255",
    "261", "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446", "452", "454", "455",
    "462", "464", "465", "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624",
    "627", "631", "632", "645", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

TextList MakeToneCodeTable() {
  std::vector<std::string> items = {"69.3",  "159.8", "165.5", "171.3", "177.3", "183.5",
                                    "189.9", "196.6", "199.5", "206.5", "229.1", "254.1"};
  for (const char* polarity : {"N", "I"})
    for (const char* code : kDcsCodes) items.push_back(std::string("D") + code + polarity);
  return TextList(std::move(items));
}

// "01" .. "nn", the numbered items of the Channel and Tones editors.
std::vector<std::string> Numbers(int last) {
  std::vector<std::string> items;
  for (int i = 1; i <= last; ++i) items.push_back(FormatTwoDigits(i));
  return items;
}

TextList MakeToneEditorItems() {
  std::vector<std::string> items = {std::string(kOffText)};
  for (auto& n : Numbers(StandardToneList().count())) items.push_back(n);
  for (const auto& t : ToneCodeTable()) items.push_back(t);
  return TextList(std::move(items));
}

TextList MakeChannelEditorItems() {
  std::vector<std::string> items = {""};
  for (auto& n : Numbers(ChannelFrequencyList().count())) items.push_back(n);
  return TextList(std::move(items));
}

TextList MakeSquelchItems() {
  std::vector<std::string> items;
  for (int i = 0; i <= 9; ++i) items.push_back(std::to_string(i));
  return TextList(std::move(items));
}

}  // namespace

int TextList::find(std::string_view text) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == text) return static_cast<int>(i);
  return -1;
}

std::string TextList::textAt(int index) const {
  if (index < 0 || index >= count()) return {};
  return items_[static_cast<std::size_t>(index)];
}

const TextList& ToneCodeTable() {
  static const TextList list = MakeToneCodeTable();
  return list;
}

const TextList& StandardToneList() {
  static const TextList list = {"67.0",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",
                                "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8",
                                "118.8", "123.0", "127.3", "131.8", "136.5", "141.3", "146.2", "151.4",
                                "156.7", "162.2", "167.9", "173.8", "179.9", "186.2", "192.8", "203.5",
                                "210.7", "218.1", "225.7", "233.6", "241.8", "250.3"};
  return list;
}

const TextList& ChannelFrequencyList() {
  static const TextList list = {"446.00625", "446.01875", "446.03125", "446.04375",
                                "446.05625", "446.06875", "446.08125", "446.09375"};
  return list;
}

const TextList& ChannelEditorItems() {
  static const TextList list = MakeChannelEditorItems();
  return list;
}

const TextList& ToneEditorItems() {
  static const TextList list = MakeToneEditorItems();
  return list;
}

const TextList& BcloEditorItems() {
  static const TextList list = {std::string(kOffText), std::string(kCarrierText), std::string(kQtDqtText)};
  return list;
}

const TextList& ScanEditorItems() {
  static const TextList list = {std::string(kAddText), std::string(kDeleteText)};
  return list;
}

const TextList& GridHeaders() {
  static const TextList list = {"CH", "Channel", "Tones", "BCLO", "Scan"};
  return list;
}

const TextList& TypeItems() {
  static const TextList list = {"Trevna QM-314"};
  return list;
}

const TextList& FieldItems() {
  static const TextList list = {"PMR 446 BAND"};
  return list;
}

const TextList& FieldTemplateItems() {
  static const TextList list = {"450 - 470MHZ", "470 - 490MHZ", "490 - 512MHZ", "406 - 430MHZ", "400 - 420MHZ",
                                "400 - 410MHZ", "430 - 450MHZ", "430 - 500MHZ", "400 -470 MHZ"};
  return list;
}

const TextList& TotItems() {
  static const TextList list = {std::string(kOffText), "30s",  "60s",  "90s",  "120s", "150s",
                                "180s", "210s", "240s", "270s", "300s"};
  return list;
}

const TextList& WarningItems() {
  static const TextList list = {"Enable", "Disable"};
  return list;
}

const TextList& SquelchItems() {
  static const TextList list = MakeSquelchItems();
  return list;
}

const TextList& ScanSwitchItems() {
  static const TextList list = {std::string(kOffText), "On"};
  return list;
}

const TextList& MoniItems() {
  static const TextList list = {std::string(kOffText), "Monitor  Momentary", "Monitor Lock", "SQ-Off Momentary"};
  return list;
}

}  // namespace qm314
