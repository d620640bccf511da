#include "app/shell/title_screen.h"

#include "app/shell/startup_failure.h"

#include "platform/assets/asset_table.h"
#include "platform/drawing/byte_range.h"
#include "platform/files/gfile.h"
#include "platform/sound/mng_sound.h"

#include "host/gdi/blit.h"
#include "host/sys/paths.h"

#include <cstdint>

namespace {

constexpr int kTitleWidth = AssetTable::kTitleWidth;
constexpr int kTitleHeight = AssetTable::kTitleHeight;
// White: the buttons' captions stand on the dark night sky of the title.
constexpr std::int32_t kCaptionColour = 3;

void place(host::ui::Control& control, host::ui::Control& parent, const char* name, int left, int top,
           int width, int height) {
    control.setName(name);
    control.setParent(&parent);
    control.Move(left, top, width, height);
}

} // namespace

TitleScreen::TitleScreen(FormContext& context)
    : context_(context), progress_(lblProcess, GGraph, context.DoEvents) {
    GLStart.Click.subscribe([this] { GLStart_Click(); });
    GLContinue.Click.subscribe([this] { GLContinue_Click(); });
    GLStart.Sound.subscribe([](std::int32_t& type) { MngSound().GControlPlay(type); });
    GLContinue.Sound.subscribe([](std::int32_t& type) { MngSound().GControlPlay(type); });
}

std::string TitleScreen::windowCaption(const clsAppInfo& cInfo) {
    return "Quorvel " + std::to_string(cInfo.Major()) + "." + std::to_string(cInfo.Minor()) + "." +
           std::to_string(cInfo.Revision());
}

void TitleScreen::drawTitlePicture() {
    const std::string file = host::sys::gamePath(AssetTable::kTitlePath).string();
    auto bytes = File().FileReadBinary(AssetTable::kTitlePath);
    if (!bytes || bytes->empty()) throw StartupFailure(file + ": the title picture is missing");
    auto picture = CreatePictureFromBytes(*bytes, 0, static_cast<std::int32_t>(bytes->size()) - 1, true,
                                          {kTitleWidth, kTitleHeight});
    if (!picture) throw StartupFailure(file + ": the title picture is damaged or is not a picture");
    auto& picWork = context_.pictures.picWork;
    picWork.setAutoSize(true);
    picWork.setPicture(std::move(picture));
    auto& picStart = context_.pictures.picStart;
    picStart.Move(0, 0, kTitleWidth, kTitleHeight);
    host::gdi::StretchBlt(picStart.hDC(), 0, 0, kTitleWidth, kTitleHeight, picWork.hDC(), 0, 0,
                          picWork.ScaleWidth(), picWork.ScaleHeight(), host::gdi::SRCCOPY);
    picStart.ZOrder(0);
    picStart.Refresh();
}

void TitleScreen::BuildTitleScreen() {
    drawTitlePicture();
    context_.form.setCaption(windowCaption(clsAppInfo()));
    auto& picStart = context_.pictures.picStart;

    place(lblProcess, picStart, "lblProcess", 580, 550, 200, 20);
    lblProcess.setForeColor(host::gdi::kWhite);

    place(GGraph, picStart, "GGraph", 580, 570, 200, 20);
    GGraph.DrawValue(true);
    GGraph.DrawPercent(true);
    GGraph.ProgressColor(9);
    GGraph.SetImage(picStart.hDC(), 580, 570);
    GGraph.Value(1);
    GGraph.Value(0);
    GGraph.setVisible(false);

    place(GLStart, picStart, "GLStart", 330, 400, 140, 25);
    GLStart.FontColor(kCaptionColour);
    GLStart.Text("始めから");
    GLStart.BackImageCopy(picStart, 330, 400);
    GLStart.setVisible(false);

    place(GLContinue, picStart, "GLContinue", 330, 450, 140, 25);
    GLContinue.FontColor(kCaptionColour);
    GLContinue.Text("続きから");
    GLContinue.BackImageCopy(picStart, 330, 450);
    GLContinue.setVisible(false);
}

void TitleScreen::ShowTitleButtons() {
    progress_.hide();
    GLStart.setVisible(true);
    GLContinue.setVisible(true);
    GLContinue.Enable(context_.data.CheckSaveData());
}

void TitleScreen::ShowTitleAgain() {
    auto& picStart = context_.pictures.picStart;
    picStart.setEnabled(true);
    picStart.setVisible(true);
    GLContinue.Enable(context_.data.CheckSaveData());
    picStart.ZOrder(0);
}

// A new game: the opening, when the player wants it, over the title; then
// the school with the year's new students and sponsors.
void TitleScreen::GLStart_Click() {
    auto& pictures = context_.pictures;
    Screens& screens = context_.screens;
    context_.data.TestPlay();
    pictures.picCity.setEnabled(false);
    pictures.picUnit.setEnabled(false);
    pictures.picClass.setEnabled(false);
    MngSound().SoundPlay(context_.data.GetSoundName());
    screens.RefreshStatusView();
    screens.Opening();
    pictures.picStart.setVisible(false);
    screens.ActivateScreen(pictures.picSchool);
    screens.ShowNewStudentSelection();
    screens.ShowNewSponsorSelection();
    screens.ShowSchoolMenu(false);
    pictures.picStart.setEnabled(false);
    GLStart.MouseLeave();
}

void TitleScreen::GLContinue_Click() {
    auto& pictures = context_.pictures;
    pictures.picCity.setEnabled(false);
    pictures.picUnit.setEnabled(false);
    pictures.picClass.setEnabled(false);
    pictures.picSetting.setEnabled(true);
    context_.screens.ShowSaveLoadList("ロード", false);
    context_.screens.ActivateScreen(pictures.picSetting);
    pictures.picStart.setVisible(false);
    pictures.picStart.setEnabled(false);
    GLContinue.MouseLeave();
}
