#include "state/cls_data.h"

#include "state/owned_managers.h"
#include "state/save/save_managers.h"

#include "platform/services/game_services.h"
#include "state/save/save_slots.h"

#include <exception>
#include <utility>

namespace {

// Holds the facade's events aside while the running game is replaced, so the
// main form hears of a load only once it is complete.
class MutedEvents {
  public:
    explicit MutedEvents(clsData& data) : data_(data) { swapAll(); }
    ~MutedEvents() { swapAll(); }
    MutedEvents(const MutedEvents&) = delete;
    MutedEvents& operator=(const MutedEvents&) = delete;

  private:
    void swapAll() {
        std::swap(data_.DateChenge, held_.DateChenge);
        std::swap(data_.Report, held_.Report);
        std::swap(data_.ClassEnd, held_.ClassEnd);
        std::swap(data_.DayEnd, held_.DayEnd);
        std::swap(data_.ForwordEnd, held_.ForwordEnd);
        std::swap(data_.ClassImage, held_.ClassImage);
        std::swap(data_.NewYear, held_.NewYear);
        std::swap(data_.SchoolScaleUp, held_.SchoolScaleUp);
        std::swap(data_.StatusRefresh, held_.StatusRefresh);
        std::swap(data_.Ending, held_.Ending);
        std::swap(data_.Ending2, held_.Ending2);
    }

    clsData& data_;
    struct {
        decltype(clsData::DateChenge) DateChenge;
        decltype(clsData::Report) Report;
        decltype(clsData::ClassEnd) ClassEnd;
        decltype(clsData::DayEnd) DayEnd;
        decltype(clsData::ForwordEnd) ForwordEnd;
        decltype(clsData::ClassImage) ClassImage;
        decltype(clsData::NewYear) NewYear;
        decltype(clsData::SchoolScaleUp) SchoolScaleUp;
        decltype(clsData::StatusRefresh) StatusRefresh;
        decltype(clsData::Ending) Ending;
        decltype(clsData::Ending2) Ending2;
    } held_;
};

bool refuseLoad(std::int16_t Index, const std::string& reason) {
    Services().MsgBox(loadFailureMessage(Index, reason));
    return false;
}

} // namespace

SaveManagers clsData::saveManagers() {
    return {*cSystem, *cMngScout,   *cTrade,   *cMngCompany, *cMngArbeit,
            *cLines,  *cMngTeacher, *cMngItem, *cMngStudent};
}

std::string clsData::GetUnitSaveDataSystem() const {
    return cSystem->GetUnitSaveData();
}

clsGetGridData clsData::GetSaveDataDetail(std::int16_t Index) const {
    return saveSlotDetail(Index);
}

bool clsData::CheckSaveData() const {
    return anySaveSlot();
}

host::runtime::Collection<clsGetGridData> clsData::GetSaveData() const {
    return saveSlotRows();
}

bool clsData::SaveSaveData(std::int16_t Index) {
    const std::string failed =
        writeSaveSlot(Index, cSystem->GetSaveDataHeader(), getSaveParts(saveManagers()));
    if (failed.empty()) return true;
    Services().MsgBox(saveFailureMessage(Index, failed));
    return false;
}

bool clsData::LoadSaveData(std::int16_t Index) {
    const ReadSaveParts read = readSaveSlot(Index);
    if (!read.parts) return refuseLoad(Index, read.error);

    const std::string refused = stagedRefusal(Host, *read.parts);
    if (!refused.empty()) return refuseLoad(Index, refused);

    // Every part loads: the running game takes them. Should it refuse one
    // all the same (the master data changed since start-up), it is put back.
    SaveManagers running = saveManagers();
    std::string failed;
    {
        MutedEvents muted(*this);
        const SaveParts before = getSaveParts(running);
        failed = setSaveParts(running, *read.parts);
        if (!failed.empty()) {
            const std::string restored = setSaveParts(running, before);
            if (!restored.empty()) failed += "\r\n" + restored;
        }
    }
    if (!failed.empty()) return refuseLoad(Index, failed);
    std::string image = cSystem->GetClassImageName();
    SchoolScaleUp.raise(image);
    return true;
}

std::string clsData::stagedRefusal(GameHost& host, const SaveParts& parts) {
    clsData staged(host);
    try {
        mdlQuorvel::LoadGameData(staged);
    } catch (const std::exception& error) {
        return error.what();
    }
    SaveManagers managers = staged.saveManagers();
    const std::string refused = setSaveParts(managers, parts);
    return refused.empty() ? staged.unknownSavedName() : refused;
}
