#include "state/day/first_year.h"

#include "economy/item_codes.h"
#include "host/runtime/convert.h"
#include "platform/graphics/images.h"
#include "platform/masterdata/game_data_sections.h"
#include "state/day/day_support.h"
#include "state/state_support.h"
#include "students/abilities.h"

using host::runtime::CInt;
using host::runtime::CLng;

namespace {

// The school menu's part-time job and quest entries (clsData::CheckSchoolMenu).
constexpr std::int16_t kJobMenu = 6;
constexpr std::int16_t kQuestMenu = 7;
constexpr std::int16_t kQuestDay = 7;
constexpr std::int16_t kJobDay = 14;
constexpr std::int16_t kMostStudentsKept = 200;

} // namespace

HeadlessGame::HeadlessGame()
    : services_(installedServices, std::make_unique<SilentServices>()),
      images_(gImages, daytest::lessonPictures(SplitGameData(statetest::packedMasterData()))) {
    host_.attach(data_);
    data_.SetGameData(statetest::packedMasterData());
    data_.TestPlay();
}

FirstYearPlayer::FirstYearPlayer(HeadlessGame& game) : game_(game), data_(game.data()) {
    data_.Report.subscribe([this](std::string& MSG) { reports_.push_back(MSG); });
    data_.NewYear.subscribe([this] { newYearStudents_ = daytest::admitNewcomers(data_); });
    data_.DayEnd.subscribe([this] {
        if (managers(data_).system().GetMonth() == 3 && managers(data_).system().GetDay() == 27)
            abilitiesBeforeGraduation_ = abilitySums();
    });
}

void FirstYearPlayer::playYear() {
    firstStudents_ = daytest::admitNewcomers(data_);
    abilitiesAtStart_ = abilitySums();
    do {
        playDay();
    } while (!(managers(data_).system().GetMonth() == 4 && managers(data_).system().GetDay() == 1));
}

void FirstYearPlayer::playDay() {
    if (!hiredTeacher_) hireTeacher();
    // A quest on the first Saturday of the month and a job on the second:
    // more wears the students out.
    const std::int16_t day = managers(data_).system().GetDay();
    if (!enterTournament()) {
        if (day == kQuestDay) sendQuest();
        if (day == kJobDay) takeJob();
    }
    data_.DateForword(1);
    days_.push_back(
        {managers(data_).system().GetMonth(), managers(data_).system().GetDay(), data_.GetMoney()});
    checkInvariants();
}

// As the contract dialog: only when the money is there, paid, then contracted.
void FirstYearPlayer::hireTeacher() {
    if (!managers(data_).teachers().CheckIsMaxTeacher()) return;
    for (const clsGetGridData& row : managers(data_).teachers().GetNewComer()) {
        const std::string name = row.Data(1);
        const std::int32_t price = managers(data_).teachers().GetContractMoney(name);
        if (!managers(data_).system().IsEnough(price)) continue;
        if (!managers(data_).system().SubMoney(price)) return;
        managers(data_).teachers().SetContract(name);
        hiredTeacher_ = true;
        return;
    }
}

bool FirstYearPlayer::enterTournament() {
    if (!managers(data_).system().CheckBattleGameDay() || !data_.CheckSchoolMenu(kQuestMenu)) return false;
    const clsGetGridData tournament =
        managers(data_).lines().GetBattleGame(managers(data_).system().GetMonth(), data_.GetRankAsNumber());
    const std::vector<std::string> members = teamMembers(CInt(tournament.Data(2)));
    if (members.empty()) return false;
    sendTeam(members, tournament.Data(1));
    return true;
}

bool FirstYearPlayer::sendQuest() {
    if (!data_.CheckSchoolMenu(kQuestMenu)) return false;
    const host::runtime::Collection<clsGetGridData> open =
        managers(data_).system().GetQuest(managers(data_).students().GetQuest(), false, clsGetGridData{});
    for (const clsGetGridData& quest : open) {
        const std::vector<std::string> members = teamMembers(CInt(quest.Data(2)));
        if (members.empty()) continue;
        sendTeam(members, quest.Data(1));
        return true;
    }
    return false;
}

void FirstYearPlayer::takeJob() {
    if (!data_.CheckSchoolMenu(kJobMenu)) return;
    const host::runtime::Collection<clsGetGridData> jobs =
        managers(data_).arbeits().GetArbeitData(managers(data_).system().GetMonth());
    if (!jobs.empty()) managers(data_).arbeits().SetContractArbeit(jobs.item(1).Data(1));
}

std::vector<std::string> FirstYearPlayer::teamMembers(std::int16_t needPhysical) const {
    std::vector<std::string> members;
    for (const clsGetGridData& row : managers(data_).students().GetEnableUnitMember(needPhysical)) {
        members.push_back(row.Data(1));
        if (members.size() == clsUnitData::Positions) return members;
    }
    return {};
}

void FirstYearPlayer::sendTeam(const std::vector<std::string>& members, const std::string& quest) {
    clsUnitData team;
    for (std::size_t k = 0; k < members.size(); ++k)
        team.Lines(static_cast<std::int16_t>(k + 1), members[k]);
    team.LineName(managers(data_).lines().GetLineName("").item(1));
    team.QuestName(quest);
    managers(data_).students().SetQuest(team);
}

FirstYearPlayer::AbilitySums FirstYearPlayer::abilitySums() const {
    AbilitySums sums;
    for (std::int16_t n = 0; n < ability::kCount; ++n)
        for (const clsGetGridData& row : managers(data_).students().GetStudentAbility(n))
            sums[row.Data(0)] += CLng(row.Data(1));
    return sums;
}

void FirstYearPlayer::checkInvariants() {
    const std::string date = host::runtime::CStr(managers(data_).system().GetMonth()) + "/" +
                             host::runtime::CStr(managers(data_).system().GetDay()) + ": ";
    if (data_.GetMoney() < 0) broken_.push_back(date + "money below 0");
    if (data_.GetKingdomPoint() < 0) broken_.push_back(date + "kingdom points below 0");
    const long students = managers(data_).students().GetALLStudentName().count();
    if (students > kMostStudentsKept) broken_.push_back(date + "too many students");
    if (managers(data_).teachers().GetContractTeacherCount() > clsMngTeacher::MaxTeachers)
        broken_.push_back(date + "too many teachers");
    if (managers(data_).students().CheckQuest()) broken_.push_back(date + "a team stayed out overnight");
    if (managers(data_).arbeits().CheckArbeit()) broken_.push_back(date + "a job lasted overnight");
    for (const clsGetGridData& row : managers(data_).students().GetStudentData()) {
        const std::int16_t stage = CInt(row.Data(7));
        if (stage < 0 || stage > 4)
            broken_.push_back(date + row.Data(1) + ": dissatisfaction stage " + row.Data(7));
        if (CInt(row.Data(4)) < 0) broken_.push_back(date + row.Data(1) + ": physical below 0");
    }
    for (const clsGetGridData& row : managers(data_).items().GetHoldItemData()) {
        const std::int16_t held = CInt(row.Data(3));
        if (held < 1 || held > item_rule::kHoldCap)
            broken_.push_back(date + row.Data(1) + ": " + row.Data(3) + " held");
    }
}
