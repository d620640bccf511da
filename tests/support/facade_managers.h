#pragma once

#include "state/cls_data.h"
#include "state/owned_managers.h"
#include "state/save/save_managers.h"
#include "support/facade_managers.h"

// The managers behind the facade, for tests and benchmarks only: the
// screens reach the game through clsData's own members. Call form:
// managers(data).items().ItemAdd("薬草", 3).
class FacadeManagers {
  public:
    explicit FacadeManagers(clsData& data) : data_(data) {}

    clsTrade& trade() const { return *data_.cTrade; }
    clsLines& lines() const { return *data_.cLines; }
    clsSystem& system() const { return *data_.cSystem; }
    clsMngStudent& students() const { return *data_.cMngStudent; }
    clsFixTeacherData& fixTeacherData() const { return *data_.cFixTeacherData; }
    clsMngScout& scouts() const { return *data_.cMngScout; }
    clsMngCountry& countries() const { return *data_.cMngCountry; }
    clsMngArbeit& arbeits() const { return *data_.cMngArbeit; }
    clsMngTeacher& teachers() const { return *data_.cMngTeacher; }
    clsMngClass& classes() const { return *data_.cMngClass; }
    clsMngCompany& companies() const { return *data_.cMngCompany; }
    clsMngItem& items() const { return *data_.cMngItem; }
    clsMenu& menu() const { return *data_.cMenu; }
    // The nine managers a save file holds.
    SaveManagers saveManagers() const { return data_.saveManagers(); }

  private:
    clsData& data_;
};

inline FacadeManagers managers(clsData& data) {
    return FacadeManagers(data);
}
