#include "state/cls_data.h"
#include "state/owned_managers.h"

#include "host/runtime/runtime_error.h"

#include <functional>
#include <set>

namespace {

// The first name the catalogue does not know, or nullptr.
const std::string* firstUnknown(const std::set<std::string>& names,
                                const std::function<bool(const std::string&)>& known) {
    for (const std::string& name : names)
        if (!known(name)) return &name;
    return nullptr;
}

// Whether a catalogue lookup finds the name: it raises the missing-key error
// for a name it lacks.
bool found(const std::function<void()>& lookup) {
    try {
        lookup();
        return true;
    } catch (const host::runtime::RuntimeError& error) {
        if (error.number() == host::runtime::ErrorNumber::InvalidCall) return false;
        throw;
    }
}

} // namespace

std::string clsData::unknownSavedName() const {
    const clsMngStudent::SavedNames names = cMngStudent->savedNames();
    struct Check {
        const char* kind;
        const std::set<std::string>& names;
        std::function<bool(const std::string&)> known;
    };
    const Check checks[] = {
        {"授業", names.lessons, [this](const std::string& name) { return cMngClass->HasClass(name); }},
        {"アイテム", names.items, [this](const std::string& name) { return cMngItem->HasItem(name); }},
        {"陣形", names.formations,
         [this](const std::string& name) {
             return found([&] { static_cast<void>(cLines->GetLineData(name)); });
         }},
        {"クエスト", names.quests,
         [this](const std::string& name) {
             return found([&] { static_cast<void>(cSystem->GetQuestRank(name)); });
         }},
    };
    for (const Check& check : checks)
        if (const std::string* name = firstUnknown(check.names, check.known))
            return "「" + std::string(savePartLabel(SavePart::Student)) +
                   "」の部分が読めません: " + check.kind + "「" + *name + "」はありません";
    return "";
}
