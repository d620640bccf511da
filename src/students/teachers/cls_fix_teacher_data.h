#pragma once

#include "students/teachers/cls_get_teacher_effect.h"

#include <array>
#include <cstdint>
#include <string_view>

// The teacher compatibility tables: student character (rows 1..4) against
// teacher character (columns 1..4), and against teacher policy (columns
// 1..6) once for individual lessons and once for every other lesson. Row
// and column 0 stay 0.
class clsFixTeacherData {
  public:
    static constexpr int Characters = 4;
    static constexpr int Policies = 6;

    // Character value plus policy value; 5 is neutral.
    std::int16_t GetTeacherEffect(const clsGetTeacherEffect& cGetTEffect) const;
    std::int16_t GetTeacherPolicy(const clsGetTeacherEffect& cGetTEffect) const;
    // The character, individual policy and general policy tables joined by
    // ";", each one line per student character: a label, then the values.
    // A line past row 4 or a value past the last column raises the subscript
    // error, a value that is not a number the type-mismatch error; on an
    // error the tables stay as they were.
    void SetData(std::string_view text);

  private:
    using CharaTable = std::array<std::array<std::int16_t, Characters + 1>, Characters + 1>;
    using PolicyTable = std::array<std::array<std::int16_t, Policies + 1>, Characters + 1>;

    const PolicyTable& policyTableFor(std::int32_t classType) const;

    CharaTable chara_{};
    PolicyTable individualPolicy_{};
    PolicyTable policy_{};
};
