#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace host::sys {

// Replaces a file as a whole: the bytes go to a temporary file beside it,
// which is flushed to disk and renamed over the target only by commit().
// Until then the old file is untouched; a writer destroyed without a
// successful commit removes its temporary file. A writer holds a lock on its
// temporary file, so the temporary files of a target that nobody holds were
// left by a writer that was killed: each new writer removes them first.
// Writers ignore SIGXFSZ (see ignoreFileSizeSignal).
class AtomicFileWriter {
  public:
    explicit AtomicFileWriter(std::filesystem::path target);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // False when the temporary file could not be made.
    bool isOpen() const { return fd_ >= 0; }
    // Writes all bytes; False on any failure (also every later call fails).
    bool write(std::span<const std::uint8_t> bytes);
    // Flushes, syncs and renames; False when any step or earlier write failed.
    bool commit();
    // The errno of the first step that failed; 0 while none has.
    int error() const { return error_; }

  private:
    void discard();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    void fail();

    int fd_ = -1;
    bool failed_ = false;
    int error_ = 0;
};

// Makes a write past the process's file-size limit fail with EFBIG instead
// of ending the program with SIGXFSZ, once for the whole process.
void ignoreFileSizeSignal();

// Writes the whole file through an AtomicFileWriter.
bool replaceFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

} // namespace host::sys
