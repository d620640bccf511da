#include "app/screens/school/school_screen.h"

#include "app/screens/school/school_captions.h"
#include "app/screens/school/school_slots.h"
#include "app/screens/unit/unit_slots.h"

#include "host/runtime/convert.h"

#include <algorithm>
#include <limits>

namespace {

namespace captions = school_captions;
namespace slots = school_slots;

using host::runtime::CInt;
using host::runtime::CLng;
using host::runtime::CStr;

constexpr std::int16_t kFirstColumn = 0;
constexpr std::int16_t kNameColumn = 1;
// The quest's physical strength, the camp's cost.
constexpr std::int16_t kNeedColumn = 2;
constexpr std::int16_t kCostColumn = 2;
// A new sponsor's contract money.
constexpr std::int16_t kSponsorMoneyColumn = 3;

} // namespace

// A click on a row decides which buttons may act on the list and keeps the
// row's key values for them; a click that takes the mark away disables the
// buttons and leaves the values.
void SchoolScreen::GGSchool_RowSelect(std::int16_t Row) {
    clsData& data = context_.data;
    clsTMPData& CTMP = context_.CTMP;
    const MenuKey menu = data.GetMenu();
    const bool marked = GGSchool.Checked(Row);
    const std::string name = GGSchool.GetData(Row, kNameColumn);
    if (menu == captions::kNewStudents) {
        GLContract.Enable(true);
        CTMP.SetDataSingle(slots::kNewcomerCount, markedRowCount());
    } else if (menu == captions::kStudents) {
        GLCommand(0).Enable(marked && data.CheckCommand(0, ""));
        GLCommand(1).Enable(marked && data.CheckCommand(1, name));
        if (!marked) return;
        CTMP.SetDataSingle(slots::kStudentName, name);
        CTMP.SetDataSingle(slots::kMarkedRow, Row);
    } else if (menu == captions::kContract) {
        GLContract.Enable(marked && data.CheckContractMoney(name));
        if (marked) CTMP.SetDataSingle(slots::kPersonName, name);
    } else if (menu == captions::kTeachers) {
        GLCommand(0).Enable(marked);
        GLCommand(1).Enable(marked);
        if (!marked) return;
        CTMP.SetDataSingle(slots::kPersonName, name);
        CTMP.SetDataSingle(slots::kMarkedRow, Row);
    } else if (menu == captions::kNewSponsors) {
        selectSponsors();
    } else if (menu == captions::kQuest) {
        if (!marked) {
            GLContract.Enable(false);
            return;
        }
        const std::int16_t need = CInt(GGSchool.GetData(Row, kNeedColumn));
        GLContract.Enable(data.CheckEnableUnitMember(need));
        CTMP.SetDataSingle(unit_slots::kNeedPhysical, need);
        CTMP.SetDataSingle(unit_slots::kQuestName, name);
    } else if (menu == captions::kArbeit) {
        const bool open = marked && !data.CheckArbeit();
        if (open) CTMP.SetDataSingle(slots::kArbeitName, name);
        GLContract.Enable(open);
    } else if (menu == captions::kCamp) {
        const std::string cost = CStr(CLng(GGSchool.GetData(Row, kCostColumn)));
        const bool open = marked && data.IsEnoughMoney(cost);
        if (open) {
            CTMP.SetDataSingle(slots::kCampName, name);
            CTMP.SetDataSingle(slots::kCampCost, cost);
        }
        GLContract.Enable(open);
    } else if (menu == captions::kBuildingData && data.GetSubMenu() == captions::kSchoolGrounds) {
        GLContract.Enable(marked && data.CheckConstructItem(name));
        if (!marked) return;
        CTMP.SetDataSingle(slots::kBuilding, name);
        CTMP.SetDataSingle(slots::kMarkedRow, Row);
    }
}

std::int16_t SchoolScreen::markedRowCount() const {
    std::int16_t count = 0;
    for (std::int16_t r = 0; r <= GGSchool.Rows(); ++r)
        if (GGSchool.Checked(r)) ++count;
    return count;
}

// More sponsors than the free slots hold cannot be confirmed; the slots keep
// the last choice that could.
void SchoolScreen::selectSponsors() {
    std::int16_t count = 0;
    std::int64_t money = 0;
    for (std::int16_t r = 0; r <= GGSchool.Rows(); ++r) {
        if (!GGSchool.Checked(r)) continue;
        ++count;
        money += CLng(GGSchool.GetData(r, kSponsorMoneyColumn));
    }
    clsData& data = context_.data;
    if (count > 0 && data.GetSponsorCurrentContract() + count > data.GetSponsorMaxContract()) {
        GLContract.Enable(false);
        return;
    }
    GLContract.Enable(true);
    context_.CTMP.SetDataSingle(slots::kSponsorCount, count);
    context_.CTMP.SetDataSingle(slots::kSponsorMoney, static_cast<std::int32_t>(std::min<std::int64_t>(
                                                          money, std::numeric_limits<std::int32_t>::max())));
}

// The tip of the row under the pointer and, for people, their gauges.
void SchoolScreen::GGSchool_MouseSelect(std::int16_t Row) {
    clsData& data = context_.data;
    const MenuKey menu = data.GetMenu();
    const MenuKey subMenu = data.GetSubMenu();
    if (menu == captions::kSchoolData) {
        showRowTip(Row, subMenu == menu_key::kSponsors ? kFirstColumn : kNameColumn);
        if (subMenu == captions::kGraduates) showAbilityGauges(Row);
        return;
    }
    if (menu == captions::kTeachers || menu == captions::kNewStudents || menu == captions::kStudents) {
        showAbilityGauges(Row);
        if (menu == captions::kStudents) showExperienceGauges(Row);
        showRowTip(Row, kNameColumn);
        return;
    }
    if (menu == captions::kContract) {
        if (subMenu != captions::kTeacherOffers) return;
        showAbilityGauges(Row);
        showRowTip(Row, kNameColumn);
        return;
    }
    showRowTip(Row, kNameColumn);
}

void SchoolScreen::showRowTip(std::int16_t Row, std::int16_t column) {
    GMSGSchool.Text(context_.data.GetSchoolTips(GGSchool.GetData(Row, column)));
}

void SchoolScreen::showAbilityGauges(std::int16_t Row) {
    const auto detail = context_.data.GetSchoolDetailData(GGSchool.GetData(Row, kNameColumn));
    if (!detail) return;
    for (int i = 0; i <= GParam.UBound(); ++i) {
        GParam(i).Value(CInt(detail->Data(static_cast<std::int16_t>(i))));
        GParam(i).setVisible(true);
    }
}

void SchoolScreen::showExperienceGauges(std::int16_t Row) {
    const clsGetGridData experience = context_.data.GetExperienceAsNumber(GGSchool.GetData(Row, kNameColumn));
    for (int i = 0; i <= GExp.UBound(); ++i) {
        GExp(i).Value(CInt(experience.Data(static_cast<std::int16_t>(i))));
        GExp(i).setVisible(true);
    }
}

void SchoolScreen::GGSchool_MouseLeave() {
    GMSGSchool.Text(context_.data.GetSchoolMenuTips());
}

// A sort moved the marked row.
void SchoolScreen::GGSchool_CheckRowChange(std::int16_t NewIndex) {
    context_.CTMP.SetDataSingle(slots::kMarkedRow, NewIndex);
}
