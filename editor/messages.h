// Every text the channel editor shows the user, kept in one place.
#pragma once

namespace qm314::msg {

// Caption of every message box the program shows, and the application
// name its settings are kept under.
inline constexpr const char* kBoxCaption = "Trevna Electronics Programming Software";

inline constexpr const char* kPleaseInputNumber = "Please input Number";
inline constexpr const char* kNoDebugDuringTransfer =
    "Debug Mode cannot open while a radio is being read or written. Please wait until the "
    "transfer has ended.";

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

}  // namespace qm314::msg
