#pragma once

#include "platform/records/cls_app_info.h"
#include "platform/settings/c_ini_file.h"
#include "platform/sound/cls_mng_sound.h"

#include "host/ui/form.h"

#include <cstdint>

// The player's settings file beside the program: section "Setting", read
// once at start-up into the settings model and written once at the close.
namespace SettingsFile {

inline constexpr const char* kPath = "\\quorvel.ini";
inline constexpr const char* kSection = "Setting";

inline constexpr const char* kLeft = "Left";
inline constexpr const char* kTop = "Top";
inline constexpr const char* kBGMVolume = "BGMVolume";
inline constexpr const char* kSEVolume = "SEVolume";
inline constexpr const char* kBattleMSG = "BattleMSG";
inline constexpr const char* kVisibleMSG = "VisibleMSG";
inline constexpr const char* kBattleHiSpeed = "BattleHiSpeed";
inline constexpr const char* kStockPriceReport = "StockPriceReport";
inline constexpr const char* kVersion = "Version";

// Reads the file into the model and leaves section "Setting" selected. The
// window takes "Left" and "Top" when both are whole numbers; the sound
// manager takes the two volumes. Every key of the six with a default that
// is missing, not a number, outside its range (volumes 0 to 100, speeds 1
// to 20) or not "True"/"False" holds its default in the model afterwards,
// so every later reader finds a valid value.
void LoadSettings(CIniFile& cINI, host::ui::Form& form, clsMngSound& sound);

// Puts the window position, the two volumes and the version into the model
// and writes every section; false when the file could not be written.
bool SaveSettings(CIniFile& cINI, const host::ui::Form& form, const clsMngSound& sound,
                  const clsAppInfo& cInfo);

// "StockPriceReport" of the model as a Boolean.
bool GetStockPriceReport(const CIniFile& cINI);

} // namespace SettingsFile
