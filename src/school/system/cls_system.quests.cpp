#include "school/system/cls_system.h"

#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"
#include "platform/rules/mdl_zrd_func.h"
#include "school/quests/monster_regions.h"

#include <utility>
#include <vector>

using host::runtime::CInt;
using host::runtime::Collection;
using host::runtime::CStr;
using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

void clsSystem::SetQuest(std::string_view strData) {
    for (const std::string& line : host::runtime::Split(strData, "\r\n")) {
        if (line.empty()) continue;
        clsQuest quest;
        quest.SetData(line);
        std::string key = quest.QuestName();
        Quests.addNamed(std::move(quest), std::move(key), "quest");
    }
}

Collection<clsGetGridData> clsSystem::GetQuest(const Collection<clsGetGridData>& clContractQuest,
                                               bool BattleGameFLG, const clsGetGridData& cBattleGame) const {
    Collection<clsGetGridData> rows;
    if (BattleGameFLG) rows.add(cBattleGame);
    const std::int16_t rank = GetRankAsNumber();
    for (const clsQuest& quest : Quests) {
        if (quest.Once() && quest.Count() != 0) continue;
        if (quest.Rank() > rank) continue;
        if (!quest.openInMonth(KingdomMonth)) continue;
        if (quest.TargetID() != 0 && !IsQuestCountReached(quest.TargetID(), quest.TargetCount())) continue;
        bool sent = false;
        for (const clsGetGridData& team : clContractQuest)
            sent = sent || team.Data(0) == quest.QuestName();
        if (sent) continue;
        clsGetGridData row;
        row.SetCols(4);
        row.Data(0, "0");
        row.Data(1, quest.QuestName());
        row.Data(2, CStr(mdlZRDFunc::CalcLevelValue(quest.Rank())));
        row.Data(3, CStr(quest.Money()));
        row.Data(4, CStr(quest.Point()));
        rows.add(std::move(row));
    }
    return rows;
}

const std::string& clsSystem::GetQuestTips(const std::string& QuestName) const {
    return Quests.item(QuestName).Tips();
}

std::int16_t clsSystem::GetQuestRank(const std::string& QuestName) const {
    return Quests.item(QuestName).Rank();
}

const std::string& clsSystem::GetQuestImageName(const std::string& QuestName) const {
    return Quests.item(QuestName).Image();
}

bool clsSystem::GetQuestBattle(const std::string& QuestName) const {
    const clsQuest& quest = Quests.item(QuestName);
    return quest.Battle() >= mdlZRDFunc::RandomInt(0, 100);
}

std::string clsSystem::GetMonsterNameFromQuest(const std::string& QuestName) const {
    const std::string& monster = Quests.item(QuestName).Monster();
    const MonsterRegions::Region* region = MonsterRegions::findRegion(monster);
    if (!region) return monster;
    const std::int16_t index = mdlZRDFunc::RandomInt(region->first, region->last);
    return std::string(MonsterRegions::MonsterNames[static_cast<std::size_t>(index)]);
}

void clsSystem::SetQuestSuccess(const std::string& QuestName) {
    clsQuest& quest = Quests.item(QuestName);
    quest.AddCount();
    AddMoney(quest.Money());
    AddKingdomPoint(quest.Point());
}

std::string clsSystem::GetQuestSaveData() const {
    std::vector<std::string> ids;
    std::vector<std::string> counts;
    for (const clsQuest& quest : Quests) {
        ids.push_back(CStr(quest.ID()));
        counts.push_back(CStr(quest.Count()));
    }
    return host::runtime::Join(ids, ":") + "\r\n" + host::runtime::Join(counts, ":");
}

void clsSystem::SetQuestSaveData(std::string_view strData) {
    const auto lines = host::runtime::Split(strData, "\r\n");
    if (lines.size() < 2)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "quest counts \"" + std::string(strData) + "\"");
    const auto ids = host::runtime::Split(lines[0], ":");
    const auto counts = host::runtime::Split(lines[1], ":");
    if (counts.size() < ids.size())
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange, "fewer quest counts than quest IDs");
    // Every pair is read before any count changes.
    std::vector<std::pair<std::int16_t, std::int16_t>> saved;
    for (std::size_t i = 0; i < ids.size(); ++i)
        saved.emplace_back(CInt(ids[i]), CInt(counts[i]));
    for (const auto& [id, count] : saved)
        if (clsQuest* quest = firstQuest(id)) quest->SetSaveData(count);
}

std::int16_t clsSystem::GetQuestCount(std::int16_t ID) const {
    const clsQuest* quest = firstQuest(ID);
    return quest ? quest->Count() : 0;
}

void clsSystem::ClearQuestCount(std::int16_t ID) {
    if (clsQuest* quest = firstQuest(ID)) quest->CountClear();
}

bool clsSystem::IsQuestCountReached(std::int16_t ID, std::int16_t count) const {
    const clsQuest* quest = firstQuest(ID);
    return quest && quest->Count() >= count;
}

void clsSystem::ResetMonthlyQuests() {
    for (clsQuest& quest : Quests) {
        if (quest.Reset()) quest.CountClear();
        if (quest.TargetID() <= 0) continue;
        const std::int16_t monthAfter =
            quest.EndMonth() == 12 ? std::int16_t{1} : static_cast<std::int16_t>(quest.EndMonth() + 1);
        if (KingdomMonth == monthAfter && GetQuestCount(quest.TargetID()) >= quest.TargetCount())
            ClearQuestCount(quest.TargetID());
    }
}

const clsQuest* clsSystem::firstQuest(std::int16_t ID) const {
    for (const clsQuest& quest : Quests)
        if (quest.ID() == ID) return &quest;
    return nullptr;
}

clsQuest* clsSystem::firstQuest(std::int16_t ID) {
    return const_cast<clsQuest*>(std::as_const(*this).firstQuest(ID));
}
