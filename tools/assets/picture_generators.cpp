#include "tools/assets/picture_generators.h"

#include "host/gdi/picture.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace tools {
namespace {

using host::gdi::Bitmap;
using host::gdi::COLORREF;
using host::gdi::Rect;
using host::gdi::RGB;

constexpr int kJpegQuality = 85;

// A stable number for a name (FNV-1a), so every record gets its own colours.
std::uint32_t nameHash(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name) {
        hash = (hash ^ static_cast<std::uint8_t>(c)) * 16777619u;
    }
    return hash;
}

// A colour of the name whose channels stay within 40..215: never white or
// black, and far enough from both to survive any keying.
COLORREF nameColour(std::string_view name, unsigned salt = 0) {
    const std::uint32_t hash = nameHash(name) ^ (salt * 0x9E3779B9u);
    const auto channel = [&](int shift) {
        return static_cast<std::uint8_t>(40 + ((hash >> shift) & 0xFF) % 176);
    };
    return RGB(channel(0), channel(8), channel(16));
}

COLORREF darker(COLORREF colour) {
    const auto half = [](std::uint8_t c) { return static_cast<std::uint8_t>(std::max(20, c / 2)); };
    return RGB(half(host::gdi::GetRValue(colour)), half(host::gdi::GetGValue(colour)),
               half(host::gdi::GetBValue(colour)));
}

void fillEllipse(Bitmap& bitmap, const Rect& box, COLORREF colour) {
    const double cx = (box.left + box.right) / 2.0;
    const double cy = (box.top + box.bottom) / 2.0;
    const double rx = (box.right - box.left) / 2.0;
    const double ry = (box.bottom - box.top) / 2.0;
    if (rx <= 0 || ry <= 0) return;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) bitmap.setPixel(x, y, colour);
        }
    }
}

// The rectangle of frame index within the picture.
Rect frameRect(const PictureBudget& record, int index) {
    const int w = record.frameWidth();
    const int h = record.frameHeight();
    const int x = record.layout == FrameLayout::Horizontal ? index * w : 0;
    const int y = record.layout == FrameLayout::Vertical ? index * h : 0;
    return {x, y, x + w, y + h};
}

Rect inset(const Rect& rect, int d) {
    return {rect.left + d, rect.top + d, rect.right - d, rect.bottom - d};
}

} // namespace

Bitmap DrawEffect(const PictureBudget& record) {
    Bitmap bitmap(record.width, record.height);
    const COLORREF colour = nameColour(record.name);
    for (int i = 0; i < record.frames; ++i) {
        const Rect frame = frameRect(record, i);
        // The burst grows from frame to frame.
        const int w = frame.right - frame.left;
        const int h = frame.bottom - frame.top;
        const int burstWidth = std::max(2, w * (i + 1) / record.frames);
        const int burstHeight = std::max(2, h * (i + 1) / record.frames);
        const int left = frame.left + (w - burstWidth) / 2;
        const int top = frame.top + (h - burstHeight) / 2;
        fillEllipse(bitmap, {left, top, left + burstWidth, top + burstHeight}, colour);
    }
    return bitmap;
}

Bitmap DrawMonster(const PictureBudget& record) {
    Bitmap bitmap(record.width, record.height);
    const Rect whole{0, 0, record.width, record.height};
    const int margin = std::max(1, record.width / 16);
    fillEllipse(bitmap, inset(whole, margin), nameColour(record.name));
    const int eye = std::max(2, record.width / 10);
    const int eyeY = record.height / 3;
    const COLORREF eyeColour = darker(nameColour(record.name, 1));
    bitmap.fill({record.width / 3 - eye / 2, eyeY, record.width / 3 + eye / 2 + 1, eyeY + eye}, eyeColour);
    bitmap.fill({2 * record.width / 3 - eye / 2, eyeY, 2 * record.width / 3 + eye / 2 + 1, eyeY + eye},
                eyeColour);
    return bitmap;
}

Bitmap DrawUnit(const PictureBudget& record) {
    Bitmap bitmap(record.width, record.height);
    // The arm is the name without its last character (左 or 右).
    const std::string_view arm = record.name.substr(0, record.name.size() - 3);
    const bool facesRight = record.name.ends_with("右");
    const COLORREF body = nameColour(arm);
    const int w = record.width;
    const int h = record.height;
    fillEllipse(bitmap, {w * 2 / 5, h / 10, w * 3 / 5, h * 3 / 10}, RGB(230, 190, 150));
    bitmap.fill({w * 7 / 20, h * 3 / 10, w * 13 / 20, h * 8 / 10}, body);
    bitmap.fill({w * 7 / 20, h * 8 / 10, w * 9 / 20, h * 19 / 20}, darker(body));
    bitmap.fill({w * 11 / 20, h * 8 / 10, w * 13 / 20, h * 19 / 20}, darker(body));
    const int weaponX = facesRight ? w * 13 / 20 : w * 3 / 20;
    bitmap.fill({weaponX, h * 2 / 5, weaponX + w / 5, h * 2 / 5 + 3}, RGB(150, 150, 160));
    return bitmap;
}

Bitmap DrawBackground(const PictureBudget& record) {
    Bitmap bitmap(record.width, record.height);
    const COLORREF top = nameColour(record.name);
    const COLORREF bottom = nameColour(record.name, 2);
    for (int y = 0; y < record.height; ++y) {
        const auto mix = [&](std::uint8_t a, std::uint8_t b) {
            return static_cast<std::uint8_t>(a + (b - a) * y / std::max(1, record.height - 1));
        };
        const COLORREF colour = RGB(mix(host::gdi::GetRValue(top), host::gdi::GetRValue(bottom)),
                                    mix(host::gdi::GetGValue(top), host::gdi::GetGValue(bottom)),
                                    mix(host::gdi::GetBValue(top), host::gdi::GetBValue(bottom)));
        bitmap.fillSpan(y, 0, record.width, colour);
    }
    return bitmap;
}

Bitmap DrawInterface(const PictureBudget& record) {
    Bitmap bitmap(record.width, record.height);
    for (int i = 0; i < record.frames; ++i) {
        const Rect frame = frameRect(record, i);
        const int border = std::min(2, std::min(frame.right - frame.left, frame.bottom - frame.top) / 4);
        bitmap.fill(inset(frame, border), nameColour(record.name, static_cast<unsigned>(i)));
    }
    return bitmap;
}

Bitmap DrawTitle() {
    const PictureBudget title{"タイトル画面",
                              PictureKind::Background,
                              PictureFormat::Jpeg,
                              0,
                              0,
                              kBackgroundWidth,
                              kBackgroundHeight,
                              1,
                              FrameLayout::Vertical};
    return DrawBackground(title);
}

std::vector<std::uint8_t> GeneratePicture(const PictureBudget& record) {
    Bitmap bitmap = [&] {
        switch (record.kind) {
        case PictureKind::Effect:
            return DrawEffect(record);
        case PictureKind::Monster:
            return DrawMonster(record);
        case PictureKind::Unit:
            return DrawUnit(record);
        case PictureKind::Background:
            return DrawBackground(record);
        case PictureKind::Interface:
            break;
        }
        return DrawInterface(record);
    }();
    return record.format == PictureFormat::Jpeg ? host::gdi::EncodeJpeg(bitmap, kJpegQuality)
                                                : host::gdi::EncodePng(bitmap);
}

std::vector<std::uint8_t> GenerateTitle() {
    return host::gdi::EncodeJpeg(DrawTitle(), kJpegQuality);
}

} // namespace tools
