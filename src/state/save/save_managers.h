#pragma once

#include "state/save/save_parts.h"

#include <string>

class clsSystem;
class clsMngScout;
class clsTrade;
class clsMngCompany;
class clsMngArbeit;
class clsLines;
class clsMngTeacher;
class clsMngItem;
class clsMngStudent;

// The nine managers of one game that a save file holds: the running game's,
// or those of a game being staged for a load.
struct SaveManagers {
    clsSystem& system;
    clsMngScout& scout;
    clsTrade& trade;
    clsMngCompany& company;
    clsMngArbeit& arbeit;
    clsLines& lines;
    clsMngTeacher& teacher;
    clsMngItem& item;
    clsMngStudent& student;
};

SaveParts getSaveParts(const SaveManagers& managers);

// Hands each part to its manager in file order and stops at the first part a
// manager refuses: the answer names that part and the manager's reason, for
// the player; an empty answer is success. The managers before the refused
// part keep what they loaded, so a load goes into a staged game.
std::string setSaveParts(SaveManagers& managers, const SaveParts& parts);
