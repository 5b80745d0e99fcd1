#include "admin/core/sectionsdocument.h"

#include "admin/core/catalog.h"
#include "forms/fieldcheck.h"

#include "db/daosec.h"
#include "util/format.h"
#include "util/notice.h"

#include <vector>

using namespace vantora;

CSecDoc::CSecDoc(std::string category, std::string course, long courId)
    : category_(std::move(category)), course_(std::move(course)), courId_(courId) {}

std::string CSecDoc::Frame() const {
    return "Category " + category_ + " - Course " + course_;
}

bool CSecDoc::Load() {
    for (std::string& s : Secs)
        s.clear();
    CDAOSec sec;
    sec.FindSections(courId_);
    for (int i = 0; i < Rows && !sec.IsEOF(); ++i) {
        Secs[i] = sec.Sec;
        sec.Op(CDAOEFSet::opMoveNext);
    }
    return !sec.LastOpFailed();
}

bool CSecDoc::Validate() {
    for (int i = 0; i < Rows; ++i) {
        if (!fields::CheckExported("section name", Secs[i], NameLimit)) {
            focus_ = i;
            return false;
        }
    }
    return true;
}

bool CSecDoc::Write() {
    CDAOSec sec;
    const int n = sec.FindSections(courId_);
    bool ok = !sec.LastOpFailed();
    // Edits and adds first: added rows join the end, so the positions of
    // the loaded sections stay as they were. Deletions go last, from the
    // end, because a deleted row gives up its position.
    std::vector<int> emptied;
    for (int i = 0; i < Rows && ok; ++i) {
        if (Secs[i].empty()) {
            if (i < n)
                emptied.push_back(i);
            continue;
        }
        if (i < n) {
            ok = sec.MoveSet(i);
            if (ok)
                sec.Op(CDAOEFSet::opEdit);
        } else {
            sec.Op(CDAOEFSet::opAddNew);
            sec.CourID = courId_;
        }
        ok = ok && !sec.LastOpFailed();
        if (ok) {
            sec.Sec = Secs[i];
            sec.Op(CDAOEFSet::opUpdate);
            ok = !sec.LastOpFailed();
        }
    }
    for (auto it = emptied.rbegin(); it != emptied.rend() && ok; ++it) {
        sec.Del(*it);
        ok = !sec.LastOpFailed();
    }
    return ok;
}

bool CSecDoc::Clear() {
    if (notice::ask(insert(MsgClear, {course_}), notice::Buttons::YesNo, notice::Icon::Question) !=
        notice::Answer::Yes)
        return false;
    const bool ok = CCatalog::DeleteSections(courId_);
    Load();
    SetModified(false);
    focus_ = 0;
    return ok;
}
