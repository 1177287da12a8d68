// The channel plan sheet as data: which document, when printed, which radio,
// one line per channel row and the radio-wide settings, all in plain words.
// The printed page, `qm314 --print-plan` and `qm314-cli show --plan` are made
// from the same lines, so they say the same.
#pragma once

#include <string>
#include <vector>

#include "radio/codec.h"
#include "radio/plan_words.h"

namespace qm314 {

struct PlanRow {
  int row = 0;  // the radio's channel knob position
  std::string channel;
  std::string tone;
  std::string scan;
};

struct PlanSheet {
  std::string document;  // the file's name, or "Write Data"
  std::string printed;   // "2025-03-14 09:26"
  std::string radio;
  std::vector<PlanRow> rows;  // the rows that have a Channel, in knob order
  std::array<plan_words::SettingWords, 6> settings;
};

// The sheet of a grid and a panel (rows 1-16 are read; headers are not needed).
PlanSheet BuildPlanSheet(const ChannelTable& table, const PanelSelections& panel, std::string document,
                         std::string printed);

enum class PlanLineKind {
  kTitle,        // "Channel plan: groupA.int"
  kAbout,        // "Radio: ...", "Printed: ..."
  kTableHeader,  // the five column names
  kTableRow,     // knob, channel, tone, scan list, and the empty notes
  kNote,         // said in place of rows when there are none
  kHeading,      // "Radio settings"
  kSetting,      // label, value
};

struct PlanLine {
  PlanLineKind kind = PlanLineKind::kNote;
  std::vector<std::string> cells;

  friend bool operator==(const PlanLine&, const PlanLine&) = default;
};

// The sheet's lines, top to bottom.
std::vector<PlanLine> PlanLines(const PlanSheet& sheet);

// The lines as plain text: the table's and the settings' columns aligned, a
// blank line before the table and before the settings.
std::string RenderPlanText(const std::vector<PlanLine>& lines);

}  // namespace qm314
