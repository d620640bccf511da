#include "platform/settings/ini_text.h"

#include "host/text/case.h"

namespace {

bool sameName(std::string_view a, std::string_view b) {
    return host::text::LCase(a) == host::text::LCase(b);
}

} // namespace

std::string trimBlank(std::string_view text) {
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return "";
    std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

IniText IniText::parse(std::string_view text) {
    IniText ini;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        std::string_view line =
            text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        pos = end == std::string_view::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        std::string trimmed = trimBlank(line);
        std::size_t close = trimmed.find(']');
        if (!trimmed.empty() && trimmed.front() == '[' && close != std::string::npos) {
            ini.blocks.push_back({trimBlank(std::string_view(trimmed).substr(1, close - 1)), {}});
        } else if (ini.blocks.empty()) {
            ini.preamble.emplace_back(line);
        } else {
            ini.blocks.back().lines.emplace_back(line);
        }
    }
    return ini;
}

void IniText::replaceSection(const std::string& name, std::vector<std::string> lines) {
    bool placed = false;
    for (auto it = blocks.begin(); it != blocks.end();) {
        if (!sameName(it->name, name)) {
            ++it;
        } else if (placed) {
            it = blocks.erase(it);
        } else {
            it->name = name;
            it->lines = std::move(lines);
            placed = true;
            ++it;
        }
    }
    if (!placed) blocks.push_back({name, std::move(lines)});
}

std::string IniText::render() const {
    std::string out;
    for (const auto& line : preamble)
        out += line + "\r\n";
    for (const auto& block : blocks) {
        out += "[" + block.name + "]\r\n";
        for (const auto& line : block.lines)
            out += line + "\r\n";
    }
    return out;
}
