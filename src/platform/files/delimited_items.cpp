#include "platform/files/delimited_items.h"

namespace {

bool lineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Moves past one line end at pos, if there is one.
void skipLineEnd(std::string_view text, std::size_t& pos) {
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
}

} // namespace

std::vector<std::string> delimitedItems(std::string_view text) {
    std::vector<std::string> items;
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
        std::string item;
        if (pos < text.size() && text[pos] == '"') {
            std::size_t close = text.find('"', pos + 1);
            if (close == std::string_view::npos) close = text.size();
            item = text.substr(pos + 1, close - pos - 1);
            pos = close + 1;
            while (pos < text.size() && text[pos] != ',' && !lineEnd(text[pos]))
                ++pos;
        } else {
            std::size_t start = pos;
            while (pos < text.size() && text[pos] != ',' && !lineEnd(text[pos]))
                ++pos;
            item = text.substr(start, pos - start);
            std::size_t last = item.find_last_not_of(' ');
            item.erase(last == std::string::npos ? 0 : last + 1);
        }
        items.push_back(std::move(item));
        if (pos >= text.size()) break;
        if (text[pos] == ',') {
            ++pos;
            // A comma at the end of a line still ends an (empty) item.
            if (pos >= text.size() || lineEnd(text[pos])) {
                items.emplace_back();
                skipLineEnd(text, pos);
            }
        } else {
            skipLineEnd(text, pos);
        }
    }
    return items;
}
