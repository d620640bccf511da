#include "school/system/cls_system.h"

#include "platform/rules/cls_method.h"
#include "school/buildings/building_codes.h"

namespace {

// Item slot kinds, as the item store selects the items that fit a building.
enum ItemTarget : std::int32_t { kNoSlot = 0, kMuseumSlot = 1, kLibrarySlot = 2, kChapelSlot = 3 };

ItemTarget targetOf(const std::string& building) {
    if (building == building_name::kLibrary) return kLibrarySlot;
    if (building == building_name::kMuseum) return kMuseumSlot;
    if (building == building_name::kChapel) return kChapelSlot;
    return kNoSlot;
}

bool built(std::int32_t bits, std::int16_t bit) {
    return Method().BitCheck(bits, bit);
}

} // namespace

bool clsSystem::GetNurseOffice() const {
    return built(ClassroomBits, classroom_bit::kNurseOffice);
}

bool clsSystem::GetCondition() const {
    return built(FacilitiesBits, facility_bit::kBath);
}

std::int16_t clsSystem::GetAfterClass() const {
    return built(ClassroomBits, classroom_bit::kRestRoom) ? 30 : 10;
}

std::int16_t clsSystem::GetAfternoon() const {
    return built(ConstructBits, construct_bit::kDormitory) ? 120 : 40;
}

std::int16_t clsSystem::GetDormitoryPhysicalRecover() const {
    bool recovery = built(FacilitiesBits, facility_bit::kRecovery);
    bool bath = built(FacilitiesBits, facility_bit::kBath);
    if (recovery && bath) return 60;
    if (recovery) return 40;
    if (bath) return 20;
    return 0;
}

std::int16_t clsSystem::GetDormitoryDissatisfaction() const {
    bool calm = built(FacilitiesBits, facility_bit::kCalm);
    bool bath = built(FacilitiesBits, facility_bit::kBath);
    if (calm && bath) return 12;
    if (bath) return 4;
    if (calm) return 8;
    return 2;
}

bool clsSystem::GetFacultyOffice() const {
    return built(ConstructBits, construct_bit::kFacultyOffice);
}

bool clsSystem::CheckGym() const {
    return built(FacilitiesBits, facility_bit::kGym);
}

bool clsSystem::CheckDormitory() const {
    return cSchoolPermit.GetDormitoryScale() > 0;
}

bool clsSystem::CheckConstructItem(const std::string& building) const {
    return targetOf(building) != kNoSlot;
}

std::int32_t clsSystem::GetConstructItemTarget(const std::string& building) {
    return targetOf(Constructs.item(building).ConstructName());
}

void clsSystem::SetConstructItem(const std::string& building, const std::string& item) {
    // Any text is answered, as by the other placement operations: a name
    // outside the building catalogue changes nothing.
    const clsConstruct* row = Constructs.find(building);
    if (!row) return;
    if (std::string* slot = itemSlot(targetOf(row->ConstructName()))) *slot = item;
}

void clsSystem::SetRemoveConstructItem(const std::string& building) {
    if (std::string* slot = itemSlot(targetOf(Constructs.item(building).ConstructName()))) slot->clear();
}

void clsSystem::SetBrokenConstructItem(const std::string& building) {
    if (std::string* slot = itemSlot(targetOf(building))) slot->clear();
}

std::string* clsSystem::itemSlot(std::int32_t target) {
    switch (target) {
    case kLibrarySlot:
        return &LibraryItem;
    case kMuseumSlot:
        return &MuseumItem;
    case kChapelSlot:
        return &ChapelItem;
    default:
        return nullptr;
    }
}

host::runtime::Collection<clsGetGridData> clsSystem::GetAfterSchool() const {
    struct Slot {
        std::int16_t bit;
        const char* building;
        const std::string& item;
    };
    const Slot slots[] = {
        {construct_bit::kLibrary, building_name::kLibrary, LibraryItem},
        {construct_bit::kMuseum, building_name::kMuseum, MuseumItem},
        {construct_bit::kChapel, building_name::kChapel, ChapelItem},
    };
    host::runtime::Collection<clsGetGridData> rows;
    for (const auto& slot : slots) {
        if (!built(ConstructBits, slot.bit)) continue;
        clsGetGridData row;
        row.SetCols(2);
        row.Data(0, slot.building);
        row.Data(1, slot.item);
        rows.add(std::move(row));
    }
    return rows;
}
