#include "app/shell/setting_screen.h"

#include "app/shell/message_types.h"

#include "grids/columns/gg_ver2_headers.h"
#include "platform/services/game_services.h"

namespace {

constexpr const char* kSaveColumns = "セーブデータ";
constexpr const char* kSaveCaption = "セーブ";
constexpr const char* kLoadCaption = "ロード";
constexpr std::int16_t kVisibleRows = 21;
constexpr std::int16_t kRowHeight = 22;
// Column 2 of a slot without a save (or with an unreadable header).
constexpr std::int16_t kSaveTimeColumn = 2;
constexpr const char* kNoData = "No DATA";
// Column 3 of a slot whose header cannot be read: a file is there all the same.
constexpr std::int16_t kDateColumn = 3;
// The cells a save brings up to date: save time, date, money, points, play time.
constexpr std::int16_t kFirstDetailColumn = 2;
constexpr std::int16_t kLastDetailColumn = 6;

} // namespace

void SettingScreen::ShowSaveLoadList(const std::string& Caption, bool returnSchool) {
    GLSettingSL.Text(Caption);
    GLSettingMenu.Text(Caption);
    showRows(false);

    const auto rows = context_.data.GetSaveData();
    GGSetting.SetGrid(GGVer2Headers().GetHeaders(kSaveColumns), kVisibleRows,
                      static_cast<std::int16_t>(rows.count() - 1),
                      static_cast<std::int16_t>(GGVer2Headers().GetHeaderCols(kSaveColumns) - 1), kRowHeight);
    std::int16_t r = 0;
    for (const clsGetGridData& row : rows) {
        GGSetting.Row(r);
        for (std::int16_t c = 0; c <= row.Cols(); ++c) {
            GGSetting.Col(c);
            GGSetting.Value(row.Data(c));
        }
        ++r;
    }
    GGSetting.Paint(-1, 0);
    GGSetting.setVisible(true);

    GLSettingEND.setVisible(true);
    GLSettingSL.Enable(false);
    GLSettingSL.setVisible(true);
    GLSettingPlay.setVisible(false);
    GLSettingReturnSchool.setVisible(returnSchool);
    GLSettinggotoTitle.setVisible(true);
}

bool SettingScreen::loadMode() const {
    return GLSettingMenu.Text() == kLoadCaption;
}

// An empty slot cannot be loaded: its mark goes again and nothing is chosen.
void SettingScreen::GGSetting_RowSelect(std::int16_t Row) {
    if (!GGSetting.Checked(Row)) {
        GLSettingSL.Enable(false);
        return;
    }
    if (loadMode() && GGSetting.GetData(Row, kSaveTimeColumn) == kNoData) {
        GGSetting.Checked(Row, false);
        GLSettingSL.Enable(false);
        return;
    }
    GLSettingSL.Enable(true);
    context_.CTMP.SetDataSingle(clsTMPData::kCheckedRow, Row);
}

std::int16_t SettingScreen::chosenSlot() const {
    return static_cast<std::int16_t>(context_.CTMP.GetDataSingle(clsTMPData::kCheckedRow).toInteger() + 1);
}

// A slot that holds a file, readable or not, is overwritten only after the
// question says so.
void SettingScreen::GLSettingSL_Click() {
    auto& picSetting = context_.pictures.picSetting;
    picSetting.setEnabled(false);
    const std::int16_t n = chosenSlot();
    const auto row = static_cast<std::int16_t>(n - 1);
    std::string body;
    std::string ok;
    if (GLSettingMenu.Text() == kSaveCaption) {
        const bool empty =
            GGSetting.GetData(row, kSaveTimeColumn) == kNoData && GGSetting.GetData(row, kDateColumn).empty();
        context_.CTMP.SetMSGType(message_type::kSave);
        body = std::to_string(n) + "番のデータに" + (empty ? "保存します" : "上書き保存します");
        ok = kSaveCaption;
    } else {
        context_.CTMP.SetMSGType(message_type::kLoad);
        body = std::to_string(n) + "番のデータをロードします";
        ok = kLoadCaption;
    }
    context_.screens.ShowDialog(dialog_layout::kQuestion, picSetting, "picSetting", body, ok, {});
}

void SettingScreen::GLSettinggotoTitle_Click() {
    auto& picSetting = context_.pictures.picSetting;
    context_.CTMP.SetMSGType(message_type::kReturnToTitle);
    picSetting.setEnabled(false);
    context_.screens.ShowDialog(dialog_layout::kQuestion, picSetting, "picSetting", "タイトルに戻ります",
                                "OK", {});
}

void SettingScreen::GLSettingEND_Click() {
    if (Services().YesNo("ゲームを終了します", "終了確認")) quit_();
    GLSettingEND.MouseLeave();
}

std::string SettingScreen::DialogConfirmed(std::int32_t MSGType) {
    const std::int16_t n = chosenSlot();
    switch (MSGType) {
    case message_type::kSave:
        if (!context_.data.SaveSaveData(n))
            return std::to_string(n) + "番のデータにセーブできませんでした\r\n前のデータはそのままです";
        showSlot(static_cast<std::int16_t>(n - 1), n);
        return "";
    case message_type::kLoad:
        if (!context_.data.LoadSaveData(n))
            return std::to_string(n) + "番のデータをロードできませんでした\r\nゲームはそのまま続きます";
        return "";
    default:
        context_.data.SetDataInit();
        return "";
    }
}

// The row of the slot just written, without its mark.
void SettingScreen::showSlot(std::int16_t row, std::int16_t slot) {
    const clsGetGridData detail = context_.data.GetSaveDataDetail(slot);
    GGSetting.Checked(row, false);
    for (std::int16_t c = kFirstDetailColumn; c <= kLastDetailColumn; ++c)
        GGSetting.SetValue(row, c, detail.Data(c));
}

void SettingScreen::DialogCancelled() {
    context_.pictures.picSetting.setEnabled(true);
    GLSettingSL.MouseLeave();
    GLSettinggotoTitle.MouseLeave();
}

void SettingScreen::DialogClosed(std::int32_t MSGType) {
    switch (MSGType) {
    case message_type::kSave:
        context_.pictures.picSetting.setEnabled(true);
        GLSettingSL.MouseLeave();
        GLSettingSL.Enable(false);
        break;
    case message_type::kLoad:
        context_.pictures.picSetting.setEnabled(false);
        GLSettingSL.MouseLeave();
        GLSettingSL.Enable(false);
        break;
    default:
        context_.pictures.picSetting.setEnabled(false);
        GLSettinggotoTitle.MouseLeave();
        break;
    }
}
