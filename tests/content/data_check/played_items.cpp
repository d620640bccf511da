#include "content/data_check/played_items.h"

namespace {

// Lesson-item tips name no lessons here.
class NoLessons : public ClassItemClassProvider {
  public:
    host::runtime::Collection<std::string> GetClassItemClass(std::int32_t) override {
        return host::runtime::Collection<std::string>();
    }
};

} // namespace

void playOnItems(const MasterData& data, Findings& findings,
                 const std::function<void(clsMngItem& items, SilentServices& services)>& play) {
    ScopedSilentServices services;
    NoLessons lessons;
    clsMngItem items(lessons);
    try {
        const auto& sections = data.sections.section;
        items.SetItemData(sections[GameDataSection::Items]);
        items.SetRecipe(sections[GameDataSection::Recipes]);
        items.SetItemShopData(sections[GameDataSection::ItemShop]);
        items.SetTicket(sections[GameDataSection::TicketPrizes]);
        play(items, *services);
    } catch (const std::exception& e) {
        findings.add(std::string("the item sections do not load or play: ") + e.what());
    }
}
