// `show --plan --json`: the channel plan sheet's fields, in its own words.
#pragma once

#include <string>

#include "radio/plan_sheet.h"

namespace qm314::cli {

// {"document", "printed", "radio", "channels": [{"row", "channel", "tone",
// "scan"}...], "settings": {"tot", "squelch", "power", "warning",
// "scan_switch", "moni"}}; only the rows that have a channel.
std::string PlanJson(const PlanSheet& sheet);

}  // namespace qm314::cli
