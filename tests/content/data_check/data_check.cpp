#include "content/data_check/data_check.h"

#include "host/runtime/convert.h"
#include "host/runtime/strings.h"

namespace {

std::vector<RegisteredDataRule>& registry() {
    static std::vector<RegisteredDataRule> rules;
    return rules;
}

} // namespace

std::vector<std::vector<std::string>> MasterData::rows(int section) const {
    std::vector<std::vector<std::string>> result;
    for (const auto& line :
         host::runtime::Split(sections.section.at(static_cast<std::size_t>(section)), "\r\n")) {
        result.push_back(host::runtime::Split(line, ","));
    }
    return result;
}

bool RegisterDataRule(std::string name, DataRule check) {
    registry().push_back({std::move(name), std::move(check)});
    return true;
}

const std::vector<RegisteredDataRule>& DataRules() {
    return registry();
}

std::optional<long> numberOf(const std::string& field) {
    try {
        return host::runtime::CLng(field);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::set<std::string> picturesOf(tools::PictureKind kind) {
    std::set<std::string> names;
    for (const auto& picture : tools::PictureBudgets())
        if (picture.kind == kind) names.emplace(picture.name);
    return names;
}
