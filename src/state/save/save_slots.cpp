#include "state/save/save_slots.h"

#include "host/runtime/convert.h"
#include "host/sys/paths.h"
#include "host/text/units.h"
#include "platform/files/gfile.h"
#include "state/save/save_file.h"
#include "state/save/save_slot_row.h"

#include <filesystem>
#include <system_error>

using host::runtime::CStr;

namespace {

constexpr bool kProgressEvents = true;

std::string headerOf(const std::string& path) {
    auto area = File().APIReadFileBinaryASSize(path, kSaveHeaderSize);
    return area ? readSaveHeader(*area) : std::string();
}

// A manager's reason may quote a long line of the file.
std::string shortReason(std::string_view reason) {
    constexpr int kLongest = 200;
    if (host::text::Len(reason) <= kLongest) return std::string(reason);
    return host::text::Left(reason, kLongest) + "…";
}

} // namespace

std::string writeSaveSlot(std::int16_t index, std::string_view header, const SaveParts& parts) {
    const std::string path = saveSlotPath(index);
    const auto image = makeSaveImage(header, joinSaveBody(parts));
    std::error_code error;
    const auto folder = host::sys::gamePath(kSaveFolder);
    std::filesystem::create_directories(folder, error);
    if (error) return "フォルダを作れません: " + folder.string() + " (" + error.message() + ")";
    if (!File().APIWriteFileBinary(path, image, kSaveChunkSize, kProgressEvents))
        return "ファイルを書き込めません。" + File().WriteFailure();
    return "";
}

ReadSaveParts readSaveSlot(std::int16_t index) {
    const std::string path = saveSlotPath(index);
    if (!File().IsFile(path)) return {std::nullopt, "このスロットにセーブデータはありません"};
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(host::sys::gamePath(path), error);
    if (!error && size > kSaveFileCap)
        return {std::nullopt, "ファイルが大きすぎます（" + std::to_string(size) + " バイト。セーブデータは " +
                                  std::to_string(kSaveFileCap) + " バイトまでです）"};
    auto body = File().APIReadFileBinary(path, kSaveChunkSize, kSaveHeaderSize, kProgressEvents);
    if (!body) return {std::nullopt, "ファイルにゲームのデータがありません"};
    return splitSaveBody(readSaveBody(*body));
}

host::runtime::Collection<clsGetGridData> saveSlotRows() {
    host::runtime::Collection<clsGetGridData> rows;
    for (std::int16_t index = 1; index <= kSaveSlotCount; ++index) {
        const std::string path = saveSlotPath(index);
        rows.add(File().IsFile(path) ? saveSlotRow(index, headerOf(path)) : missingSlotRow(index));
    }
    return rows;
}

clsGetGridData saveSlotDetail(std::int16_t index) {
    const std::string path = saveSlotPath(index);
    return File().IsFile(path) ? saveSlotDetailRow(index, headerOf(path)) : missingSlotRow(index);
}

bool anySaveSlot() {
    for (std::int16_t index = 1; index <= kSaveSlotCount; ++index)
        if (File().IsFile(saveSlotPath(index))) return true;
    return false;
}

std::string saveFailureMessage(std::int16_t index, std::string_view reason) {
    return "Error:スロット" + CStr(index) + "にセーブできません。前のセーブデータはそのままです。\r\n" +
           shortReason(reason);
}

std::string loadFailureMessage(std::int16_t index, std::string_view reason) {
    return "Error:スロット" + CStr(index) + "のセーブデータを読み込めません。ゲームはそのまま続きます。\r\n" +
           shortReason(reason);
}
