#pragma once
// Reading and editing the single record of a settings table (Center,
// Defaults, BarcodeTouch, Bonuses): readers take the first record, writers
// edit it in place. A table without its record is a failure for both.

#include "db/daoefset.h"
#include "util/notice.h"

#include <string>

namespace vantora::settings {

// Opens the set on its first record; false when the table holds none.
inline bool ReadRecord(CDAOEFSet& set) {
    return set.OpenSet(true) > 0 && !set.LastOpFailed();
}

// Edits the first record: `change` sets the columns between opEdit and
// opUpdate. False when there is no record or the edit or update did not
// reach the store; the set is closed either way.
template <class Set, class Change> bool EditRecord(Set& set, Change change) {
    bool ok = ReadRecord(set);
    if (ok) {
        set.Op(CDAOEFSet::opEdit);
        ok = !set.LastOpFailed() && set.IsEditing();
    }
    if (ok) {
        change(set);
        set.Op(CDAOEFSet::opUpdate);
        ok = !set.LastOpFailed();
    }
    set.Op(CDAOEFSet::opClose);
    return ok;
}

// Reads the record at a program's start: false after the message that names
// the table ("Error: could not retrieve data from center recordset.").
inline bool LoadRecord(CDAOEFSet& set, const char* what) {
    if (ReadRecord(set))
        return true;
    notice::show(std::string("Error: could not retrieve data from ") + what + " recordset.",
                 notice::Icon::Exclamation);
    return false;
}

} // namespace vantora::settings
