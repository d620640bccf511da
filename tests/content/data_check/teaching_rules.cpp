// Rules for the teacher compatibility tables and the growth table.
#include "content/data_check/data_check.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "platform/rules/mdl_zrd_func.h"
#include "students/student/cls_growth.h"
#include "students/teachers/cls_fix_teacher_data.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>

namespace {

// Every growth type new students can be given.
constexpr const char* kGrowthTypes[] = {"超早熟",  "早熟1", "早熟2", "持続1", "普通1", "普通2",
                                        "普通3",   "持続2", "晩成1", "晩成2", "晩成3", "超晩成1",
                                        "超晩成2", "特殊1", "特殊2", "特殊3", "特殊4"};
// New students are 12 to 18; a student stays while younger than 20, so the
// oldest student is 20.
constexpr int kYoungest = 12, kOldest = 20;

bool isNumber(const std::string& field) {
    try {
        host::runtime::CInt(std::string_view(field));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

clsGetTeacherEffect key(int classType, int student, int teacher, int policy) {
    clsGetTeacherEffect k;
    k.ClassType(classType);
    k.StudentChara(student);
    k.TeacherChara(teacher);
    k.TeacherPolicy(policy);
    return k;
}

} // namespace

QUORVEL_DATA_RULE("compatibility tables: one row of numbers per student character", [](const MasterData& data,
                                                                                       Findings& findings) {
    const struct {
        int section;
        std::size_t values;
    } tables[] = {{1, 4}, {2, 6}, {3, 6}};
    for (const auto& t : tables) {
        const auto rows = data.rows(t.section);
        const std::string where = "section " + std::to_string(t.section);
        if (rows.size() != 4) findings.add(where + ": " + std::to_string(rows.size()) + " rows");
        for (const auto& row : rows) {
            if (row.size() != t.values + 1)
                findings.add(where + " " + row[0] + ": " + std::to_string(row.size()) + " fields");
            for (std::size_t i = 1; i < row.size(); ++i)
                if (!isNumber(row[i])) findings.add(where + " " + row[0] + ": " + row[i]);
        }
    }
    try {
        clsFixTeacherData{}.SetData(data.sections.compatibilityTables());
    } catch (const std::exception& e) {
        findings.add(std::string("the tables do not load: ") + e.what());
    }
});

QUORVEL_DATA_RULE("the choice of teacher matters for every student", [](const MasterData& data,
                                                                        Findings& findings) {
    clsFixTeacherData tables;
    try {
        tables.SetData(data.sections.compatibilityTables());
    } catch (const std::exception&) {
        return; // reported by the table rule
    }
    for (int classType : {1, 2}) {
        for (int student = 1; student <= 4; ++student) {
            const std::string where =
                "lesson type " + std::to_string(classType) + ", student character " + std::to_string(student);
            int lowest = 99, highest = -99;
            for (int teacher = 1; teacher <= 4; ++teacher) {
                for (int policy = 1; policy <= 6; ++policy) {
                    const auto k = key(classType, student, teacher, policy);
                    const int effect = tables.GetTeacherEffect(k);
                    lowest = std::min(lowest, effect);
                    highest = std::max(highest, effect);
                    // 2 is the worst the dissatisfaction table knows; 1 and below would anger nobody.
                    if (effect < 2 || effect > 9)
                        findings.add(where + ": effect " + std::to_string(effect) + " outside 2..9");
                    // A teacher with the lesson's skill takes the policy + 7: always above neutral.
                    if (tables.GetTeacherPolicy(k) < 1)
                        findings.add(where + ": policy value below 1 for policy " + std::to_string(policy));
                }
            }
            if (lowest >= 5 || highest <= 5)
                findings.add(where + ": effects " + std::to_string(lowest) + ".." + std::to_string(highest) +
                             " do not straddle the neutral 5");
        }
    }
});

QUORVEL_DATA_RULE("a growth row for every growth type and every age of a student",
                  [](const MasterData& data, Findings& findings) {
                      std::map<std::pair<std::string, int>, int> counts;
                      for (const auto& row : data.rows(GameDataSection::Growth))
                          if (row.size() >= 2 && isNumber(row[1]))
                              ++counts[{row[0], host::runtime::CInt(std::string_view(row[1]))}];
                      for (const char* type : kGrowthTypes) {
                          for (int age = kYoungest; age <= kOldest; ++age) {
                              const int count = counts[{type, age}];
                              if (count != 1)
                                  findings.add(std::string(type) + " at " + std::to_string(age) + ": " +
                                               std::to_string(count) + " rows");
                          }
                      }
                  });

QUORVEL_DATA_RULE("growth rows load, name a known type and hold values 0 to 11", [](const MasterData& data,
                                                                                    Findings& findings) {
    for (const auto& row : data.rows(GameDataSection::Growth)) {
        const std::string where = "growth " + row[0] + (row.size() > 1 ? " " + row[1] : "");
        if (row.size() != 14) findings.add(where + ": " + std::to_string(row.size()) + " fields");
        clsGrowth growth;
        try {
            growth.SetData(host::runtime::Join(row, ","));
        } catch (const std::exception& e) {
            findings.add(where + ": " + e.what());
            continue;
        }
        if (mdlZRDFunc::GetGrowthTips(growth.GrowthType()).empty())
            findings.add(where + ": no growth tip for the type");
        for (std::int16_t month = 1; month <= 12; ++month) {
            const int value = growth.Value(month);
            if (value < 0 || value > 11)
                findings.add(where + ": month " + std::to_string(month) + " value " + std::to_string(value));
        }
    }
});
