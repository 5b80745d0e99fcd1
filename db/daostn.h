#pragma once
// CDAOStn: the workout option names of center.mdb, one row per option in
// table order (the first is the circuit option), at most thirteen.

#include "daoefset.h"

class CDAOStn : public CDAOEFSet {
public:
    CDAOStn() { m_nFields = 2; }

    std::string StnName; // shown on the kiosk's workout entry screen
    std::string StnAbbr; // column head on workout reports

    std::string GetDefaultDBName() const override { return GetDBPath() + "center.mdb"; }
    std::string GetDefaultSQL() const override { return "[Stations]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;
};
