#include "app/shell/main_form_inside.h"
#include "app/shell/recording_screens.h"
#include "support/facade_managers.h"

#include "app/screens/battle/battle_screen.h"
#include "app/shell/frm_main.h"
#include "app/shell/globals.h"
#include "app/shell/screen_pictures.h"

#include "battleview/battle_driver.h"
#include "platform/graphics/images.h"
#include "platform/masterdata/load_game_data.h"
#include "platform/rules/mdl_zrd_func.h"
#include "platform/services/silent_services.h"
#include "school/permits/cls_school_permit.h"
#include "school/permits/permit_codes.h"
#include "students/newcomers/cls_create_student_data.h"

#include "host/runtime/strings.h"
#include "host/sound/null_backend.h"
#include "host/sound/sound_library.h"
#include "host/sys/clock.h"
#include "host/sys/message_box.h"
#include "host/sys/paths.h"
#include "host/ui/null_driver.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;

class SilentAudioDevice : public host::sound::AudioDevice {
  public:
    std::unique_ptr<host::sound::Backend> open(std::string&) override {
        return std::make_unique<host::sound::NullBackend>();
    }
};

// No waits: each notice is clicked away at its first poll.
class ClickingServices : public SilentServices {
  public:
    void WaitTime(double) override {
        if (context) context->ClickWaitFlag = false;
    }
    FormContext* context = nullptr;
};

// The facade's tournaments played on a battle screen of the shell.
class ScreenHost : public GameHost {
  public:
    void SetBattleGame(const clsBattleRegulation& cReg,
                       host::runtime::Collection<std::shared_ptr<clsUnit>>& clUnit,
                       std::int16_t BattleRecover) override {
        screen->SetBattleGame(cReg, clUnit, BattleRecover);
    }
    void QuestBattle(clsBattleRegulation&, clsUnit&, clsUnit&, const std::string&) override {}
    bool GetStockPriceReport() const override { return false; }
    BattleScreen* screen = nullptr;
};

// A tournament of 8 (rank D) on its day, fought match by match on the
// battle screen and the bracket with the game's pictures, without waits.
void BM_TournamentOfEight(benchmark::State& state) {
    using host::runtime::ScopedInstall;
    const fs::path folder =
        fs::temp_directory_path() / ("quorvel-bench-tournament-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    // The benchmarks live in bench/ of the build folder; Data/ is beside the game.
    fs::create_directory_symlink(host::sys::programFolder().parent_path() / "Data", folder / "Data");
    {
        ScopedInstall installed(host::sys::installedProgramFolder, std::make_unique<fs::path>(folder));
        ScopedInstall audio(host::sound::installedAudioDevice, std::make_unique<SilentAudioDevice>());
        ScopedInstall<host::sys::TickClock, host::sys::ManualTickClock> clock(
            host::sys::installedTickClock, std::make_unique<host::sys::ManualTickClock>(1000));
        ScopedInstall<GameServices, ClickingServices> services(installedServices,
                                                               std::make_unique<ClickingServices>());
        host::sys::ScriptedMessageBoxes boxes;
        host::ui::NullVideoDriver driver;
        auto main = std::make_unique<frmMain>(driver, boxes);
        mdlQuorvel::CreateGlobals(*main, [&main] { main->DoEvents(); });
        mdlZRDFunc::SetCourseMasks();
        main->Form_Load();

        ScreenHost host;
        clsData data(host);
        mdlQuorvel::LoadGameData(data);
        data.TestPlay();
        apptest::RecordingScreens screens;
        ScreenPictures pictures(main->form());
        clsTMPData CTMP;
        FormContext context{main->form(), [&main] { main->DoEvents(); },        pictures, screens, data,
                            CTMP,         MainFormInside(*main).context().cINI, Images(), Battle()};
        services->context = &context;
        BattleScreen screen(context);
        screen.BuildBattleScreen([](std::int16_t) {});
        host.screen = &screen;

        auto record = host::runtime::Split(managers(data).system().GetSaveData(), "/");
        clsSchoolPermit permit;
        permit.SetSaveData(record[12]);
        while (permit.GetRank() < school_rank::kD)
            permit.RankUp();
        record[12] = permit.GetSaveData();
        managers(data).system().SetSaveData(host::runtime::Join(record, "/"));
        int enrolled = 0;
        for (auto _ : state) {
            state.PauseTiming();
            // A fresh team each time: a day may send students home.
            clsUnitData team;
            for (std::int16_t position = 1; position <= clsUnitData::Positions; ++position) {
                clsCreateStudentData student;
                student.StudentName("選手" + std::to_string(++enrolled));
                managers(data).students().CreateStudent(student);
                managers(data).students().SetNewStudent(student.StudentName());
                team.Lines(position, student.StudentName());
            }
            team.LineName(managers(data).lines().GetLineName("").item(1));
            team.QuestName("青葉の王国大会");
            data.SetDate("25:6:28");
            managers(data).students().SetQuest(team);
            state.ResumeTiming();
            data.DateForword(1);
        }
        mdlQuorvel::ReleaseGlobals();
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_TournamentOfEight)->Unit(benchmark::kMillisecond);

} // namespace
