#include "economy/companies/cls_get_company.h"

#include "host/runtime/convert.h"

using host::runtime::CStr;

std::string clsGetCompany::GetData(std::int16_t index) const {
    switch (index) {
    case 0:
        return "0";
    case 1:
        return CompanyName_;
    case 2:
        return CStr(StockPrice_);
    case 3:
        return CStr(HoldStock_);
    case 4:
        return CStr(Stability_);
    case 5:
        return CStr(Dependancy_);
    case 6:
        return CStr(BeforeStockPrice_);
    default:
        return "";
    }
}
