#pragma once

#include "host/runtime/global.h"

#include <filesystem>
#include <string_view>

namespace host::sys {

// The folder of the program's executable.
std::filesystem::path executableFolder();

// The folder the game's files are found in: the executable's, unless another
// one was installed (tests).
inline constinit runtime::Global<std::filesystem::path> installedProgramFolder{
    "program folder", []() -> std::unique_ptr<std::filesystem::path> {
        return std::make_unique<std::filesystem::path>(executableFolder());
    }};
inline std::filesystem::path programFolder() {
    return installedProgramFolder.get();
}

// A game path ("\Data\Data.kpz") with "\" read as "/", relative to the
// program folder; leading separators only join the two.
std::filesystem::path gamePath(std::string_view relative);

} // namespace host::sys
