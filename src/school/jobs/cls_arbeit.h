#pragma once

#include <cstdint>
#include <string>

// One part-time job: the months it is offered in, what it costs and trains,
// what it earns and the item that may turn up during it.
class clsArbeit {
  public:
    const std::string& Name() const { return name_; }
    void Name(std::string value) { name_ = std::move(value); }
    // Physical strength the job costs each student.
    std::int16_t Physical() const { return physical_; }
    void Physical(std::int16_t value) { physical_ = value; }
    // The months StartMonth..EndMonth, never across the year end.
    std::int16_t StartMonth() const { return startMonth_; }
    void StartMonth(std::int16_t value) { startMonth_ = value; }
    std::int16_t EndMonth() const { return endMonth_; }
    void EndMonth(std::int16_t value) { endMonth_ = value; }
    // Wages paid to the school.
    std::int16_t Money() const { return money_; }
    void Money(std::int16_t value) { money_ = value; }
    std::int16_t KingdomPoint() const { return kingdomPoint_; }
    void KingdomPoint(std::int16_t value) { kingdomPoint_ = value; }
    // Bit n (1..17): ability n is trained.
    std::int32_t SmallEffect() const { return smallEffect_; }
    void SmallEffect(std::int32_t value) { smallEffect_ = value; }
    std::int16_t EffectPoint() const { return effectPoint_; }
    void EffectPoint(std::int16_t value) { effectPoint_ = value; }
    const std::string& Item() const { return item_; }
    void Item(std::string value) { item_ = std::move(value); }
    // A second item name of the row; nothing reads it.
    const std::string& RheaItem() const { return rheaItem_; }
    void RheaItem(std::string value) { rheaItem_ = std::move(value); }
    const std::string& Tips() const { return tips_; }
    void Tips(std::string value) { tips_ = std::move(value); }

  private:
    std::string name_;
    std::int16_t physical_ = 0;
    std::int16_t startMonth_ = 0;
    std::int16_t endMonth_ = 0;
    std::int16_t money_ = 0;
    std::int16_t kingdomPoint_ = 0;
    std::int32_t smallEffect_ = 0;
    std::int16_t effectPoint_ = 0;
    std::string item_;
    std::string rheaItem_;
    std::string tips_;
};
