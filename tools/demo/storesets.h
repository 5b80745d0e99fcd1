#pragma once
// The record sets the generators add their rows through, each store's
// rows in one batch of the store layer, and where the new facility's
// stores are while they are filled.

#include "db/batchscope.h"
#include "db/daocls.h"
#include "db/daoefset.h"
#include "db/daomem.h"
#include "db/daowk.h"
#include "db/schema.h"
#include "util/facilitylocation.h"
#include "util/notice.h"

#include <memory>
#include <string>

namespace vantora::tools::demo {

// A text cut to the length its column holds.
inline std::string Text(const std::string& s, const char* table, const char* column) {
    return db::schema::fitText(s, db::schema::textLimit(table, column));
}

// A record set that adds rows to its table and counts them: next() starts
// a row, whose fields the caller sets, and add() writes it.
template <class Set> class NewRows {
public:
    // The set opens over its table as the new facility has it: empty, or
    // with the facility's own first record of the catalog.
    NewRows() {
        set_.OpenSet(false);
        set_.SetAppendOnly(true);
    }

    Set& next() {
        set_.Op(CDAOEFSet::opAddNew);
        return set_;
    }
    // False when the row did not reach the store (reported by the set).
    bool add() {
        set_.Op(CDAOEFSet::opUpdate);
        if (set_.LastOpFailed())
            return false;
        ++rows_;
        return true;
    }
    long rows() const { return rows_; }
    Set& set() { return set_; }

private:
    Set set_;
    long rows_ = 0;
};

// Where the rows of a generator go while it runs: the record sets find the
// new facility's stores (a folder or a server), and what the store layer
// reports is kept as the generator's error instead of being shown.
class FillScope {
public:
    explicit FillScope(const std::string& stores);
    ~FillScope();
    FillScope(const FillScope&) = delete;
    FillScope& operator=(const FillScope&) = delete;

    // The first error reported while the scope lived; empty when none.
    std::string error() const;

private:
    class Kept;
    std::shared_ptr<Kept> kept_;
    notice::ScopedHandler handler_;
    vantora::ScopedFacilityLocation location_;
};

// The member sets both generators fill: a member (enrollment, member and
// profile in one row of the joined view), the member's classes and the
// workouts.
struct MemberSets {
    NewRows<CDAOMem> members;
    NewRows<CDAOCls> classes;
    NewRows<CDAOWk> workouts;
};

// Adds the demo catalog beside the facility's own first course.
bool WriteCatalog();

// The facility's settings the generators follow: the months to
// expiration, whether the kiosk takes workout details.
struct FacilitySettings {
    int expMonths = 4;
    bool details = true;
};

FacilitySettings ReadSettings();

} // namespace vantora::tools::demo
