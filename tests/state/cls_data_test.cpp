#include "state/cls_data.h"

#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"
#include "host/sys/clock.h"
#include "host/text/utf.h"
#include "platform/masterdata/game_data_sections.h"
#include "state/state_support.h"
#include "students/newcomers/cls_create_student_data.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace {

using statetest::LoadedFacade;
using statetest::masterBytes;
using statetest::packedMasterData;
using testsupport::FakeGameHost;

std::vector<std::string> sectionsOfRealData() {
    return host::runtime::Split(host::text::utf16leToUtf8(packedMasterData()), ";");
}

std::string joinSections(const std::vector<std::string>& sections, std::size_t count) {
    return host::runtime::Join(std::vector<std::string>(sections.begin(), sections.begin() + count), ";");
}

// Field n of the school's save record.
std::string systemField(clsData& data, std::size_t n) {
    return host::runtime::Split(managers(data).system().GetSaveData(), "/").at(n);
}

TEST(FacadeMasterData, ShortTextFailsNamingTheFirstMissingSection) {
    const ScopedSilentServices services;
    FakeGameHost host;
    clsData data(host);
    const auto sections = sectionsOfRealData();
    for (std::size_t count : {1u, 20u, 31u}) {
        try {
            data.SetGameData(masterBytes(joinSections(sections, count)));
            ADD_FAILURE() << count << " sections loaded";
        } catch (const host::runtime::RuntimeError& error) {
            EXPECT_EQ(error.number(), host::runtime::ErrorNumber::SubscriptOutOfRange);
            EXPECT_NE(std::string(error.what()).find("section " + std::to_string(count) + " "),
                      std::string::npos)
                << error.what();
        }
    }
}

TEST(FacadeMasterData, SectionsPastTheThirtySecondAreIgnored) {
    const ScopedSilentServices services;
    FakeGameHost host;
    clsData data(host);
    auto sections = sectionsOfRealData();
    sections.push_back("this,is,no,section");
    EXPECT_NO_THROW(data.SetGameData(masterBytes(joinSections(sections, sections.size()))));
    EXPECT_NO_THROW(managers(data).classes().GetClass(host::runtime::Split(sections[10], ",").at(0)));
}

TEST(FacadeNewGame, SetDataInitResetsThePlayedGameAndKeepsTheCatalogues) {
    LoadedFacade loaded;
    clsData& data = loaded.data;
    data.TestPlay();
    managers(data).system().AddMoney(5000);
    managers(data).system().AddBattlePoint(1); // a tournament won
    managers(data).trade().BoomNext();
    ASSERT_NE(systemField(data, 5), "0");
    ASSERT_EQ(managers(data).teachers().GetContractTeacherCount(), 3);

    data.SetDataInit();

    EXPECT_EQ(data.GetMoney(), 0);
    EXPECT_EQ(systemField(data, 5), "0") << "battle points";
    EXPECT_EQ(managers(data).teachers().GetContractTeacherCount(), 0);
    EXPECT_EQ(managers(data).trade().BoomIndex(), 0);
    EXPECT_EQ(managers(data).trade().PrevBoomLevel(), 6);
    const auto lessons = host::runtime::Split(sectionsOfRealData()[10], "\r\n");
    EXPECT_NO_THROW(managers(data).classes().GetClass(host::runtime::Split(lessons.front(), ",").at(0)));
}

TEST(FacadeNewGame, TheSchoolIsResetBeforeTheRestOfTheGame) {
    LoadedFacade loaded;
    clsData& data = loaded.data;
    data.TestPlay();
    managers(data).trade().BoomNext();
    clsCreateStudentData newcomer;
    newcomer.StudentName("テスト");
    managers(data).students().CreateStudent(newcomer);
    managers(data).students().SetNewStudent("テスト");
    // The school's reset shows its picture while the rest of the game is unchanged.
    struct Seen {
        std::int16_t teachers = -1;
        std::int16_t boomIndex = -1;
        bool students = false;
    } seen;
    data.SchoolScaleUp.subscribe([&](std::string&) {
        seen.teachers = managers(data).teachers().GetContractTeacherCount();
        seen.boomIndex = managers(data).trade().BoomIndex();
        seen.students = data.CheckStudentCount();
    });
    data.SetDataInit();
    EXPECT_EQ(seen.teachers, 3);
    EXPECT_EQ(seen.boomIndex, 1);
    EXPECT_TRUE(seen.students);
    EXPECT_FALSE(data.CheckStudentCount());
}

TEST(FacadeNewGame, PlayTimeCountsFromTheStartOfTheGameNotOfTheProgram) {
    using namespace std::chrono_literals;
    const host::runtime::ScopedInstall<host::sys::WallClock, host::sys::ManualWallClock> clock(
        host::sys::installedWallClock,
        std::make_unique<host::sys::ManualWallClock>(std::chrono::system_clock::from_time_t(1'700'000'000)));
    LoadedFacade loaded;
    loaded.data.SetDataInit();
    clock.get()->advance(10min);
    loaded.data.TestPlay();
    EXPECT_EQ(systemField(loaded.data, 3), "0:0:0");
    clock.get()->advance(65s);
    EXPECT_EQ(systemField(loaded.data, 3), "0:1:5");
}

TEST(FacadeNewGame, TestPlayPutsTheFirstOffersInPlace) {
    LoadedFacade loaded;
    loaded.data.TestPlay();
    EXPECT_EQ(managers(loaded.data).teachers().GetContractTeacherCount(), 3);
    EXPECT_EQ(managers(loaded.data).teachers().GetNewComer().count(), 4);
    EXPECT_EQ(managers(loaded.data).scouts().GetScoutData().count(), 4);
}

} // namespace

namespace {

TEST(FacadeMasterData, TheBattleEffectsAreKeptForTheShellNotLoadedIntoADriver) {
    statetest::LoadedFacade loaded;
    const std::string effects = loaded.data.GetBattleEffectData();
    EXPECT_FALSE(effects.empty());
    EXPECT_EQ(effects, SplitGameData(packedMasterData()).section[GameDataSection::BattleEffects]);
    // A second game loads the same table: nothing global holds it.
    FakeGameHost host;
    clsData second(host);
    EXPECT_NO_THROW(second.SetGameData(packedMasterData()));
    EXPECT_EQ(second.GetBattleEffectData(), effects);
}

} // namespace
