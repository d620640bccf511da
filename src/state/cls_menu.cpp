#include "state/cls_menu.h"

#include <array>
#include <string_view>

namespace {

struct CaptionTip {
    std::string_view caption;
    std::string_view tip;
};

constexpr std::array kCaptionTips{
    CaptionTip{menu_key::kItemShop.name(), "アイテムの購入と売却をします"},
    CaptionTip{menu_key::kPermitOffice.name(), "校舎と寮の施設の設置、建物の建設を申請します"},
    CaptionTip{menu_key::kTicketExchange.name(),
               "チケットと引き換えに、アイテムを貰います\r\n何が貰えるかは運しだい"},
    CaptionTip{menu_key::kPointExchange.name(),
               "王国ポイントを、チケットに交換して貰ったり、学園の制度を変更します"},
    CaptionTip{menu_key::kProcessing.name(),
               "素材アイテムを加工してもらいます\r\n学園のランクが上位なほどアイテムが増えます"},
    CaptionTip{menu_key::kStocks.name(), "株の購入と売却をします\r\n毎月第一、第三日曜日に値段が変動します"},
    CaptionTip{"学園に戻る", "学園に戻ります"},
    CaptionTip{"街", "どこに行きますか"},
    CaptionTip{menu_key::kTimetable.name(),
               "生徒たちが受ける授業を表示します\r\n授業の変更は毎月１日(日)にできます"},
    CaptionTip{menu_key::kStudents.name(),
               "生徒の詳細なデータを見ます\r\nここから生徒に消費アイテムを使うことができます"},
    CaptionTip{menu_key::kTeachers.name(), "教師の詳細なデータを見ます"},
    CaptionTip{menu_key::kBuildingData.name(), "学園、校舎、寮に建設、設置した物を表示します"},
    CaptionTip{menu_key::kSchoolData.name(),
               "学園が所有するアイテム、契約しているスポンサーなどのデータを表示します"},
    CaptionTip{menu_key::kArbeit.name(),
               "週末、生徒全員でアルバイトをします\r\n依頼を受けるとアルバイトはできません"},
    CaptionTip{menu_key::kQuest.name(),
               "週末、5人でチームを組んで依頼を受けます\r\n依頼を受けるとアルバイトはできません"},
    CaptionTip{"街へ行く", "街に行って、アイテムの売買、アイテムの加工などをしてもらいます"},
    CaptionTip{"セーブ", "データを保存します"},
    CaptionTip{"ロード", "データを呼び出します"},
    CaptionTip{"設定", "音量などの設定をします"},
    CaptionTip{"ログ", "今日のログを表示します\r\nログはセーブデータに記録されません"},
    CaptionTip{menu_key::kItems.name(), "学園が所有しているアイテムを表示します"},
    CaptionTip{menu_key::kSponsors.name(), "学園と契約しているスポンサーを表示します"},
    CaptionTip{menu_key::kMonsters.name(), "生徒が倒したモンスターのデータを表示します"},
    CaptionTip{menu_key::kGraduates.name(), "学園を卒業した生徒たちのその後を表示します"},
    CaptionTip{menu_key::kSchoolGrounds.name(), "学園に建設された建物を表示します"},
    CaptionTip{menu_key::kSchoolhouse.name(), "校舎に設置された教室を表示します"},
    CaptionTip{menu_key::kDormitory.name(), "寮に設置された施設を表示します"},
    CaptionTip{"授業をする", "授業を一つ進めます"},
    CaptionTip{"次の日へ", "今日の授業を全て進めます\r\nその間、アイテムを使うことはできません"},
    CaptionTip{"週末へ", "週末まで全ての授業を進めます\r\nその間、アイテムを使うことはできません"},
    CaptionTip{menu_key::kAcademy.name(), "なにをしますか"},
    CaptionTip{menu_key::kScouts.name(), "スカウトを表示します"},
    CaptionTip{"アイテムを使う", "生徒にアイテムを使用します"},
    CaptionTip{
        "進路指導",
        "生徒に進路を指導します\r\n必ず成功するとは限りません\r\n1月から3月までの間に生徒に一度だけできます"},
    CaptionTip{menu_key::kNewcomers.name(), "入学させる生徒を選択してください(複数選択可)"},
    CaptionTip{menu_key::kTeacherOffers.name(), "教師を表示します"},
    CaptionTip{menu_key::kNewSponsors.name(), "スポンサーと契約します(複数選択可)"},
    CaptionTip{menu_key::kContract.name(),
               "教師とスポンサーの契約をします\r\n契約できる人物は毎月1日に変わります"},
    CaptionTip{"授業設定", "授業を設定します\r\n右クリックで全体と個別、休講と変わります"},
    CaptionTip{"全選択", "全てのリストを選択します"},
    CaptionTip{"反転", "選択していないリストを選択し、選択されているリストを選択からはずします"},
    CaptionTip{"空欄選択", "授業が空欄のリストを選択します"},
    CaptionTip{"選択クリア", "選択しているリストの授業、教師、アイテムを消します"},
    CaptionTip{"授業選択", "授業を選択します\r\nリストに登録されている授業は選択できません"},
    CaptionTip{"教師選択", "授業をする教師を選択します\r\nリストに登録されている教師は選択できません"},
    CaptionTip{"アイテム選択", "授業で使用するアイテムを選択します\r\n複数所持していても、同じアイテムを別の"
                               "授業で使うことはできません"},
    CaptionTip{"設定する", "選択した生徒に授業の設定をします"},
    CaptionTip{"授業確定", "授業の設定を確定させます"},
    CaptionTip{"キャンセル", "キャンセルします"},
    CaptionTip{
        menu_key::kCamp.name(),
        "一ヶ月間、生徒全員で合宿に行きます\r\nその間、操作することはできないので、用事を済ませてください"},
    CaptionTip{"ボーナス", "教師にボーナスを出し、不満を減らします"},
    CaptionTip{"契約解除", "教師との契約を解除します\r\n契約年数が残っていても給料は返還されません"},
    CaptionTip{"チーム出力", "プレイヤーの育てたチーム同士で戦う、大会に参加するためのデータを出力します"},
};

} // namespace

std::string clsMenu::GetGGHeaderName() const {
    if (Menu == menu_key::kSchoolData || Menu == menu_key::kBuildingData || Menu == menu_key::kContract)
        return std::string(SubMenu.name());
    if (Menu == menu_key::kTeachers) return "教師";
    if (Menu == menu_key::kStudents) return "生徒";
    return std::string(Menu.name());
}

std::string clsMenu::GetSchoolMenuTips() const {
    if (Menu == menu_key::kSchoolData || Menu == menu_key::kArbeit || Menu == menu_key::kQuest)
        return "どのデータを見ますか";
    if (Menu == menu_key::kStudents)
        return "生徒の詳細なデータを見ます\r\nここから生徒に消費アイテムを使うことができます";
    return "";
}

std::string clsMenu::GetMSGTips(const std::string& pMenu) {
    for (const auto& entry : kCaptionTips)
        if (entry.caption == pMenu) return std::string(entry.tip);
    return "";
}
