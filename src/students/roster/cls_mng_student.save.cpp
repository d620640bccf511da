#include "students/roster/cls_mng_student.h"

#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"

#include <vector>

namespace {

constexpr int kSections = 5;
constexpr const char* kNoData = "nodata";

template <class Range, class Text> std::string joinLines(const Range& range, Text text) {
    std::vector<std::string> lines;
    for (const auto& entry : range)
        lines.push_back(text(entry));
    return host::runtime::Join(lines, "\r\n");
}

} // namespace

std::string clsMngStudent::GetSaveData() const {
    return host::runtime::Join({GetStudentSaveData(), GetGraduateSaveData(), GetUnitSaveData(),
                                GetTimetableSaveData(), GetQuestTeamSaveData()},
                               "/");
}

void clsMngStudent::SetSaveData(std::string_view sData) {
    using host::runtime::Split;
    const auto sections = host::runtime::SplitFields(sData, "/", kSections, "student save text", kSections);

    // Everything is read into new records first; the manager changes only
    // once the whole text has been read.
    StudentList students;
    for (const auto& line : Split(sections[0], "\r\n")) {
        auto student = attach(std::make_unique<clsStudent>());
        student->SetSaveData(line);
        const std::string name = student->Name();
        students.add(std::move(student), name);
    }

    host::runtime::Collection<clsGraduate> graduates;
    for (const auto& line : Split(sections[1], "\r\n")) {
        clsGraduate graduate;
        graduate.SetSaveData(line);
        const std::string name = graduate.Name();
        graduates.add(std::move(graduate), name);
    }

    const auto unitLines =
        host::runtime::SplitFields(sections[2], "\r\n", SavedTeams, "saved-team section", SavedTeams);
    std::array<clsUnitData, SavedTeams> units;
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i].SetSaveData(unitLines[i]);

    std::array<clsClassSchedule, clsMngSchedule::SlotCount> slots;
    const auto slotLines = Split(sections[3], "\r\n");
    if (slotLines.size() != slots.size())
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::InvalidCall,
                                          "the timetable has " + std::to_string(slotLines.size()) +
                                              " lines, not " + std::to_string(slots.size()));
    for (std::size_t i = 0; i < slotLines.size(); ++i) {
        slots[i].SetSaveData(slotLines[i]);
        // Each line names its own weekday and period; the screens rely on them.
        const auto weekday = static_cast<std::int16_t>(i / clsMngSchedule::Periods + 1);
        const auto period = static_cast<std::int16_t>(i % clsMngSchedule::Periods + 1);
        if (slots[i].DayofWeek() != weekday || slots[i].Number() != period)
            throw host::runtime::RuntimeError(
                host::runtime::ErrorNumber::InvalidCall,
                "timetable line " + std::to_string(i + 1) + " \"" + slotLines[i] + "\" is not weekday " +
                    std::to_string(weekday) + ", period " + std::to_string(period));
    }

    host::runtime::Collection<clsUnitData> questTeams;
    if (!host::runtime::Like(sections[4], "noda*")) {
        for (const auto& line : Split(sections[4], "\r\n")) {
            clsUnitData team;
            team.SetSaveData(line);
            const std::string quest = team.QuestName();
            questTeams.add(std::move(team), quest);
        }
    }

    current_ = placeholder_.get();
    students_ = std::move(students);
    graduates_ = std::move(graduates);
    units_ = std::move(units);
    for (std::size_t i = 0; i < slots.size(); ++i)
        *schedule_[i] = std::move(slots[i]);
    questTeams_ = std::move(questTeams);
}

clsMngStudent::SavedNames clsMngStudent::savedNames() const {
    SavedNames names;
    const auto addNonEmpty = [](std::set<std::string>& to, const std::string& name) {
        if (!name.empty()) to.insert(name);
    };
    const auto addSlot = [&](const clsClassSchedule& slot) {
        addNonEmpty(names.lessons, slot.ClassName());
        addNonEmpty(names.items, slot.UseItem());
    };
    for (const auto& slot : schedule_)
        addSlot(*slot);
    for (const auto& student : students_)
        for (std::int16_t day = 1; day <= clsMngSchedule::Weekdays; ++day)
            for (std::int16_t period = 1; period <= clsMngSchedule::Periods; ++period)
                addSlot(*student->GetClassSchedule(day, period));
    const auto addTeam = [&](const clsUnitData& team) {
        addNonEmpty(names.formations, team.LineName());
        addNonEmpty(names.items, team.ItemName());
    };
    for (const clsUnitData& unit : units_)
        addTeam(unit);
    for (const clsUnitData& team : questTeams_) {
        addTeam(team);
        addNonEmpty(names.quests, team.QuestName());
    }
    return names;
}

std::string clsMngStudent::GetStudentSaveData() const {
    return joinLines(students_, [](const auto& student) { return student->GetSaveData(); });
}

std::string clsMngStudent::GetGraduateSaveData() const {
    return joinLines(graduates_, [](const clsGraduate& graduate) { return graduate.GetSaveData(); });
}

std::string clsMngStudent::GetUnitSaveData() const {
    return joinLines(units_, [](const clsUnitData& unit) { return unit.GetSaveData(); });
}

std::string clsMngStudent::GetTimetableSaveData() const {
    return joinLines(schedule_, [](const auto& slot) { return slot->GetSaveData(); });
}

std::string clsMngStudent::GetQuestTeamSaveData() const {
    if (questTeams_.empty()) return kNoData;
    return joinLines(questTeams_, [](const clsUnitData& team) { return team.GetSaveData(); });
}
