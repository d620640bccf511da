#include "host/sys/atomic_file.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace host::sys {

namespace {

// Makes the rename itself durable.
void syncFolder(const std::filesystem::path& target) {
    auto folder = target.parent_path();
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kTemporaryTail = 6; // the characters mkstemp fills in

bool isTemporaryOf(const std::string& name, const std::string& targetName) {
    return name.size() == targetName.size() + kTemporarySuffix.size() + kTemporaryTail &&
           name.starts_with(targetName) &&
           name.compare(targetName.size(), kTemporarySuffix.size(), kTemporarySuffix) == 0;
}

// Removes the target's temporary files that no writer holds.
void removeStaleTemporaries(const std::filesystem::path& target) {
    const auto folder = target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
    const std::string targetName = target.filename().string();
    std::error_code error;
    std::vector<std::filesystem::path> candidates;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (isTemporaryOf(entry.path().filename().string(), targetName)) candidates.push_back(entry.path());
    for (const auto& candidate : candidates) {
        int fd = ::open(candidate.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0) continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(candidate.c_str());
        ::close(fd);
    }
}

} // namespace

void ignoreFileSizeSignal() {
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target) : target_(std::move(target)) {
    ignoreFileSizeSignal();
    removeStaleTemporaries(target_);
    std::string name = target_.string() + std::string(kTemporarySuffix) + std::string(kTemporaryTail, 'X');
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    fd_ = ::mkstemp(buffer.data());
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    temporary_ = buffer.data();
    ::flock(fd_, LOCK_EX | LOCK_NB);
    // mkstemp makes the file private; a replaced file gets ordinary permissions.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd_, 0666 & ~mask);
}

AtomicFileWriter::~AtomicFileWriter() {
    discard();
}

bool AtomicFileWriter::write(std::span<const std::uint8_t> bytes) {
    if (fd_ < 0 || failed_) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            // A write that takes nothing found no room.
            if (n == 0) errno = ENOSPC;
            fail();
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool AtomicFileWriter::commit() {
    if (fd_ < 0 || failed_) return false;
    // The file stays open, and so locked, until it has its final name.
    const bool renamed = ::fsync(fd_) == 0 && ::rename(temporary_.c_str(), target_.c_str()) == 0;
    if (!renamed) {
        fail();
        discard();
        return false;
    }
    ::close(fd_);
    fd_ = -1;
    temporary_.clear();
    syncFolder(target_);
    return true;
}

void AtomicFileWriter::fail() {
    failed_ = true;
    if (error_ == 0) error_ = errno;
}

void AtomicFileWriter::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

bool replaceFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) {
    AtomicFileWriter writer(target);
    return writer.write(bytes) && writer.commit();
}

} // namespace host::sys
