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
// Captions of the Import and Export Channels file dialogs, the commands' own names.
inline constexpr const char* kImportChannelsCaption = "Import Channels";
inline constexpr const char* kExportChannelsCaption = "Export Channels";
inline constexpr const char* kPdfExtension = ".pdf";
// The channel plan sheet's commands: the browser page does not print it.
inline constexpr CommandText kFilePrintPlanText{"Print &Channel Plan...",
                                                "Print a sheet of the channels and settings in plain words\nPrint Channel Plan"};
inline constexpr CommandText kFilePrintPlanPreviewText{"Channel Plan Previe&w",
                                                       "Display the channel plan sheet\nChannel Plan Preview"};
// %1: the name of a file whose first line is the header of channel rows in CSV.
inline constexpr const char* kImportInstead = "\"%1\" is a channel plan in CSV. Import its channels?";
// Closing the window while a write to the radio runs.
inline constexpr const char* kStopWriteAndExit = "A write to the radio is running. Stop it and exit?";
inline constexpr const char* kStopBatchAndExit =
    "Radios are being written on several ports. Stop every port and exit?";
// %1: the argument that is not understood.
inline constexpr const char* kBadArgument = "Unknown command-line argument: %1";
inline constexpr const char* kSeeHelp = "qm314 --help lists what the command line takes.";
inline constexpr const char* kNoDisplay =
    "there is no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set). "
    "qm314 --print and qm314-cli work without one.";

// Where the manual is among the program's resources.
inline constexpr const char* kManualUrl = "qrc:/manual/manual.html";
// %1: the recent file that is not there any more.
inline constexpr const char* kRecentFileGone =
    "%1 cannot be found. It has been taken off the list of recent files.";

}  // namespace qm314::msg
