#include "grids/columns/cls_gg_ver2_headers.h"

#include "host/runtime/runtime_error.h"

#include <algorithm>
#include <limits>

void clsGGVer2Headers::Add(std::string pGGName, std::string pName, std::int32_t pTA, std::int16_t pIndex,
                           std::int16_t pWidth, std::string pFieldName, std::int16_t pMinORImageWidth,
                           std::int16_t pMaxORImageHeight, host::gdi::DeviceContext* pImageHDC,
                           host::gdi::DeviceContext* pImageMaskHDC) {
    if (headers_.size() >= static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
        throw host::runtime::RuntimeError(host::runtime::ErrorNumber::Overflow,
                                          "the column registry is full; column \"" + pName + "\" of \"" +
                                              pGGName + "\" was not added");
    auto header = std::make_shared<clsGGVer2Header>();
    header->Add(std::move(pGGName), std::move(pName), pTA, pIndex, pWidth, std::move(pFieldName),
                pMinORImageWidth, pMaxORImageHeight, pImageHDC, pImageMaskHDC);
    headers_.push_back(std::move(header));
}

std::int16_t clsGGVer2Headers::GetHeaderCols(const std::string& pGGName) const {
    return static_cast<std::int16_t>(std::count_if(
        headers_.begin(), headers_.end(), [&](const auto& header) { return header->GGName() == pGGName; }));
}

std::shared_ptr<GGVer2HeaderCollection> clsGGVer2Headers::GetHeaders(const std::string& pGGName) const {
    auto set = std::make_shared<GGVer2HeaderCollection>();
    const std::int16_t count = GetHeaderCols(pGGName);
    for (std::int16_t j = 1; j <= count; ++j) {
        auto found = std::find_if(headers_.begin(), headers_.end(), [&](const auto& header) {
            return header->GGName() == pGGName && header->Index() == j;
        });
        if (found != headers_.end()) set->add(*found, "header" + std::to_string(j));
    }
    return set;
}
