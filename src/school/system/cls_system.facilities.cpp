#include "school/system/cls_system.h"

#include "platform/rules/cls_method.h"

namespace {

constexpr const char* kLibrary = "図書館";
constexpr const char* kMuseum = "美術館";
constexpr const char* kChapel = "礼拝堂";

// Item slot kinds, as the item store selects the items that fit a building.
enum ItemTarget : std::int32_t { kNoSlot = 0, kMuseumSlot = 1, kLibrarySlot = 2, kChapelSlot = 3 };

ItemTarget targetOf(const std::string& building) {
    if (building == kLibrary) return kLibrarySlot;
    if (building == kMuseum) return kMuseumSlot;
    if (building == kChapel) return kChapelSlot;
    return kNoSlot;
}

// Construction bits.
constexpr std::int16_t kDormitoryBuildingBit = 2;
constexpr std::int16_t kMuseumBit = 5;
constexpr std::int16_t kLibraryBit = 6;
constexpr std::int16_t kFacultyOfficeBit = 9;
constexpr std::int16_t kChapelBit = 11;
// Classroom bits.
constexpr std::int16_t kNurseOfficeBit = 5;
constexpr std::int16_t kRestRoomBit = 7;
// Facility bits.
constexpr std::int16_t kRecoveryBit = 2;
constexpr std::int16_t kCalmBit = 3;
constexpr std::int16_t kBathBit = 4;
constexpr std::int16_t kGymBit = 5;

bool built(std::int32_t bits, std::int16_t bit) {
    return Method().BitCheck(bits, bit);
}

} // namespace

bool clsSystem::GetNurseOffice() const {
    return built(ClassroomBits, kNurseOfficeBit);
}

bool clsSystem::GetCondition() const {
    return built(FacilitiesBits, kBathBit);
}

std::int16_t clsSystem::GetAfterClass() const {
    return built(ClassroomBits, kRestRoomBit) ? 30 : 10;
}

std::int16_t clsSystem::GetAfternoon() const {
    return built(ConstructBits, kDormitoryBuildingBit) ? 120 : 40;
}

std::int16_t clsSystem::GetDormitoryPhysicalRecover() const {
    bool recovery = built(FacilitiesBits, kRecoveryBit);
    bool bath = built(FacilitiesBits, kBathBit);
    if (recovery && bath) return 60;
    if (recovery) return 40;
    if (bath) return 20;
    return 0;
}

std::int16_t clsSystem::GetDormitoryDissatisfaction() const {
    bool calm = built(FacilitiesBits, kCalmBit);
    bool bath = built(FacilitiesBits, kBathBit);
    if (calm && bath) return 12;
    if (bath) return 4;
    if (calm) return 8;
    return 2;
}

bool clsSystem::GetFacultyOffice() const {
    return built(ConstructBits, kFacultyOfficeBit);
}

bool clsSystem::CheckGym() const {
    return built(FacilitiesBits, kGymBit);
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
    if (std::string* slot = itemSlot(GetConstructItemTarget(building))) *slot = item;
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
        {kLibraryBit, kLibrary, LibraryItem},
        {kMuseumBit, kMuseum, MuseumItem},
        {kChapelBit, kChapel, ChapelItem},
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
