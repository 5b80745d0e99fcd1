#pragma once
// The courses of the class catalog (table Courses of center.mdb); each
// belongs to one category.

#include "daoefset.h"

class CDAOCour : public CDAOEFSet {
public:
    CDAOCour() { m_nFields = 3; }

    long CourID = 0;
    long CatID = 0;
    std::string Cour;

    std::string GetDefaultDBName() const override { return GetDBPath() + "center.mdb"; }
    std::string GetDefaultSQL() const override { return "[Courses]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    // By category and/or course id; with neither the filter is left as it was.
    int FindCourses(long const& catId, long const& courId);
    // A category's course by name.
    int FindCourses(long const& catId, char const* name);
    // A course id that no course has and that differs from exclude.
    long GenerateIDNum(long const& exclude) const;
};
