#include "app/shell/story_sequences.h"

#include "app/shell/click_wait.h"
#include "app/shell/message_types.h"

#include "platform/services/game_services.h"

#include <array>
#include <string>

namespace {

using Line = StorySequences::Line;

constexpr std::array kOpening{
    Line{"　世界は二つの驚きを同時に知った。", 1000, false},
    Line{"　一つは、内乱によって行方知れずとなった、王国の王子が生きていたこと。", 1500, false},
    Line{"　一つは、その王子が、かつての王国が唯一支配することができなかった「未開の地」で建国をしたこと。",
         1600, false},
    Line{"　王子は、建国した「セヴァリス公国」の国王として、国民とともに新たな国づくりを開始した。", 2000,
         false},
    Line{"　25年の月日が流れ、セヴァリス公国は他国と対等に交易ができるほどの国力を持つに至った。", 1500,
         false},
    Line{"　しかし、順調に成長する王国にもいくつかの問題があった。", 1500, false},
    Line{"　その一つが戦いを知らない子供たちである。", 1500, false},
    Line{"　国王自ら先陣を切った討伐によって、首都周辺ではモンスターの脅威がほとんどなくなり、武器を持ったこ"
         "とが"
         "ない子供が増えてきた。",
         2500, false},
    Line{"　それ自体は良いことであるが、首都をすこし離れれば、相変わらず危険なモンスターと遭遇することに変わ"
         "りなく"
         "、また、他国から侵略を受ける可能性もあった。",
         2500, false},
    Line{"　有事には、身分など関係なく、全員が一丸となって戦ってきた歴史を失うことなく、国力、国民生活に支障"
         "が出る"
         "徴兵制以外の方法として、王国は授業料無料の学園を設立し、そこで戦い方を学ばせることにした。",
         3500, false},
    Line{"　あなたは設立された「ミルトナ騎士団」の校長として、責任ある運営をすることを王国より依頼されました"
         "。",
         1500, false},
};

constexpr double kEndingWait = 1000;
constexpr std::array kEnding{
    Line{"　あなたはミルトナ騎士団を優秀な成績へ導きました。", kEndingWait, false},
    Line{"　国王もあなたの仕事に満足しています。", kEndingWait, false},
    Line{"　≪Quorvel≫", kEndingWait, true},
    Line{"　§製作", kEndingWait, false},
    Line{"　Quorvel 制作チーム", kEndingWait, false},
    Line{"　§企画", kEndingWait, false},
    Line{"　Quorvel 企画班", kEndingWait, false},
    Line{"　§プログラム", kEndingWait, false},
    Line{"　Quorvel プログラム班", kEndingWait, false},
    Line{"　§素材提供", kEndingWait, false},
    Line{"　＜背景＞", kEndingWait, false},
    Line{"　Quorvel 背景画工房", kEndingWait, false},
    Line{"　Quorvel 画像生成ツール", kEndingWait, false},
    Line{"　＜モンスターグラフィック＞", kEndingWait, false},
    Line{"　Quorvel 魔物画工房", kEndingWait, false},
    Line{"　＜BGM＞", kEndingWait, false},
    Line{"　Quorvel 作曲班", kEndingWait, false},
    Line{"　Quorvel 音楽生成ツール", kEndingWait, false},
    Line{"　＜SE＞", kEndingWait, false},
    Line{"　Quorvel 効果音生成ツール", kEndingWait, false},
    Line{"　これより先はおまけです。多少、敵が強くなります。", kEndingWait, true},
    Line{"　また学園のランクアップに条件が追加されます。", kEndingWait, false},
};

constexpr double kEnding2Wait = 1500;
constexpr std::array kEnding2{
    Line{"　ミルトナ騎士団は、世界でもっとも強い学園となりました。", kEnding2Wait, true},
    Line{"　また、何人もの偉大な人物を輩出した学園として、入学希望者が殺到しています。", kEnding2Wait, true},
    Line{"　指導者である、あなたの名前も後世に語り継がれることでしょう。", kEnding2Wait, true},
};

} // namespace

StorySequences::StorySequences(FormContext& context, ReportWindow& report)
    : context_(context), report_(report) {}

void StorySequences::tell(std::span<const Line> lines, host::ui::PictureBox& picture,
                          const char* pictureName) {
    for (const Line& line : lines) {
        report_.ShowReport(std::string(line.text), picture, pictureName, line.newPage, false, true);
        Services().WaitTime(line.wait);
    }
}

void StorySequences::Opening() {
    auto& picStart = context_.pictures.picStart;
    context_.CTMP.SetMSGType(message_type::kOpeningQuestion);
    context_.screens.ShowDialog(dialog_layout::kQuestion, picStart, "picStart", "オープニングを見ますか?",
                                "OK", {});
    picStart.setEnabled(false);
    WaitForClick(context_);
    if (!context_.CTMP.GetDataSingle(clsTMPData::kWatchOpening).toBool()) return;

    context_.ProcessingFlag = true;
    report_.GMSGReport.setVisible(false);
    tell(kOpening, picStart, "picStart");
    context_.ProcessingFlag = false;
    report_.ShowReport("ここをクリックしてください", picStart, "picStart", false, false, false);
    WaitForClick(context_);
    // The story is over: the box would stay over the school screen.
    report_.GMSGReport.setVisible(false);
}

void StorySequences::Ending() {
    tell(kEnding, context_.pictures.picSchool, "picSchool");
}

void StorySequences::Ending2() {
    tell(kEnding2, context_.pictures.picSchool, "picSchool");
}
