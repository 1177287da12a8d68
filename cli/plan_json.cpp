// The channel plan sheet as JSON.
#include "cli/plan_json.h"

#include "radio/json_text.h"

namespace qm314::cli {

std::string PlanJson(const PlanSheet& sheet) {
  std::string json = "{\n  \"document\": " + JsonString(sheet.document) + ",\n  \"printed\": " +
                     JsonString(sheet.printed) + ",\n  \"radio\": " + JsonString(sheet.radio) +
                     ",\n  \"channels\": [";
  const char* separator = "\n";
  for (const PlanRow& row : sheet.rows) {
    json += separator;
    json += "    {\"row\": " + std::to_string(row.row) + ", \"channel\": " + JsonString(row.channel) +
            ", \"tone\": " + JsonString(row.tone) + ", \"scan\": " + JsonString(row.scan) + "}";
    separator = ",\n";
  }
  json += sheet.rows.empty() ? "],\n  \"settings\": {" : "\n  ],\n  \"settings\": {";
  separator = "\n";
  for (const plan_words::SettingWords& setting : sheet.settings) {
    json += separator;
    json += "    " + JsonString(setting.key) + ": " + JsonString(setting.value);
    separator = ",\n";
  }
  return json + "\n  }\n}\n";
}

}  // namespace qm314::cli
