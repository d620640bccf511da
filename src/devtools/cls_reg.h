#pragma once

#include "host/runtime/variant.h"

#include <cstdint>
#include <string>

// String (type 1) and 32-bit (type 4) values under keys. There is no system
// registry here: the keys are sections of the file registry.ini beside the
// program ("<root key in hex>\<sub key>"), the values lines "name=value";
// key and value names ignore letter case. The file is replaced as a whole.
class clsReg {
  public:
    static constexpr std::int32_t kString = 1;
    static constexpr std::int32_t kDWord = 4;
    static constexpr const char* kFilePath = "\\registry.ini";

    // Creates the key when missing and writes the value; True when the value
    // was written. Another type writes no value and answers False, as does a
    // file that cannot be written or a value name holding "=". A varValue
    // that is no 32-bit number for type 4 raises the conversion's error.
    bool RegSetValue(std::int32_t lnghInKey, const std::string& strSubKey, const std::string& strValName,
                     std::int32_t lngType, const host::runtime::Variant& varValue) const;
    // The value read, or varDefault for a missing key or value, a text of
    // 256 bytes or more, a type-4 read of a text that is no number, or
    // another type. The stored value's type is not compared.
    host::runtime::Variant RegGetValue(std::int32_t lnghInKey, const std::string& strSubKey,
                                       const std::string& strValName, std::int32_t lngType,
                                       const host::runtime::Variant& varDefault) const;
};
