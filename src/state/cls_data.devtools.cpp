#include "state/cls_data.h"
#include "host/sys/paths.h"
#include "platform/files/error_log.h"
#include "platform/files/gfile.h"
#include "school/jobs/cls_arbeit.h"
#include "state/owned_managers.h"
#include "students/roster/cls_unit_data.h"

#include <stdexcept>

namespace {

constexpr std::int16_t kTestWeekday = 1;
constexpr std::int16_t kTestPeriod = 5;
constexpr std::int32_t kRecoverByPoints = 1;
constexpr std::int16_t kTestRecovery = 5;
constexpr const char* kTestJob = "草むしり";
constexpr std::int16_t kTestJobMonth = 4;
constexpr int kTestNewcomerBatches = 5;

} // namespace

void clsData::TestStudy() {
    cMngStudent->Study(kTestWeekday, kTestPeriod);
    cMngStudent->PhysicalRecover(kRecoverByPoints, kTestRecovery);
}

void clsData::TestArbeit() {
    const clsArbeit& job = cMngArbeit->GetArbeit(kTestJob);
    cMngStudent->DirectEffect(job.Physical(), job.SmallEffect(), job.EffectPoint(), kTestJobMonth);
}

std::vector<clsData::FormationSheet> clsData::TestLineCalc() {
    for (int batch = 0; batch < kTestNewcomerBatches; ++batch)
        CreateStudent();

    const host::runtime::Collection<std::string> roster = cMngStudent->GetALLStudentName();
    std::vector<FormationSheet> sheets;
    for (const std::string& formation : cLines->GetLineName("")) {
        clsUnitData team;
        team.LineName(formation);
        for (std::int16_t position = 1; position <= clsUnitData::Positions && position <= roster.count();
             ++position)
            team.Lines(position, roster.item(position));
        sheets.push_back({formation, GetUnitCalcData(team, "")});
    }
    return sheets;
}

void clsData::WriteErrorLog(const std::string& ProcedureName, const std::string& Message, bool Enabled) {
    if (!Enabled) return;
    if (!File().FileWriteAppend(kErrorLogPath, "関数名:" + ProcedureName, true, true) ||
        !File().FileWriteAppend(kErrorLogPath, Message, true, true))
        throw std::runtime_error("The error log " + host::sys::gamePath(kErrorLogPath).string() +
                                 " could not be written.");
}
