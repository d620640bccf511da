#pragma once

#include "host/runtime/collection.h"
#include "host/runtime/variant.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

// An INI file held in memory. Section names and keys are matched without
// regard to letter case and keep the case they were read or written with.
// The owner selects a section with NowSection before using Data, IsData,
// DeleteData or Clear; nothing reaches the file until Save.
class CIniFile {
  public:
    // A settings file larger than this is far beyond what the game writes: it
    // is not read, loads as no section, and saving replaces it.
    static constexpr std::uintmax_t kFileCap = 1024 * 1024;

    // Reads the whole file (a game path); False when it has no section.
    // A section that appears twice is read as one, later keys winning; a line
    // with nothing before its "=" is skipped. Every load starts afresh: no
    // section selected, no keys listed.
    bool Load(const std::string& IniFileName);
    // Writes one section, or every section in order when Section is empty
    // (stopping at the first failure). The file is replaced as a whole; its
    // other sections are kept.
    bool Save(const std::string& Section);

    const std::string& NowSection() const { return nowSection_; }
    // Selects a section, creating it when missing.
    void NowSection(const std::string& NewSection);
    bool IsSection(const std::string& sSection) const;
    bool IsData(const std::string& Key) const;
    // Whether the section last selected existed already (or was saved).
    bool IsExist() const { return isExist_; }
    const host::runtime::Collection<std::string>& Sections() const { return sections_; }
    const host::runtime::Collection<std::string>& Keys() const { return keys_; }

    void DeleteData(const std::string& Key);
    void Clear();
    // "" for a missing key or section.
    std::string Data(const std::string& Key) const;
    // Replaces or adds the key, which moves to the end of its section.
    void Data(const std::string& Key, const std::string& NewData);
    // IniType 0 text (Default when blank), 1 Long, 2 Single, 3 Boolean (Default
    // when the text does not convert); any other type the text as it is.
    host::runtime::Variant InitData(const std::string& Key, std::int32_t IniType,
                                    const host::runtime::Variant& Default) const;

    static bool IsBool(std::string_view Str);
    static bool IsInt(std::string_view Str);
    static bool IsLng(std::string_view Str);
    static bool IsSng(std::string_view Str);

  private:
    // A key and its value kept apart, so that no byte of a file can make two
    // keys meet. A line without "=" is its own key and value and is neither
    // listed nor written back.
    struct Entry {
        std::string key;
        std::string value;
        bool listed = true;
    };
    using Entries = host::runtime::Collection<Entry>;

    Entries* sectionData(const std::string& name);
    const Entries* sectionData(const std::string& name) const;
    Entries& addSection(const std::string& name);
    bool saveSection(const std::string& name);

    std::string fileName_;
    host::runtime::Collection<std::string> sections_{host::runtime::KeyFold::IgnoreCase};
    std::unordered_map<std::string, Entries> data_;
    std::string nowSection_;
    host::runtime::Collection<std::string> keys_{host::runtime::KeyFold::IgnoreCase};
    bool isExist_ = false;
};
