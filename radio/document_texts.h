// Texts of the document and its files: its name before it has a file, the
// file kinds the choosers offer, and the questions asked before a document is
// replaced.  The desktop program and the browser page both say these.
#pragma once

namespace qm314::msg {

// The name of a document that has no file: a new one, or what the radio gave.
inline constexpr const char* kNewDocumentName = "Write Data";
inline constexpr const char* kFileFilter = "Channel Data (*.int)";
inline constexpr const char* kFileExtension = ".int";
// Import Channels and Export Channels offer both forms; export writes the form of the filter chosen.
inline constexpr const char* kGridCsvFilter = "Channel Rows (*.csv)";
inline constexpr const char* kRadioCsvFilter = "Common Radio CSV (*.csv)";
inline constexpr const char* kAllFilesFilter = "All Files (*)";
inline constexpr const char* kCsvExtension = ".csv";
// %1: the document's file name, or "Write Data".
inline constexpr const char* kSaveChanges = "Save changes to %1?";
// %1: that the file does not look like channel data.
inline constexpr const char* kOpenAnyway = "%1 Open it anyway?";

}  // namespace qm314::msg
