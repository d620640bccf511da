#include "battle/catalogue/cls_lines.h"
#include "economy/class_item_class_provider.h"
#include "economy/cls_mng_item.h"
#include "economy/companies/cls_mng_company.h"
#include "economy/companies/cls_trade.h"
#include "platform/services/silent_services.h"
#include "school/jobs/cls_mng_arbeit.h"
#include "school/system/cls_system.h"
#include "school/system/system_hooks.h"
#include "state/save/save_managers.h"
#include "students/roster/cls_mng_student.h"
#include "students/scouts/cls_mng_scout.h"
#include "students/teachers/cls_mng_teacher.h"

#include <gtest/gtest.h>

namespace {

class NoHooks : public SystemHooks, public ClassItemClassProvider {
  public:
    std::int16_t GetRankUpCondition() override { return 0; }
    bool CheckItem(const std::string&) override { return false; }
    host::runtime::Collection<std::string> GetConstructClass(const std::string&) override {
        return host::runtime::Collection<std::string>();
    }
    host::runtime::Collection<std::string> GetClassItemClass(std::int32_t) override {
        return host::runtime::Collection<std::string>();
    }
};

// The nine managers of a new game without master data.
struct NewGame {
    NewGame() {
        system.SetDataInit();
        trade.CreateBoom("5:5:6");
        student.SetDataInit();
    }

    NoHooks hooks;
    clsSystem system{hooks};
    clsMngScout scout;
    clsTrade trade;
    clsMngCompany company;
    clsMngArbeit arbeit;
    clsLines lines;
    clsMngTeacher teacher;
    clsMngItem item{hooks};
    clsMngStudent student;
    SaveManagers managers{system, scout, trade, company, arbeit, lines, teacher, item, student};
};

} // namespace

TEST(SaveManagers, PartsLoadIntoAnotherGameInFileOrder) {
    ScopedSilentServices silent;
    NewGame played;
    played.system.AddMoney(1234);
    played.trade.BoomNext();
    const SaveParts parts = getSaveParts(played.managers);
    EXPECT_TRUE(partOf(parts, SavePart::System).starts_with("25:4:1:1234/1234/"));

    NewGame staged;
    EXPECT_EQ(setSaveParts(staged.managers, parts), "");
    EXPECT_EQ(getSaveParts(staged.managers), parts);
}

TEST(SaveManagers, TheFirstRefusedPartStopsTheLoadAndIsNamed) {
    ScopedSilentServices silent;
    NewGame played;
    played.system.AddMoney(1234);
    const SaveParts good = getSaveParts(played.managers);

    for (SavePart damaged : kSavePartOrder) {
        SaveParts parts = good;
        partOf(parts, damaged) = '?';
        NewGame staged;
        const SaveParts before = getSaveParts(staged.managers);

        const std::string message = setSaveParts(staged.managers, parts);
        EXPECT_NE(message.find("「" + std::string(savePartLabel(damaged)) + "」"), std::string::npos)
            << message;
        const SaveParts after = getSaveParts(staged.managers);
        for (SavePart part : kSavePartOrder)
            EXPECT_EQ(partOf(after, part), partOf(part < damaged ? good : before, part))
                << savePartLabel(damaged) << " damaged, " << savePartLabel(part) << " read";
    }
}
