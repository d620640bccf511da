#include "app/screens/school/school_screen.h"

#include "app/screens/school/school_captions.h"
#include "app/screens/school/school_slots.h"
#include "app/screens/status_view.h"

#include <optional>
#include <string>

namespace {

namespace captions = school_captions;

constexpr std::int32_t kChosenGaugeSlot = school_slots::kChosenGauge;
// The person lists' ability columns; column 1 holds the person's name.
constexpr std::int16_t kPersonAbilityColumn = 8;
constexpr std::int16_t kNewcomerAbilityColumn = 5;
constexpr std::int16_t kNameColumn = 1;

// The list's ability column under the open menu, or none.
std::optional<std::int16_t> abilityColumn(MenuKey menu, MenuKey subMenu) {
    if (menu == captions::kStudents || menu == captions::kTeachers || menu == captions::kContract)
        return kPersonAbilityColumn;
    if (menu == captions::kNewStudents) return kNewcomerAbilityColumn;
    if (menu == captions::kSchoolData && subMenu == captions::kGraduates) return kNewcomerAbilityColumn;
    return std::nullopt;
}

} // namespace

void SchoolScreen::RefreshStatusView() {
    status_view::showStatus(GVSchool, context_.data);
}

void SchoolScreen::GParam_GaugeClick(int Index, bool& Selected) {
    const auto column = abilityColumn(context_.data.GetMenu(), context_.data.GetSubMenu());
    if (!column) return;
    const int chosen = context_.CTMP.GetDataSingle(kChosenGaugeSlot).toInteger();
    if (Selected) {
        GParam(chosen).Selected(false);
        context_.CTMP.SetDataSingle(kChosenGaugeSlot,
                                    host::runtime::Variant(static_cast<std::int16_t>(Index)));
        const auto values = context_.data.GetAbilityNumber(static_cast<std::int16_t>(Index));
        if (!values || values->count() == 0) return;
        for (std::int16_t r = 0; r <= GGSchool.Rows(); ++r) {
            const std::string name = GGSchool.GetData(r, kNameColumn);
            GGSchool.SetValue(r, *column, values->item(name).Data(1));
        }
    } else if (chosen == Index) {
        // The chosen gauge stays chosen: the gauge takes the answer back.
        Selected = true;
    }
}
