#include "state/cls_data.h"

#include "state/owned_managers.h"

bool clsData::affords(std::int64_t price) const {
    return price >= 0 && price <= cSystem->GetMoney();
}

bool clsData::affordsPoints(std::int64_t points) const {
    return points >= 0 && points <= cSystem->GetKingdomPoint();
}
