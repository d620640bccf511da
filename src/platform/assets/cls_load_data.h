#pragma once

#include "platform/assets/asset_table.h"

#include "host/gdi/color.h"
#include "host/gdi/device_context.h"
#include "host/runtime/event.h"
#include "host/ui/picture_box.h"

#include <cstdint>
#include <string>
#include <vector>

// Loads the image archive into the picture store (Images()) and the sound
// archive into the sound manager (MngSound()), restoring each record's
// scrambled bytes once, just before it is used. Each load raises StartProcess
// once and LoadProcess before each record. SetData comes first.
class clsLoadData {
  public:
    // The stage's caption and its number of steps.
    host::runtime::Event<std::string, std::int16_t> StartProcess;
    // The record about to be loaded, counting 1 to Maxprocess.
    host::runtime::Event<std::int16_t, std::int16_t> LoadProcess;

    // Both raise the subscript error (9), naming the archive, when the
    // archive cannot be read, and pass on an error of any record (one lying
    // past the end of a short archive); what was loaded before stays.
    void LoadSound();
    void LoadImage();
    // The scratch box decodes the pictures (it is made invisible and sized to
    // its picture); every picture is stored in a context made like pfrmHDC.
    void SetData(host::ui::PictureBox& pPB, const host::gdi::DeviceContext& pfrmHDC);

  private:
    // A picture that cannot be decoded is stored as a placeholder of the
    // record's expected size.
    void AddImageFromBytes(const std::string& ImageName, std::vector<std::uint8_t>& arrByt,
                           std::int32_t lngFirst, std::int32_t lngLast, std::int32_t lngWidth,
                           std::int32_t lngHeight, const AssetTable::ImageRecord& expected);
    void AddMaskImage(const std::string& ImageName, host::gdi::COLORREF lngColor);
    void requireData() const;

    host::ui::PictureBox* pPB_ = nullptr;
    const host::gdi::DeviceContext* pfrmHDC_ = nullptr;
};
