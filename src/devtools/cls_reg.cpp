#include "devtools/cls_reg.h"

#include "host/runtime/collection_key.h"
#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/sys/atomic_file.h"
#include "host/sys/paths.h"
#include "platform/settings/ini_text.h"

#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

// The largest value text a read takes, its terminating zero included.
constexpr std::size_t kReadBuffer = 256;

std::string sectionName(std::int32_t root, const std::string& subKey) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08X", static_cast<std::uint32_t>(root));
    return std::string(hex) + "\\" + subKey;
}

bool sameName(const std::string& a, const std::string& b) {
    using host::runtime::KeyFold;
    return host::runtime::foldKey(KeyFold::IgnoreCase, a) == host::runtime::foldKey(KeyFold::IgnoreCase, b);
}

IniText readFile() {
    std::ifstream in(host::sys::gamePath(clsReg::kFilePath), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return IniText::parse(text.str());
}

const IniText::Block* findKey(const IniText& file, const std::string& name) {
    for (const IniText::Block& block : file.blocks)
        if (sameName(block.name, name)) return &block;
    return nullptr;
}

// The value name of a "name=value" line; nothing for another line.
std::optional<std::string> valueNameOf(const std::string& line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) return std::nullopt;
    return line.substr(0, equals);
}

} // namespace

bool clsReg::RegSetValue(std::int32_t lnghInKey, const std::string& strSubKey, const std::string& strValName,
                         std::int32_t lngType, const host::runtime::Variant& varValue) const {
    if (strValName.find('=') != std::string::npos) return false;
    std::optional<std::string> value;
    if (lngType == kString) value = varValue.toString();
    if (lngType == kDWord) value = host::runtime::CStr(varValue.toLong());

    IniText file = readFile();
    const std::string name = sectionName(lnghInKey, strSubKey);
    std::vector<std::string> lines;
    if (const IniText::Block* key = findKey(file, name)) lines = key->lines;
    if (value) {
        std::erase_if(lines, [&](const std::string& line) {
            const auto valueName = valueNameOf(line);
            return valueName && sameName(*valueName, strValName);
        });
        lines.push_back(strValName + "=" + *value);
    }
    file.replaceSection(name, lines);
    const std::string text = file.render();
    const bool written = host::sys::replaceFile(
        host::sys::gamePath(kFilePath), {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    return written && value.has_value();
}

host::runtime::Variant clsReg::RegGetValue(std::int32_t lnghInKey, const std::string& strSubKey,
                                           const std::string& strValName, std::int32_t lngType,
                                           const host::runtime::Variant& varDefault) const {
    const IniText file = readFile();
    const IniText::Block* key = findKey(file, sectionName(lnghInKey, strSubKey));
    if (!key) return varDefault;
    for (const std::string& line : key->lines) {
        const auto valueName = valueNameOf(line);
        if (!valueName || !sameName(*valueName, strValName)) continue;
        const std::string value = line.substr(valueName->size() + 1);
        if (lngType == kString)
            return value.size() < kReadBuffer ? host::runtime::Variant(value) : varDefault;
        if (lngType == kDWord) {
            try {
                return host::runtime::Variant(host::runtime::CLng(value));
            } catch (const host::runtime::RuntimeError&) {
                return varDefault;
            }
        }
        return varDefault;
    }
    return varDefault;
}
