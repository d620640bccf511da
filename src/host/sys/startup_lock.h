#pragma once

#include <filesystem>
#include <optional>

namespace host::sys {

// Keeps a second copy of the program from starting at the same time: an
// exclusive flock on a lock file, held until released or destroyed. The
// lock file itself stays; only the lock matters.
class StartupLock {
  public:
    // The held lock, or nothing when another process holds it or the file
    // cannot be opened.
    static std::optional<StartupLock> acquire(const std::filesystem::path& lockFile);

    StartupLock(StartupLock&& other) noexcept;
    StartupLock& operator=(StartupLock&& other) noexcept;
    StartupLock(const StartupLock&) = delete;
    StartupLock& operator=(const StartupLock&) = delete;
    ~StartupLock();

    void release();

  private:
    explicit StartupLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

} // namespace host::sys
