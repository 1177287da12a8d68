// Texts of the application shell.  Those the browser page says too are in
// the core's headers included here.
#pragma once

#include "editor/shell_texts.h"
#include "radio/document_texts.h"

namespace qm314::msg {

// The settings store: ~/.config/qm314/qm314.conf.
inline constexpr const char* kSettingsOrganisation = "qm314";
inline constexpr const char* kSettingsApplication = "qm314";
// Where earlier versions kept them, under the original program's key.
inline constexpr const char* kOldSettingsKey = "Local AppWizard-Generated Applications";
// Closing the window while a write to the radio runs.
inline constexpr const char* kStopWriteAndExit = "A write to the radio is running. Stop it and exit?";
inline constexpr const char* kStopBatchAndExit =
    "Radios are being written on several ports. Stop every port and exit?";
// %1: the argument that is not understood.
inline constexpr const char* kBadArgument = "Unknown command-line argument: %1";

// Where the manual is among the program's resources.
inline constexpr const char* kManualUrl = "qrc:/manual/manual.html";
// %1: the recent file that is not there any more.
inline constexpr const char* kRecentFileGone =
    "%1 cannot be found. It has been taken off the list of recent files.";

}  // namespace qm314::msg
