#include "admin/core/catalog.h"

#include "db/daocat.h"
#include "db/daocour.h"
#include "db/daosec.h"

int CCatalog::OpenCourses(CDAOCour& courses, long catId) {
    courses.lParam0 = catId;
    courses.m_strFilter = "CatID = lParam0";
    courses.m_strSort = "Cour";
    return courses.OpenSet(true);
}

namespace {
template <class Set, class Key> int positionOf(Set& set, long id, Key key) {
    const int n = set.CountSet();
    for (int i = 0; i < n; ++i)
        if (set.MoveSet(i) && key(set) == id)
            return i;
    return -1;
}
} // namespace

int CCatalog::PositionOf(CDAOCat& set, long catId) {
    return positionOf(set, catId, [](const CDAOCat& s) { return s.CatID; });
}

int CCatalog::PositionOf(CDAOCour& set, long courId) {
    return positionOf(set, courId, [](const CDAOCour& s) { return s.CourID; });
}

bool CCatalog::DeleteSections(long courId) {
    CDAOSec sections;
    sections.FindSections(courId);
    sections.DelAll();
    return !sections.LastOpFailed();
}

bool CCatalog::DeleteCourses(long catId) {
    CDAOCour courses;
    bool ok = OpenCourses(courses, catId) >= 0 && !courses.LastOpFailed();
    std::vector<long> ids;
    while (ok && !courses.IsEOF()) {
        ids.push_back(courses.CourID);
        courses.Op(CDAOEFSet::opMoveNext);
    }
    for (long id : ids)
        ok = DeleteSections(id) && ok;
    if (ok) {
        courses.DelAll();
        ok = !courses.LastOpFailed();
    }
    return ok;
}
