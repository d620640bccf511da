#include "state/day/day_support.h"

#include "host/gdi/device_context.h"
#include "host/runtime/convert.h"
#include "host/runtime/strings.h"
#include "host/text/utf.h"
#include "host/text/width.h"
#include "platform/graphics/images.h"
#include "state/state_support.h"

#include <stdexcept>

namespace daytest {

float QueuedDrawServices::Rnd() {
    if (queued_.empty()) return SilentServices::Rnd();
    const float draw = queued_.front();
    queued_.pop_front();
    return draw;
}

float percentDraw(int value) {
    return static_cast<float>(value) / 100.0f;
}

std::unique_ptr<clsImages> lessonPictures(const GameDataSections& sections) {
    auto images = std::make_unique<clsImages>();
    auto add = [&](const std::string& name) {
        auto picture = std::make_unique<host::gdi::DeviceContext>(1, 1);
        images->AddImage(name, picture, 1, 1);
    };
    add("個別授業");
    // The places are named full width, as the lesson catalogue stores them.
    for (const std::string& row : host::runtime::Split(sections.section[GameDataSection::Lessons], "\r\n"))
        add(host::text::toWide(host::runtime::Split(row, ",").at(9)));
    return images;
}

DayGame::DayGame() : DayGame(statetest::packedMasterData()) {}

DayGame::DayGame(const std::vector<std::uint8_t>& master)
    : services_(installedServices, std::make_unique<QueuedDrawServices>()),
      images_(gImages, lessonPictures(SplitGameData(master))) {
    host_.attach(data_);
    data_.SetGameData(master);
    data_.DateChenge.subscribe([this](clsDateDetails& date) {
        log_.push_back("DateChenge " + host::runtime::CStr(date.Month) + "/" + host::runtime::CStr(date.Day));
    });
    data_.Report.subscribe([this](std::string& MSG) { log_.push_back(MSG); });
    data_.DayEnd.subscribe([this] { log_.push_back("DayEnd"); });
    data_.ForwordEnd.subscribe([this] { log_.push_back("ForwordEnd"); });
    data_.ClassEnd.subscribe([this] { log_.push_back("ClassEnd"); });
    data_.NewYear.subscribe([this] { log_.push_back("NewYear"); });
    data_.ClassImage.subscribe([this](host::gdi::DeviceContext*&) { log_.push_back("ClassImage"); });
    data_.TestPlay();
}

std::size_t DayGame::find(const std::string& text, std::size_t from) const {
    for (std::size_t k = from; k < log_.size(); ++k)
        if (log_[k] == text) return k;
    return log_.size();
}

std::vector<std::string> admitNewcomers(clsData& data) {
    managers(data).students().ClearNewComer();
    data.CreateStudent();
    std::vector<std::string> names;
    for (const clsGetGridData& row : managers(data).students().GetNewComer())
        names.push_back(row.Data(1));
    for (const std::string& name : names)
        managers(data).students().SetNewStudent(name);
    return names;
}

clsUnitData DayGame::sendTeam(const std::string& quest, const std::string& item) {
    clsUnitData team;
    const host::runtime::Collection<std::string> names = managers(data_).students().GetALLStudentName();
    for (std::int16_t position = 1; position <= clsUnitData::Positions; ++position)
        team.Lines(position, names.item(position));
    team.LineName(managers(data_).lines().GetLineName("").item(1));
    team.QuestName(quest);
    team.ItemName(item);
    managers(data_).students().SetQuest(team);
    return team;
}

std::vector<std::uint8_t> masterDataWith(const std::string& from, const std::string& to) {
    std::string text = host::text::utf16leToUtf8(statetest::packedMasterData());
    const std::size_t at = text.find(from);
    if (at == std::string::npos) throw std::runtime_error("the master data holds no \"" + from + "\"");
    text.replace(at, from.size(), to);
    return statetest::masterBytes(text);
}

std::vector<std::uint8_t> masterDataWithNames(const std::vector<std::string>& names) {
    const std::string text = host::text::utf16leToUtf8(statetest::packedMasterData());
    return statetest::masterBytes(host::runtime::Join(names, "\r\n") + text.substr(text.find(';')));
}

} // namespace daytest
