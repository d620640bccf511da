#include "school/system/cls_system.h"
#include "platform/browser/browser_table.h"
#include "platform/rules/mdl_zrd_func.h"

namespace {

constexpr browser::Column kQuestColumns[] = {
    {"名前", 1500},  {"ランク", 600}, {"報酬", 600}, {"王国pt", 600},
    {"開始月", 600}, {"終了月", 600}, {"条件", 600},
};

} // namespace

host::runtime::Collection<clsGetGridData> clsSystem::GetGameDataHeader() const {
    return browser::columnSet(kQuestColumns, false);
}

host::runtime::Collection<clsGetGridData> clsSystem::GetGameData() const {
    browser::Rows rows;
    for (const clsQuest& quest : Quests) {
        clsGetGridData row = browser::newRow(std::size(kQuestColumns));
        row.Data(0, quest.QuestName());
        row.Data(1, mdlZRDFunc::GetRankName(quest.Rank()));
        row.Data(2, std::to_string(quest.Money()));
        row.Data(3, std::to_string(quest.Point()));
        row.Data(4, std::to_string(quest.StartMonth()));
        row.Data(5, std::to_string(quest.EndMonth()));
        row.Data(6, quest.TargetID() > 0 ? "あり" : "なし");
        rows.add(std::move(row));
    }
    return rows;
}
