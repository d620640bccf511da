#include "app/screens/school/school_screen.h"

#include "app/screens/school/school_captions.h"
#include "app/screens/school/school_slots.h"
#include "app/screens/unit/unit_captions.h"
#include "app/screens/unit/unit_slots.h"
#include "app/shell/message_types.h"

#include "host/runtime/convert.h"

namespace {

namespace captions = school_captions;
namespace slots = school_slots;

using host::runtime::CStr;

} // namespace

// The action button asks about what the list's marks chose; the dialog's
// OK carries it out.
void SchoolScreen::GLContract_Click() {
    clsData& data = context_.data;
    const clsTMPData& CTMP = context_.CTMP;
    const MenuKey menu = data.GetMenu();
    const auto slot = [&CTMP](std::int32_t key) { return CTMP.GetDataSingle(key).toString(); };
    if (menu == captions::kNewStudents) {
        const std::int16_t count = CTMP.GetDataSingle(slots::kNewcomerCount).toInteger();
        std::string text = CStr(count) + "人の新入生を入学させます";
        if (!data.GetEnoughMember(count)) text += "\r\n5人以上生徒がいないと大会に出場できませんがいいですか";
        openDialog(message_type::kAdmission, dialog_layout::kQuestion, text, "OK");
    } else if (menu == captions::kContract) {
        const std::string offer = slot(slots::kPersonName);
        openDialog(message_type::kContract, dialog_layout::kQuestion,
                   offer + "と契約をします\r\n契約金は" + CStr(data.GetContractMoney(offer)) + "エニスです",
                   "OK");
    } else if (menu == captions::kNewSponsors) {
        const std::int16_t count = CTMP.GetDataSingle(slots::kSponsorCount).toInteger();
        const std::int64_t total =
            std::int64_t{CTMP.GetDataSingle(slots::kSponsorMoney).toLong()} + data.GetSponsorCurrentMoney();
        std::string text = CStr(count) +
                           "件のスポンサーと新規に契約します\r\n新規契約と既存の契約をあわせて、" +
                           CStr(total) + "エニスになります";
        if (count + data.GetSponsorCurrentContract() < data.GetSponsorMaxContract())
            text += "\r\nスポンサー枠が余っていますがいいですか?";
        openDialog(message_type::kNewSponsors, dialog_layout::kQuestion, text, "OK");
    } else if (menu == captions::kQuest) {
        context_.pictures.picSchool.setEnabled(false);
        context_.screens.ShowUnitScreen(CTMP.GetDataSingle(unit_slots::kNeedPhysical).toInteger(),
                                        std::string(unit_captions::kQuestMode));
        GLContract.MouseLeave();
    } else if (menu == captions::kArbeit) {
        openDialog(message_type::kArbeit, dialog_layout::kQuestion,
                   "生徒全員で" + slot(slots::kArbeitName) +
                       "のアルバイトをします\r\nアルバイトをすると依頼を受けることはできません",
                   "OK");
    } else if (menu == captions::kCamp) {
        openDialog(message_type::kCamp, dialog_layout::kQuestion,
                   "これから" + slot(slots::kCampName) +
                       "に合宿に行きます\r\nその間、街へ行ったり、契約などの手続きをすることはできません",
                   "OK");
    } else if (menu == captions::kBuildingData) {
        // The school stays usable under the item choice.
        context_.CTMP.SetMSGType(message_type::kBuildingItem);
        context_.screens.ShowDialog(dialog_layout::kBuildingItem, context_.pictures.picSchool, "picSchool",
                                    slot(slots::kBuilding) + "に設置するアイテムを選択してください",
                                    "設置する", {});
    }
}

// Takes the item out of the marked building at once.
void SchoolScreen::GLContract_RightClick() {
    if (context_.data.GetMenu() != captions::kBuildingData) return;
    context_.data.SetRemoveConstructItem(context_.CTMP.GetDataSingle(slots::kBuilding).toString());
}
