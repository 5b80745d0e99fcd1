#pragma once
// Helpers for the rows of the catalog pages (categories and courses), each
// row a name with an id.

#include "catalog.h"

#include <string>

namespace vantora::admin {

// Whether two names are equal ignoring letter case (of any script).
bool SameNameIgnoringCase(const std::string& a, const std::string& b);

// The first row whose non-empty name repeats an earlier row's ignoring
// letter case; -1 when the names are distinct.
template <class Row> int FirstDuplicate(const Row* rows, int count) {
    for (int i = 1; i < count; ++i) {
        if (rows[i].name.empty())
            continue;
        for (int k = 0; k < i; ++k)
            if (SameNameIgnoringCase(rows[i].name, rows[k].name))
                return i;
    }
    return -1;
}

// The id that row `row` adds its record with: its prepared id, unless that
// is 0, already in the table (open in `set`) or carried by another row, in
// which case a new one is drawn. Prepared ids are drawn one after the other
// and a deleted row's id is a bare random key, so either may clash.
template <class Set, class Row> long UnusedId(Set& set, const Row* rows, int count, int row) {
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

} // namespace vantora::admin
