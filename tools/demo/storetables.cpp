#include "tools/demo/storetables.h"

#include "tools/demo/sampledata.h"

namespace vantora::tools::demo {

bool WriteCatalog(StoreWriter& center) {
    Insert cats(center, "Categories", {"CatID", "Cat"});
    Insert courses(center, "Courses", {"CourID", "CatID", "Cour"});
    Insert sections(center, "Sections", {"CourID", "Sec"});
    long lastCat = 1;
    for (const CatalogCourse& c : Catalog()) {
        if (c.courId == 1)
            continue; // the facility's own first course
        if (c.catId != lastCat && !cats.row({Num(c.catId), Text(c.cat, "Categories", "Cat")}))
            return false;
        lastCat = c.catId;
        if (!courses.row({Num(c.courId), Num(c.catId), Text(c.cour, "Courses", "Cour")}))
            return false;
        for (const char* s : c.sections)
            if (!sections.row({Num(c.courId), Text(s, "Sections", "Sec")}))
                return false;
    }
    return true;
}

FacilitySettings ReadSettings(StoreWriter& center) {
    FacilitySettings s;
    if (auto v = center.value(QStringLiteral("SELECT DefExpDate FROM Defaults LIMIT 1")))
        s.expMonths = v->toInt();
    if (auto v = center.value(QStringLiteral("SELECT DefFlags FROM Defaults LIMIT 1")))
        s.details = (v->toLongLong() & 512) != 0;
    return s;
}

} // namespace vantora::tools::demo
