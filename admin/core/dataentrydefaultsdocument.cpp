#include "admin/core/dataentrydefaultsdocument.h"

#include "db/settingsrecord.h"
#include "forms/fieldcheck.h"

#include "db/daodef.h"
#include "util/notice.h"

using namespace vantora;

bool CDefaDoc::Load() {
    CDAODef d;
    const bool ok = settings::ReadRecord(d);
    Flags = ok ? d.DefFlags : 0;
    ExpMonths = ok ? d.DefExpDate : 0;
    // A stored code without a text selects nothing, as in the list.
    EnrollPer = ok && d.DefEnrollPer < EnrollPerCount ? d.DefEnrollPer : -1;
    GrdStat = ok && d.DefGrdStat < GrdStatCount ? d.DefGrdStat : -1;
    ReEvalBon = ok ? d.DefReEvalBon : 0;
    OtherBon = ok ? d.DefOtherBon : 0;
    if (!ok)
        notice::show(MsgLoad, notice::Icon::Exclamation);
    return ok;
}

bool CDefaDoc::Validate() {
    if (!fields::CheckRange("membership expiration in months", ExpMonths, 0, 12)) {
        focus_ = fldExpDate;
        return false;
    }
    if (EnrollPer < 0 || EnrollPer >= EnrollPerCount) {
        notice::show(MsgNoEnrollPer, notice::Icon::Exclamation);
        focus_ = fldEnrollPer;
        return false;
    }
    if (GrdStat < 0 || GrdStat >= GrdStatCount) {
        notice::show(MsgNoGrdStat, notice::Icon::Exclamation);
        focus_ = fldGrdStat;
        return false;
    }
    if (!fields::CheckRange("number of re-evaluation bonuses", ReEvalBon, 0, 99)) {
        focus_ = fldReEvalBon;
        return false;
    }
    if (!fields::CheckRange("number of other bonuses", OtherBon, 0, 99)) {
        focus_ = fldOtherBon;
        return false;
    }
    return true;
}

bool CDefaDoc::Write() {
    CDAODef d;
    const bool ok = settings::EditRecord(d, [this](CDAODef& r) {
        r.DefExpDate = static_cast<unsigned char>(ExpMonths);
        r.DefEnrollPer = static_cast<unsigned char>(EnrollPer);
        r.DefGrdStat = static_cast<unsigned char>(GrdStat);
        r.DefReEvalBon = static_cast<unsigned char>(ReEvalBon);
        r.DefOtherBon = static_cast<unsigned char>(OtherBon);
        // Only this page's bits change; the kiosk bits keep their stored value.
        r.DefFlags = (r.DefFlags & ~OwnFlags) | (Flags & OwnFlags);
    });
    if (!ok)
        notice::show(MsgWrite, notice::Icon::Exclamation);
    return ok;
}
