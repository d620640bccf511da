#include "students/teachers/cls_fix_teacher_data.h"

#include "host/runtime/runtime_error.h"

#include <gtest/gtest.h>

#include <functional>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

namespace {

constexpr const char* kTables =
    "思考,1,2,3,4\r\n感情,5,6,7,8\r\n直感,9,10,11,12\r\n感覚,13,14,15,16;"
    "思考,100,200,300,400,500,600\r\n感情,1,1,1,1,1,1\r\n直感,2,2,2,2,2,2\r\n感覚,3,3,3,3,3,7;"
    "思考,10,20,30,40,50,60\r\n感情,0,0,0,0,0,0\r\n直感,0,0,0,0,0,0\r\n感覚,0,0,0,0,0,70";

clsGetTeacherEffect key(std::int32_t classType, std::int32_t student, std::int32_t teacher,
                        std::int32_t policy) {
    clsGetTeacherEffect k;
    k.ClassType(classType);
    k.StudentChara(student);
    k.TeacherChara(teacher);
    k.TeacherPolicy(policy);
    return k;
}

ErrorNumber errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return ErrorNumber{};
}

} // namespace

TEST(FixTeacherData, LookupsAddCharacterAndTheLessonTypesPolicy) {
    clsFixTeacherData tables;
    tables.SetData(kTables);
    struct {
        clsGetTeacherEffect key;
        std::int16_t effect, policy;
    } cases[] = {
        {key(1, 1, 1, 1), 1 + 10, 10}, {key(2, 1, 1, 1), 1 + 100, 100}, // individual table for type 2
        {key(3, 1, 4, 6), 4 + 60, 60}, {key(0, 4, 4, 6), 16 + 70, 70},  // any other type: general
        {key(2, 4, 3, 6), 15 + 7, 7},  {key(2, 2, 2, 3), 6 + 1, 1},
        {key(1, 0, 0, 0), 0, 0}, // row and column 0 are never loaded
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tables.GetTeacherEffect(c.key), c.effect) << c.key.ClassType() << c.key.StudentChara();
        EXPECT_EQ(tables.GetTeacherPolicy(c.key), c.policy) << c.key.ClassType() << c.key.StudentChara();
    }
}

TEST(FixTeacherData, IndicesOutsideTheTablesRaiseTheSubscriptError) {
    clsFixTeacherData tables;
    tables.SetData(kTables);
    for (const auto& k : {key(1, 5, 1, 1), key(1, 1, 5, 1), key(1, 1, 1, 7), key(2, -1, 1, 1)})
        EXPECT_EQ(errorOf([&] { tables.GetTeacherEffect(k); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { tables.GetTeacherPolicy(key(1, 1, 9, 7)); }), ErrorNumber::SubscriptOutOfRange);
}

TEST(FixTeacherData, BadTablesFailAndLeaveTheTablesAsTheyWere) {
    struct {
        const char* text;
        ErrorNumber error;
    } cases[] = {
        {"a,1\r\nb,1\r\nc,1\r\nd,1\r\ne,1;;", ErrorNumber::SubscriptOutOfRange}, // a fifth row
        {"a,1,2,3,4,5;;", ErrorNumber::SubscriptOutOfRange},                     // a fifth character
        {";a,1,2,3,4,5,6,7;", ErrorNumber::SubscriptOutOfRange},                 // a seventh policy
        {";;a,1,x", ErrorNumber::TypeMismatch},
    };
    for (const auto& c : cases) {
        clsFixTeacherData tables;
        tables.SetData(kTables);
        EXPECT_EQ(errorOf([&] { tables.SetData(c.text); }), c.error) << c.text;
        EXPECT_EQ(tables.GetTeacherEffect(key(1, 1, 1, 1)), 11) << c.text;
        EXPECT_EQ(tables.GetTeacherEffect(key(2, 1, 1, 1)), 101) << c.text;
    }
}

TEST(FixTeacherData, EmptyLinesAndLabelOnlyLinesFillNothing) {
    clsFixTeacherData tables;
    tables.SetData("\r\n思考,1,2,3,4;;");
    EXPECT_EQ(tables.GetTeacherEffect(key(1, 1, 1, 1)), 0);
    EXPECT_EQ(tables.GetTeacherEffect(key(1, 2, 1, 1)), 1); // the second line fills row 2
    tables.SetData("思考\r\n\r\n\r\n\r\n\r\n;;");
    EXPECT_EQ(tables.GetTeacherEffect(key(1, 2, 1, 1)), 1);
}
