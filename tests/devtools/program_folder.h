#pragma once

#include "host/runtime/global.h"
#include "host/sys/paths.h"
#include "platform/files/cls_file.h"
#include "platform/files/gfile.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace devtest {

// A fresh program folder of its own and the file service, for the scope.
struct TempProgramFolder {
    explicit TempProgramFolder(const std::string& name)
        : path(std::filesystem::temp_directory_path() / ("quorvel_devtools_" + name)),
          folder(host::sys::installedProgramFolder, std::make_unique<std::filesystem::path>(fresh(path))) {}
    ~TempProgramFolder() { std::filesystem::remove_all(path); }

    std::string read(const std::string& file) const {
        std::ifstream in(path / file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path path;
    host::runtime::ScopedInstall<std::filesystem::path> folder;
    host::runtime::ScopedInstall<clsFile> file{gFile, std::make_unique<clsFile>()};

  private:
    static std::filesystem::path fresh(const std::filesystem::path& p) {
        std::filesystem::remove_all(p);
        std::filesystem::create_directories(p);
        return p;
    }
};

} // namespace devtest
