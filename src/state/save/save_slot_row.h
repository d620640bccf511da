#pragma once

#include "platform/records/cls_get_grid_data.h"

#include <cstdint>
#include <string>
#include <string_view>

// The slot list's rows (cells 0..6: check mark "0", slot number, save time,
// kingdom date, money, kingdom points, play time) made from a slot's header
// text, whose six fields each end with "\".

// "year:month:day" as "25年04月01日". A part that is no number is shown as it is.
std::string FormatSaveDate(std::string_view text);
// "hours:minutes:seconds" as "3時間07分"; the seconds are dropped.
std::string FormatPlayTime(std::string_view text);

// A slot without a file: "No DATA" and empty cells.
clsGetGridData missingSlotRow(std::int16_t index);
// A header that does not split into seven parts at "\" reads "No DATA",
// "File Failed" and the number of "\" found.
clsGetGridData saveSlotRow(std::int16_t index, std::string_view header);
// The row of a slot just written, without the check of the parts' count;
// missing parts read empty.
clsGetGridData saveSlotDetailRow(std::int16_t index, std::string_view header);
