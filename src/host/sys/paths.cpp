#include "host/sys/paths.h"

#include <optional>
#include <string>

namespace host::sys {

namespace {

std::optional<std::filesystem::path>& overridden() {
    static std::optional<std::filesystem::path> folder;
    return folder;
}

std::filesystem::path executableFolder() {
    std::error_code error;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path();
    return exe.parent_path();
}

} // namespace

std::filesystem::path programFolder() {
    if (overridden()) return *overridden();
    static const std::filesystem::path folder = executableFolder();
    return folder;
}

void setProgramFolder(std::filesystem::path folder) {
    overridden() = std::move(folder);
}

void resetProgramFolder() {
    overridden().reset();
}

std::filesystem::path gamePath(std::string_view relative) {
    std::string path(relative);
    for (char& c : path)
        if (c == '\\') c = '/';
    std::size_t start = path.find_first_not_of('/');
    if (start == std::string::npos) return programFolder();
    return programFolder() / path.substr(start);
}

} // namespace host::sys
