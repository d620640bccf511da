#pragma once

#include "tools/assets/budget_table.h"

#include "host/gdi/bitmap.h"

#include <cstdint>
#include <vector>

// The pictures of the archives, one generator per kind of record. Each draws
// the whole picture at the record's size; masked kinds leave pure white only
// where the picture is transparent, and monsters and units use no pure black
// (battle sprites are keyed on black as well).
namespace tools {

host::gdi::Bitmap DrawEffect(const PictureBudget& record);
host::gdi::Bitmap DrawMonster(const PictureBudget& record);
host::gdi::Bitmap DrawUnit(const PictureBudget& record);
host::gdi::Bitmap DrawBackground(const PictureBudget& record);
host::gdi::Bitmap DrawInterface(const PictureBudget& record);
// The title screen's picture, 800 x 600.
host::gdi::Bitmap DrawTitle();

// The record's picture drawn by its kind's generator, in the record's format.
std::vector<std::uint8_t> GeneratePicture(const PictureBudget& record);
// The title picture as a JPEG file.
std::vector<std::uint8_t> GenerateTitle();

} // namespace tools
