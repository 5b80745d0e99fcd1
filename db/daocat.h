#pragma once
// The categories of the class catalog (table Categories of center.mdb).

#include "daoefset.h"

class CDAOCat : public CDAOEFSet {
public:
    CDAOCat() { m_nFields = 2; }

    long CatID = 0;
    std::string Cat;

    std::string GetDefaultDBName() const override { return GetDBPath() + "center.mdb"; }
    std::string GetDefaultSQL() const override { return "[Categories]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    // One category by id, or every category for id 0; by name.
    int FindCategories(long const& catId);
    int FindCategories(char const* name);
    // A category id that no category has and that differs from exclude.
    long GenerateIDNum(long const& exclude) const;
};
