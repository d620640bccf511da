#pragma once

#include "state/menu_keys.h"

#include <array>
#include <string_view>

// The town screen's captions and texts: a place button's caption is the
// place's key for the facade; GLMultipurpose's caption names the list its
// next click shows.
namespace town_captions {

inline constexpr std::string_view kBackToSchool = "学園に戻る";
// GLShop(0..6): the six places and the way back.
inline constexpr std::array<std::string_view, 7> gPlaces = {menu_key::kItemShop.name(),
                                                            menu_key::kPermitOffice.name(),
                                                            menu_key::kTicketExchange.name(),
                                                            menu_key::kPointExchange.name(),
                                                            menu_key::kProcessing.name(),
                                                            menu_key::kStocks.name(),
                                                            kBackToSchool};

inline constexpr std::string_view kTown = "街";
inline constexpr std::string_view kBackToTown = "街に戻る";
inline constexpr std::string_view kBuy = "購入";
inline constexpr std::string_view kSell = "売却";

// GLMultipurpose's captions.
inline constexpr std::string_view kAllRecipes = "加工アイテムリストを表示";
inline constexpr std::string_view kRecipesFromHeld = "所持アイテムから検索";
inline constexpr std::string_view kShopGoods = "所持品を表示する";
inline constexpr std::string_view kHeldItems = "商品を表示する";
inline constexpr std::string_view kExchangePoints = "ポイント交換";
inline constexpr std::string_view kExchangeTickets = "チケット引換";
inline constexpr std::string_view kApply = "申請する";

// GMSGCity's texts.
inline constexpr std::string_view kLeavingTown = "学園に戻ります";
inline constexpr std::string_view kWhereTo = "どこに行きますか";
inline constexpr std::string_view kWelcome = "いらっしゃいませ";
inline constexpr std::string_view kBackToPlaces = "街に戻ります";

} // namespace town_captions
