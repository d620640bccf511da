#pragma once

#include "students/students_support.h"
#include "students/teachers/cls_mng_teacher.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace teachertest {

// A catalogue row: abilities 2..14 at 20, Aggresive and Protect at 8,
// Physical and Surpise as given.
inline std::string teacherRow(const std::string& name, int character, int policy, int age, int period,
                              int physical, int surprise, std::int32_t skills = 0) {
    std::vector<std::string> fields = {name,
                                       std::to_string(character),
                                       std::to_string(policy),
                                       std::to_string(age),
                                       std::to_string(period),
                                       std::to_string(physical)};
    for (int n = 2; n <= 14; ++n)
        fields.push_back("20");
    fields.insert(fields.end(), {"8", "8", std::to_string(surprise), std::to_string(skills)});
    return host::runtime::Join(fields, ",");
}

// Eight teachers; the three of a new game are not at the ends.
// Salary: 100 per 30 Physical, 400 for Aggresive and Protect, 100 per 4
// Surpise, 1000 per skill.
inline const std::vector<std::string> kNames = {"アデル", "シオドア", "ブルーノ", "マリオン",
                                                "セシル", "ロスコウ", "ダリア",   "エミール"};
inline std::string catalogue() {
    return host::runtime::Join(
        {teacherRow("アデル", 1, 1, 40, 2, 30, 4), teacherRow("シオドア", 2, 2, 30, 3, 45, 12, 1 | 2048),
         teacherRow("ブルーノ", 3, 3, 50, 1, 60, 0), teacherRow("マリオン", 4, 4, 55, 4, 90, 20, 1),
         teacherRow("セシル", 1, 5, 28, 5, 10, 9), teacherRow("ロスコウ", 2, 6, 58, 2, 35, 16),
         teacherRow("ダリア", 3, 1, 33, 3, 70, 1), teacherRow("エミール", 4, 2, 62, 1, 29, 25)},
        "\r\n");
}

// The draws that pick the catalogue rows at these positions (0-based).
inline std::vector<float> picks(std::initializer_list<int> positions, int count = 8) {
    std::vector<float> draws;
    for (int p : positions)
        draws.push_back(studentstest::drawFor(0, count - 1, p));
    return draws;
}

inline std::vector<std::string> names(const host::runtime::Collection<clsGetGridData>& rows,
                                      std::int16_t cell = 1) {
    std::vector<std::string> out;
    for (const auto& row : rows)
        out.push_back(row.Data(cell));
    return out;
}

inline std::vector<std::string> cells(const clsGetGridData& row) {
    std::vector<std::string> out;
    for (std::int16_t i = 0; i <= row.Cols(); ++i)
        out.push_back(row.Data(i));
    return out;
}

// The dissatisfaction stage of each contracted teacher, by grid row.
inline std::vector<std::string> stages(const clsMngTeacher& roster) {
    return names(roster.GetContractTeacher(), 7);
}

} // namespace teachertest
