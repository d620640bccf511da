#pragma once

#include "platform/graphics/cls_hdc_image.h"

#include "host/gdi/device_context.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// Every picture of the game by name, each held as a device context with its
// size. The store owns the contexts it accepts and deletes them, in the order
// they were added, when it ends. Names are compared exactly.
class clsImages {
  public:
    clsImages() = default;
    ~clsImages();
    clsImages(const clsImages&) = delete;
    clsImages& operator=(const clsImages&) = delete;

    // Copies 800 x 600 pixels from the top-left of the named picture to the
    // top-left of the box, then refreshes the box.
    void SetImage(host::gdi::Drawable& pPB, const std::string& ImageName) const;

    // Stores the context under the name and takes it (ImageHDC becomes null).
    // False for a name already stored or a null context: the store is then
    // unchanged and the context stays with the caller.
    bool AddImage(const std::string& ImageName, std::unique_ptr<host::gdi::DeviceContext>& ImageHDC,
                  std::int32_t pWidth, std::int32_t pHeight);

    // These raise the invalid-call error (5) for a name not stored.
    std::int32_t GetImageHeight(const std::string& ImageName) const;
    std::int32_t GetImageWidth(const std::string& ImageName) const;
    host::gdi::DeviceContext& GetImageHDC(const std::string& ImageName) const;

  private:
    const clsHDCImage& find(const std::string& ImageName) const;

    std::vector<std::unique_ptr<clsHDCImage>> images_;
    std::unordered_map<std::string, const clsHDCImage*> byName_;
};
