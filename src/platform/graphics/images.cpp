#include "platform/graphics/images.h"

#include "host/runtime/runtime_error.h"

namespace {

std::unique_ptr<clsImages>& gImages() {
    static std::unique_ptr<clsImages> images;
    return images;
}

} // namespace

clsImages& Images() {
    if (!gImages()) throw host::runtime::RuntimeError(host::runtime::ErrorNumber::ObjectNotSet, "gImages");
    return *gImages();
}

void InstallImages(std::unique_ptr<clsImages> images) {
    gImages() = std::move(images);
}

void ResetImages() {
    gImages().reset();
}
