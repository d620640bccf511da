#include "students/teachers/cls_mng_teacher.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/saturate.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"
#include "platform/rules/mdl_zrd_func.h"

#include <algorithm>
#include <vector>

using host::runtime::Collection;

namespace {

constexpr long kOffers = 4;
constexpr std::int16_t kRetirementAge = 60;

struct StartingTeacher {
    const char* name;
    std::int16_t age;
};
constexpr StartingTeacher kStartingTeachers[] = {{"シオドア", 32}, {"マリオン", 54}, {"ロスコウ", 57}};

// One saved list: a line per entry, "name:age:period:dissatisfaction"; an
// offer keeps name and age only.
Collection<clsPassageData> listFromText(const std::string& text, bool contracted) {
    using host::runtime::CInt;
    const std::size_t fields = contracted ? 4 : 2;
    Collection<clsPassageData> list;
    if (text.empty()) return list;
    for (const std::string& line : host::runtime::Split(text, "\r\n")) {
        const auto f = host::runtime::SplitFields(line, ":", fields, "teacher save line");
        clsPassageData entry;
        entry.Name(host::text::toWide(f[0]));
        entry.Age(CInt(std::string_view(f[1])));
        if (contracted) {
            entry.Period(CInt(std::string_view(f[2])));
            entry.Dissatisfaction(CInt(std::string_view(f[3])));
        }
        std::string key = entry.Name();
        list.add(std::move(entry), std::move(key));
    }
    return list;
}

} // namespace

clsMngTeacher::clsMngTeacher() {
    InitBonusTable();
}

void clsMngTeacher::SetDataInit() {
    contracts_.clear();
    offers_.clear();
}

void clsMngTeacher::SetSaveData(std::string_view text) {
    const auto parts = host::runtime::Split(text, "/");
    if (parts.size() < 2)
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::SubscriptOutOfRange,
                                          "teacher save text has no \"/\"");
    Collection<clsPassageData> offers = listFromText(parts[0], false);
    Collection<clsPassageData> contracts = listFromText(parts[1], true);
    // A teacher the catalogue does not hold would fail the next screen.
    for (const auto* list : {&offers, &contracts})
        for (const clsPassageData& entry : *list)
            if (!catalogue_.contains(entry.Name()))
                throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall,
                                                  "saved teacher \"" + entry.Name() +
                                                      "\" is not in the catalogue");
    offers_ = std::move(offers);
    contracts_ = std::move(contracts);
}

std::string clsMngTeacher::GetSaveData() const {
    return mdlZRDFunc::GetPassageText(offers_, ":") + "/" + mdlZRDFunc::GetPassageText(contracts_, ":");
}

std::int32_t clsMngTeacher::GetContractMoney(const std::string& name) const {
    const clsTeacherData& teacher = GetTeacher(name);
    return host::runtime::saturate32(std::int64_t{teacher.Salary()} * teacher.Period());
}

void clsMngTeacher::SetCanceled(const std::string& name) {
    contracts_.remove(name);
}

void clsMngTeacher::SetContract(const std::string& name) {
    const clsTeacherData& teacher = GetTeacher(name);
    const clsPassageData& offer = offers_.item(name);
    clsPassageData entry;
    entry.Name(teacher.Name());
    entry.Age(offer.Age());
    entry.Period(teacher.Period());
    contracts_.add(std::move(entry), teacher.Name());
    offers_.remove(name);
}

void clsMngTeacher::SetContractContinue(const std::string& name) {
    clsPassageData& entry = contracts_.item(name);
    entry.Period(GetTeacher(name).Period());
}

void clsMngTeacher::SetNewComer(bool isApril) {
    offers_.clear();
    if (isApril) YearlyContractPassage();
    long free = 0;
    for (const clsTeacherData& teacher : catalogue_)
        if (IsFreeContractName(teacher.Name()) && IsFreeNewComerName(teacher.Name())) ++free;
    const long wanted = offers_.count() + std::min(kOffers, free);
    // Draw over the whole catalogue and redraw a teacher who is not free, so
    // every free teacher keeps the same odds.
    const std::int16_t last = host::runtime::saturate16(std::int64_t{catalogue_.count()} - 1);
    while (offers_.count() < wanted) {
        const clsTeacherData& teacher = catalogue_.item(long{mdlZRDFunc::RandomInt(0, last)} + 1);
        if (IsFreeContractName(teacher.Name()) && IsFreeNewComerName(teacher.Name()))
            addOffer(teacher.Name(), teacher.Age());
    }
}

void clsMngTeacher::SetTeacherData(std::string_view text) {
    for (const std::string& line : host::runtime::Split(text, "\r\n")) {
        if (line.empty()) continue;
        clsTeacherData teacher;
        teacher.SetData(line);
        std::string key = teacher.Name();
        catalogue_.addNamed(std::move(teacher), std::move(key), "teacher");
    }
}

void clsMngTeacher::SetInitTeacher() {
    for (const auto& start : kStartingTeachers)
        GetTeacher(start.name);
    for (const auto& start : kStartingTeachers)
        addOffer(start.name, start.age);
    for (const auto& start : kStartingTeachers)
        SetContract(start.name);
}

void clsMngTeacher::YearlyContractPassage() {
    // Reports may pump messages: go by name, never hold an entry across one.
    for (const std::string& name : contractNames()) {
        clsPassageData* entry = contracts_.find(name);
        if (!entry) continue;
        entry->Age(host::runtime::saturate16(std::int64_t{entry->Age()} + 1));
        entry->Period(host::runtime::saturate16(std::int64_t{entry->Period()} - 1));
        if (entry->Period() != 0) continue;
        const std::int16_t age = entry->Age();
        contracts_.remove(name);
        if (age > kRetirementAge) {
            say(name + "は引退しました");
        } else {
            addOffer(name, age);
            say(name + "との契約が終了しました");
            say("4月の間は「契約」から再び契約できます");
        }
    }
}

std::vector<std::string> clsMngTeacher::contractNames() const {
    std::vector<std::string> names;
    for (const clsPassageData& entry : contracts_)
        names.push_back(entry.Name());
    return names;
}

void clsMngTeacher::addOffer(const std::string& name, std::int16_t age) {
    clsPassageData entry;
    entry.Name(name);
    entry.Age(age);
    offers_.add(std::move(entry), name);
}

void clsMngTeacher::say(std::string text) {
    Report.raise(text);
}
