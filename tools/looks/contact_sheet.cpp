// Gathers the screen looks the tests wrote (every PNG of a folder, in name
// order) onto one sheet, each at half size with its file name under it, so
// that a person sees every screen at a glance.
//
//     contact_sheet <folder of looks> <sheet.png>
#include "host/gdi/bitmap.h"
#include "host/gdi/device_context.h"
#include "host/gdi/draw_text.h"
#include "host/gdi/font.h"
#include "host/gdi/picture.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using host::gdi::Bitmap;
using host::gdi::COLORREF;

constexpr int kColumns = 4;
constexpr int kCellWidth = 400;
constexpr int kCellHeight = 300;
constexpr int kCaptionHeight = 22;
constexpr int kGap = 10;
constexpr host::gdi::PictureSize kLargest{4000, 4000};
constexpr COLORREF kSheetColour = host::gdi::RGB(64, 64, 64);
constexpr COLORREF kCaptionColour = host::gdi::RGB(255, 255, 255);

struct Look {
    std::string name;
    std::unique_ptr<Bitmap> picture;
};

std::vector<std::uint8_t> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The mean of each 2 x 2 block (a last odd row or column counts once).
std::unique_ptr<Bitmap> halved(const Bitmap& picture) {
    auto half = std::make_unique<Bitmap>((picture.width() + 1) / 2, (picture.height() + 1) / 2);
    for (int y = 0; y < half->height(); ++y) {
        for (int x = 0; x < half->width(); ++x) {
            unsigned red = 0, green = 0, blue = 0, count = 0;
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    if (!picture.contains(2 * x + dx, 2 * y + dy)) continue;
                    const COLORREF colour = picture.pixel(2 * x + dx, 2 * y + dy);
                    red += host::gdi::GetRValue(colour);
                    green += host::gdi::GetGValue(colour);
                    blue += host::gdi::GetBValue(colour);
                    ++count;
                }
            }
            half->setPixel(x, y,
                           host::gdi::RGB(static_cast<std::uint8_t>(red / count),
                                          static_cast<std::uint8_t>(green / count),
                                          static_cast<std::uint8_t>(blue / count)));
        }
    }
    return half;
}

// Every PNG of the folder but the sheet, decoded and halved until it fits a cell.
std::vector<Look> looksIn(const fs::path& folder, const fs::path& sheet) {
    std::vector<Look> looks;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() != ".png" || (fs::exists(sheet) && fs::equivalent(entry.path(), sheet)))
            continue;
        const std::vector<std::uint8_t> bytes = readFile(entry.path());
        std::unique_ptr<Bitmap> picture = host::gdi::DecodePicture(bytes, kLargest);
        if (!picture) {
            std::fprintf(stderr, "contact_sheet: %s is no picture\n", entry.path().c_str());
            continue;
        }
        do
            picture = halved(*picture);
        while (picture->width() > kCellWidth || picture->height() > kCellHeight);
        looks.push_back({entry.path().filename().string(), std::move(picture)});
    }
    std::sort(looks.begin(), looks.end(), [](const Look& a, const Look& b) { return a.name < b.name; });
    return looks;
}

// The sheet as a PNG file.
std::vector<std::uint8_t> sheetOf(const std::vector<Look>& looks) {
    const int rows = (static_cast<int>(looks.size()) + kColumns - 1) / kColumns;
    const int columns = std::min(kColumns, std::max(1, static_cast<int>(looks.size())));
    host::gdi::DeviceContext sheet(kGap + columns * (kCellWidth + kGap),
                                   kGap + std::max(rows, 1) * (kCellHeight + kCaptionHeight + kGap));
    sheet.bitmap().fill({0, 0, sheet.bitmap().width(), sheet.bitmap().height()}, kSheetColour);
    sheet.selectFont(host::gdi::defaultFont());
    sheet.setTextColor(kCaptionColour);
    sheet.setBkMode(host::gdi::BkMode::Transparent);
    for (std::size_t i = 0; i < looks.size(); ++i) {
        const int left = kGap + static_cast<int>(i) % kColumns * (kCellWidth + kGap);
        const int top = kGap + static_cast<int>(i) / kColumns * (kCellHeight + kCaptionHeight + kGap);
        const Bitmap& picture = *looks[i].picture;
        for (int y = 0; y < picture.height(); ++y)
            std::copy_n(picture.row(y), picture.width(), sheet.bitmap().row(top + y) + left);
        host::gdi::Rect caption{left, top + kCellHeight, left + kCellWidth,
                                top + kCellHeight + kCaptionHeight};
        host::gdi::DrawText(sheet, looks[i].name, caption,
                            host::gdi::DT_CENTER | host::gdi::DT_VCENTER | host::gdi::DT_SINGLELINE);
    }
    return host::gdi::EncodePng(sheet.bitmap());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: contact_sheet <folder of looks> <sheet.png>\n");
        return 2;
    }
    const fs::path folder = argv[1];
    const fs::path sheetPath = argv[2];
    if (!fs::is_directory(folder)) {
        std::fprintf(stderr, "contact_sheet: no folder %s\n", folder.c_str());
        return 1;
    }
    const std::vector<Look> looks = looksIn(folder, sheetPath);
    const std::vector<std::uint8_t> png = sheetOf(looks);
    std::ofstream out(sheetPath, std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "contact_sheet: %s could not be written\n", sheetPath.c_str());
        return 1;
    }
    std::printf("contact_sheet: %zu looks on %s\n", looks.size(), sheetPath.c_str());
    return 0;
}
