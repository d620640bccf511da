#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One request of the kingdom's quest catalogue and how often the school has
// completed it.
class clsQuest {
  public:
    // One more completion; the count holds at 32767.
    void AddCount();
    void SetSaveData(std::int16_t count) { count_ = count; }
    void CountClear() { count_ = 0; }

    // The key of prerequisite links and of the save part.
    std::int16_t ID() const { return id_; }
    // The lowest school rank 0..7 it is offered at; also its difficulty.
    std::int16_t Rank() const { return rank_; }
    const std::string& QuestName() const { return questName_; }
    std::int32_t Money() const { return money_; }
    // Kingdom points paid on success.
    std::int16_t Point() const { return point_; }
    const std::string& Image() const { return image_; }
    // The months StartMonth..EndMonth, across the year end when EndMonth is
    // the smaller.
    std::int16_t StartMonth() const { return startMonth_; }
    std::int16_t EndMonth() const { return endMonth_; }
    // The chance in percent that the quest ends in a fight.
    std::int16_t Battle() const { return battle_; }
    // A region word or the name of one monster.
    const std::string& Monster() const { return monster_; }
    // Offered only while never completed.
    bool Once() const { return once_; }
    // Completions are forgotten on day 1 of every month.
    bool Reset() const { return reset_; }
    // The quest to complete TargetCount times first; 0 none.
    std::int16_t TargetID() const { return targetId_; }
    std::int16_t Count() const { return count_; }
    const std::string& Tips() const { return tips_; }
    std::int16_t TargetCount() const { return targetCount_; }

    // True when month m lies in the quest's window.
    bool openInMonth(std::int16_t m) const;

    // The fifteen fields of a master row; the texts are widened. A short row
    // or a field that does not convert raises the runtime's error and
    // changes nothing.
    void SetData(std::string_view strData);

  private:
    std::int16_t id_ = 0;
    std::int16_t rank_ = 0;
    std::string questName_;
    std::int32_t money_ = 0;
    std::int16_t point_ = 0;
    std::string image_;
    std::int16_t startMonth_ = 0;
    std::int16_t endMonth_ = 0;
    std::int16_t battle_ = 0;
    std::string monster_;
    bool once_ = false;
    bool reset_ = false;
    std::int16_t targetId_ = 0;
    std::int16_t targetCount_ = 0;
    std::string tips_;
    std::int16_t count_ = 0;
};
