#include "desk/core/memberbulkupdate.h"

#include "desk/core/progress.h"

#include "db/batchscope.h"
#include "db/daocls.h"
#include "db/daodef.h"
#include "db/daoenr.h"
#include "db/daomem.h"
#include "db/daomsg.h"
#include "db/daosmmem.h"
#include "forms/fieldcheck.h"
#include "util/format.h"
#include "util/notice.h"
#include "vantoapi/vantoapi.h"

using namespace vantora;

namespace {

// Runs `one` for every row of the set (true: done), reporting failures
// with `failText`; the writes share batched transactions.
template <class Set, class One>
int ForEachRow(Set& set, const char* wait, const char* failText, CProgress& progress, One one) {
    const int count = set.CountSet();
    int failures = 0;
    CProgressScope scope(progress, wait, count);
    CDAOMsg anyMemberSet;
    CBatchScope batch(anyMemberSet);
    for (int i = 0; i < count && !set.IsEOF(); ++i) {
        if (!set.IsDeleted() && !one(set)) {
            ++failures;
            notice::show(format(failText, {set.MemberID}), notice::Icon::Exclamation);
        }
        scope.Step();
        set.Op(CDAOEFSet::opMoveNext);
    }
    return failures;
}

} // namespace

CMemberBulkUpdate::ClassValues CMemberBulkUpdate::InitialClass() {
    ClassValues v;
    CDAODef def;
    if (def.OpenSet(true) > 0) {
        v.gradeStatus = def.DefGrdStat;
        v.orientBonus = def.GetDefFlag(CDAODef::defOrientationBonus);
        v.reEvalBonuses = def.DefReEvalBon;
        v.otherBonuses = def.DefOtherBon;
    }
    def.Op(CDAOEFSet::opClose);
    return v;
}

CMemberBulkUpdate::EnrollValues CMemberBulkUpdate::InitialEnroll() {
    EnrollValues v;
    v.enrollment.Current();
    v.enrollment.Midnight();
    v.expiration = v.enrollment;
    CDAOSmMem mem;
    CDAOEnr enr;
    if (ResetMember(&mem, &enr, nullptr, nullptr, nullptr)) {
        v.enrollment = enr.EnrollmentDate;
        v.expiration = enr.ExpirationDate;
        v.period = enr.EnrollmentPeriod;
        v.incentiveClub = enr.IncentiveClub;
        v.status = mem.MemberStatus;
    }
    return v;
}

bool CMemberBulkUpdate::CheckClass(const ClassValues& v) {
    if (v.category.empty() || v.categoryId == 0) {
        notice::show(MsgNoCategory, notice::Icon::Exclamation);
        return false;
    }
    return fields::CheckRange("re-eval bonuses", v.reEvalBonuses, 0, 99) &&
           fields::CheckRange("other bonuses", v.otherBonuses, 0, 99);
}

bool CMemberBulkUpdate::CheckEnroll(const EnrollValues& v) {
    if (v.expiration < v.enrollment) {
        notice::show(MsgExpiration, notice::Icon::Exclamation);
        return false;
    }
    return true;
}

bool CMemberBulkUpdate::CheckMessage(const std::string& text) {
    if (text.empty()) {
        notice::show(MsgNoText, notice::Icon::Exclamation);
        return false;
    }
    return fields::CheckLength("check-in message", text, 200);
}

bool CMemberBulkUpdate::Confirm(int rows) {
    return rows < ConfirmRows ||
           notice::ask(MsgConfirm, notice::Buttons::YesNo) == notice::Answer::Yes;
}

int CMemberBulkUpdate::UpdateClass(CDAOMemCls& set, const ClassValues& v, CProgress& progress,
                                   const std::function<void(long)>& changed) {
    return ForEachRow(set, WaitClass, FailClass, progress, [&](CDAOMemCls& s) {
        const bool ok = ReplaceClass(s.MemberID, s.ClassIndx, v.category, v.course, v.section,
                                     CDAODef::gradestat(v.gradeStatus), v.orientBonus,
                                     v.reEvalBonuses, v.otherBonuses, v.transfer);
        if (ok && changed)
            changed(s.MemberID);
        return ok;
    });
}

int CMemberBulkUpdate::UpdateEnroll(CDAOMem& set, const EnrollValues& v, CProgress& progress) {
    return ForEachRow(set, WaitEnroll, FailEnroll, progress, [&](CDAOMem& s) {
        return UpdateEnrollment(s.MemberID, v.enrollment, v.expiration, v.period, v.incentiveClub,
                                v.status);
    });
}

int CMemberBulkUpdate::PostMessage(CDAOMem& set, const std::string& text, bool replace,
                                   CProgress& progress) {
    return ForEachRow(set, WaitMessage, FailMessage, progress, [&](CDAOMem& s) {
        return vanto_apiPostMemberMessage(text, s.MemberID, replace) == VANTOAPI_OK;
    });
}
