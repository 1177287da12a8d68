// Texts only the browser page says: what it tells a browser that cannot reach
// a serial port, and the names of the cables a user has let it use.  The texts
// both editions say are the core's own.
#pragma once

#include "editor/shell_texts.h"

namespace qm314::web::msg {

// The installed app's short name and the description app stores show.
inline constexpr const char* kShortName = "QM-314";
inline constexpr const char* kDescription =
    "Reads, edits, saves and writes the channels and settings of a Trevna QM-314 PMR446 radio.";

inline constexpr const char* kNoWebSerial =
    "Reading and writing a radio needs Chrome or Edge on a desktop computer (Windows, macOS, Linux or "
    "ChromeOS): this browser cannot reach a serial port. Opening, editing, saving, importing, exporting and "
    "printing work here as well.";
inline constexpr const char* kNotSecureContext =
    "Reading and writing a radio needs this page opened over https:// or from localhost: the browser offers "
    "serial ports only to pages it can trust.";

// The Port menu: the cables the browser has let the page use, and the browser's
// own chooser for another.
inline constexpr qm314::msg::CommandText kChooseCableText{
    "&Choose Cable...", "Choose the serial port of the programming cable\nChoose Cable"};
inline constexpr const char* kCablePrompt = "Use this cable for the next read or write\nCable";
// %1: its place in the menu, %2: the adapter's kind, %3 and %4: its USB vendor
// and product numbers in hex.
inline constexpr const char* kUsbCable = "&%1 %2 cable (USB %3:%4)";
// %1: its place in the menu.
inline constexpr const char* kOtherCable = "&%1 Serial port";

// Export Channels asks for the form before the browser asks for the file,
// since the browser's save dialog does not tell which of its kinds was chosen.
inline constexpr const char* kExportFormQuestion = "Export the channel rows as:";

// Files the page cannot take as it is asked to.
inline constexpr const char* kNotAFileDrop = "Only files can be dropped here: a .int channel data file or a channel plan in CSV.";

}  // namespace qm314::web::msg
