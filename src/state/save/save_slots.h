#pragma once

#include "host/runtime/collection.h"
#include "platform/records/cls_get_grid_data.h"
#include "state/save/save_parts.h"

#include <cstdint>
#include <string>
#include <string_view>

// The 20 save slots on disk, through the file service File() (its progress
// events included). Slot indexes outside 1..20 raise the subscript error.

// Writes the slot whole: the Save folder is made when missing, and the file
// service writes a temporary file that replaces the slot only once complete.
// On failure the old file stays and the answer says what went wrong, for
// the player; an empty answer is success.
std::string writeSaveSlot(std::int16_t index, std::string_view header, const SaveParts& parts);

// The nine parts of a slot, or what kept them from being read.
ReadSaveParts readSaveSlot(std::int16_t index);

// Rows of slots 1..20 in order.
host::runtime::Collection<clsGetGridData> saveSlotRows();
// The row of one slot read without the header check (the slot just written).
clsGetGridData saveSlotDetail(std::int16_t index);
// True when at least one slot file exists.
bool anySaveSlot();

// What the player is told when a slot cannot be saved or loaded.
std::string saveFailureMessage(std::int16_t index, std::string_view reason);
std::string loadFailureMessage(std::int16_t index, std::string_view reason);
