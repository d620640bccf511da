#include "app/shell/entry_procedure.h"

#include "host/sdl/sdl_message_boxes.h"
#include "host/sdl/sdl_mixer_device.h"
#include "host/sdl/sdl_video_driver.h"
#include "host/sound/sound_library.h"

#include <memory>

int main() {
    host::sound::installedAudioDevice.install(std::make_unique<host::sdl::SdlMixerDevice>());
    host::sdl::SdlMessageBoxes boxes;
    return mdlQuorvel::Main(
        [&boxes]() -> std::unique_ptr<host::ui::VideoDriver> {
            auto window = std::make_unique<host::sdl::SdlVideoDriver>("Quorvel");
            boxes.setParent(window->window());
            return window;
        },
        boxes);
}
