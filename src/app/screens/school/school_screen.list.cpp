#include "app/screens/school/school_screen.h"

#include "app/screens/school/school_captions.h"
#include "app/screens/school/school_slots.h"

#include "grids/columns/gg_ver2_headers.h"
#include "grids/flag_scope.h"

namespace {

namespace captions = school_captions;

constexpr std::int16_t kNoSort = -1;
constexpr std::int16_t kRowHeight = 22;
constexpr std::int16_t kStudentRows = 11;
constexpr std::int16_t kListRows = 20;

} // namespace

void SchoolScreen::showCommand(int i, std::string_view caption, bool enabled) {
    ctrGraphicalLabelLite& button = GLCommand(i);
    button.setVisible(true);
    button.Text(std::string(caption));
    button.Enable(enabled);
}

void SchoolScreen::showCommandsByCheck(std::span<const std::string_view> captions) {
    for (std::size_t i = 0; i < captions.size(); ++i)
        showCommand(static_cast<int>(i), captions[i],
                    context_.data.CheckCommand(static_cast<std::int16_t>(i), ""));
}

void SchoolScreen::showContract(std::string_view caption, bool visible) {
    GLContract.Text(std::string(caption));
    GLContract.Enable(false);
    GLContract.setVisible(visible);
}

void SchoolScreen::SelectSchoolMenu() {
    for (int i = 0; i <= GLSystem.UBound(); ++i)
        GLSystem(i).setVisible(false);
    for (int i = 0; i <= GLDate.UBound(); ++i)
        GLDate(i).setVisible(false);
    for (int i = 0; i <= GLSchool.UBound(); ++i)
        GLSchool(i).setVisible(false);
    if (GGSchool.MultiSelect()) GGSchool.MultiSelect(false);
    context_.pictures.picSchool.Refresh();
    context_.DoEvents();

    const MenuKey menu = context_.data.GetMenu();
    if (menu == captions::kSchoolData) {
        showCommandsByCheck(captions::gSchoolDataCommands);
    } else if (menu == captions::kBuildingData) {
        showCommandsByCheck(captions::gBuildingDataCommands);
        showContract(captions::kPlaceItem, false);
        GMSGSchool.Text(context_.data.GetSchoolConstructTips());
    } else if (menu == captions::kContract) {
        showCommandsByCheck(captions::gContractCommands);
        showContract(captions::kSignContract, true);
        ResetParamGraphs();
    } else if (menu == captions::kStudents) {
        for (std::size_t i = 0; i < captions::gStudentCommands.size(); ++i)
            showCommand(static_cast<int>(i), captions::gStudentCommands[i], false);
        FillSchoolGrid("", kNoSort, 0, kStudentRows);
        ResetParamGraphs();
    } else if (menu == captions::kTeachers) {
        for (std::size_t i = 0; i < captions::gTeacherCommands.size(); ++i)
            showCommand(static_cast<int>(i), captions::gTeacherCommands[i], false);
        FillSchoolGrid("", kNoSort, 0, kListRows);
        ResetParamGraphs();
    } else if (menu == captions::kArbeit) {
        FillSchoolGrid("", kNoSort, 0, kListRows);
        showContract(captions::kTakeArbeit, true);
    } else if (menu == captions::kQuest) {
        FillSchoolGrid("", kNoSort, 0, kListRows);
        showContract(captions::kTakeQuest, true);
    } else if (menu == captions::kCamp) {
        FillSchoolGrid("", kNoSort, 0, kListRows);
        showContract(captions::kGoCamp, true);
    }

    GLSchoolMenu.Text(std::string(context_.data.GetMenu().name()));
    GLReturnSchool.setVisible(true);
    context_.DoEvents();
}

bool SchoolScreen::FillSchoolGrid(const std::string& Caption, std::int16_t SortColumn, std::int32_t SortType,
                                  std::int16_t VisibleRows) {
    if (gridFillRunning_) return false;
    const FlagScope running(gridFillRunning_);
    GGSchool.setVisible(false);
    context_.DoEvents();
    const auto rows = context_.data.GetGridData(Caption);
    if (!rows || rows->count() == 0) {
        // An empty list leaves no rows (nor marks) of an earlier list behind.
        GGSchool.SetGrid(GGVer2Headers().GetHeaders(context_.data.GetGGHeaderName()), VisibleRows, -1, 0,
                         kRowHeight);
        return false;
    }
    const std::string name = context_.data.GetGGHeaderName();
    const std::int16_t cols = GGVer2Headers().GetHeaderCols(name);
    GGSchool.SetGrid(GGVer2Headers().GetHeaders(name), VisibleRows,
                     static_cast<std::int16_t>(rows->count() - 1), static_cast<std::int16_t>(cols - 1),
                     kRowHeight);
    std::int16_t r = 0;
    for (const clsGetGridData& row : *rows) {
        GGSchool.Row(r);
        for (std::int16_t c = 0; c <= row.Cols(); ++c) {
            GGSchool.Col(c);
            GGSchool.Value(row.Data(c));
        }
        ++r;
    }
    GGSchool.Paint(SortColumn, SortType);
    GGSchool.setVisible(true);
    return true;
}

void SchoolScreen::ResetParamGraphs() {
    for (int i = 0; i <= GParam.UBound(); ++i) {
        GParam(i).setVisible(false);
        GParam(i).Selected(false);
    }
    GParam(0).Selected(true);
    context_.CTMP.SetDataSingle(school_slots::kChosenGauge, std::int16_t{0});
}
