#pragma once

#include <cstdint>
#include <string>

// The program's version numbers and their texts.
class clsAppInfo {
  public:
    static constexpr std::int32_t kMajor = 1;
    static constexpr std::int32_t kMinor = 0;
    static constexpr std::int32_t kRevision = 0;

    clsAppInfo(std::int32_t major = kMajor, std::int32_t minor = kMinor, std::int32_t revision = kRevision)
        : major_(major), minor_(minor), revision_(revision) {}

    // 0 "1.02.0003", 1 "1", 2 "02", 3 "3", 4 "1.02" (with "." as separator);
    // any other InfoNum gives "".
    std::string Version(std::int32_t InfoNum, const std::string& strSeparator) const;

    std::int32_t Major() const { return major_; }
    std::int32_t Minor() const { return minor_; }
    std::int32_t Revision() const { return revision_; }

  private:
    std::int32_t major_;
    std::int32_t minor_;
    std::int32_t revision_;
};
