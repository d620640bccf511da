#include "platform/settings/c_ini_file.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"
#include "host/sys/atomic_file.h"
#include "host/sys/paths.h"
#include "host/text/case.h"
#include "platform/settings/ini_text.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

using host::runtime::KeyFold;
using host::runtime::RuntimeError;
using host::runtime::Variant;
using host::text::LCase;

namespace {

template <class Convert> bool converts(std::string_view text, Convert convert) {
    try {
        convert(text);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

// A copy of the names, so the collection may change while they are visited.
std::vector<std::string> snapshot(const host::runtime::Collection<std::string>& names) {
    std::vector<std::string> copy;
    for (const auto& name : names)
        copy.push_back(name);
    return copy;
}

// The file's text; "" for a missing file and for one above the cap, which
// is not read.
std::string readWhole(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > CIniFile::kFileCap) return {};
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

CIniFile::Entries* CIniFile::sectionData(const std::string& name) {
    auto it = data_.find(LCase(name));
    return it == data_.end() ? nullptr : &it->second;
}

const CIniFile::Entries* CIniFile::sectionData(const std::string& name) const {
    return const_cast<CIniFile*>(this)->sectionData(name);
}

CIniFile::Entries& CIniFile::addSection(const std::string& name) {
    sections_.add(name, name);
    return data_.emplace(LCase(name), Entries(KeyFold::IgnoreCase)).first->second;
}

bool CIniFile::Load(const std::string& IniFileName) {
    fileName_ = host::sys::gamePath(IniFileName).string();
    sections_.clear();
    data_.clear();
    nowSection_.clear();
    keys_.clear();
    isExist_ = false;

    IniText text = IniText::parse(readWhole(fileName_));
    if (text.blocks.empty()) return false;
    for (const auto& block : text.blocks) {
        if (block.name.empty()) continue;
        Entries* entries = sectionData(block.name);
        if (!entries) entries = &addSection(block.name);
        for (const auto& raw : block.lines) {
            std::string line = trimBlank(raw);
            if (line.empty()) continue;
            std::size_t equals = line.find('=');
            Entry entry{line, line, false};
            if (equals != std::string::npos) {
                entry = {trimBlank(std::string_view(line).substr(0, equals)),
                         trimBlank(std::string_view(line).substr(equals + 1)), true};
                if (entry.key.empty()) continue;
            }
            std::string key = LCase(entry.key);
            if (entries->contains(key)) entries->remove(key);
            entries->add(std::move(entry), key);
        }
    }
    return true;
}

void CIniFile::NowSection(const std::string& NewSection) {
    if (NewSection == nowSection_) return;
    if (const std::string* stored = sections_.find(NewSection)) {
        nowSection_ = *stored;
        isExist_ = true;
    } else {
        nowSection_ = NewSection;
        addSection(NewSection);
        isExist_ = false;
    }
    keys_.clear();
    for (const Entry& entry : *sectionData(nowSection_))
        if (entry.listed) keys_.add(entry.key, entry.key);
}

bool CIniFile::IsSection(const std::string& sSection) const {
    return sections_.contains(sSection);
}

bool CIniFile::IsData(const std::string& Key) const {
    const Entries* entries = sectionData(nowSection_);
    return entries && entries->contains(Key);
}

std::string CIniFile::Data(const std::string& Key) const {
    const Entries* entries = sectionData(nowSection_);
    const Entry* entry = entries ? entries->find(Key) : nullptr;
    return entry ? entry->value : "";
}

void CIniFile::Data(const std::string& Key, const std::string& NewData) {
    Entries* entries = sectionData(nowSection_);
    if (!entries)
        throw RuntimeError(host::runtime::ErrorNumber::InvalidCall,
                           "no settings section \"" + nowSection_ + "\"");
    DeleteData(Key);
    entries->add(Entry{Key, NewData}, Key);
    keys_.add(Key, Key);
}

void CIniFile::DeleteData(const std::string& Key) {
    if (Entries* entries = sectionData(nowSection_); entries && entries->contains(Key)) entries->remove(Key);
    if (keys_.contains(Key)) keys_.remove(Key);
}

void CIniFile::Clear() {
    for (const auto& key : snapshot(keys_))
        DeleteData(key);
}

Variant CIniFile::InitData(const std::string& Key, std::int32_t IniType, const Variant& Default) const {
    std::string text = Data(Key);
    switch (IniType) {
    case 0:
        return host::runtime::Trim(text).empty() ? Default : Variant(text);
    case 1:
        return IsLng(text) ? Variant(host::runtime::CLng(text)) : Default;
    case 2:
        return IsSng(text) ? Variant(host::runtime::CSng(text)) : Default;
    case 3:
        return IsBool(text) ? Variant(host::runtime::CBool(text)) : Default;
    default:
        return Variant(text);
    }
}

bool CIniFile::IsBool(std::string_view Str) {
    return converts(Str, [](auto s) { host::runtime::CBool(s); });
}
bool CIniFile::IsInt(std::string_view Str) {
    return converts(Str, [](auto s) { host::runtime::CInt(s); });
}
bool CIniFile::IsLng(std::string_view Str) {
    return converts(Str, [](auto s) { host::runtime::CLng(s); });
}
bool CIniFile::IsSng(std::string_view Str) {
    return converts(Str, [](auto s) { host::runtime::CSng(s); });
}

bool CIniFile::Save(const std::string& Section) {
    if (!Section.empty()) return saveSection(Section);
    bool result = false;
    for (const auto& name : snapshot(sections_)) {
        result = saveSection(name);
        if (!result) break;
    }
    return result;
}

bool CIniFile::saveSection(const std::string& name) {
    NowSection(name);
    std::vector<std::string> lines;
    for (const std::string& key : keys_)
        lines.push_back(key + "=" + Data(key));

    IniText text = IniText::parse(readWhole(fileName_));
    text.replaceSection(nowSection_, std::move(lines));
    std::string rendered = text.render();
    auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(rendered.data()), rendered.size());
    if (fileName_.empty() || !host::sys::replaceFile(fileName_, bytes)) return false;
    isExist_ = true;
    return true;
}
