#pragma once

#include "host/runtime/strings.h"
#include "students/roster/cls_mng_student.h"
#include "students/students_support.h"

#include <string>
#include <vector>

namespace studentstest {

// The fields of a student's save record that the manager's tests vary.
struct StudentShape {
    std::string name = "ガク";
    int age = 15;
    int character = 1;
    std::string growth = "普通1";
    int condition = 2;
    int physical = 100;
    int dissatisfaction = 0;
    int injury = 0;
    int skills = 0;
    std::vector<Entry> abilities = {{1, 1, 20}, {3, 1, 20}};
    int schoolYear = 1;
    std::string origin = "農民";
    int course = 0;
    bool guided = false;
};

// A student's save record; its timetable has every slot blank.
inline std::string studentLine(const StudentShape& s) {
    return host::runtime::Join(
        {s.name, std::to_string(s.age), std::to_string(s.schoolYear), std::to_string(s.character), s.growth,
         s.origin, std::to_string(s.condition), std::to_string(s.physical), std::to_string(s.dissatisfaction),
         "0", "10", std::to_string(s.injury), s.guided ? "True" : "False", std::to_string(s.course), "True",
         std::to_string(s.skills), abilityText(s.abilities), blankTimetable()},
        "@");
}

// A graduate's save record with every ability at 10 and nature 20.
inline std::string graduateLine(const std::string& name, int course) {
    const std::string present = "10:10:10:10:10:10:10:10:10:10:10:10:10:10:10:10:10";
    const std::string nature = "20:20:20:20:20:20:20:20:20:20:20:20:20:20:20:20:20";
    return host::runtime::Join({name, "21", "2", "騎士", std::to_string(course), "0", present, nature, "26"},
                               ";");
}

// Replaces the manager's students, graduates and quest teams by loading its
// own save text with those sections swapped.
inline void loadLists(clsMngStudent& manager, const std::vector<std::string>& students,
                      const std::vector<std::string>& graduates = {},
                      const std::vector<std::string>& questTeams = {}) {
    auto sections = host::runtime::Split(manager.GetSaveData(), "/");
    sections[0] = host::runtime::Join(students, "\r\n");
    sections[1] = host::runtime::Join(graduates, "\r\n");
    sections[4] = questTeams.empty() ? "nodata" : host::runtime::Join(questTeams, "\r\n");
    manager.SetSaveData(host::runtime::Join(sections, "/"));
}

inline clsStudent& studentOf(clsMngStudent& manager, const std::string& name) {
    clsStudent* student = nullptr;
    if (!manager.GetStudent(name, student)) throw std::runtime_error("no student " + name);
    return *student;
}

// The roster's names in roster order.
inline std::vector<std::string> rosterNames(const clsMngStudent& manager) {
    std::vector<std::string> names;
    for (const auto& name : manager.GetALLStudentName())
        names.push_back(name);
    return names;
}

} // namespace studentstest
