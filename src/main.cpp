#include "app/shell/entry_procedure.h"
#include "devtools/hidden_test_buttons.h"

#include "host/sdl/sdl_message_boxes.h"
#include "host/sdl/sdl_mixer_device.h"
#include "host/sdl/sdl_video_driver.h"
#include "host/sound/sound_library.h"
#include "state/g_data.h"

#include <memory>

int main() {
    host::sound::installedAudioDevice.install(std::make_unique<host::sdl::SdlMixerDevice>());
    host::sdl::SdlMessageBoxes boxes;
    std::unique_ptr<HiddenTestButtons> testButtons;
    return mdlQuorvel::Main(
        [&boxes]() -> std::unique_ptr<host::ui::VideoDriver> {
            auto window = std::make_unique<host::sdl::SdlVideoDriver>("Quorvel");
            boxes.setParent(window->window());
            return window;
        },
        boxes, {},
        [&testButtons](host::ui::Form& form) { testButtons = wireHiddenTestButtons(form, Data()); });
}
