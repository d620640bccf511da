#pragma once

#include "host/gdi/device_context.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

// One stored picture: its name, the device context holding its bitmap (owned
// by the record) and the bitmap's size.
class clsHDCImage {
  public:
    std::int32_t Width() const { return width_; }
    void Width(std::int32_t value) { width_ = value; }
    std::int32_t Height() const { return height_; }
    void Height(std::int32_t value) { height_ = value; }
    const std::string& Name() const { return name_; }
    void Name(std::string value) { name_ = std::move(value); }
    // Null until a context is given.
    host::gdi::DeviceContext* HDC() const { return hdc_.get(); }
    // Takes the context; a context held before is deleted.
    void HDC(std::unique_ptr<host::gdi::DeviceContext> value) { hdc_ = std::move(value); }

  private:
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::string name_;
    std::unique_ptr<host::gdi::DeviceContext> hdc_;
};
