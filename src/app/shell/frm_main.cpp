#include "app/shell/frm_main.h"

#include "app/shell/settings_file.h"

#include "platform/files/gfile.h"

#include "host/runtime/runtime_error.h"
#include "host/sys/paths.h"

namespace {

// Where the errors that escape an event handler are appended.
constexpr const char* kErrorLogPath = "\\error.log";

} // namespace

frmMain::frmMain(host::ui::VideoDriver& driver, host::sys::MessageBoxes& boxes)
    : errors_(host::sys::gamePath(kErrorLogPath), boxes), pump_(form_, driver, errors_), pictures_(form_) {
    createControls();
    form_.QueryUnload.subscribe([this] { Form_QueryUnload(); });
    form_.Unload.subscribe([this] { Form_Unload(); });
}

frmMain::~frmMain() {
    unbindFile();
}

// The controls every screen builder places its own controls on.
void frmMain::createControls() {
    form_.setName("frmMain");
}

void frmMain::bindFile() {
    fileStartToken_ = File().StartProcess.subscribe(
        [this](std::int16_t& Maxprocess) { title_->progress().mFile_StartProcess(Maxprocess); });
    fileChunkToken_ = File().IOProcess.subscribe([this](std::int32_t& NowProcess, std::int32_t& Maxprocess) {
        title_->progress().mFile_IOProcess(NowProcess, Maxprocess);
    });
    fileBound_ = true;
}

void frmMain::unbindFile() {
    if (!fileBound_) return;
    fileBound_ = false;
    if (clsFile* file = gFile.find()) {
        file->StartProcess.unsubscribe(fileStartToken_);
        file->IOProcess.unsubscribe(fileChunkToken_);
    }
}

void frmMain::SetBattleGame(const clsBattleRegulation& cReg,
                            host::runtime::Collection<std::shared_ptr<clsUnit>>& clUnit,
                            std::int16_t BattleRecover) {
    battle_->SetBattleGame(cReg, clUnit, BattleRecover);
}

void frmMain::QuestBattle(clsBattleRegulation& cReg, clsUnit& cULeft, clsUnit& cURight,
                          const std::string& ImageName) {
    reactions_->mData_QuestBattle(cReg, cULeft, cURight, ImageName);
}

void frmMain::StartQuestBattle(const clsBattleRegulation& cReg, clsUnit& cULeft, clsUnit& cURight,
                               const std::string& ImageName) {
    battle_->StartQuestBattle(cReg, cULeft, cURight, ImageName);
}

bool frmMain::GetStockPriceReport() const {
    return SettingsFile::GetStockPriceReport(cINI);
}

void frmMain::ActivateScreen(host::ui::PictureBox& screen) {
    ScreenPictures::bringToFront(screen);
}

void frmMain::ShowSchoolMenu(bool Redraw) {
    school_->ShowSchoolMenu(Redraw);
}

void frmMain::RefreshStatusView() {
    school_->RefreshStatusView();
    town_->RefreshStatusView();
}

void frmMain::ShowNewStudentSelection() {
    school_->ShowNewStudentSelection();
}

void frmMain::ShowNewSponsorSelection() {
    school_->ShowNewSponsorSelection();
}

void frmMain::SchoolDialogOK() {
    school_->SchoolDialogOK(*report_);
}

void frmMain::SchoolDialogCancel() {
    school_->SchoolDialogCancel();
}

void frmMain::ShowLog(const std::string& Text) {
    report_->ShowLog(Text, pictures_.picSchool, "picSchool");
}

void frmMain::ShowDialog(std::int32_t Kind, host::ui::PictureBox& picture, const std::string& pictureName,
                         const std::string& Body, const std::string& OKCaption, const DialogRegion& region) {
    dialog_->ShowDialog(Kind, picture, pictureName, Body, OKCaption, region);
}

// Each screen registers its layout under its start-up step.
void frmMain::createScreens() {
    school_ = std::make_unique<SchoolScreen>(*context_);
    builders_.add(ScreenBuilders::Step::School, [this] { school_->BuildSchoolScreen(); });
    dialog_ = std::make_unique<MessageDialog>(*context_);
    builders_.add(ScreenBuilders::Step::MessageDialog, [this] { dialog_->BuildMessageDialog(); });
    battle_ = std::make_unique<BattleScreen>(*context_);
    builders_.add(ScreenBuilders::Step::Battle, [this] {
        battle_->BuildBattleScreen([this](std::int16_t value) { title_->progress().setGauge(value); });
    });
    unit_ = std::make_unique<UnitScreen>(*context_);
    builders_.add(ScreenBuilders::Step::Unit, [this] {
        unit_->BuildUnitScreen([this](std::int16_t value) { title_->progress().setGauge(value); });
    });
    town_ = std::make_unique<TownScreen>(*context_);
    builders_.add(ScreenBuilders::Step::Town, [this] {
        town_->BuildTownScreen([this](std::int16_t value) { title_->progress().setGauge(value); });
    });
    class_ = std::make_unique<ClassScreen>(*context_, [this](const std::string& text) {
        report_->ShowReport(text, pictures_.picClass, "picClass", true, true, false);
    });
    builders_.add(ScreenBuilders::Step::Class, [this] {
        class_->BuildClassScreen([this](std::int16_t value) { title_->progress().setGauge(value); });
    });
    createSettingScreens();
}

void frmMain::ShowTownScreen() {
    town_->ShowTownScreen();
}

void frmMain::TownDialogOK(const std::string& OKCaption, std::int16_t n,
                           const host::runtime::Collection<std::string>& units) {
    town_->TownDialogOK(OKCaption, n, units, *report_);
}

void frmMain::TownDialogCancel() {
    town_->TownDialogCancel();
}

std::string frmMain::GetShopData(std::int16_t row, std::int16_t col) const {
    return town_->GGShop.GetData(row, col);
}

void frmMain::ShowClassScreen() {
    class_->ShowClassScreen();
}

void frmMain::RefreshClassScreen() {
    class_->RefreshBackground();
}

void frmMain::FillClassPickerGrid(ctrGraphicalGridVer2& GGMSG) {
    class_->FillClassPickerGrid(GGMSG);
}

void frmMain::ClassPickerChosen() {
    class_->ClassPickerChosen();
}

void frmMain::ClassSlotCopyConfirmed() {
    class_->ClassSlotCopyConfirmed();
}
