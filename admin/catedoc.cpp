#include "catedoc.h"

#include "catalog.h"
#include "catalogrows.h"
#include "fieldcheck.h"

#include "db/daocat.h"
#include "util/format.h"
#include "util/notice.h"

using namespace vantora;

void CCateDoc::FirstActivation() {
    notice::show(MsgFirstTime, notice::Icon::Exclamation);
}

bool CCateDoc::Load() {
    CDAOCat cat;
    long previous = 0;
    for (Row& r : Cats) {
        r.name.clear();
        r.id = previous = cat.GenerateIDNum(previous);
    }
    const int n = cat.FindCategories(0L);
    if (n == 0 || cat.LastOpFailed()) {
        notice::show(MsgLoad, notice::Icon::Exclamation);
        return false;
    }
    for (int i = 0; i < Rows && !cat.IsEOF(); ++i) {
        Cats[i] = Row{cat.Cat, cat.CatID};
        cat.Op(CDAOEFSet::opMoveNext);
    }
    return true;
}

bool CCateDoc::Validate() {
    for (int i = 0; i < Rows; ++i) {
        if (!admin::CheckExported("category name", Cats[i].name, NameLimit)) {
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
    bool ok = !cat.LastOpFailed();
    for (int i = 0; i < Rows && ok; ++i) {
        Row& r = Cats[i];
        const int pos = CCatalog::PositionOf(cat, r.id);
        if (!r.name.empty()) {
            if (pos >= 0) {
                cat.MoveSet(pos);
                cat.Op(CDAOEFSet::opEdit);
            } else {
                r.id = admin::UnusedId(cat, Cats, Rows, i);
                cat.Op(CDAOEFSet::opAddNew);
                cat.CatID = r.id;
            }
            ok = !cat.LastOpFailed();
            if (ok) {
                cat.Cat = r.name;
                cat.Op(CDAOEFSet::opUpdate);
                ok = !cat.LastOpFailed();
            }
        } else if (pos >= 0) {
            cat.MoveSet(pos);
            if (notice::ask(insert(MsgDelete, {cat.Cat}), notice::Buttons::OkCancel,
                            notice::Icon::Exclamation) == notice::Answer::Ok) {
                ok = CCatalog::DeleteCourses(r.id);
                if (ok && cat.MoveSet(pos)) {
                    cat.DelCurrent();
                    ok = !cat.LastOpFailed();
                }
                r.id = cat.GenerateKey();
            }
        }
    }
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
