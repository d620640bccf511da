#pragma once

#include "tools/assets/budget_table.h"

#include "host/gdi/bitmap.h"

#include <memory>
#include <vector>

// The pictures of the packed image archive, decoded once as the loader reads
// them, with the budget row each came from.
struct ArchivePicture {
    const tools::PictureBudget* budget;
    std::unique_ptr<host::gdi::Bitmap> bitmap; // null when the record does not decode
};

const std::vector<ArchivePicture>& ArchivePictures();
// The title picture's file with its bytes restored, and the picture decoded
// from it (null when it does not decode).
std::vector<std::uint8_t> TitleRecord();
std::unique_ptr<host::gdi::Bitmap> TitlePicture();
// The record's bytes as the loader hands them to the decoder.
std::vector<std::uint8_t> ArchiveRecord(const tools::PictureBudget& budget);
