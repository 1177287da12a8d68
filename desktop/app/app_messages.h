// Texts of the application shell.
#pragma once

namespace qm314::msg {

// Caption of the main window, after the document's name.
inline constexpr const char* kFrameCaption = "Trevna QM-314 Programming Software";
// The settings store: ~/.config/qm314/qm314.conf.
inline constexpr const char* kSettingsOrganisation = "qm314";
inline constexpr const char* kSettingsApplication = "qm314";
// Where earlier versions kept them, under the original program's key.
inline constexpr const char* kOldSettingsKey = "Local AppWizard-Generated Applications";
inline constexpr const char* kFileFilter = "Channel Data (*.int)";
inline constexpr const char* kFileExtension = ".int";
// The name of a document that has no file: a new one, or what the radio gave.
inline constexpr const char* kNewDocumentName = "Write Data";
// Import Channels and Export Channels offer both forms; export writes the form of the filter chosen.
inline constexpr const char* kGridCsvFilter = "Channel Rows (*.csv)";
inline constexpr const char* kRadioCsvFilter = "Common Radio CSV (*.csv)";
inline constexpr const char* kAllFilesFilter = "All Files (*)";
// Captions of their file dialogs, the commands' own names.
inline constexpr const char* kImportChannelsCaption = "Import Channels";
inline constexpr const char* kExportChannelsCaption = "Export Channels";
inline constexpr const char* kCsvExtension = ".csv";
inline constexpr const char* kPdfExtension = ".pdf";
inline constexpr const char* kReady = "Ready";
// %1: the document's file name, or "Write Data".
inline constexpr const char* kSaveChanges = "Save changes to %1?";
// %1: that the file does not look like channel data.
inline constexpr const char* kOpenAnyway = "%1 Open it anyway?";
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

// The manual's window, and where the manual is among the program's resources.
inline constexpr const char* kHelpCaption = "QM-314 Programming Software Help";
inline constexpr const char* kManualUrl = "qrc:/manual/manual.html";
// %1: the recent file that is not there any more.
inline constexpr const char* kRecentFileGone =
    "%1 cannot be found. It has been taken off the list of recent files.";

inline constexpr const char* kAboutCaption = "About QM-314";
inline constexpr const char* kAboutLine = "Trevna Communication Software";
// %1: the program's version.
inline constexpr const char* kAboutDetails = "QM-314 Programming Software Version %1\nCopyright (C) Trevna Electronics";

}  // namespace qm314::msg
