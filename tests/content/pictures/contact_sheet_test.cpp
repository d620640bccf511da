#include "content/pictures/archive_pictures.h"

#include "host/gdi/device_context.h"
#include "host/gdi/draw_text.h"
#include "host/gdi/font.h"
#include "host/gdi/picture.h"
#include "host/sys/atomic_file.h"
#include "host/sys/paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using host::gdi::Bitmap;
using tools::PictureKind;

constexpr int kSheetWidth = 1600;
constexpr int kGap = 6;
constexpr int kLabel = 16;
const host::gdi::COLORREF kSheet = host::gdi::RGB(36, 40, 48);
// Shown where a masked picture is transparent.
const host::gdi::COLORREF kBackdrop = host::gdi::RGB(84, 104, 96);

struct Box {
    int width;
    int height;
};

Box boxOf(PictureKind kind) {
    switch (kind) {
    case PictureKind::Effect:
        return {110, 220};
    case PictureKind::Monster:
        return {112, 112};
    case PictureKind::Unit:
        return {100, 100};
    case PictureKind::Background:
        return {200, 150};
    case PictureKind::Interface:
        break;
    }
    return {100, 200};
}

struct Entry {
    std::string name;
    const Bitmap* bitmap;
    bool masked;
    Box box;
    int x = 0;
    int y = 0;
};

// Nearest-neighbour, keeping the aspect, at most 4 times the picture's size.
void drawScaled(Bitmap& sheet, const Entry& entry) {
    const Bitmap& picture = *entry.bitmap;
    const double scale = std::min(
        {4.0, double(entry.box.width) / picture.width(), double(entry.box.height) / picture.height()});
    const int w = std::max(1, int(picture.width() * scale)), h = std::max(1, int(picture.height() * scale));
    const int left = entry.x + (entry.box.width - w) / 2, top = entry.y + (entry.box.height - h) / 2;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const auto pixel = picture.pixel(int(x / scale), int(y / scale));
            sheet.setPixel(left + x, top + y, entry.masked && pixel == host::gdi::kWhite ? kBackdrop : pixel);
        }
    }
}

// Every picture of the archive and the title, each scaled into a cell under
// its name, kind after kind: <build>/contact_sheet.png.
TEST(ContactSheet, ShowsEveryPictureAndTheTitle) {
    const auto& pictures = ArchivePictures();
    const auto title = TitlePicture();
    ASSERT_NE(title, nullptr);
    std::vector<Entry> entries;
    for (const auto& picture : pictures) {
        ASSERT_NE(picture.bitmap(), nullptr) << picture.budget().name;
        entries.push_back({std::string(picture.budget().name), picture.bitmap(),
                           picture.budget().kind != PictureKind::Background, boxOf(picture.budget().kind)});
    }
    entries.push_back({"title.kpz", title.get(), false, boxOf(PictureKind::Background)});

    int x = kGap, y = kGap, rowHeight = 0;
    PictureKind previous = pictures.front().budget().kind;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        Entry& entry = entries[i];
        const PictureKind kind = i < pictures.size() ? pictures[i].budget().kind : PictureKind::Background;
        if (x + entry.box.width > kSheetWidth || kind != previous) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        previous = kind;
        entry.x = x;
        entry.y = y;
        x += entry.box.width + kGap;
        rowHeight = std::max(rowHeight, entry.box.height + kLabel);
    }

    host::gdi::DeviceContext sheet(kSheetWidth, y + rowHeight + kGap);
    sheet.bitmap().fill({0, 0, sheet.bitmap().width(), sheet.bitmap().height()}, kSheet);
    sheet.selectFont(host::gdi::CreateFontIndirect({12, 0, ""}));
    sheet.setTextColor(host::gdi::RGB(230, 230, 230));
    sheet.setBkMode(host::gdi::BkMode::Transparent);
    for (const Entry& entry : entries) {
        drawScaled(sheet.bitmap(), entry);
        host::gdi::Rect label{entry.x, entry.y + entry.box.height, entry.x + entry.box.width,
                              entry.y + entry.box.height + kLabel};
        host::gdi::DrawText(sheet, entry.name, label, host::gdi::DT_CENTER | host::gdi::DT_SINGLELINE);
    }
    const auto png = host::gdi::EncodePng(sheet.bitmap());
    ASSERT_FALSE(png.empty());
    EXPECT_TRUE(host::sys::replaceFile(host::sys::gamePath("contact_sheet.png"), png));
}

} // namespace
