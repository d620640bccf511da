#include "host/sys/log_append.h"

#include "host/runtime/convert.h"
#include "host/sys/atomic_file.h"
#include "host/sys/clock.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace host::sys {

namespace {

constexpr const char* kLineEnd = "\r\n";

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool appendLogEntry(const std::filesystem::path& file, const std::string& text, bool separator, bool stamp) {
    std::string entry;
    if (stamp) entry += runtime::FormatDateTime(localNow(), "yyyy/mm/dd hh:mm:ss") + kLineEnd;
    entry += text + kLineEnd;
    if (separator) entry += std::string(39, '-') + kLineEnd;

    ignoreFileSizeSignal();
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    const bool written = writeAll(fd, entry);
    return ::close(fd) == 0 && written;
}

} // namespace host::sys
