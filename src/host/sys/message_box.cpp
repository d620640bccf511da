#include "host/sys/message_box.h"

#include <stdexcept>

namespace host::sys {

void ScriptedMessageBoxes::ok(const std::string& text, const std::string& title) {
    shown_.push_back({text, title, false});
}

bool ScriptedMessageBoxes::yesNo(const std::string& text, const std::string& title) {
    shown_.push_back({text, title, true});
    if (answers_.empty()) throw std::logic_error("no scripted answer for \"" + text + "\"");
    bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

} // namespace host::sys
