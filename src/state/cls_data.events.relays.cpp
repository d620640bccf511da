#include "state/cls_data.h"

#include "state/game_host.h"
#include "state/owned_managers.h"

#include "economy/companies/company_codes.h"
#include "economy/companies/share_price_day.h"
#include "platform/services/game_services.h"
#include "platform/sound/sound_names.h"

// The managers' events that reach the main form unchanged, as the facade's own.
void clsData::subscribeRelays() {
    auto report = [this](std::string& MSG) { Report.raise(MSG); };
    cMngScout->Report.subscribe(report);
    cMngTeacher->Report.subscribe(report);
    cMngItem->ItemBroken.subscribe(report);
    cMngItem->Report.subscribe(report);
    cSystem->DateChenge.subscribe([this](clsDateDetails& DateDetails) { DateChenge.raise(DateDetails); });
    cSystem->Report.subscribe(report);
    cSystem->NewYear.subscribe([this] { NewYear.raise(); });
    cSystem->SchoolScaleUp.subscribe([this](std::string& ImageName) { SchoolScaleUp.raise(ImageName); });
    cSystem->StatusRefresh.subscribe([this] { StatusRefresh.raise(); });
    cSystem->Ending.subscribe([this] { Ending.raise(); });
    cSystem->Ending2.subscribe([this] { Ending2.raise(); });
    cMngStudent->Report.subscribe(report);
    cMngCompany->Report.subscribe(report);
}

void clsData::subscribeDayEngine() {
    cMngStudent->setStudyInfoProvider(&studyInfo_);
    cMngStudent->ClassImage.subscribe([this](std::string& name) { cMngStudent_ClassImage(name); });
    cMngStudent->UseClassItem.subscribe([this](std::string& item) { cMngStudent_UseClassItem(item); });
    cSystem->StockPriceChange.subscribe([this] { cSystem_StockPriceChange(); });
    cSystem->StockDevvy.subscribe([this] { cSystem_StockDevvy(); });
    cSystem->CourseDecide.subscribe([this] { cSystem_CourseDecide(); });
    cSystem->GraduateCheck.subscribe([this](bool& AddAge) { cSystem_GraduateCheck(AddAge); });
    cSystem->NewComer.subscribe([this](bool& CheckContract) { cSystem_NewComer(CheckContract); });
    auto sound = [](std::string& SoundName) { Services().SoundPlay(SoundName); };
    cSystem->SoundPlay.subscribe(sound);
    cMngItem->SoundPlay.subscribe(sound);
    cMngItem->MoveMoney.subscribe(
        [this](std::int32_t& MMethod, std::int32_t& Money) { cMngItem_MoveMoney(MMethod, Money); });
    cMngCompany->MoveMoney.subscribe(
        [this](std::int32_t& MMethod, std::int32_t& Money) { cMngCompany_MoveMoney(MMethod, Money); });
    cMngCompany->StockItem.subscribe(
        [this](std::string& item, std::int16_t& count) { cMngCompany_StockItem(item, count); });
}

void clsData::cSystem_StockPriceChange() {
    std::string message = "株価が変動しています";
    Report.raise(message);
    runSharePriceDay(*cTrade, *cMngCompany, Host);
}

void clsData::cSystem_StockDevvy() {
    const std::int32_t total = cMngCompany->GetDivvyMoney();
    cSystem->AddMoney(total);
    cMngCompany->NextYear();
    if (total > 0) StatusRefresh.raise();
}

void clsData::cSystem_CourseDecide() {
    cMngStudent->ThinkCourse(cSystem->GetSchoolYear());
}

void clsData::cSystem_GraduateCheck(bool AddAge) {
    cMngStudent->MonthlyGraduateCheck(AddAge);
}

void clsData::cSystem_NewComer(bool CheckContract) {
    cMngTeacher->SetNewComer(CheckContract);
    cMngScout->SetNewComer(CheckContract);
}

void clsData::cMngStudent_UseClassItem(const std::string& item) {
    std::int16_t wear = 0;
    cMngItem->ItemDamage(item, wear);
}

void clsData::cMngItem_MoveMoney(std::int32_t, std::int32_t Money) {
    cSystem->AddMoney(Money);
}

void clsData::cMngCompany_MoveMoney(std::int32_t MMethod, std::int32_t Money) {
    if (MMethod == money_method::kReceive) cSystem->AddMoney(Money);
    if (MMethod == money_method::kPay) cSystem->SubMoney(Money);
    Services().SoundPlay(sound_name::kCoin);
}

void clsData::cMngCompany_StockItem(const std::string& item, std::int16_t count) {
    cMngItem->ItemAdd(item, count);
}
