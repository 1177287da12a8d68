// Text output of a command: to a file when one is named, else to standard output.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace qm314::cli {

// Writes text to path (replacing it as a whole, never half-written) or to out.
// InputError when the file cannot be written.
void WriteTextOutput(const std::optional<std::string>& path, const std::string& text, std::ostream& out);

// A read takes seconds of the radio's time: a folder or a file that cannot
// take the save is better known before it starts.  InputError when path's
// folder is not writable or the file there may not be replaced.
void CheckWritableFolder(const std::string& path);

// UsageError when output (given with option) is input, by this name, another
// path or another hard link: writing it would destroy what the command reads.
void RefuseOutputOverInput(std::string_view option, const std::string& output, const std::string& input);

// The whole content of a text file; InputError when it cannot be read.
std::string ReadTextFile(const std::string& path);

}  // namespace qm314::cli
