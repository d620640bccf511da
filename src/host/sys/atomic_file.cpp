#include "host/sys/atomic_file.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
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

} // namespace

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target) : target_(std::move(target)) {
    std::string name = target_.string() + ".tmpXXXXXX";
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    fd_ = ::mkstemp(buffer.data());
    if (fd_ < 0) return;
    temporary_ = buffer.data();
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
            failed_ = true;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool AtomicFileWriter::commit() {
    if (fd_ < 0 || failed_) return false;
    bool ok = ::fsync(fd_) == 0;
    ok = ::close(fd_) == 0 && ok;
    fd_ = -1;
    if (!ok || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        failed_ = true;
        discard();
        return false;
    }
    temporary_.clear();
    syncFolder(target_);
    return true;
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
