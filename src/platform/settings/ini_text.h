#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text of an INI file as blocks: the lines before the first section,
// then each section header with the lines under it, kept as they are so that
// rewriting one section leaves the rest of the file alone.
struct IniText {
    struct Block {
        std::string name; // trimmed text between "[" and "]"
        std::vector<std::string> lines;
    };
    std::vector<std::string> preamble;
    std::vector<Block> blocks;

    static IniText parse(std::string_view text);
    // Puts the lines under the first section of that name (letter case
    // ignored), dropping any later section of the same name; a missing
    // section is added at the end.
    void replaceSection(const std::string& name, std::vector<std::string> lines);
    // Lines end with CR LF.
    std::string render() const;
};

// Spaces and tabs removed from both ends.
std::string trimBlank(std::string_view text);
