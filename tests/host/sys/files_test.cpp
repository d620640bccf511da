#include "host/sys/atomic_file.h"
#include "host/sys/paths.h"
#include "host/sys/startup_lock.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace host::sys;
namespace fs = std::filesystem;

namespace {

class TempFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() / ("quorvel-sys-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::size_t entries() {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    fs::path folder;
};

std::span<const std::uint8_t> bytesOf(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

} // namespace

using Paths = TempFolder;
using AtomicFile = TempFolder;
using Lock = TempFolder;

TEST_F(Paths, GamePathsAreRelativeToTheProgramFolder) {
    {
        host::runtime::ScopedInstall installed(installedProgramFolder, std::make_unique<fs::path>(folder));
        struct {
            const char* game;
            fs::path expected;
        } cases[] = {
            {"\\Data\\Data.kpz", folder / "Data/Data.kpz"},
            {"\\quorvel.ini", folder / "quorvel.ini"},
            {"Save/1.dat", folder / "Save/1.dat"},
            {"", folder},
        };
        for (const auto& c : cases)
            EXPECT_EQ(gamePath(c.game), c.expected) << c.game;
    }
    EXPECT_FALSE(programFolder().empty());
    EXPECT_NE(programFolder(), folder);
}

TEST_F(AtomicFile, ReplacesWholeFileAndLeavesNoTemporary) {
    auto target = folder / "save.dat";
    ASSERT_TRUE(replaceFile(target, bytesOf("old contents that are longer")));
    ASSERT_TRUE(replaceFile(target, bytesOf("new")));
    EXPECT_EQ(contents(target), "new");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicFile, UncommittedWriterKeepsTheOldFile) {
    auto target = folder / "save.dat";
    ASSERT_TRUE(replaceFile(target, bytesOf("old")));
    {
        AtomicFileWriter writer(target);
        ASSERT_TRUE(writer.isOpen());
        ASSERT_TRUE(writer.write(bytesOf("half of the new")));
    }
    EXPECT_EQ(contents(target), "old");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicFile, MissingFolderFails) {
    EXPECT_FALSE(replaceFile(folder / "no" / "such.dat", bytesOf("x")));
}

TEST_F(Lock, SecondHolderIsRefusedUntilRelease) {
    auto path = folder / "quorvel.lock";
    auto first = StartupLock::acquire(path);
    ASSERT_TRUE(first.has_value());

    // flock belongs to the open file, so another process stands for a second copy.
    auto triesInChild = [&] {
        pid_t child = ::fork();
        if (child == 0) ::_exit(StartupLock::acquire(path) ? 0 : 1);
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
    EXPECT_FALSE(triesInChild());
    first->release();
    EXPECT_TRUE(triesInChild());
}

TEST_F(AtomicFile, KilledWritersLeaveNothingBehindForLong) {
    auto target = folder / "save.dat";
    ASSERT_TRUE(replaceFile(target, bytesOf("old")));
    // Names that only look like a temporary file of the target stay.
    for (const char* other : {"save.dat.tmpdata", "save.dat.tmp1234567", "other.dat.tmpABCDEF"})
        std::ofstream(folder / other) << "keep";

    // A writer killed before it commits leaves its temporary file.
    pid_t child = ::fork();
    if (child == 0) {
        AtomicFileWriter writer(target);
        ::_exit(writer.write(bytesOf("half of a save")) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(entries(), 5u);

    // The next writer removes it, but not the file of a writer still at work.
    AtomicFileWriter working(target);
    ASSERT_TRUE(working.write(bytesOf("later")));
    EXPECT_EQ(entries(), 5u);
    ASSERT_TRUE(replaceFile(target, bytesOf("new")));
    EXPECT_EQ(contents(target), "new");
    EXPECT_EQ(entries(), 5u); // the target, three look-alikes and the working writer's file
    ASSERT_TRUE(working.commit());
    EXPECT_EQ(contents(target), "later");
    EXPECT_EQ(entries(), 4u);
}
