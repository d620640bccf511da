#pragma once

#include "host/runtime/event.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The program's file utility. Paths are game paths relative to the program
// folder ("\Data\Data.kpz"). Reads that cannot deliver the file (missing, a folder,
// empty, or nothing after the start byte) answer nothing; writes replace the
// file as a whole (the old file stays until the new one is complete) and
// answer whether they succeeded. Text files are UTF-8.
class clsFile {
  public:
    using Bytes = std::vector<std::uint8_t>;

    // One chunk of a chunked transfer is done: its index and the last index.
    host::runtime::Event<std::int32_t, std::int32_t> IOProcess;
    // A chunked transfer of chunks 0..Maxprocess begins.
    host::runtime::Event<std::int16_t> StartProcess;

    // The first ReadSize bytes, zero-filled past the end of a shorter file.
    std::optional<Bytes> APIReadFileBinaryASSize(const std::string& FilePath, std::int32_t ReadSize);
    // The bytes from StartByte to the end, read Separater bytes at a time.
    std::optional<Bytes> APIReadFileBinary(const std::string& FilePath, std::int32_t Separater,
                                           std::int32_t StartByte, bool OnEvent);
    // StartProcess is raised whatever OnEvent says; IOProcess only with OnEvent.
    // A failure shows nothing: WriteFailure says why, for the caller's message.
    bool APIWriteFileBinary(const std::string& FilePath, std::span<const std::uint8_t> Bytes,
                            std::int32_t Separater, bool OnEvent);
    // Why the last APIWriteFileBinary failed, for the player ("ディスクに空きがありません");
    // "" after a write that succeeded.
    const std::string& WriteFailure() const { return writeFailure_; }
    // True when no file is left at the path.
    bool FileDelete(const std::string& pFilePath);
    bool IsFile(const std::string& pFilePath);
    // Each line of pData (split at CR LF) followed by CR LF.
    bool FileWrite(const std::string& pFilePath, const std::string& pData);
    bool FileWriteBinary(const std::string& pFilePath, std::span<const std::uint8_t> pData);
    // The file's items (ended by a comma or a line end, surrounding quotes
    // removed), each followed by CR LF.
    std::optional<std::string> FileRead(const std::string& pFilePath);
    std::optional<Bytes> FileReadBinary(const std::string& pFilePath);
    // Appends an optional time stamp line, pData and an optional line of dashes.
    bool FileWriteAppend(const std::string& pFilePath, const std::string& pData, bool blSeparate,
                         bool blDate);
    // Creation (1), last access (2) or last write (3) time as "Y/M/D h:m:s"
    // without leading zeros; False for a missing file, strTime unchanged.
    bool GetTime(const std::string& pFilePath, std::int32_t eFileTime, std::string& strTime);
    // -1 when the file cannot be found.
    std::int32_t FileSize(const std::string& pFilePath);

  private:
    std::string writeFailure_;
};
