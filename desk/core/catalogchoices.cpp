#include "desk/core/catalogchoices.h"

#include "db/daocat.h"
#include "db/daocour.h"
#include "db/daosec.h"

namespace {

template <class Set, class Read>
std::vector<CCatalogChoices::Item> Collect(Set& set, int n, Read read) {
    std::vector<CCatalogChoices::Item> items;
    items.reserve(n > 0 ? n : 0);
    for (int i = 0; i < n && !set.IsEOF(); ++i) {
        items.push_back(read(set));
        set.Op(CDAOEFSet::opMoveNext);
    }
    set.Op(CDAOEFSet::opClose);
    return items;
}

} // namespace

std::vector<CCatalogChoices::Item> CCatalogChoices::Categories() {
    CDAOCat cat;
    return Collect(cat, cat.FindCategories(0L), [](CDAOCat& s) { return Item{s.CatID, s.Cat}; });
}

std::vector<CCatalogChoices::Item> CCatalogChoices::Courses(long catId) {
    if (catId == 0)
        return {};
    CDAOCour cour;
    return Collect(cour, cour.FindCourses(catId, 0L), [](CDAOCour& s) {
        return Item{s.CourID, s.Cour};
    });
}

std::vector<CCatalogChoices::Item> CCatalogChoices::Sections(long courId) {
    if (courId == 0)
        return {};
    CDAOSec sec;
    return Collect(sec, sec.FindSections(courId), [](CDAOSec& s) { return Item{s.CourID, s.Sec}; });
}

long CCatalogChoices::CategoryId(const std::string& category) {
    if (category.empty())
        return 0;
    CDAOCat cat;
    const long id = cat.FindCategories(category.c_str()) > 0 ? cat.CatID : 0;
    cat.Op(CDAOEFSet::opClose);
    return id;
}

long CCatalogChoices::CourseId(long catId, const std::string& course) {
    if (catId == 0 || course.empty())
        return 0;
    CDAOCour cour;
    const long id = cour.FindCourses(catId, course.c_str()) > 0 ? cour.CourID : 0;
    cour.Op(CDAOEFSet::opClose);
    return id;
}
