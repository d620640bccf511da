#include "app/screens/town/town_screen.h"

#include "app/screens/screen_controls.h"

#include "app/screens/status_view.h"
#include "app/screens/town/town_captions.h"

#include "grids/flag_scope.h"
#include "grids/list_grid/grid_settings.h"
#include "platform/sound/mng_sound.h"

#include <initializer_list>
#include <memory>
#include <optional>

namespace {

using screen_controls::first;
using screen_controls::playControlSound;

namespace captions = town_captions;

// White captions on the place buttons and the message box, gold on the action buttons.
constexpr std::int32_t kWhite = 3;
constexpr std::int32_t kGold = 1;
constexpr std::int16_t kButtonFontSize = 13;
constexpr int kButtonHeight = 25;
constexpr int kBackToSchool = 6;

} // namespace

TownScreen::TownScreen(FormContext& context)
    : GLShop(first<ctrGraphicalLabelLite>("GLShop")), context_(context) {
    GVCity.setName("GVCity");
    GLCityMenu.setName("GLCityMenu");
    GLReturnCity.setName("GLReturnCity");
    GLBuy.setName("GLBuy");
    GLSell.setName("GLSell");
    GLMultipurpose.setName("GLMultipurpose");
    GGShop.setName("GGShop");
    GMSGCity.setName("GMSGCity");
    auto& picCity = context_.pictures.picCity;
    for (host::ui::Control* control :
         std::initializer_list<host::ui::Control*>{&GVCity, &GLCityMenu, &GLShop(0), &GLReturnCity, &GLBuy,
                                                   &GLSell, &GLMultipurpose, &GGShop, &GMSGCity})
        control->setParent(&picCity);
    if (auto stored = storedGridSettings("GGShop")) GGShop.ReadProperties(*stored);

    GLReturnCity.Click.subscribe([this] { GLReturnCity_Click(); });
    GLReturnCity.MouseMove.subscribe([this](int&, int&, int&, int&) { tip(captions::kBackToPlaces); });
    GLReturnCity.MouseLeave.subscribe([this] { tip(captions::kWelcome); });
    GLBuy.Click.subscribe([this] { GLBuy_Click(); });
    GLSell.Click.subscribe([this] { GLSell_Click(); });
    GLMultipurpose.Click.subscribe([this] { GLMultipurpose_Click(); });
    for (ctrGraphicalLabelLite* button : {&GLReturnCity, &GLBuy, &GLSell, &GLMultipurpose})
        button->Sound.subscribe(playControlSound);

    GGShop.RowSelect.subscribe([this](std::int16_t& Row, std::int16_t&) { GGShop_RowSelect(Row); });
    GGShop.MouseSelect.subscribe([this](std::int16_t& Row, std::int16_t&) { GGShop_MouseSelect(Row); });
    GGShop.MouseLeave.subscribe([this] { tip(captions::kWelcome); });
    GGShop.CheckRowChange.subscribe([this](std::int16_t& NewRow) { GGShop_CheckRowChange(NewRow); });
    GGShop.Sound.subscribe(playControlSound);
}

void TownScreen::tip(std::string_view text) {
    GMSGCity.Text(std::string(text));
}

void TownScreen::placeButton(ctrGraphicalLabelLite& button, int left, int top, int width,
                             std::string_view text, std::int32_t fontColour) {
    button.Move(left, top, width, kButtonHeight);
    button.FontColor(fontColour);
    button.FontSize(kButtonFontSize);
    button.Text(std::string(text));
    button.BackImageCopy(context_.pictures.picCity, static_cast<std::int16_t>(left),
                         static_cast<std::int16_t>(top));
}

void TownScreen::BuildTownScreen(const std::function<void(std::int16_t)>& setGauge) {
    auto& picCity = context_.pictures.picCity;
    picCity.Move(0, 0, 800, 600);
    context_.images.SetImage(picCity, "町");
    picCity.Refresh();

    for (int i = 1; i < static_cast<int>(captions::gPlaces.size()); ++i)
        GLShop.Load(i);
    setGauge(22);
    for (int i = 0; i <= GLShop.UBound(); ++i) {
        ctrGraphicalLabelLite& button = GLShop(i);
        placeButton(button, (i % 3) * 200 + 100, (i / 3) * 50 + 150, 150, captions::gPlaces[i], kWhite);
        button.setVisible(true);
        button.Click.subscribe([this, i] { GLShop_Click(i); });
        button.MouseMove.subscribe(
            [this, &button](int&, int&, int&, int&) { tip(context_.data.GetMSGTips(button.Text())); });
        button.MouseLeave.subscribe([this] { tip(captions::kWhereTo); });
        button.Sound.subscribe(playControlSound);
    }

    setGauge(24);
    placeButton(GLCityMenu, 75, 50, 150, captions::kTown, kWhite);
    GLCityMenu.FontSize(16);
    GLCityMenu.Enable(false);

    GMSGCity.Move(550, 360, 245, 230);
    GMSGCity.FontColor(kWhite);
    GMSGCity.FontSize(12);
    GMSGCity.BackImageCopy(picCity.hDC(), 550, 360);
    tip(captions::kLeavingTown);

    placeButton(GLReturnCity, 100, 560, 150, captions::kBackToTown, kGold);
    GLReturnCity.setVisible(false);
    setGauge(26);
    placeButton(GLBuy, 550, 300, 80, captions::kBuy, kGold);
    placeButton(GLSell, 650, 300, 80, captions::kSell, kGold);
    placeButton(GLMultipurpose, 550, 260, 200, "", kGold);
    for (ctrGraphicalLabelLite* button : {&GLBuy, &GLSell, &GLMultipurpose})
        button->setVisible(false);
    setGauge(28);

    GGShop.Move(50, 100, GGShop.Width(), GGShop.Height());
    GGShop.SetScrollBarImage(context_.images.GetImageHDC("スクロール"), false);
    GGShop.SetBackImage(picCity.hDC(), 50, 100);
    GGShop.setVisible(false);

    status_view::placeStatusView(GVCity, picCity);
}

void TownScreen::ShowTownScreen() {
    auto& picCity = context_.pictures.picCity;
    context_.images.SetImage(picCity, "町");
    GLBuy.setVisible(false);
    GLSell.setVisible(false);
    GLReturnCity.setVisible(false);
    GLReturnCity.MouseLeave();
    GGShop.setVisible(false);
    GLMultipurpose.Text("");
    GLMultipurpose.setVisible(false);
    for (int i = 0; i <= GLShop.UBound(); ++i)
        GLShop(i).setVisible(true);
    tip(captions::kWhereTo);
    GMSGCity.Refresh();
    GLCityMenu.Text(std::string(captions::kTown));
    GLCityMenu.Refresh();
    GVCity.RePaint();
    picCity.Refresh();
}

void TownScreen::RefreshStatusView() {
    status_view::showStatus(GVCity, context_.data);
}

void TownScreen::GLShop_Click(int Index) {
    if (placeEntering_) return;
    if (Index == kBackToSchool) {
        context_.pictures.picCity.setEnabled(false);
        context_.pictures.picSchool.setEnabled(true);
        context_.screens.ShowSchoolMenu(false);
        context_.pictures.picSchool.ZOrder(0);
        GLShop(Index).MouseLeave();
        MngSound().SoundPlay(context_.data.GetSoundName());
        return;
    }
    const FlagScope entering(placeEntering_);
    const std::optional<MenuKey> place = menuKeyNamed(GLShop(Index).Text());
    if (!place) return;
    context_.data.SetMenu(*place);
    GLShop(Index).MouseLeave();
    EnterTownPlace();
}

void TownScreen::GLReturnCity_Click() {
    ShowTownScreen();
}
