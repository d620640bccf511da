#include "app/screens/unit/unit_screen.h"

#include "app/screens/unit/unit_captions.h"
#include "app/screens/unit/unit_slots.h"

#include "host/runtime/convert.h"

#include <string_view>
#include <vector>

namespace {

constexpr int kPresets = 5;
constexpr const char* kCRLF = "\r\n";
// The last line of a preset's tip names its item.
constexpr std::string_view kItemLine = "アイテム:";

// The lines of a text written with CR LF.
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(kCRLF, start)) != std::string::npos; start = end + 2)
        result.push_back(text.substr(start, end - start));
    result.push_back(text.substr(start));
    return result;
}

} // namespace

void UnitScreen::GLUnitLoadSave_Click(int Index) {
    if (Index < kPresets)
        loadPreset(static_cast<std::int16_t>(Index));
    else
        savePreset(static_cast<std::int16_t>(Index - kPresets));
}

void UnitScreen::savePreset(std::int16_t n) {
    clsData& data = context_.data;
    const std::string line = GLUnitLineData.Text();
    if (line.empty()) return;
    data.SetUnitLineName(n, line);
    for (std::int16_t k = 1; k <= kSlots; ++k)
        data.SetUnitSave(n, k, GLUnitData(k - 1).Text());
    data.SetUnitItem(n, GLUnitItemData.Text());
    RefreshUnitLoadButtons();
}

// What cannot come along now (a student gone, injured, too weak or on
// another quest team; an item no longer held or already given to a quest
// team) is left out, and the message box says so under the status.
void UnitScreen::loadPreset(std::int16_t n) {
    clsData& data = context_.data;
    const std::int16_t need = context_.CTMP.GetDataSingle(unit_slots::kNeedPhysical).toInteger();
    const std::vector<std::string> saved = lines(data.GetUnitLoadSaveTips(n, need));
    const std::string line = data.GetUnitLoadLineName(n);
    GLUnitLineData.Text(line);
    DrawLineCells(line);

    std::vector<std::string> dropped;
    for (int k = 0; k < kSlots; ++k) {
        const std::int16_t position = static_cast<std::int16_t>(k + 1);
        const std::string member = data.GetUnitLoadMember(n, position, need);
        GLUnitData(k).Text(member);
        if (!member.empty() || static_cast<std::size_t>(position) >= saved.size()) continue;
        const std::string& state = saved[static_cast<std::size_t>(position)];
        if (state.starts_with(host::runtime::CStr(position) + "番の")) dropped.push_back(state);
    }
    const std::string& last = saved.back();
    const std::string savedItem = last.starts_with(kItemLine) ? last.substr(kItemLine.size()) : "";
    GLUnitItemData.Text(GLUnitItem.Enable() ? data.GetUnitLoadItem(n) : "");
    if (!savedItem.empty() && GLUnitItemData.Text().empty())
        dropped.push_back(savedItem + "は持って行けません");

    ResetUnitMembers();
    DrawLineCells(line);
    ShowUnitStatus();
    if (dropped.empty()) return;
    std::string text = GMSGUnit.Text() + kCRLF + "外したもの:";
    for (const std::string& entry : dropped)
        text += kCRLF + entry;
    GMSGUnit.Text(text);
}

void UnitScreen::GLUnitCommand_Click(int Index) {
    if (Index == 1 && !questMode()) {
        context_.pictures.picUnit.setEnabled(false);
        context_.screens.ExportTeam(formedUnit());
        return;
    }
    if (Index == 1) registerQuestTeam();
    closeScreen(Index);
}

void UnitScreen::registerQuestTeam() {
    clsUnitData unit = formedUnit();
    unit.QuestName(context_.CTMP.GetDataSingle(unit_slots::kQuestName).toString());
    context_.data.SetQuest(unit);
    context_.screens.QuestTeamRegistered();
}

bool UnitScreen::questMode() const {
    return GLUnitMenu.Text() == unit_captions::kQuestMode;
}
