#include "host/ui/compose.h"

#include "host/gdi/blit.h"
#include "host/ui/form.h"

#include <algorithm>

namespace host::ui {

namespace {

gdi::Rect intersect(const gdi::Rect& a, const gdi::Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool empty(const gdi::Rect& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

void drawLabels(const Control& container, gdi::DeviceContext& frame, gdi::Point origin) {
    for (const Control* child : container.children())
        if (!child->windowed() && child->Visible()) child->drawOnto(frame, origin);
}

void composeControl(const Control& control, gdi::DeviceContext& frame, gdi::Point parentOrigin,
                    const gdi::Rect& clip) {
    if (!control.Visible() || !control.windowed()) return;
    gdi::Point origin{parentOrigin.x + control.Left(), parentOrigin.y + control.Top()};
    gdi::Rect area =
        intersect(clip, {origin.x, origin.y, origin.x + control.Width(), origin.y + control.Height()});
    if (empty(area)) return;
    if (const gdi::DeviceContext* look = control.look())
        gdi::BitBlt(frame, area.left, area.top, area.right - area.left, area.bottom - area.top, *look,
                    area.left - origin.x, area.top - origin.y, gdi::SRCCOPY);
    drawLabels(control, frame, origin);
    for (const Control* child : control.children())
        composeControl(*child, frame, origin, area);
}

void drawOutline(gdi::Bitmap& bitmap, const gdi::Rect& r) {
    // Inverted, so it shows on any picture.
    auto invert = [&](int x, int y) {
        if (bitmap.contains(x, y)) bitmap.setPixel(x, y, bitmap.pixel(x, y) ^ 0x00FFFFFF);
    };
    for (int x = r.left; x < r.right; ++x) {
        invert(x, r.top);
        if (r.bottom - 1 > r.top) invert(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        invert(r.left, y);
        if (r.right - 1 > r.left) invert(r.right - 1, y);
    }
}

} // namespace

void Compose(const Form& form, gdi::DeviceContext& frame) {
    gdi::Rect client{0, 0, Form::kClientWidth, Form::kClientHeight};
    frame.bitmap().fill(client, form.BackColor());
    drawLabels(form, frame, {0, 0});
    for (const Control* child : form.children())
        composeControl(*child, frame, {0, 0}, client);
    if (!empty(form.dragOutline())) drawOutline(frame.bitmap(), form.dragOutline());
}

} // namespace host::ui
