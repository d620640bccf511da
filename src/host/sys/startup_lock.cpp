#include "host/sys/startup_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace host::sys {

std::optional<StartupLock> StartupLock::acquire(const std::filesystem::path& lockFile) {
    int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return std::nullopt;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    return StartupLock(fd);
}

StartupLock::StartupLock(StartupLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

StartupLock& StartupLock::operator=(StartupLock&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

StartupLock::~StartupLock() {
    release();
}

void StartupLock::release() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

} // namespace host::sys
