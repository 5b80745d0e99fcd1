#pragma once
// The sections of the class catalog (table Sections of center.mdb); a section
// is known by its course and its name.

#include "daoefset.h"

class CDAOSec : public CDAOEFSet {
public:
    CDAOSec() { m_nFields = 2; }

    long CourID = 0;
    std::string Sec;

    std::string GetDefaultDBName() const override { return GetDBPath() + "center.mdb"; }
    std::string GetDefaultSQL() const override { return "[Sections]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    int FindSections(long const& courId);
    int FindSections(long const& courId, char const* name);
};
