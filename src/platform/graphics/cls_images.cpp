#include "platform/graphics/cls_images.h"

#include "host/gdi/blit.h"
#include "host/runtime/runtime_error.h"

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

clsImages::~clsImages() {
    byName_.clear();
    for (auto& image : images_)
        image.reset();
}

void clsImages::SetImage(host::gdi::Drawable& pPB, const std::string& ImageName) const {
    host::gdi::DeviceContext& source = GetImageHDC(ImageName);
    host::gdi::BitBlt(pPB.hDC(), 0, 0, 800, 600, source, 0, 0, host::gdi::SRCCOPY);
    pPB.Refresh();
}

bool clsImages::AddImage(const std::string& ImageName, std::unique_ptr<host::gdi::DeviceContext>& ImageHDC,
                         std::int32_t pWidth, std::int32_t pHeight) {
    if (!ImageHDC || byName_.contains(ImageName)) return false;
    auto image = std::make_unique<clsHDCImage>();
    image->Name(ImageName);
    image->Width(pWidth);
    image->Height(pHeight);
    image->HDC(std::move(ImageHDC));
    byName_.emplace(ImageName, image.get());
    images_.push_back(std::move(image));
    return true;
}

std::int32_t clsImages::GetImageHeight(const std::string& ImageName) const {
    return find(ImageName).Height();
}

std::int32_t clsImages::GetImageWidth(const std::string& ImageName) const {
    return find(ImageName).Width();
}

host::gdi::DeviceContext& clsImages::GetImageHDC(const std::string& ImageName) const {
    return *find(ImageName).HDC();
}

const clsHDCImage& clsImages::find(const std::string& ImageName) const {
    const auto it = byName_.find(ImageName);
    if (it == byName_.end())
        throw RuntimeError(ErrorNumber::InvalidCall, "no picture named \"" + ImageName + "\"");
    return *it->second;
}
