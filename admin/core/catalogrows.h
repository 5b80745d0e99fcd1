#pragma once
// The rows of the catalog pages (categories, courses): each row a name with
// an id, written back to the open set of the catalog table.

#include "admin/core/catalog.h"

#include "db/daoefset.h"
#include "util/format.h"
#include "util/notice.h"

#include <string>

// A row of a catalog page. `stored` tells that the row stands for the
// record with its id (loaded from it or added by it); otherwise the id is
// only prepared for a record the row may add.
struct CCatalogRow {
    std::string name;
    long id = 0;
    bool stored = false;
};

namespace vantora::admin {

// Whether two names are equal ignoring letter case (of any script).
bool SameNameIgnoringCase(const std::string& a, const std::string& b);

// The first row whose non-empty name repeats an earlier row's ignoring
// letter case; -1 when the names are distinct.
int FirstDuplicate(const CCatalogRow* rows, int count);

// The id that row `row` adds its record with: its prepared id, unless that
// is 0, already in the table (open in `set`) or carried by another row, in
// which case a new one is drawn. Prepared ids are drawn one after the other
// and a deleted row's id is a bare random key, so either may clash.
template <class Set> long UnusedId(Set& set, const CCatalogRow* rows, int count, int row) {
    auto taken = [&](long id) {
        if (id == 0 || CCatalog::PositionOf(set, id) >= 0)
            return true;
        for (int k = 0; k < count; ++k)
            if (k != row && rows[k].id == id)
                return true;
        return false;
    };
    long id = rows[row].id;
    while (taken(id))
        id = set.GenerateIDNum(id);
    return id;
}

// Writes the rows to `set` (open on the records they stand for): a filled
// row renames its record or adds one (`start` sets the new record's id and
// parent); an emptied row that stands for a record asks `question` (%1: the
// record's name) and on OK removes the record's dependants (`cascade`) and
// the record, the row then getting a fresh id. False when a write failed.
template <class Set, class Start, class Cascade>
bool WriteRows(Set& set, CCatalogRow* rows, int count, std::string Set::*name, const char* question,
               Start start, Cascade cascade) {
    bool ok = !set.LastOpFailed();
    for (int i = 0; i < count && ok; ++i) {
        CCatalogRow& r = rows[i];
        const int pos = r.stored ? CCatalog::PositionOf(set, r.id) : -1;
        if (!r.name.empty()) {
            if (pos >= 0) {
                set.MoveSet(pos);
                set.Op(CDAOEFSet::opEdit);
            } else {
                r.id = UnusedId(set, rows, count, i);
                set.Op(CDAOEFSet::opAddNew);
                start(set, r.id);
            }
            ok = !set.LastOpFailed();
            if (ok) {
                set.*name = r.name;
                set.Op(CDAOEFSet::opUpdate);
                ok = !set.LastOpFailed();
                r.stored = ok;
            }
        } else if (pos < 0) {
            r.stored = false; // its record went elsewhere meanwhile
        } else {
            set.MoveSet(pos);
            if (notice::ask(insert(question, {set.*name}), notice::Buttons::OkCancel,
                            notice::Icon::Exclamation) == notice::Answer::Ok) {
                ok = cascade(r.id);
                if (ok && set.MoveSet(pos)) {
                    set.DelCurrent();
                    ok = !set.LastOpFailed();
                }
                r.id = set.GenerateKey();
                r.stored = false;
            }
        }
    }
    return ok;
}

} // namespace vantora::admin
