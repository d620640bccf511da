#pragma once

#include <cstdint>
#include <string>

// A font of the owner-drawn controls; the size is kept within 8..72 points.
class clsFont {
  public:
    std::int16_t Size() const { return size_; }
    void Size(std::int16_t pData) { size_ = pData < 8 ? 8 : (pData > 72 ? 72 : pData); }
    const std::string& Name() const { return name_; }
    void Name(std::string pData) { name_ = std::move(pData); }
    bool Italic() const { return italic_; }
    void Italic(bool pData) { italic_ = pData; }
    bool Bold() const { return bold_; }
    void Bold(bool pData) { bold_ = pData; }

  private:
    std::int16_t size_ = 0;
    std::string name_;
    bool italic_ = false;
    bool bold_ = false;
};
