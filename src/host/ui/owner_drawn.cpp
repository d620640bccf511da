#include "host/ui/owner_drawn.h"

namespace host::ui {

OwnerDrawnControl::OwnerDrawnControl(std::string typeName)
    : Control(std::move(typeName), true), disp_(*this) {}

void OwnerDrawnControl::resized() {
    disp_.resize(Width(), Height(), gdi::kWhite);
}

} // namespace host::ui
