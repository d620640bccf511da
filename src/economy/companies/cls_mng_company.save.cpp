#include "economy/companies/cls_mng_company.h"

#include "host/runtime/runtime_error.h"
#include "host/runtime/strings.h"
#include "host/text/width.h"

#include <set>
#include <vector>

using host::runtime::ErrorNumber;
using host::runtime::RuntimeError;

std::string clsMngCompany::GetSaveData() const {
    std::vector<std::string> parts;
    for (const clsCompany& c : Companies_)
        parts.push_back(c.GetSaveData());
    return host::runtime::Join(parts, ";");
}

void clsMngCompany::SetSaveData(std::string_view text) {
    struct Saved {
        clsCompany* company;
        clsCompany::SavedState state;
    };
    std::vector<Saved> staged;
    std::set<const clsCompany*> named;
    for (const std::string& part : host::runtime::Split(text, ";")) {
        if (part.empty()) continue;
        const std::string name = host::text::toWide(host::runtime::Split(part, ":", 2)[0]);
        clsCompany* company = Companies_.find(name);
        if (!company)
            throw RuntimeError(ErrorNumber::InvalidCall, "saved company \"" + name + "\" is not listed");
        if (!named.insert(company).second)
            throw RuntimeError(ErrorNumber::DuplicateKey, "company save names " + name + " twice");
        staged.push_back({company, company->ReadSaveData(part)});
    }
    for (const Saved& saved : staged)
        saved.company->Restore(saved.state);
}
