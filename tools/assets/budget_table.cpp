#include "tools/assets/budget_table.h"

#include "platform/assets/asset_table.h"

#include <array>
#include <stdexcept>
#include <string>

namespace tools {
namespace {

struct PictureKindEntry {
    std::string_view name;
    PictureKind kind;
    std::int32_t frames;
    FrameLayout layout;
};

// The kind and frames of every picture record, in the loader's order. The
// sizes are the loader's. Effects: spot effects are 50 wide with 50 x 50
// frames one under the other; field-wide effects have the frames their
// effect rows count.
constexpr std::array<PictureKindEntry, 204> kKinds{{
    {"クラッシュ右", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"クラッシュ左", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"スカルクラッシュ", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"チャージ右", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"チャージ左", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"テラーボイス", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"ハードヒット", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"ブレス", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"ベルセルク", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"モンスター基本攻撃", PictureKind::Effect, 8, FrameLayout::Vertical},
    {"煙攻め", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"押しつぶす", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"花粉", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"牙", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"牙突右", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"牙突左", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"角", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"巻きつき", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"気合", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"弓右", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"弓左", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"強酸", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"強打", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"剣右", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"剣左", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"骨砕き", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"座禅", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"十文字切り", PictureKind::Effect, 2, FrameLayout::Vertical},
    {"触手", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"精神統一", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"切り込み右", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"切り込み左", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"槍右", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"槍左", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"足払い右", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"足払い左", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"挑発右", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"挑発左", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"津波", PictureKind::Effect, 1, FrameLayout::Vertical},
    {"爪", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"電撃", PictureKind::Effect, 3, FrameLayout::Vertical},
    {"突撃右", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"突撃左", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"粘液", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"尾撃", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"包囲右", PictureKind::Effect, 2, FrameLayout::Vertical},
    {"包囲左", PictureKind::Effect, 2, FrameLayout::Vertical},
    {"溶解液", PictureKind::Effect, 4, FrameLayout::Vertical},
    {"竜巻", PictureKind::Effect, 3, FrameLayout::Horizontal},
    {"烈風剣右", PictureKind::Effect, 9, FrameLayout::Vertical},
    {"烈風剣左", PictureKind::Effect, 9, FrameLayout::Vertical},
    {"アークエンジェル", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"アーマーン", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"アスプ", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"イフリート", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"インプ", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ヴァルキリー", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"エント", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"オーガ", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ガーゴイル", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"カトブレパス", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ガルーダ", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"キマイラ", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"グール", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"グランガチ", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"グリフォン", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ケルピー", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ケルベロス", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ケンタウロス", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ゴーレム", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ゴブリン", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"コボルト", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"サイクロプス", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"サラマンダー", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"シーサーペント", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"シルフ", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ジン", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"スケルトン", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"スフィンクス", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"スライム", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"セイレーン", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ソードモンキー", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ゾンビ", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ダークエンジェル", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"デスクラブ", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"デュラハン", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ドラゴンロード", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ドリアード", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"トロル", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ナーガ", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ナイトメア", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ノッカー", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ハーピー", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"パズズ", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"バックベアード", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ピクシー", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ヒュドラ", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ファントム", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ブラックサンタ", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ブラックスライム", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ボス猿", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ポルターガイスト", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"マミー", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"マンドレイク", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ミドガルズオルム", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ミノタウロス", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ムシュフシュ", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"リザードマン", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"リッチ", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"リビングスタチェー", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"レイス", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ロック鳥", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ワーウルフ", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"ワイバーン", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"阿修羅", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"暗殺者", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"一角獣", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"王霊", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"海賊", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"教祖", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"狂信者", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"黒龍", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"山賊", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"重装ケンタウロス", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"招き猫", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"水竜", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"青龍", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"赤龍", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"雪の女王", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"雪女", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"天狗", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"天使", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"盗掘者", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"盗賊", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"白虎", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"白龍", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"魔法の壺", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"緑龍", PictureKind::Monster, 1, FrameLayout::Vertical},
    {"騎兵右", PictureKind::Unit, 1, FrameLayout::Vertical},
    {"騎兵左", PictureKind::Unit, 1, FrameLayout::Vertical},
    {"弓兵右", PictureKind::Unit, 1, FrameLayout::Vertical},
    {"弓兵左", PictureKind::Unit, 1, FrameLayout::Vertical},
    {"剣士右", PictureKind::Unit, 1, FrameLayout::Vertical},
    {"剣士左", PictureKind::Unit, 1, FrameLayout::Vertical},
    {"槍兵右", PictureKind::Unit, 1, FrameLayout::Vertical},
    {"槍兵左", PictureKind::Unit, 1, FrameLayout::Vertical},
    {"アイテム店", PictureKind::Background, 1, FrameLayout::Vertical},
    {"カリキュラム高", PictureKind::Background, 1, FrameLayout::Vertical},
    {"カリキュラム中", PictureKind::Background, 1, FrameLayout::Vertical},
    {"カリキュラム低", PictureKind::Background, 1, FrameLayout::Vertical},
    {"タイトル", PictureKind::Background, 1, FrameLayout::Vertical},
    {"学園データ", PictureKind::Background, 1, FrameLayout::Vertical},
    {"トーナメント", PictureKind::Background, 1, FrameLayout::Vertical},
    {"決勝", PictureKind::Background, 1, FrameLayout::Vertical},
    {"大会高", PictureKind::Background, 1, FrameLayout::Vertical},
    {"大会低", PictureKind::Background, 1, FrameLayout::Vertical},
    {"町", PictureKind::Background, 1, FrameLayout::Vertical},
    {"編成", PictureKind::Background, 1, FrameLayout::Vertical},
    {"加工屋", PictureKind::Background, 1, FrameLayout::Vertical},
    {"チケット引換所", PictureKind::Background, 1, FrameLayout::Vertical},
    {"王国許可局", PictureKind::Background, 1, FrameLayout::Vertical},
    {"ポイント交換所", PictureKind::Background, 1, FrameLayout::Vertical},
    {"株屋", PictureKind::Background, 1, FrameLayout::Vertical},
    {"遺跡", PictureKind::Background, 1, FrameLayout::Vertical},
    {"海", PictureKind::Background, 1, FrameLayout::Vertical},
    {"海岸", PictureKind::Background, 1, FrameLayout::Vertical},
    {"湖", PictureKind::Background, 1, FrameLayout::Vertical},
    {"公園", PictureKind::Background, 1, FrameLayout::Vertical},
    {"郊外", PictureKind::Background, 1, FrameLayout::Vertical},
    {"山", PictureKind::Background, 1, FrameLayout::Vertical},
    {"森", PictureKind::Background, 1, FrameLayout::Vertical},
    {"雪の町", PictureKind::Background, 1, FrameLayout::Vertical},
    {"洞窟", PictureKind::Background, 1, FrameLayout::Vertical},
    {"内庭", PictureKind::Background, 1, FrameLayout::Vertical},
    {"平原", PictureKind::Background, 1, FrameLayout::Vertical},
    {"トラック", PictureKind::Background, 1, FrameLayout::Vertical},
    {"トレーニング室", PictureKind::Background, 1, FrameLayout::Vertical},
    {"プール", PictureKind::Background, 1, FrameLayout::Vertical},
    {"一般教室", PictureKind::Background, 1, FrameLayout::Vertical},
    {"運動場", PictureKind::Background, 1, FrameLayout::Vertical},
    {"弓道場", PictureKind::Background, 1, FrameLayout::Vertical},
    {"剣道場", PictureKind::Background, 1, FrameLayout::Vertical},
    {"個別授業", PictureKind::Background, 1, FrameLayout::Vertical},
    {"工作室", PictureKind::Background, 1, FrameLayout::Vertical},
    {"工房", PictureKind::Background, 1, FrameLayout::Vertical},
    {"式典室", PictureKind::Background, 1, FrameLayout::Vertical},
    {"陣形研究所", PictureKind::Background, 1, FrameLayout::Vertical},
    {"図書室", PictureKind::Background, 1, FrameLayout::Vertical},
    {"槍術場", PictureKind::Background, 1, FrameLayout::Vertical},
    {"大教室", PictureKind::Background, 1, FrameLayout::Vertical},
    {"茶室", PictureKind::Background, 1, FrameLayout::Vertical},
    {"闘技場", PictureKind::Background, 1, FrameLayout::Vertical},
    {"馬術場", PictureKind::Background, 1, FrameLayout::Vertical},
    {"美術室", PictureKind::Background, 1, FrameLayout::Vertical},
    {"礼拝堂", PictureKind::Background, 1, FrameLayout::Vertical},
    {"企業", PictureKind::Interface, 5, FrameLayout::Vertical},
    {"調子", PictureKind::Interface, 5, FrameLayout::Vertical},
    {"不満", PictureKind::Interface, 5, FrameLayout::Vertical},
    {"六角形", PictureKind::Interface, 1, FrameLayout::Vertical},
    {"七角形", PictureKind::Interface, 1, FrameLayout::Vertical},
    {"八角形", PictureKind::Interface, 1, FrameLayout::Vertical},
    {"チェック", PictureKind::Interface, 2, FrameLayout::Vertical},
    {"スクロール", PictureKind::Interface, 1, FrameLayout::Vertical},
    {"スライダー左右", PictureKind::Interface, 2, FrameLayout::Horizontal},
}};

PictureFormat formatOf(PictureKind kind) {
    return kind == PictureKind::Background ? PictureFormat::Jpeg : PictureFormat::Png;
}

std::vector<PictureBudget> buildPictureBudgets() {
    const auto records = AssetTable::ImageRecords();
    if (records.size() != kKinds.size()) throw std::logic_error("picture tables differ in length");
    std::vector<PictureBudget> budgets;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& record = records[i];
        const auto& kind = kKinds[i];
        const std::string name(record.name);
        if (kind.name != record.name) throw std::logic_error("picture tables differ at " + name);
        if ((kind.kind == PictureKind::Background) != record.stretched) {
            throw std::logic_error("only backgrounds are stretched: " + name);
        }
        const std::int32_t split = kind.layout == FrameLayout::Vertical ? record.height : record.width;
        if (kind.frames < 1 || split % kind.frames != 0) {
            throw std::logic_error("size does not split into frames: " + name);
        }
        const auto last = AssetTable::LastByte(records, i, AssetTable::kImageArchiveSize);
        budgets.push_back({record.name, kind.kind, formatOf(kind.kind), record.first,
                           static_cast<std::size_t>(last - record.first + 1), record.width, record.height,
                           kind.frames, kind.layout});
    }
    return budgets;
}

std::vector<SoundBudget> buildSoundBudgets() {
    const auto records = AssetTable::SoundRecords();
    std::vector<SoundBudget> budgets;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& record = records[i];
        const auto last = AssetTable::LastByte(records, i, AssetTable::kSoundArchiveSize);
        budgets.push_back({record.name,
                           record.type == AssetTable::kMusicType ? SoundFormat::OggVorbis : SoundFormat::Wav,
                           record.first, static_cast<std::size_t>(last - record.first + 1)});
    }
    return budgets;
}

} // namespace

const std::vector<PictureBudget>& PictureBudgets() {
    static const std::vector<PictureBudget> budgets = buildPictureBudgets();
    return budgets;
}

const std::vector<SoundBudget>& SoundBudgets() {
    static const std::vector<SoundBudget> budgets = buildSoundBudgets();
    return budgets;
}

} // namespace tools
