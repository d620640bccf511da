#include "app/screens/class/class_screen.h"

#include "app/screens/class/class_captions.h"
#include "app/shell/message_types.h"

#include "students/lessons/cls_class_schedule.h"

#include <charconv>

namespace {

constexpr std::int32_t kCopyDestinationSlot = 38;
constexpr std::int32_t kCopySourceSlot = 39;
constexpr const char* kTagPrefix = "C:";

// The slot a copy button's tag names, or -1 for any other tag.
int taggedSlot(const std::string& tag) {
    const std::string prefix = kTagPrefix;
    if (tag.compare(0, prefix.size(), prefix) != 0) return -1;
    int slot = -1;
    const char* first = tag.data() + prefix.size();
    const char* last = tag.data() + tag.size();
    const auto [end, error] = std::from_chars(first, last, slot);
    if (error != std::errc() || end != last || slot < 0 || slot >= class_captions::kSlots) return -1;
    return slot;
}

} // namespace

void ClassScreen::CopyClassSlot(const std::string& tag, std::int16_t destination) {
    const int found = taggedSlot(tag);
    if (found < 0) return;
    const auto source = static_cast<std::int16_t>(found);
    clsData& data = context_.data;
    clsTMPData& CTMP = context_.CTMP;
    if (source == destination || !data.GetClassEnable(source) || !data.GetClassEnable(destination)) return;
    const std::int32_t destinationType = CTMP.GetClassType(destination);
    const std::int32_t sourceType = CTMP.GetClassType(source);
    if (destinationType == clsClassSchedule::NoLesson || sourceType == clsClassSchedule::NoLesson) return;

    auto& picClass = context_.pictures.picClass;
    picClass.setEnabled(false);
    if (destinationType == sourceType) {
        CTMP.SetDataSingle(kCopyDestinationSlot, host::runtime::Variant(destination));
        CTMP.SetDataSingle(kCopySourceSlot, host::runtime::Variant(source));
        CTMP.SetMSGType(message_type::kClassCopyQuestion);
        context_.screens.ShowDialog(dialog_layout::kQuestion, picClass, "picClass",
                                    GetClassSlotCaption(source) + "を\r\n" +
                                        GetClassSlotCaption(destination) + "へ\r\nコピーします",
                                    "OK", DialogRegion{});
    } else {
        CTMP.SetMSGType(message_type::kClassCopyRefused);
        context_.screens.ShowDialog(dialog_layout::kNotice, picClass, "picClass",
                                    "全体授業と個別授業では、コピーできません", "OK", DialogRegion{});
    }
}

void ClassScreen::ClassSlotCopyConfirmed() {
    clsTMPData& CTMP = context_.CTMP;
    const auto destination = static_cast<std::int16_t>(CTMP.GetDataSingle(kCopyDestinationSlot).toInteger());
    const auto source = static_cast<std::int16_t>(CTMP.GetDataSingle(kCopySourceSlot).toInteger());
    for (const std::string& name : studentNames())
        CTMP.SetClassCopy(name, destination, source);
}
