#include "state/cls_data.h"

#include "state/owned_managers.h"

#include "platform/masterdata/game_data_sections.h"

void clsData::SetGameData(const std::vector<std::uint8_t>& arrByt) {
    namespace S = GameDataSection;
    const GameDataSections data = SplitGameData(arrByt);
    const auto& section = data.section;
    cSystem->SetName(section[S::StudentNames]);
    cFixTeacherData->SetData(data.compatibilityTables());
    cMngStudent->SetGrowth(section[S::Growth]);
    cLines->SetSkillData(section[S::Skills]);
    cLines->SetLines(section[S::Formations]);
    cLines->SetLineSkills(section[S::FormationSkills]);
    cLines->SetLineDatas(section[S::FormationPositions]);
    cMngTeacher->SetTeacherData(section[S::Teachers]);
    cMngClass->SetData(section[S::Lessons]);
    cMngArbeit->SetArbeit(section[S::PartTimeJobs]);
    cMngCountry->SetCountry(section[S::TrainingCamps]);
    cMngScout->SetScout(section[S::Scouts]);
    cMngItem->SetItemData(section[S::Items]);
    cMngItem->SetRecipe(section[S::Recipes]);
    cMngCompany->SetCompanyData(section[S::Companies]);
    cMngCompany->SetSponsorData(section[S::Sponsors]);
    cLines->SetSchool(section[S::RivalSchools]);
    cSystem->SetConstruction(section[S::Constructions]);
    cSystem->SetClassroom(section[S::Classrooms]);
    cSystem->SetFacilities(section[S::Facilities]);
    cSystem->SetSchoolConstruct(section[S::SchoolBuildings]);
    cLines->SetMonster(section[S::Monsters]);
    cSystem->SetQuest(section[S::Quests]);
    cLines->SetMonsterSkill(section[S::MonsterSkills]);
    cMngItem->SetItemShopData(section[S::ItemShop]);
    cSystem->SetPermit(section[S::Permits]);
    cMngItem->SetTicket(section[S::TicketPrizes]);
    cLines->SetRegulation(section[S::TournamentRules]);
    cLines->SetPrize(section[S::TournamentPrizes]);
    BattleEffectData = section[S::BattleEffects];
}
