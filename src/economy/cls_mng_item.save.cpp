#include "economy/cls_mng_item.h"

#include "economy/item_codes.h"
#include "host/runtime/convert.h"
#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

#include <set>
#include <vector>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

std::string clsMngItem::GetSaveData() const {
    std::string text;
    for (const clsItem& item : Items) {
        if (item.ItemStorage() == 0) continue;
        text += item.ItemName() + ";" + item.GetSaveData() + ";";
    }
    if (!text.empty()) text.pop_back();
    return text + "/" + host::runtime::CStr(UnitIDCounter);
}

void clsMngItem::SetSaveData(std::string_view text) {
    const auto parts = host::runtime::Split(text, "/");
    if (parts.size() != 2)
        throw RuntimeError(ErrorNumber::InvalidCall,
                           "item save \"" + std::string(text) + "\" is not units/counter");
    const auto list = host::runtime::Split(parts[0], ";");
    if (list.size() % 2 != 0)
        throw RuntimeError(ErrorNumber::InvalidCall, "item save: " + list.back() + " has no units");

    // Read and check everything before anything changes.
    struct Held {
        clsItem* item;
        std::string units;
    };
    std::vector<Held> staged;
    std::set<std::int32_t> ids;
    std::set<const clsItem*> kinds;
    for (std::size_t i = 0; i < list.size(); i += 2) {
        const std::string name = host::text::toWide(list[i]);
        clsItem* item = Items.find(name);
        if (!item)
            throw RuntimeError(ErrorNumber::InvalidCall,
                               "saved item \"" + name + "\" is not in the catalogue");
        if (!kinds.insert(item).second)
            throw RuntimeError(ErrorNumber::DuplicateKey, "item save names " + name + " twice");
        for (const auto& [id, damage] : clsItem::parseUnits(list[i + 1]))
            if (!ids.insert(id).second)
                throw RuntimeError(ErrorNumber::DuplicateKey,
                                   "item save: unit " + std::to_string(id) + " twice");
        staged.push_back({item, list[i + 1]});
    }
    const std::int32_t counter = host::runtime::CLng(parts[1]);
    if (counter < 0 || counter > item_rule::kUnitIdWrapAbove)
        throw RuntimeError(ErrorNumber::InvalidCall, "item save: counter " + parts[1] + " is outside 0 to " +
                                                         std::to_string(item_rule::kUnitIdWrapAbove));

    ClearAllItems();
    for (const Held& held : staged)
        held.item->SetSaveData(held.units);
    UnitIDCounter = counter;
}
