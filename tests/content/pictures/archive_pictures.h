#pragma once

#include "tools/assets/budget_table.h"

#include "host/gdi/bitmap.h"

#include <memory>
#include <optional>
#include <vector>

// A picture of the packed image archive with the budget row it came from,
// decoded as the loader reads it when first asked for (a test that looks at
// one kind decodes only that kind).
class ArchivePicture {
  public:
    explicit ArchivePicture(const tools::PictureBudget& budget) : budget_(&budget) {}
    const tools::PictureBudget& budget() const { return *budget_; }
    // Null when the record does not decode.
    const host::gdi::Bitmap* bitmap() const;

  private:
    const tools::PictureBudget* budget_;
    mutable std::optional<std::unique_ptr<host::gdi::Bitmap>> bitmap_;
};

const std::vector<ArchivePicture>& ArchivePictures();
// The title picture's file with its bytes restored, and the picture decoded
// from it (null when it does not decode).
std::vector<std::uint8_t> TitleRecord();
std::unique_ptr<host::gdi::Bitmap> TitlePicture();
// The record's bytes as the loader hands them to the decoder.
std::vector<std::uint8_t> ArchiveRecord(const tools::PictureBudget& budget);
