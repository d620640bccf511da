#pragma once

#include "host/runtime/global.h"
#include "host/sys/clock.h"
#include "host/sys/paths.h"
#include "platform/files/gfile.h"
#include "state/cls_data.h"
#include "state/state_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace savetest {

namespace fs = std::filesystem;

inline SaveParts partsOf(clsData& data) {
    return getSaveParts(managers(data).saveManagers());
}

// A program folder of its own beside the packed master data, a wall clock
// that moves only when told, and the file service.
class SavedGames : public ::testing::Test {
  protected:
    SavedGames() {
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::create_directory_symlink(host::sys::executableFolder() / "Data", folder / "Data");
    }
    ~SavedGames() override { fs::remove_all(folder); }

    fs::path slotFile(int index) const {
        return folder / "Save" / ("quorvel" + std::to_string(index) + ".sav");
    }
    std::vector<std::uint8_t> bytesOf(const fs::path& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void put(const fs::path& path, const std::vector<std::uint8_t>& bytes) const {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    fs::path folder =
        fs::temp_directory_path() / ("quorvel-saved-" + std::to_string(::getpid()) + "-" +
                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    host::runtime::ScopedInstall<fs::path> programFolder{host::sys::installedProgramFolder,
                                                         std::make_unique<fs::path>(folder)};
    host::runtime::ScopedInstall<host::sys::WallClock, host::sys::ManualWallClock> clock{
        host::sys::installedWallClock,
        std::make_unique<host::sys::ManualWallClock>(
            std::chrono::system_clock::time_point(std::chrono::seconds(1'796'000'000)))};
    host::runtime::ScopedInstall<clsFile> file{gFile, std::make_unique<clsFile>()};
};

} // namespace savetest
