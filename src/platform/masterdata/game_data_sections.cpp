#include "platform/masterdata/game_data_sections.h"

#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"
#include "host/text/utf.h"
#include "host/text/width.h"

std::string GameDataSections::compatibilityTables() const {
    return section[1] + ";" + section[2] + ";" + section[3];
}

GameDataSections SplitGameData(std::span<const std::uint8_t> bytes) {
    auto parts = host::runtime::Split(host::text::toNarrow(host::text::utf16leToUtf8(bytes)), ";");
    if (parts.size() < static_cast<std::size_t>(GameDataSections::kCount))
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::SubscriptOutOfRange,
                                          "master data: section " + std::to_string(parts.size()) +
                                              " is missing (32 sections are needed)");
    GameDataSections sections;
    for (int i = 0; i < GameDataSections::kCount; ++i)
        sections.section[i] = std::move(parts[i]);
    sections.section[0] = host::text::toWide(sections.section[0]);
    return sections;
}
