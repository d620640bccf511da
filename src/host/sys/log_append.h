#pragma once

#include <filesystem>
#include <string>

namespace host::sys {

// Appends one log entry, creating the file when missing: an optional
// "yyyy/mm/dd hh:mm:ss" line of local time, the text, and an optional line
// of 39 hyphens, each ended by CR LF. False when the file cannot be opened
// or written.
bool appendLogEntry(const std::filesystem::path& file, const std::string& text, bool separator, bool stamp);

} // namespace host::sys
