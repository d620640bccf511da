#pragma once

#include "host/runtime/global.h"
#include "platform/graphics/cls_images.h"
#include "platform/masterdata/game_data_sections.h"
#include "platform/services/silent_services.h"
#include "state/cls_data.h"
#include "state/state_support.h"
#include "support/fake_game_host.h"

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace daytest {

// Silent services whose next draws come from a queue, and from the
// fixed-seed generator once the queue is empty.
class QueuedDrawServices : public SilentServices {
  public:
    void queue(std::initializer_list<float> draws) { queued_.insert(queued_.end(), draws); }
    float Rnd() override;

  private:
    std::deque<float> queued_;
};

// The draw that makes RandomInt(0, 100) give value.
float percentDraw(int value);

// A picture store with a blank picture for every lesson place of the master
// data and for "個別授業".
std::unique_ptr<clsImages> lessonPictures(const GameDataSections& sections);

// This month's newcomers made and admitted, as the newcomer list does; their names.
std::vector<std::string> admitNewcomers(clsData& data);

// A facade over master data (the packed one unless given) with the recording
// fake main form logging into the game's log, silent queued-draw services and blank lesson pictures. The
// facade's events land in the log in the order raised.
class DayGame {
  public:
    explicit DayGame(const std::vector<std::uint8_t>& master);
    DayGame();

    clsData& data() { return data_; }
    testsupport::FakeGameHost& host() { return host_; }
    QueuedDrawServices& services() { return *services_; }
    std::vector<std::string>& log() { return log_; }
    // Position of the first log entry equal to text at or after from; the
    // log's size when there is none.
    std::size_t find(const std::string& text, std::size_t from = 0) const;
    bool logged(const std::string& text) const { return find(text) < log_.size(); }

    std::vector<std::string> admitNewcomers() { return daytest::admitNewcomers(data_); }
    // A team of the first five students in the first formation, sent on the quest.
    clsUnitData sendTeam(const std::string& quest, const std::string& item = "");

  private:
    host::runtime::ScopedInstall<GameServices, QueuedDrawServices> services_;
    host::runtime::ScopedInstall<clsImages> images_;
    std::vector<std::string> log_;
    testsupport::FakeGameHost host_{log_};
    clsData data_{host_};
};

// The packed master data with one text replaced; throws when it is not there.
std::vector<std::uint8_t> masterDataWith(const std::string& from, const std::string& to);
// The packed master data with another student-name list (section 0).
std::vector<std::uint8_t> masterDataWithNames(const std::vector<std::string>& names);

} // namespace daytest
