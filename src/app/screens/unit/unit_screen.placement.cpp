#include "app/screens/unit/unit_screen.h"

namespace {

constexpr std::int16_t kNameColumn = 1;

} // namespace

// S is the selected slot and N the selected name; the first case that
// applies is carried out.
void UnitScreen::PlaceUnitMember(std::int16_t slot, bool selected, std::int16_t source,
                                 const std::string& name) {
    const std::int16_t S = selectedSlot();
    const std::string N = selectedName();
    if (!selected) {
        // The view that showed the selection was clicked again: removal.
        SetUnitGridCheck(name, false);
        if (source != FromGrid) SetUnitGridCheck(N, false);
        if (S >= 0) {
            if (source != FromNumber) highlightNumber(S, false);
            if (source != FromPanel) highlightCell(S, false);
        }
        if (slot >= 0) GLUnitData(slot).Text("");
        select(-1, "");
    } else if (slot < 0) {
        // The row of a student in no slot.
        if (S < 0) {
            select(-1, name);
        } else {
            GLUnitData(S).Text(name);
            highlightCell(S, false);
            highlightNumber(S, false);
            SetUnitGridCheck(name, false);
            select(-1, "");
        }
    } else if (S >= 0) {
        // Another slot: the two exchange their members.
        const std::string former = GLUnitData(slot).Text();
        GLUnitData(slot).Text(N);
        GLUnitData(S).Text(former);
        SetUnitGridCheck(name, false);
        SetUnitGridCheck(N, false);
        for (std::int16_t k : {slot, S}) {
            highlightNumber(k, false);
            highlightCell(k, false);
        }
        select(-1, "");
    } else if (!N.empty()) {
        // A picked student goes into the slot, pushing out its member.
        GLUnitData(slot).Text(N);
        if (source == FromGrid) {
            SetUnitGridCheck(name, false);
        } else {
            highlightNumber(slot, false);
            highlightCell(slot, false);
        }
        SetUnitGridCheck(N, false);
        select(-1, "");
    } else {
        select(slot, name);
        if (source != FromNumber) highlightNumber(slot, true);
        if (source != FromPanel) highlightCell(slot, true);
        if (source != FromGrid) SetUnitGridCheck(name, true);
    }
    ShowUnitStatus();
}

void UnitScreen::GGUnit_RowSelect(std::int16_t SelectRow) {
    const std::string name = GGUnit.GetData(SelectRow, kNameColumn);
    PlaceUnitMember(slotOf(name), GGUnit.Checked(SelectRow), FromGrid, name);
}

// The cell keeps the highlight the placement leaves it.
void UnitScreen::GPUnit_PanelClick(std::int16_t Row, std::int16_t Col, bool& Selected) {
    const std::int16_t slot = context_.CTMP.GetUnitNumber(Col, Row);
    if (slot < 0) return;
    PlaceUnitMember(slot, Selected, FromPanel, GLUnitData(slot).Text());
    Selected = GPUnit.PanelSelect(Row, Col);
}

void UnitScreen::GLUnitNumber_Click(int Index) {
    PlaceUnitMember(static_cast<std::int16_t>(Index), GLUnitNumber(Index).Selected(), FromNumber,
                    GLUnitData(Index).Text());
}

void UnitScreen::GLUnitNumber_RightClick(int Index) {
    if (GLUnitNumber(Index).Selected()) return;
    GLUnitData(Index).Text("");
    ShowUnitStatus();
}
