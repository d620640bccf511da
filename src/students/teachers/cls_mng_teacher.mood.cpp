// Teachers' dissatisfaction: the load of a lesson day, rest, bonuses and the
// monthly resignation check.
#include "students/teachers/cls_mng_teacher.h"

#include "host/runtime/convert.h"
#include "host/runtime/saturate.h"
#include "platform/rules/mdl_zrd_func.h"
#include "students/dissatisfaction.h"

#include <algorithm>

using host::runtime::Collection;
using mdlZRDFunc::RandomInt;

namespace {

struct Bonus {
    const char* cost;
    const char* word;
    std::int16_t relief;
};
constexpr Bonus kBonuses[] = {
    {"1000", "極小", 5}, {"2000", "小", 10}, {"4000", "普通", 20}, {"8000", "大", 50}, {"15000", "極大", 100},
};

// The rise of a day on which a teacher gave that many periods.
std::int16_t loadOf(std::int16_t periods) {
    switch (periods) {
    case 5:
        return RandomInt(3, 5);
    case 6:
        return RandomInt(5, 7);
    case 7:
        return RandomInt(7, 11);
    case 8:
        return RandomInt(10, 14);
    default:
        return 0;
    }
}

} // namespace

void clsMngTeacher::InitBonusTable() {
    for (const Bonus& bonus : kBonuses) {
        clsGetGridData row;
        row.SetCols(2);
        row.Data(0, "0");
        row.Data(1, bonus.cost);
        row.Data(2, bonus.word);
        bonus_.add(std::move(row));
    }
}

void clsMngTeacher::ChangeDissatisfaction(clsPassageData& entry, Change mode, std::int64_t amount) {
    const std::int64_t value = entry.Dissatisfaction() + (mode == Change::Add ? amount : -amount);
    entry.Dissatisfaction(
        static_cast<std::int16_t>(std::clamp<std::int64_t>(value, 0, dissatisfaction::kMax)));
}

std::int16_t clsMngTeacher::SetTeacherBonus(const std::string& name, const std::string& word) {
    clsPassageData& entry = contracts_.item(name);
    for (const Bonus& bonus : kBonuses)
        if (word == bonus.word) ChangeDissatisfaction(entry, Change::Subtract, bonus.relief);
    return dissatisfaction::stage(entry.Dissatisfaction());
}

void clsMngTeacher::Retirement() {
    // Reports may pump messages: go by name, never hold an entry across one.
    for (const std::string& name : contractNames()) {
        const clsPassageData* entry = contracts_.find(name);
        if (!entry) continue;
        const std::int16_t d = entry->Dissatisfaction();
        if (d <= 50) continue;
        bool resigns = false;
        if (d >= 90)
            resigns = RandomInt(0, 100) > 75;
        else if (d >= 75)
            resigns = RandomInt(0, 100) > 90;
        if (resigns) {
            contracts_.remove(name);
            say(name + "が退職しました");
        } else {
            say(name + "の不満が高まっています");
        }
    }
}

void clsMngTeacher::TeacherHealing(bool hasFacultyOffice) {
    for (clsPassageData& entry : contracts_)
        ChangeDissatisfaction(entry, Change::Subtract, hasFacultyOffice ? 8 : 2);
}

void clsMngTeacher::SetTeacherDissatisfaction(const Collection<clsGetGridData>& rows) {
    for (const clsGetGridData& row : rows) {
        clsPassageData& entry = contracts_.item(row.Data(0));
        ChangeDissatisfaction(entry, Change::Add, loadOf(host::runtime::CInt(row.Data(1))));
    }
}

Collection<clsGetGridData> clsMngTeacher::GetTeacherDissatisfaction() const {
    Collection<clsGetGridData> rows;
    for (const clsPassageData& entry : contracts_) {
        clsGetGridData row;
        row.SetCols(1);
        row.Data(0, entry.Name());
        row.Data(1, "0");
        rows.add(std::move(row), entry.Name());
    }
    return rows;
}
