#include "platform/services/silent_services.h"
#include "students/roster/cls_mng_student.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kRosterSize = 30;

// A school of thirty admitted students with a growth row for each of them.
struct School {
    ScopedSilentServices silent;
    clsMngStudent manager;

    School() {
        for (int i = 0; i < kRosterSize; ++i) {
            clsCreateStudentData batch;
            batch.Scout(clsScoutData{});
            const std::string name = "生徒" + std::to_string(i);
            batch.StudentName(name);
            manager.CreateStudent(batch);
            manager.SetNewStudent(name);
            clsStudent* student = nullptr;
            manager.GetStudent(name, student);
            manager.SetGrowth(student->Growth() + "," + std::to_string(student->Age()) +
                              ",5,5,6,7,8,8,7,6,5,5,4,4");
        }
    }
};

clsGetGridData row(std::initializer_list<std::string> cells) {
    clsGetGridData r;
    r.SetCols(static_cast<std::int16_t>(cells.size() - 1));
    std::int16_t i = 0;
    for (const auto& cell : cells)
        r.Data(i++, cell);
    return r;
}

} // namespace

// The student side of one lesson day: the day step, the teachers' period
// count, the after-class facilities and the dormitory gym over the roster.
static void BM_StudentDayOfThirty(benchmark::State& state) {
    School school;
    host::runtime::Collection<clsGetGridData> facilities;
    facilities.add(row({"図書館", "歴史書", "10"}));
    facilities.add(row({"礼拝堂", "", "0"}));
    for (auto _ : state) {
        host::runtime::Collection<clsGetGridData> teachers;
        for (const char* name : {"マリオン", "ロスコウ"})
            teachers.add(row({name, "0"}), name);
        school.manager.SetAfterSchool(facilities, 5);
        school.manager.SetTeacherCount(teachers, 4, 1);
        school.manager.SetDormitoryGym(5);
        school.manager.ForwordDay(false);
        benchmark::DoNotOptimize(teachers);
    }
}
BENCHMARK(BM_StudentDayOfThirty)->Unit(benchmark::kMicrosecond);

// Saving and loading the whole student manager of thirty students.
static void BM_StudentSaveRoundTripOfThirty(benchmark::State& state) {
    School school;
    for (auto _ : state) {
        const std::string text = school.manager.GetSaveData();
        school.manager.SetSaveData(text);
        benchmark::DoNotOptimize(text.size());
    }
}
BENCHMARK(BM_StudentSaveRoundTripOfThirty)->Unit(benchmark::kMicrosecond);
