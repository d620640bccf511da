#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace host::text {

// Text that CP932 cannot hold. characters() lists each such character once,
// in order of first appearance, as UTF-8.
class Cp932Error : public std::runtime_error {
  public:
    explicit Cp932Error(std::string characters);

    const std::string& characters() const { return characters_; }

  private:
    std::string characters_;
};

// Throws Cp932Error naming every character that CP932 cannot hold.
std::vector<std::uint8_t> encodeCp932(std::string_view utf8);

// Bytes that are not CP932 become U+FFFD, one per byte skipped.
std::string decodeCp932(std::span<const std::uint8_t> bytes);

} // namespace host::text
