#include "state/cls_data.h"

#include "state/game_host.h"
#include "state/owned_managers.h"

#include "battle/battle_codes.h"
#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "platform/rules/mdl_zrd_func.h"
#include "platform/services/game_services.h"
#include "platform/sound/sound_names.h"
#include "students/student/cls_student.h"

using host::runtime::CInt;
using host::runtime::CLng;
using host::runtime::CStr;

namespace {

// The quest that succeeds only by a won fight.
constexpr const char* kFugueQuest = "幻獣遁走曲";
constexpr std::int16_t kQuestDissatisfaction = 10;
// Out of RandomInt(0, 100): a job's find below 20, a monster's drop below 25,
// its ordinary item above 19 (else the rare one).
constexpr std::int16_t kJobFindBelow = 20;
constexpr std::int16_t kDropBelow = 25;
constexpr std::int16_t kOrdinaryDropAbove = 19;

bool isTournamentTeam(const clsUnitData& team) {
    return host::runtime::Like(team.QuestName(), "*王国大会");
}

} // namespace

void clsData::ProcessDayEvents() {
    if (cMngArbeit->CheckArbeit()) runPartTimeJob();
    if (!cMngStudent->CheckQuest()) return;

    cMngStudent->CalcDissatisfaction(clsStudent::CalcAdd, kQuestDissatisfaction);
    // Copies: a battle lets the window's messages flow.
    std::vector<clsUnitData> teams;
    for (const clsUnitData& team : cMngStudent->GetQuestData())
        teams.push_back(team);
    for (const clsUnitData& team : teams)
        if (isTournamentTeam(team)) runTournament(team);
    for (const clsUnitData& team : teams)
        if (!isTournamentTeam(team)) runQuest(team);
    cMngStudent->SetQuestClear();
}

void clsData::runPartTimeJob() {
    std::string message = cMngArbeit->GetContractArbeit() + "のアルバイトをしました";
    Report.raise(message);
    const clsGetGridData effect = cMngArbeit->GetArbeitEffect(cSystem->GetMonth());
    cMngStudent->DirectEffect(CInt(effect.Data(0)), CLng(effect.Data(1)), CInt(effect.Data(2)),
                              CInt(effect.Data(3)));
    cSystem->AddMoney(CLng(effect.Data(4)));
    cSystem->AddKingdomPoint(CLng(effect.Data(5)));
    if (mdlZRDFunc::RandomInt(0, 100) < kJobFindBelow) {
        const std::string item = cMngArbeit->GetItem();
        std::string found = "アルバイト中に" + item + "を一つ見つけました";
        Report.raise(found);
        cMngItem->ItemAdd(item, 1);
    }
    cMngArbeit->ArbeitClear();
}

void clsData::wearTeamItem(const clsUnitData& team) {
    if (team.ItemName().empty()) return;
    std::int16_t wear = 0;
    cMngItem->ItemDamage(team.ItemName(), wear);
}

void clsData::runTournament(const clsUnitData& team) {
    Services().SoundPlay(sound_name::kTournament);
    host::runtime::Collection<std::shared_ptr<clsUnit>> units;
    std::shared_ptr<clsUnit> academy = CreateSchoolUnit(team);
    units.add(academy, academy->GetUnitName());
    const std::int16_t rank = cSystem->GetRankAsNumber();
    const std::int16_t month = cSystem->GetMonth();
    cLines->SetSchoolUnit(rank, units, month);
    std::int16_t recover = 0;
    const clsBattleRegulation regulation = cLines->GetBattleRegulation(month, rank, recover);
    Host.SetBattleGame(regulation, units, recover);

    const std::string place = WinnerUnit;
    cSystem->AddBattlePoint(CInt(place));
    if (place != tournament::kPlaceWon) {
        std::string lost = "残念ながら、負けてしまいました";
        Report.raise(lost);
        cMngStudent->SetQuestFailed(team, rank);
    } else {
        std::string won = "おめでとうございます、大会で優勝しました!";
        Report.raise(won);
        const clsGetGridData prize = cLines->GetBattleVictory(rank);
        std::string paid = "賞金" + prize.Data(0) + "エニスと" + prize.Data(1) + "王国ポイントを貰いました";
        Report.raise(paid);
        cSystem->AddMoney(CLng(prize.Data(0)));
        Services().SoundPlay(sound_name::kCoin);
        cSystem->AddKingdomPoint(CLng(prize.Data(1)));
        cMngStudent->SetQuestSuccess(team, cLines->GetQuestMemberLineData(team), month, rank);
    }
    wearTeamItem(team);
    Services().BGMStop();
}

void clsData::runQuest(const clsUnitData& team) {
    const std::string& quest = team.QuestName();
    for (std::string line :
         {team.Lines(1) + "をリーダーとするチームは「" + quest + "」の依頼を実行しています", std::string("…"),
          std::string("……"), std::string("………")})
        Report.raise(line);

    const bool battle = cSystem->GetQuestBattle(quest);
    bool won = false;
    std::string monster;
    if (battle) {
        std::string met = "敵に遭遇した!";
        Report.raise(met);
        const std::shared_ptr<clsUnit> academy = CreateSchoolUnit(team);
        const std::shared_ptr<clsUnit> enemy = CreateMonsterUnit(quest);
        monster = enemy->GetUnitName();
        Services().SoundPlay(clsLines::GetBattleBGMName(monster));
        clsBattleRegulation regulation = cLines->GetRegulation(monster, cSystem->GetQuestRank(quest));
        Host.QuestBattle(regulation, *academy, *enemy, cSystem->GetQuestImageName(quest));
        won = WinnerUnit == AcademyUnitName;
        if (won && mdlZRDFunc::RandomInt(0, 100) < kDropBelow) {
            const std::int16_t kind = mdlZRDFunc::RandomInt(0, 100);
            const std::string item = kind > kOrdinaryDropAbove ? cLines->GetMonsterItem(monster)
                                                               : cLines->GetMonsterRheaItem(monster);
            std::string dropped = item + "を敵から一つ手に入れた";
            Report.raise(dropped);
            cMngItem->ItemAdd(item, 1);
        }
        Services().BGMStop();
    }

    const bool success = quest == kFugueQuest ? battle && won : !battle || won;
    if (battle) wearTeamItem(team);
    const std::int16_t rank = cSystem->GetQuestRank(quest);
    if (success) {
        std::string done = "依頼に成功した";
        Report.raise(done);
        cSystem->SetQuestSuccess(quest);
        Services().SoundPlay(sound_name::kCoin);
        if (battle) cLines->MonsterWin(monster);
        cMngStudent->SetQuestSuccess(team, cLines->GetQuestMemberLineData(team), cSystem->GetMonth(), rank);
    } else {
        std::string failed = "依頼に失敗した";
        Report.raise(failed);
        cMngStudent->SetQuestFailed(team, rank);
    }
}
