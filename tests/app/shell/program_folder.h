#pragma once

#include "host/runtime/global.h"
#include "host/sys/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

namespace apptest {

namespace fs = std::filesystem;

// A fresh program folder for one test, installed as the game's folder and
// removed afterwards. Data/ links to the archives the build packed.
class ProgramFolder {
  public:
    ProgramFolder() {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~ProgramFolder() {
        std::error_code ignored;
        fs::remove(path, ignored); // a plain file put there by a test
        fs::remove_all(path, ignored);
    }

    // Links Data/ to the packed archives, or copies them when a test damages one.
    void linkData() const { fs::create_directory_symlink(packedData(), path / "Data"); }
    void copyData() const { fs::copy(packedData(), path / "Data", fs::copy_options::recursive); }
    static fs::path packedData() { return fs::absolute(fs::path("Data")); }

    void write(const fs::path& relative, const std::string& text) const {
        fs::create_directories((path / relative).parent_path());
        std::ofstream(path / relative, std::ios::binary) << text;
    }
    std::string read(const fs::path& relative) const {
        std::ifstream in(path / relative, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // The keys and values of an INI file's section "Setting".
    std::map<std::string, std::string> settings() const {
        std::map<std::string, std::string> keys;
        std::istringstream lines(read("quorvel.ini"));
        std::string line;
        bool inSetting = false;
        while (std::getline(lines, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!line.empty() && line.front() == '[') {
                inSetting = line == "[Setting]";
                continue;
            }
            auto equals = line.find('=');
            if (inSetting && equals != std::string::npos)
                keys[line.substr(0, equals)] = line.substr(equals + 1);
        }
        return keys;
    }
    // Puts a plain file where the folder was, so that nothing can be written
    // into it (also not by root).
    void makeUnwritable() const {
        fs::rename(path, fs::path(path.string() + ".away"));
        std::ofstream(path) << "not a folder";
        fs::remove_all(fs::path(path.string() + ".away"));
    }

    const fs::path path =
        fs::temp_directory_path() / ("quorvel-app-" + std::to_string(::getpid()) + "-" +
                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());

  private:
    host::runtime::ScopedInstall<fs::path> installed_{host::sys::installedProgramFolder,
                                                      std::make_unique<fs::path>(path)};
};

} // namespace apptest
