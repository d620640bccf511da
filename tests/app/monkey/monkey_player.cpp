#include "monkey_player.h"

#include "toolkit/ctr_graphical_label_lite.h"
#include "toolkit/ctr_graphical_slider.h"

#include "host/ui/input_event.h"
#include "host/ui/text_box.h"

#include <array>

namespace monkeytest {

using host::ui::Control;
using host::ui::InputEvent;

namespace {

// Points tried inside a control before it counts as covered.
constexpr int kPointsTried = 6;

// Takes input as the player sees it: also the toolkit's own switches.
bool playable(const Control& control) {
    if (!control.windowed() || !control.takesInput()) return false;
    if (auto* label = dynamic_cast<const ctrGraphicalLabelLite*>(&control)) return label->Enable();
    if (auto* slider = dynamic_cast<const ctrGraphicalSlider*>(&control)) return slider->Enabled();
    return true;
}

} // namespace

std::string describe(const Control& control) {
    std::string text = control.Name().empty() ? control.TypeName() : control.Name();
    if (control.Index() >= 0) text += "(" + std::to_string(control.Index()) + ")";
    return text;
}

int MonkeyPlayer::below(int bound) {
    return std::uniform_int_distribution<int>(0, bound - 1)(random_);
}

void MonkeyPlayer::collect(host::ui::Form& form, Control& container, std::vector<Target>& found) {
    for (Control* child : container.children()) {
        if (!child->effectivelyVisible()) continue;
        if (playable(*child) && child->Width() > 0 && child->Height() > 0) {
            const host::gdi::Point origin = child->originInForm();
            for (int tried = 0; tried < kPointsTried; ++tried) {
                const host::gdi::Point point{origin.x + below(child->Width()),
                                             origin.y + below(child->Height())};
                if (form.controlAt(point) == child) {
                    found.push_back({child, point});
                    break;
                }
            }
        }
        collect(form, *child, found);
    }
}

std::vector<MonkeyPlayer::Target> MonkeyPlayer::targets(host::ui::Form& form) {
    std::vector<Target> found;
    collect(form, form, found);
    return found;
}

std::string MonkeyPlayer::typedText() {
    static const std::array<const char*, 6> texts = {
        "a", "Quorvel", "12345", "ミルトナ", "", "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~"};
    std::string text = texts[static_cast<std::size_t>(below(static_cast<int>(texts.size())))];
    if (below(10) == 0) text.append(static_cast<std::size_t>(below(300)), 'x');
    return text;
}

MonkeyPlayer::Action MonkeyPlayer::act(host::ui::Form& form, host::ui::NullVideoDriver& window) {
    const int kind = below(100);
    if (kind < 4) {
        window.push(InputEvent::keyChar(13));
        return {"Enter", ""};
    }
    if (kind < 7) {
        window.push(InputEvent::keyChar(27));
        return {"Escape", ""};
    }
    const std::vector<Target> found = targets(form);
    if (found.empty()) return {};
    // A screen's bare background is picked again once, so that the player
    // mostly acts on what is on it.
    const Target* pick = &found[static_cast<std::size_t>(below(static_cast<int>(found.size())))];
    if (!pick->control->children().empty())
        pick = &found[static_cast<std::size_t>(below(static_cast<int>(found.size())))];
    const Target& target = *pick;
    const host::gdi::Point at = target.point;
    const std::string name = describe(*target.control);
    if (auto* box = dynamic_cast<host::ui::TextBox*>(target.control); box && kind < 40) {
        window.click(at.x, at.y);
        if (below(4) == 0) window.push(InputEvent::keyChar(8));
        const std::string text = typedText();
        window.push(InputEvent::typed(text));
        return {"type \"" + text + "\" into " + name, name};
    }
    if (target.control->dragMode() == host::ui::DragMode::Automatic && kind < 50) {
        const Target& onto = found[static_cast<std::size_t>(below(static_cast<int>(found.size())))];
        window.push(InputEvent::move(at.x, at.y));
        window.push(InputEvent::down(host::ui::vbLeftButton, at.x, at.y));
        window.push(InputEvent::move((at.x + onto.point.x) / 2, (at.y + onto.point.y) / 2));
        window.push(InputEvent::move(onto.point.x, onto.point.y));
        window.push(InputEvent::up(host::ui::vbLeftButton, onto.point.x, onto.point.y));
        return {"drag " + name + " onto " + describe(*onto.control), name};
    }
    if (kind < 15) {
        window.click(at.x, at.y, host::ui::vbRightButton);
        return {"right click " + name, name};
    }
    if (kind < 20) {
        window.push(InputEvent::wheel(below(2) == 0 ? 1 : -1, at.x, at.y));
        return {"wheel " + name, name};
    }
    if (kind < 25) {
        window.push(InputEvent::move(at.x, at.y));
        return {"hover " + name, name};
    }
    window.click(at.x, at.y);
    return {"click " + name + " at " + std::to_string(at.x) + "," + std::to_string(at.y), name};
}

} // namespace monkeytest
