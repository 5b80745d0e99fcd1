#include "daostn.h"

void CDAOStn::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Text("[StnName]", StnName);
    fx.Text("[StnAbbr]", StnAbbr);
    CDAOEFSet::DoFieldExchange(fx);
}
