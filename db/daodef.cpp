#include "daodef.h"

#include <array>

void CDAODef::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Byte("[DefExpDate]", DefExpDate);
    fx.Byte("[DefEnrollPer]", DefEnrollPer);
    fx.Byte("[DefGrdStat]", DefGrdStat);
    fx.Byte("[DefReEvalBon]", DefReEvalBon);
    fx.Byte("[DefOtherBon]", DefOtherBon);
    fx.Long("[DefFlags]", DefFlags);
    CDAOEFSet::DoFieldExchange(fx);
}

std::string CDAODef::GetEnrPerStr(unsigned char const& period) {
    static constexpr std::array<const char*, 4> names{"Spring", "Summer", "Fall", "Winter"};
    return period < names.size() ? names[period] : "";
}

std::string CDAODef::GetGrdStatStr(unsigned char const& status) {
    static constexpr std::array<const char*, 5> names{"Grade", "Pass/Fail", "Audit", "Credit",
                                                      "No Credit"};
    return status < names.size() ? names[status] : "";
}
