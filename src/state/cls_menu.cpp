#include "state/cls_menu.h"

#include <array>
#include <string_view>

namespace {

struct CaptionTip {
    std::string_view caption;
    std::string_view tip;
};

constexpr std::array kCaptionTips{
    CaptionTip{"アイテム店", "アイテムの購入と売却をします"},
    CaptionTip{"王国許可局", "校舎と寮の施設の設置、建物の建設を申請します"},
    CaptionTip{"チケット引換所", "チケットと引き換えに、アイテムを貰います\r\n何が貰えるかは運しだい"},
    CaptionTip{"ポイント交換所", "王国ポイントを、チケットに交換して貰ったり、学園の制度を変更します"},
    CaptionTip{"加工屋", "素材アイテムを加工してもらいます\r\n学園のランクが上位なほどアイテムが増えます"},
    CaptionTip{"株屋", "株の購入と売却をします\r\n毎月第一、第三日曜日に値段が変動します"},
    CaptionTip{"学園に戻る", "学園に戻ります"},
    CaptionTip{"街", "どこに行きますか"},
    CaptionTip{"授業", "生徒たちが受ける授業を表示します\r\n授業の変更は毎月１日(日)にできます"},
    CaptionTip{"生徒を見る", "生徒の詳細なデータを見ます\r\nここから生徒に消費アイテムを使うことができます"},
    CaptionTip{"教師を見る", "教師の詳細なデータを見ます"},
    CaptionTip{"建物データ", "学園、校舎、寮に建設、設置した物を表示します"},
    CaptionTip{"学園データ", "学園が所有するアイテム、契約しているスポンサーなどのデータを表示します"},
    CaptionTip{"アルバイト", "週末、生徒全員でアルバイトをします\r\n依頼を受けるとアルバイトはできません"},
    CaptionTip{"依頼", "週末、5人でチームを組んで依頼を受けます\r\n依頼を受けるとアルバイトはできません"},
    CaptionTip{"街へ行く", "街に行って、アイテムの売買、アイテムの加工などをしてもらいます"},
    CaptionTip{"セーブ", "データを保存します"},
    CaptionTip{"ロード", "データを呼び出します"},
    CaptionTip{"設定", "音量などの設定をします"},
    CaptionTip{"ログ", "今日のログを表示します\r\nログはセーブデータに記録されません"},
    CaptionTip{"アイテム", "学園が所有しているアイテムを表示します"},
    CaptionTip{"スポンサー", "学園と契約しているスポンサーを表示します"},
    CaptionTip{"モンスター", "生徒が倒したモンスターのデータを表示します"},
    CaptionTip{"卒業生", "学園を卒業した生徒たちのその後を表示します"},
    CaptionTip{"学園", "学園に建設された建物を表示します"},
    CaptionTip{"校舎", "校舎に設置された教室を表示します"},
    CaptionTip{"寮", "寮に設置された施設を表示します"},
    CaptionTip{"授業をする", "授業を一つ進めます"},
    CaptionTip{"次の日へ", "今日の授業を全て進めます\r\nその間、アイテムを使うことはできません"},
    CaptionTip{"週末へ", "週末まで全ての授業を進めます\r\nその間、アイテムを使うことはできません"},
    CaptionTip{"ミルトナ騎士団", "なにをしますか"},
    CaptionTip{"スカウト", "スカウトを表示します"},
    CaptionTip{"アイテムを使う", "生徒にアイテムを使用します"},
    CaptionTip{
        "進路指導",
        "生徒に進路を指導します\r\n必ず成功するとは限りません\r\n1月から3月までの間に生徒に一度だけできます"},
    CaptionTip{"新入生", "入学させる生徒を選択してください(複数選択可)"},
    CaptionTip{"教師", "教師を表示します"},
    CaptionTip{"新規スポンサー", "スポンサーと契約します(複数選択可)"},
    CaptionTip{"契約", "教師とスポンサーの契約をします\r\n契約できる人物は毎月1日に変わります"},
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
        "合宿",
        "一ヶ月間、生徒全員で合宿に行きます\r\nその間、操作することはできないので、用事を済ませてください"},
    CaptionTip{"ボーナス", "教師にボーナスを出し、不満を減らします"},
    CaptionTip{"契約解除", "教師との契約を解除します\r\n契約年数が残っていても給料は返還されません"},
    CaptionTip{"チーム出力", "プレイヤーの育てたチーム同士で戦う、大会に参加するためのデータを出力します"},
};

} // namespace

std::string clsMenu::GetGGHeaderName() const {
    if (Menu == "学園データ" || Menu == "建物データ" || Menu == "契約") return SubMenu;
    if (Menu == "教師を見る") return "教師";
    if (Menu == "生徒を見る") return "生徒";
    return Menu;
}

std::string clsMenu::GetSchoolMenuTips() const {
    if (Menu == "学園データ" || Menu == "アルバイト" || Menu == "依頼") return "どのデータを見ますか";
    if (Menu == "生徒を見る")
        return "生徒の詳細なデータを見ます\r\nここから生徒に消費アイテムを使うことができます";
    return "";
}

std::string clsMenu::GetMSGTips(const std::string& pMenu) {
    for (const auto& entry : kCaptionTips)
        if (entry.caption == pMenu) return std::string(entry.tip);
    return "";
}
