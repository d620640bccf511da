#pragma once

#include "grids/columns/cls_gg_ver2_header.h"

#include "host/runtime/collection.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One grid's column set: the columns in Index order under "header1",
// "header2", ...
using GGVer2HeaderCollection = host::runtime::Collection<std::shared_ptr<const clsGGVer2Header>>;

// Every grid's columns, registered once at start-up and read for every grid
// fill. Set names are compared exactly.
class clsGGVer2Headers {
  public:
    // Registers one column (the arguments of clsGGVer2Header::Add). The
    // registry holds at most 32767 columns; one more raises overflow (6).
    void Add(std::string pGGName, std::string pName, std::int32_t pTA, std::int16_t pIndex,
             std::int16_t pWidth, std::string pFieldName, std::int16_t pMinORImageWidth,
             std::int16_t pMaxORImageHeight, host::gdi::DeviceContext* pImageHDC,
             host::gdi::DeviceContext* pImageMaskHDC);

    // The number of columns registered under the set name.
    std::int16_t GetHeaderCols(const std::string& pGGName) const;

    // A new collection of the set's columns: for each position j from 1 to the
    // set's count, the first column registered with Index j, under "header" & j;
    // a position without such a column is left out.
    std::shared_ptr<GGVer2HeaderCollection> GetHeaders(const std::string& pGGName) const;

  private:
    std::vector<std::shared_ptr<const clsGGVer2Header>> headers_; // in registration order
};
