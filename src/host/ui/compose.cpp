#include "host/ui/compose.h"

#include "host/gdi/blit.h"
#include "host/ui/form.h"

#include <algorithm>
#include <cstddef>
#include <vector>

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

// Whether the control hides all of area (in the frame's pixels): shown,
// windowed and with a look as large as itself, which is copied whole.
bool covers(const Control& control, gdi::Point parentOrigin, const gdi::Rect& area) {
    if (!control.Visible() || !control.windowed()) return false;
    const int left = parentOrigin.x + control.Left();
    const int top = parentOrigin.y + control.Top();
    if (left > area.left || top > area.top || left + control.Width() < area.right ||
        top + control.Height() < area.bottom)
        return false;
    const gdi::DeviceContext* look = control.look();
    return look && look->bitmap().width() >= control.Width() && look->bitmap().height() >= control.Height();
}

// Whether one of children[first..] hides all of area.
bool hiddenBy(const std::vector<Control*>& children, std::size_t first, gdi::Point origin,
              const gdi::Rect& area) {
    for (std::size_t j = first; j < children.size(); ++j)
        if (covers(*children[j], origin, area)) return true;
    return false;
}

void composeChildren(const Control& container, gdi::DeviceContext& frame, gdi::Point origin,
                     const gdi::Rect& clip);

void composeControl(const Control& control, gdi::DeviceContext& frame, gdi::Point origin,
                    const gdi::Rect& area) {
    if (const gdi::DeviceContext* look = control.look())
        gdi::BitBlt(frame, area.left, area.top, area.right - area.left, area.bottom - area.top, *look,
                    area.left - origin.x, area.top - origin.y, gdi::SRCCOPY);
    drawLabels(control, frame, origin);
    composeChildren(control, frame, origin, area);
}

// The container's visible windowed children from the back, each clipped to
// clip; one that a sibling in front hides whole is not drawn at all (the
// game's screens lie stacked, each the size of the window).
void composeChildren(const Control& container, gdi::DeviceContext& frame, gdi::Point origin,
                     const gdi::Rect& clip) {
    const std::vector<Control*>& children = container.children();
    for (std::size_t i = 0; i < children.size(); ++i) {
        const Control& child = *children[i];
        if (!child.Visible() || !child.windowed()) continue;
        const gdi::Point childOrigin{origin.x + child.Left(), origin.y + child.Top()};
        const gdi::Rect area = intersect(clip, {childOrigin.x, childOrigin.y, childOrigin.x + child.Width(),
                                                childOrigin.y + child.Height()});
        if (empty(area) || hiddenBy(children, i + 1, origin, area)) continue;
        composeControl(child, frame, childOrigin, area);
    }
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
    const gdi::Rect client{0, 0, Form::kClientWidth, Form::kClientHeight};
    if (!hiddenBy(form.children(), 0, {0, 0}, client)) {
        frame.bitmap().fill(client, form.BackColor());
        drawLabels(form, frame, {0, 0});
    }
    composeChildren(form, frame, {0, 0}, client);
    if (!empty(form.dragOutline())) drawOutline(frame.bitmap(), form.dragOutline());
}

} // namespace host::ui
