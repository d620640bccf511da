#include "app/shell/settings_file.h"

#include "host/runtime/convert.h"
#include "host/text/case.h"

#include <optional>
#include <string>

namespace SettingsFile {

namespace {

enum class ValueKind { Whole, Boolean };

struct SettingKey {
    const char* key;
    const char* firstRun;
    ValueKind kind;
    std::int32_t low;
    std::int32_t high;
};

// The keys with a first-run default, in the order a first run writes them.
constexpr SettingKey kDefaults[] = {
    {kBGMVolume, "50", ValueKind::Whole, 0, 100},
    {kSEVolume, "50", ValueKind::Whole, 0, 100},
    {kBattleMSG, "10", ValueKind::Whole, 1, 20},
    {kVisibleMSG, "10", ValueKind::Whole, 1, 20},
    {kBattleHiSpeed, "False", ValueKind::Boolean, 0, 0},
    {kStockPriceReport, "False", ValueKind::Boolean, 0, 0},
};

// Decimal digits with an optional minus sign, within 32 bits.
std::optional<std::int32_t> wholeNumber(const std::string& text) {
    const std::size_t digits = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() == digits || text.find_first_not_of("0123456789", digits) != std::string::npos ||
        !CIniFile::IsLng(text))
        return std::nullopt;
    return host::runtime::CLng(text);
}

// The value as it is kept, or nothing when it is not valid for its key.
std::optional<std::string> valid(const SettingKey& setting, const std::string& text) {
    if (setting.kind == ValueKind::Boolean) {
        const std::string folded = host::text::LCase(text);
        if (folded == "true") return std::string("True");
        if (folded == "false") return std::string("False");
        return std::nullopt;
    }
    auto number = wholeNumber(text);
    if (!number || *number < setting.low || *number > setting.high) return std::nullopt;
    return std::to_string(*number);
}

} // namespace

void LoadSettings(CIniFile& cINI, host::ui::Form& form, clsMngSound& sound) {
    const bool loaded = cINI.Load(kPath);
    cINI.NowSection(kSection);
    for (const SettingKey& setting : kDefaults) {
        auto value = loaded ? valid(setting, cINI.Data(setting.key)) : std::nullopt;
        cINI.Data(setting.key, value.value_or(setting.firstRun));
    }
    if (!loaded) return;
    auto left = wholeNumber(cINI.Data(kLeft));
    auto top = wholeNumber(cINI.Data(kTop));
    if (left && top) form.setPositionTwips(*left, *top);
    sound.BGMVolume(host::runtime::CLng(cINI.Data(kBGMVolume)));
    sound.SEVolume(host::runtime::CLng(cINI.Data(kSEVolume)));
}

bool SaveSettings(CIniFile& cINI, const host::ui::Form& form, const clsMngSound& sound,
                  const clsAppInfo& cInfo) {
    cINI.NowSection(kSection);
    cINI.Data(kTop, std::to_string(form.TopTwips()));
    cINI.Data(kLeft, std::to_string(form.LeftTwips()));
    cINI.Data(kBGMVolume, std::to_string(sound.BGMVolume()));
    cINI.Data(kSEVolume, std::to_string(sound.SEVolume()));
    cINI.Data(kVersion, cInfo.Version(0, "."));
    return cINI.Save("");
}

bool GetStockPriceReport(const CIniFile& cINI) {
    return host::runtime::CBool(cINI.Data(kStockPriceReport));
}

} // namespace SettingsFile
