#pragma once

#include <array>
#include <optional>
#include <string_view>

// The names of the school screen's menus and sub-menus and of the town's
// places, each written once: the facade compares them, clsMenu holds the
// tip of each, and the screens take their captions from them.
class MenuKey {
  public:
    // No menu: what the menu and the sub-menu hold before the first choice.
    constexpr MenuKey() = default;
    // A name known to the game; an unknown one ("学園デ一タ", "契約 ") does
    // not compile.
    consteval MenuKey(const char* name);

    constexpr std::string_view name() const { return name_; }
    friend constexpr bool operator==(MenuKey, MenuKey) = default;

  private:
    struct Known {};
    constexpr MenuKey(std::string_view name, Known) : name_(name) {}
    friend struct menu_key;

    std::string_view name_;
};

struct menu_key {
    // The school screen's menus.
    static constexpr MenuKey kTimetable{"授業", MenuKey::Known{}};
    static constexpr MenuKey kStudents{"生徒を見る", MenuKey::Known{}};
    static constexpr MenuKey kTeachers{"教師を見る", MenuKey::Known{}};
    static constexpr MenuKey kBuildingData{"建物データ", MenuKey::Known{}};
    static constexpr MenuKey kSchoolData{"学園データ", MenuKey::Known{}};
    static constexpr MenuKey kContract{"契約", MenuKey::Known{}};
    static constexpr MenuKey kArbeit{"アルバイト", MenuKey::Known{}};
    static constexpr MenuKey kQuest{"依頼", MenuKey::Known{}};
    static constexpr MenuKey kNewcomers{"新入生", MenuKey::Known{}};
    static constexpr MenuKey kNewSponsors{"新規スポンサー", MenuKey::Known{}};
    static constexpr MenuKey kCamp{"合宿", MenuKey::Known{}};
    static constexpr MenuKey kAcademy{"ミルトナ騎士団", MenuKey::Known{}};
    // The town's places.
    static constexpr MenuKey kItemShop{"アイテム店", MenuKey::Known{}};
    static constexpr MenuKey kPermitOffice{"王国許可局", MenuKey::Known{}};
    static constexpr MenuKey kTicketExchange{"チケット引換所", MenuKey::Known{}};
    static constexpr MenuKey kPointExchange{"ポイント交換所", MenuKey::Known{}};
    static constexpr MenuKey kProcessing{"加工屋", MenuKey::Known{}};
    static constexpr MenuKey kStocks{"株屋", MenuKey::Known{}};
    // The sub-menus: the school data's and buildings' lists, the contract offers.
    static constexpr MenuKey kItems{"アイテム", MenuKey::Known{}};
    static constexpr MenuKey kSponsors{"スポンサー", MenuKey::Known{}};
    static constexpr MenuKey kMonsters{"モンスター", MenuKey::Known{}};
    static constexpr MenuKey kGraduates{"卒業生", MenuKey::Known{}};
    static constexpr MenuKey kScouts{"スカウト", MenuKey::Known{}};
    static constexpr MenuKey kSchoolGrounds{"学園", MenuKey::Known{}};
    static constexpr MenuKey kSchoolhouse{"校舎", MenuKey::Known{}};
    static constexpr MenuKey kDormitory{"寮", MenuKey::Known{}};
    static constexpr MenuKey kTeacherOffers{"教師", MenuKey::Known{}};

    // Every key a player opens, each with its tip.
    static constexpr std::array kOpened{
        kTimetable,   kStudents,     kTeachers,       kBuildingData,  kSchoolData, kContract,
        kArbeit,      kQuest,        kNewcomers,      kNewSponsors,   kCamp,       kAcademy,
        kItemShop,    kPermitOffice, kTicketExchange, kPointExchange, kProcessing, kStocks,
        kItems,       kSponsors,     kMonsters,       kGraduates,     kScouts,     kSchoolGrounds,
        kSchoolhouse, kDormitory,    kTeacherOffers,
    };
    // The menu while the day's lessons run: no caption, no tip.
    static constexpr MenuKey kDuringLessons{"授業中", MenuKey::Known{}};
};

consteval MenuKey::MenuKey(const char* name) : name_(name) {
    bool known = name_ == menu_key::kDuringLessons.name();
    for (const MenuKey& key : menu_key::kOpened)
        known = known || key.name() == name_;
    if (!known) throw "not a menu key: name it in menu_key";
}

// The key a caption names (a menu button's text), or none when the caption is
// no menu of the game.
constexpr std::optional<MenuKey> menuKeyNamed(std::string_view name) {
    if (name == menu_key::kDuringLessons.name()) return menu_key::kDuringLessons;
    for (const MenuKey& key : menu_key::kOpened)
        if (key.name() == name) return key;
    return std::nullopt;
}
