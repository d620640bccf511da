#include "app/shell/frm_main.h"

#include "app/shell/settings_file.h"
#include "app/shell/startup_failure.h"

#include "battleview/battle_driver.h"
#include "grids/columns/set_grid_headers.h"
#include "platform/assets/asset_table.h"
#include "platform/files/gfile.h"
#include "platform/graphics/images.h"
#include "platform/masterdata/load_game_data.h"
#include "platform/sound/mng_sound.h"
#include "state/g_data.h"

#include "host/sound/sound_library.h"
#include "host/sys/paths.h"

#include <exception>
#include <functional>

namespace {

// Runs one loading step; any failure becomes StartupFailure naming the file.
void loading(const char* path, const std::function<void()>& load) {
    try {
        load();
    } catch (const StartupFailure&) {
        throw;
    } catch (const mdlQuorvel::GameDataFileError& error) {
        throw StartupFailure(error.what());
    } catch (const std::exception& error) {
        throw StartupFailure(host::sys::gamePath(path).string() + ": " + error.what());
    }
}

} // namespace

void frmMain::Form_Load() {
    SettingsFile::LoadSettings(cINI, form_, MngSound());
    context_.emplace(FormContext{form_, [this] { pump_.DoEvents(); }, pictures_, *this, Data(), CTMP, cINI,
                                 Images(), Battle()});
    title_ = std::make_unique<TitleScreen>(*context_);
    createScreens();
    report_ = std::make_unique<ReportWindow>(*context_);
    stories_ = std::make_unique<StorySequences>(*context_, *report_);
    reactions_ = std::make_unique<FacadeReactions>(*context_, *report_, *stories_);
    reactions_->subscribe();
    bindFile();
    mLoadData = std::make_unique<clsLoadData>();
    mLoadData->StartProcess.subscribe([this](std::string& ProcessName, std::int16_t& Maxprocess) {
        title_->progress().mLoadData_StartProcess(ProcessName, Maxprocess);
    });
    mLoadData->LoadProcess.subscribe([this](std::int16_t& NowProcess, std::int16_t& Maxprocess) {
        title_->progress().mLoadData_LoadProcess(NowProcess, Maxprocess);
    });
    mLoadData->SetData(pictures_.picWork, pictures_.picStart.hDC());

    loading(AssetTable::kTitlePath, [this] { title_->BuildTitleScreen(); });
    pump_.DoEvents();
    host::sound::STInit(&form_, 0);

    loadAssets();
    layOutScreens();

    title_->ShowTitleButtons();
    pump_.DoEvents();
    mLoadData.reset();
}

void frmMain::loadAssets() {
    LoadingProgress& progress = title_->progress();
    progress.showCaption("ゲームデータ読み込み中");
    loading(mdlQuorvel::kGameDataPath, [] {
        mdlQuorvel::LoadGameData(Data());
        Battle().SetEffectData(Data().GetBattleEffectData());
    });
    progress.showGauge(0, 0);
    progress.strProcessName = "画像データ読み込み";
    loading(AssetTable::kImageArchivePath, [this] { mLoadData->LoadImage(); });
    progress.strProcessName = "音楽データ読み込み";
    loading(AssetTable::kSoundArchivePath, [this] { mLoadData->LoadSound(); });
}

void frmMain::layOutScreens() {
    LoadingProgress& progress = title_->progress();
    progress.showGauge(80, 0);
    progress.showCaption("コントロールを配置中");
    loading(AssetTable::kImageArchivePath, [] { mdlQuorvel::SetGridHeaders(); });
    progress.setGauge(10);
    builders_.run([&progress](std::int16_t value) { progress.setGauge(value); });
}
