// Every text the channel editor shows the user, kept in one place.
#pragma once

namespace qm314::msg {

// Caption of every message box the program shows, and the application
// name its settings are kept under.
inline constexpr const char* kBoxCaption = "Trevna Electronics Programming Software";

// The form's group frames and the grid's label; the boxes' labels are the
// settings fields' (radio/settings_fields.h).
inline constexpr const char* kTypeSettingGroup = "Type Setting";
inline constexpr const char* kFunctionSettingGroup = "Function Setting";
inline constexpr const char* kChannelGridLabel = "Channel:";

inline constexpr const char* kPleaseInputNumber = "Please input Number";
inline constexpr const char* kNoDebugDuringTransfer =
    "Debug Mode cannot open while a radio is being read or written. Please wait until the "
    "transfer has ended.";

// %1: the row.  Tones, BCLO and Scan of a row without Channel do not open.
inline constexpr const char* kChooseChannelFirst = "Please choose a Channel for row %1 first";

// Names of the steps Undo and Redo take.  %1: a column's header, %2: the row.
inline constexpr const char* kCellStep = "%1 in row %2";
inline constexpr const char* kImportStep = "Import Channels";
// %1: the rows, as one of the three forms below.
inline constexpr const char* kPasteStep = "Paste in %1";
inline constexpr const char* kCutStep = "Cut of %1";
inline constexpr const char* kDeleteStep = "Delete of %1";
inline constexpr const char* kOneRow = "row %1";
inline constexpr const char* kRowRange = "rows %1 to %2";
// %1: the rows but the last, separated by commas.
inline constexpr const char* kRowList = "rows %1 and %2";

// Channel rows refused, from a file or the clipboard.  %1: where (file or
// clipboard, line, row, column) and why.
inline constexpr const char* kImportRefused = "%1. The channels are unchanged.";
inline constexpr const char* kClipboardSource = "The clipboard";

// Status-bar hints that follow the mouse pointer over the form.
inline constexpr const char* kHintComboBox = "Please click the CommBox to choose value";
inline constexpr const char* kHintGrid = "Please Click the cell to edit or input data";
inline constexpr const char* kHintElsewhere = "For help\xEF\xBC\x8Cplease press F1";

// The printout.
inline constexpr const char* kPrinterNotStarted = "The printer could not be started; nothing was printed.";
// %1: the PDF file.
inline constexpr const char* kPdfNotWritten = "Cannot write %1; nothing was printed.";
inline constexpr const char* kPageTooSmall = "The page is too small for the report; nothing was printed.";
inline constexpr const char* kNoPrinter = "No printer is installed; nothing was printed.";
inline constexpr const char* kPrintUsage = "Usage: qm314 --print FILE.int [--pdf OUT.pdf]";

// The channel plan sheet.
inline constexpr const char* kPlanPageTooSmall = "The page is too small for the channel plan; nothing was printed.";
inline constexpr const char* kPrintPlanUsage = "Usage: qm314 --print-plan FILE.int [--pdf OUT.pdf]";

}  // namespace qm314::msg
