#pragma once

#include <cstdint>
#include <string>

// One of a formation's five positions (a section-8 row); filled by the
// catalogue's loader.
class clsLineData {
  public:
    const std::string& LineName() const { return lineName_; }
    void LineName(std::string value) { lineName_ = std::move(value); }
    // 1..5; position 1 is the leader's.
    std::int16_t LineNumber() const { return lineNumber_; }
    void LineNumber(std::int16_t value) { lineNumber_ = value; }
    // Column 1..5 on the formation grid (larger is nearer the opponent) and row 1..5.
    std::int16_t XPosition() const { return xPosition_; }
    void XPosition(std::int16_t value) { xPosition_ = value; }
    std::int16_t YPosition() const { return yPosition_; }
    void YPosition(std::int16_t value) { yPosition_ = value; }
    // The unit type standing there; also the stem of its picture names.
    const std::string& Image() const { return image_; }
    void Image(std::string value) { image_ = std::move(value); }
    // Share factors of the member's physical, attack and defence.
    float Physical() const { return physical_; }
    void Physical(float value) { physical_ = value; }
    float Offensive() const { return offensive_; }
    void Offensive(float value) { offensive_ = value; }
    float Defense() const { return defense_; }
    void Defense(float value) { defense_ = value; }

  private:
    std::string lineName_;
    std::int16_t lineNumber_ = 0;
    std::int16_t xPosition_ = 0;
    std::int16_t yPosition_ = 0;
    std::string image_;
    float physical_ = 0;
    float offensive_ = 0;
    float defense_ = 0;
};
