#include "state/save/save_managers.h"

#include "battle/catalogue/cls_lines.h"
#include "economy/cls_mng_item.h"
#include "economy/companies/cls_mng_company.h"
#include "economy/companies/cls_trade.h"
#include "school/jobs/cls_mng_arbeit.h"
#include "school/system/cls_system.h"
#include "students/roster/cls_mng_student.h"
#include "students/scouts/cls_mng_scout.h"
#include "students/teachers/cls_mng_teacher.h"

#include <exception>

namespace {

void setPart(SaveManagers& managers, SavePart part, std::string_view text) {
    switch (part) {
    case SavePart::System:
        return managers.system.SetSaveData(text);
    case SavePart::Scout:
        return managers.scout.SetSaveData(text);
    case SavePart::Trade:
        return managers.trade.SetSaveData(text);
    case SavePart::Company:
        return managers.company.SetSaveData(text);
    case SavePart::Arbeit:
        return managers.arbeit.SetSaveData(text);
    case SavePart::Lines:
        return managers.lines.SetSaveData(text);
    case SavePart::Teacher:
        return managers.teacher.SetSaveData(text);
    case SavePart::Item:
        return managers.item.SetSaveData(text);
    case SavePart::Student:
        return managers.student.SetSaveData(text);
    }
}

} // namespace

SaveParts getSaveParts(const SaveManagers& managers) {
    SaveParts parts;
    partOf(parts, SavePart::System) = managers.system.GetSaveData();
    partOf(parts, SavePart::Scout) = managers.scout.GetSaveData();
    partOf(parts, SavePart::Trade) = managers.trade.GetSaveData();
    partOf(parts, SavePart::Company) = managers.company.GetSaveData();
    partOf(parts, SavePart::Arbeit) = managers.arbeit.GetSaveData();
    partOf(parts, SavePart::Lines) = managers.lines.GetSaveData();
    partOf(parts, SavePart::Teacher) = managers.teacher.GetSaveData();
    partOf(parts, SavePart::Item) = managers.item.GetSaveData();
    partOf(parts, SavePart::Student) = managers.student.GetSaveData();
    return parts;
}

std::string setSaveParts(SaveManagers& managers, const SaveParts& parts) {
    for (SavePart part : kSavePartOrder) {
        try {
            setPart(managers, part, partOf(parts, part));
        } catch (const std::exception& error) {
            return "「" + std::string(savePartLabel(part)) + "」の部分が読めません: " + error.what();
        }
    }
    return "";
}
