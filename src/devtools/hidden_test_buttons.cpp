#include "devtools/hidden_test_buttons.h"

#include <cstdlib>
#include <functional>
#include <string>

namespace {

constexpr int kTwipsPerPixel = 15;

struct ButtonLayout {
    const char* caption;
    int left, top, width, height; // twips
    std::function<void(clsData&)> onClick;
};

const std::array<ButtonLayout, 6>& buttonLayouts() {
    static const std::array<ButtonLayout, 6> layouts = {{
        {"次の日", 3180, 330, 1035, 345, [](clsData& data) { data.DateForword(1); }},
        {"週末へ", 4500, 330, 990, 330, [](clsData& data) { data.DateForword(2); }},
        {"来月へ", 5655, 330, 855, 360, [](clsData& data) { data.DateForword(3); }},
        {"生徒生成", 930, 1035, 1215, 360, [](clsData& data) { data.TestLineCalc(); }},
        {"授業", 2280, 1020, 1215, 390, [](clsData& data) { data.TestStudy(); }},
        {"アルバイト", 3630, 1050, 1230, 375, [](clsData& data) { data.TestArbeit(); }},
    }};
    return layouts;
}

} // namespace

HiddenTestButtons::HiddenTestButtons(host::ui::Control& mainForm, clsData& facade, bool shown) {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const ButtonLayout& layout = buttonLayouts()[i];
        auto button = std::make_unique<host::ui::CommandButton>();
        button->setName("Command" + std::to_string(i + 1));
        button->setCaption(layout.caption);
        button->setParent(&mainForm);
        button->Move(layout.left / kTwipsPerPixel, layout.top / kTwipsPerPixel, layout.width / kTwipsPerPixel,
                     layout.height / kTwipsPerPixel);
        button->setVisible(shown);
        button->Click.subscribe([&facade, &layout] { layout.onClick(facade); });
        buttons_[i] = std::move(button);
    }
}

bool developerToolsShown() {
    const char* value = std::getenv(kDevToolsVariable);
    return value && std::string(value) == "1";
}

std::unique_ptr<HiddenTestButtons> wireHiddenTestButtons(host::ui::Control& mainForm, clsData& facade) {
    return std::make_unique<HiddenTestButtons>(mainForm, facade, developerToolsShown());
}
