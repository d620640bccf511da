#pragma once

#include "host/gdi/device_context.h"

namespace host::ui {

class Form;

// Draws the form's client area into frame (at least 800 x 600): the form's
// colour and its labels, then each visible windowed control in z-order from
// the back, its look, its labels, then its own children the same way, each
// clipped to its container; last the outline of a dragged control. A control
// that a sibling in front hides whole is passed over.
void Compose(const Form& form, gdi::DeviceContext& frame);

} // namespace host::ui
