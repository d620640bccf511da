#pragma once

#include <filesystem>
#include <string_view>

namespace host::sys {

// The folder of the program's executable, unless another one was set (tests).
std::filesystem::path programFolder();
void setProgramFolder(std::filesystem::path folder);
// Back to the folder of the executable.
void resetProgramFolder();

// A game path ("\Data\Data.kpz") with "\" read as "/", relative to the
// program folder; leading separators only join the two.
std::filesystem::path gamePath(std::string_view relative);

} // namespace host::sys
