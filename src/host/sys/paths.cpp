#include "host/sys/paths.h"

#include <string>

namespace host::sys {

std::filesystem::path executableFolder() {
    std::error_code error;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path();
    return exe.parent_path();
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
