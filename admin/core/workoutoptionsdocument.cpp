#include "admin/core/workoutoptionsdocument.h"

#include "forms/fieldcheck.h"

#include "db/daostn.h"
#include "util/format.h"
#include "util/notice.h"

using namespace vantora;

void CStatDoc::FirstActivation() {
    notice::show(MsgFirstTime, notice::Icon::Exclamation);
}

bool CStatDoc::Load() {
    for (Row& r : Options)
        r = Row{};
    CDAOStn s;
    if (s.OpenSet(true) == 0 || s.LastOpFailed()) {
        notice::show(MsgLoad, notice::Icon::Exclamation);
        return false;
    }
    for (int i = 0; i < Rows && !s.IsEOF(); ++i) {
        Options[i] = Row{s.StnName, s.StnAbbr};
        s.Op(CDAOEFSet::opMoveNext);
    }
    return true;
}

bool CStatDoc::Validate() {
    // Without the circuit option the kiosk cannot start.
    if (Options[0].name.empty()) {
        notice::show(MsgNoCircuit, notice::Icon::Exclamation);
        focus_ = 0;
        return false;
    }
    for (int i = 0; i < Rows; ++i) {
        const Row& r = Options[i];
        if (!fields::CheckLength("workout option name", r.name, NameLimit)) {
            focus_ = i;
            return false;
        }
        if (!fields::CheckLength("workout option abbreviation", r.abbr, AbbrLimit)) {
            focus_ = AbbrField(i);
            return false;
        }
        if (!r.name.empty() && r.abbr.empty()) {
            notice::show(insert(MsgNoAbbr, {r.name}), notice::Icon::Exclamation);
            focus_ = AbbrField(i);
            return false;
        }
    }
    return true;
}

bool CStatDoc::Write() {
    CDAOStn s;
    const int n = s.OpenSet(true);
    bool failed = s.LastOpFailed();
    for (int i = 0; i < Rows && !failed; ++i) {
        const Row& r = Options[i];
        if (r.name.empty() || r.abbr.empty()) {
            // The list ends at the first incomplete row: drop the records
            // from here to the end.
            for (int k = i; k < n && !failed; ++k) {
                s.Del(i);
                failed = s.LastOpFailed();
            }
            break;
        }
        if (i < n) {
            failed = !s.MoveSet(i);
            if (!failed)
                s.Op(CDAOEFSet::opEdit);
        } else {
            s.Op(CDAOEFSet::opAddNew);
        }
        failed = failed || s.LastOpFailed();
        if (!failed) {
            s.StnName = r.name;
            s.StnAbbr = r.abbr;
            s.Op(CDAOEFSet::opUpdate);
            failed = s.LastOpFailed();
        }
    }
    s.Op(CDAOEFSet::opClose);
    if (failed)
        return false;
    // Show what is stored now: the rows after the list's end were dropped.
    bool ended = false;
    for (Row& r : Options) {
        ended = ended || r.name.empty() || r.abbr.empty();
        if (ended)
            r = Row{};
    }
    return true;
}
