#include "platform/files/cls_file.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "host/sys/atomic_file.h"
#include "host/sys/clock.h"
#include "host/sys/log_append.h"
#include "host/sys/paths.h"
#include "platform/files/delimited_items.h"
#include "platform/services/game_services.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kCannotMakeFile = "Error:ファイルを作れません";
constexpr const char* kLineEnd = "\r\n";

std::string resolve(const std::string& path) {
    return host::sys::gamePath(path).string();
}

std::span<const std::uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// An open file descriptor, closed when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

  private:
    int fd_;
};

Descriptor openForReading(const std::string& path) {
    return Descriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
}

// Reads up to count bytes at offset into out; the number of bytes read.
std::size_t readAt(int fd, std::uint8_t* out, std::size_t count, off_t offset) {
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = ::pread(fd, out + done, count - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

// What an errno of a failed write means to the player.
std::string writeFailureText(int error) {
    switch (error) {
    case EFBIG:
        return "ファイルが大きすぎます（ファイルサイズの上限を超えます）";
    case ENOSPC:
    case EDQUOT:
        return "ディスクに空きがありません";
    case EACCES:
    case EPERM:
        return "書き込みが許可されていません";
    case EROFS:
        return "読み取り専用の場所です";
    case EISDIR:
        return "同じ名前のフォルダがあります";
    case ENOENT:
    case ENOTDIR:
        return "フォルダがありません";
    default:
        return std::strerror(error);
    }
}

bool writeText(const std::string& path, std::string_view text) {
    return host::sys::replaceFile(resolve(path), bytesOf(text));
}

std::string fileTimeText(const struct timespec& time) {
    auto point = std::chrono::system_clock::time_point(std::chrono::seconds(time.tv_sec));
    std::tm t = host::sys::localTime(point);
    using host::runtime::CStr;
    return CStr(std::int64_t{t.tm_year} + 1900) + "/" + CStr(std::int64_t{t.tm_mon} + 1) + "/" +
           CStr(std::int64_t{t.tm_mday}) + " " + CStr(std::int64_t{t.tm_hour}) + ":" +
           CStr(std::int64_t{t.tm_min}) + ":" + CStr(std::int64_t{t.tm_sec});
}

} // namespace

std::int32_t clsFile::FileSize(const std::string& pFilePath) {
    struct stat info {};
    if (::stat(resolve(pFilePath).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(info.st_size));
}

bool clsFile::IsFile(const std::string& pFilePath) {
    struct stat info {};
    return ::stat(resolve(pFilePath).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool clsFile::FileDelete(const std::string& pFilePath) {
    if (!IsFile(pFilePath)) return true;
    return ::unlink(resolve(pFilePath).c_str()) == 0;
}

std::optional<clsFile::Bytes> clsFile::APIReadFileBinaryASSize(const std::string& FilePath,
                                                               std::int32_t ReadSize) {
    Descriptor file = openForReading(resolve(FilePath));
    if (!IsFile(FilePath) || !file.valid()) {
        Services().MsgBox(kCannotMakeFile);
        return std::nullopt;
    }
    if (ReadSize < 1) return std::nullopt;
    Bytes buffer(static_cast<std::size_t>(ReadSize), 0);
    readAt(file.get(), buffer.data(), buffer.size(), 0);
    return buffer;
}

std::optional<clsFile::Bytes> clsFile::APIReadFileBinary(const std::string& FilePath, std::int32_t Separater,
                                                         std::int32_t StartByte, bool OnEvent) {
    if (Separater < 1)
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall, "chunk size below 1");
    std::int32_t size = FileSize(FilePath);
    Descriptor file = openForReading(resolve(FilePath));
    if (size < 0 || !file.valid()) {
        Services().MsgBox(kCannotMakeFile);
        return std::nullopt;
    }
    if (StartByte < 0 || StartByte >= size) return std::nullopt;

    std::int32_t last = size - StartByte - 1;
    std::int32_t limit = last / Separater;
    Bytes result(static_cast<std::size_t>(last) + 1, 0);
    if (OnEvent) {
        std::int16_t chunks = host::runtime::saturate16(std::int64_t{limit});
        StartProcess.raise(chunks);
    }
    for (std::int32_t i = 0; i <= limit; ++i) {
        std::int64_t begin = std::int64_t{i} * Separater;
        std::int64_t count = i < limit ? Separater : last - begin + 1;
        readAt(file.get(), result.data() + begin, static_cast<std::size_t>(count), StartByte + begin);
        if (OnEvent) {
            std::int32_t now = i;
            IOProcess.raise(now, limit);
        }
    }
    return result;
}

bool clsFile::APIWriteFileBinary(const std::string& FilePath, std::span<const std::uint8_t> Bytes,
                                 std::int32_t Separater, bool OnEvent) {
    if (Separater < 1)
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall, "chunk size below 1");
    const std::string path = resolve(FilePath);
    host::sys::AtomicFileWriter writer(path);
    writeFailure_.clear();
    const auto failed = [&] {
        writeFailure_ = writeFailureText(writer.error()) + ": " + path;
        return false;
    };
    if (!writer.isOpen()) return failed();
    std::int64_t upper = static_cast<std::int64_t>(Bytes.size()) - 1;
    std::int32_t limit = upper < 0 ? 0 : static_cast<std::int32_t>(upper / Separater);
    std::int16_t chunks = host::runtime::saturate16(std::int64_t{limit});
    StartProcess.raise(chunks);
    bool ok = true;
    for (std::int32_t i = 0; i <= limit; ++i) {
        std::size_t begin = static_cast<std::size_t>(i) * static_cast<std::size_t>(Separater);
        std::size_t count =
            std::min(Bytes.size() - std::min(begin, Bytes.size()), static_cast<std::size_t>(Separater));
        ok = writer.write(Bytes.subspan(std::min(begin, Bytes.size()), count)) && ok;
        if (OnEvent) {
            std::int32_t now = i;
            IOProcess.raise(now, limit);
        }
    }
    if (!ok || !writer.commit()) return failed();
    return true;
}

bool clsFile::FileWrite(const std::string& pFilePath, const std::string& pData) {
    std::string text;
    for (const auto& line : host::runtime::Split(pData, kLineEnd))
        text += line + kLineEnd;
    return writeText(pFilePath, text);
}

bool clsFile::FileWriteBinary(const std::string& pFilePath, std::span<const std::uint8_t> pData) {
    return host::sys::replaceFile(resolve(pFilePath), pData);
}

std::optional<std::string> clsFile::FileRead(const std::string& pFilePath) {
    auto bytes = FileReadBinary(pFilePath);
    if (!bytes) return IsFile(pFilePath) ? std::optional<std::string>("") : std::nullopt;
    std::string result;
    std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    for (const auto& item : delimitedItems(text))
        result += item + kLineEnd;
    return result;
}

std::optional<clsFile::Bytes> clsFile::FileReadBinary(const std::string& pFilePath) {
    std::int32_t size = FileSize(pFilePath);
    if (size <= 0) return std::nullopt;
    Descriptor file = openForReading(resolve(pFilePath));
    if (!file.valid()) return std::nullopt;
    Bytes buffer(static_cast<std::size_t>(size), 0);
    if (readAt(file.get(), buffer.data(), buffer.size(), 0) != buffer.size()) return std::nullopt;
    return buffer;
}

bool clsFile::FileWriteAppend(const std::string& pFilePath, const std::string& pData, bool blSeparate,
                              bool blDate) {
    return host::sys::appendLogEntry(resolve(pFilePath), pData, blSeparate, blDate);
}

bool clsFile::GetTime(const std::string& pFilePath, std::int32_t eFileTime, std::string& strTime) {
    if (!IsFile(pFilePath)) return false;
    struct statx info {};
    if (::statx(AT_FDCWD, resolve(pFilePath).c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &info) != 0)
        return false;
    auto toTimespec = [](const struct statx_timestamp& t) { return timespec{t.tv_sec, t.tv_nsec}; };
    switch (eFileTime) {
    case 1:
        // Without a recorded birth time the last write is the closest we have.
        strTime = fileTimeText(toTimespec((info.stx_mask & STATX_BTIME) ? info.stx_btime : info.stx_mtime));
        break;
    case 2:
        strTime = fileTimeText(toTimespec(info.stx_atime));
        break;
    case 3:
        strTime = fileTimeText(toTimespec(info.stx_mtime));
        break;
    default:
        strTime = "1601/1/1 0:0:0";
        break;
    }
    return true;
}
