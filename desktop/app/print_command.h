// `qm314 --print FILE.int [--pdf OUT.pdf]`: the report of a channel data file
// on the default printer, or in a PDF file, without showing the window;
// `qm314 --print-plan FILE.int [--pdf OUT.pdf]` the same for its channel plan sheet.
#pragma once

#include <QStringList>

class QTextStream;

namespace qm314 {

inline constexpr int kPrintExitSuccess = 0;
inline constexpr int kPrintExitFailed = 1;  // no printer, or the job failed
inline constexpr int kPrintExitUsage = 2;   // bad arguments, a missing or short file

// Whether the command line asks for printing rather than the window.
bool IsPrintCommand(const QStringList& arguments);

// Before the application object exists: without a display the program runs
// on the offscreen platform, where printing needs none and a command line
// that is not understood can still be told so.  True when it does.
bool PrepareHeadlessStart();

// Prints and returns the exit status; every failure is told on err.
int RunPrintCommand(const QStringList& arguments, QTextStream& err);

}  // namespace qm314
