#include "admin/core/categoriesdocument.h"

#include "admin/core/catalog.h"
#include "admin/core/catalogrows.h"
#include "forms/fieldcheck.h"

#include "db/daocat.h"
#include "util/notice.h"

using namespace vantora;

void CCateDoc::FirstActivation() {
    notice::show(MsgFirstTime, notice::Icon::Exclamation);
}

bool CCateDoc::Load() {
    CDAOCat cat;
    long previous = 0;
    for (Row& r : Cats) {
        previous = cat.GenerateIDNum(previous);
        r = Row{"", previous, false};
    }
    const int n = cat.FindCategories(0L);
    if (n == 0 || cat.LastOpFailed()) {
        notice::show(MsgLoad, notice::Icon::Exclamation);
        return false;
    }
    for (int i = 0; i < Rows && !cat.IsEOF(); ++i) {
        Cats[i] = Row{cat.Cat, cat.CatID, true};
        cat.Op(CDAOEFSet::opMoveNext);
    }
    return true;
}

bool CCateDoc::Validate() {
    for (int i = 0; i < Rows; ++i) {
        if (!fields::CheckExported("category name", Cats[i].name, NameLimit)) {
            focus_ = i;
            return false;
        }
    }
    const int dup = admin::FirstDuplicate(Cats, Rows);
    if (dup >= 0) {
        notice::show(MsgDuplicate, notice::Icon::Exclamation);
        focus_ = dup;
        return false;
    }
    return true;
}

bool CCateDoc::Write() {
    CDAOCat cat;
    cat.FindCategories(0L);
    const bool ok = admin::WriteRows(
        cat, Cats, Rows, &CDAOCat::Cat, MsgDelete, [](CDAOCat& c, long id) { c.CatID = id; },
        &CCatalog::DeleteCourses);
    if (!ok)
        return false;
    if (cat.CountSet() == 0) {
        notice::show(MsgNone, notice::Icon::Exclamation);
        focus_ = 0;
        return false;
    }
    return true;
}

std::optional<CCateDoc::Row> CCateDoc::CoursesFor(int row) {
    if (row < 0 || row >= Rows || !Apply())
        return std::nullopt;
    if (Cats[row].name.empty()) {
        notice::show(MsgNoCategory, notice::Icon::Exclamation);
        focus_ = row;
        return std::nullopt;
    }
    return Cats[row];
}
