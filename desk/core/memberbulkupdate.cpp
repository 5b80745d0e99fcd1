#include "desk/core/memberbulkupdate.h"

#include "desk/core/progress.h"

#include "db/batchscope.h"
#include "db/daocls.h"
#include "db/daodef.h"
#include "db/daoenr.h"
#include "db/daomsg.h"
#include "db/daosmmem.h"
#include "forms/fieldcheck.h"
#include "util/format.h"
#include "util/notice.h"
#include "vantoapi/vantoapi.h"

using namespace vantora;

namespace {

// Runs `one` for every row (true: done), reporting failures with
// `failText`; the writes share batched transactions.
template <class One>
int ForEachRow(const CMemberBulkUpdate::Rows& rows, const char* wait, const char* failText,
               CProgress& progress, One one) {
    int failures = 0;
    CProgressScope scope(progress, wait, static_cast<int>(rows.size()));
    CDAOMsg anyMemberSet;
    CBatchScope batch(anyMemberSet);
    for (const CMemberListDoc::Row& row : rows) {
        if (!one(row)) {
            ++failures;
            notice::show(format(failText, {row.id}), notice::Icon::Exclamation);
        }
        scope.Step();
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

int CMemberBulkUpdate::UpdateClass(const Rows& rows, const ClassValues& v, CProgress& progress,
                                   const std::function<void(long)>& changed) {
    return ForEachRow(rows, WaitClass, FailClass, progress, [&](const CMemberListDoc::Row& r) {
        const bool ok = ReplaceClass(r.id, r.classIndx, v.category, v.course, v.section,
                                     CDAODef::gradestat(v.gradeStatus), v.orientBonus,
                                     v.reEvalBonuses, v.otherBonuses, v.transfer);
        if (ok && changed)
            changed(r.id);
        return ok;
    });
}

int CMemberBulkUpdate::UpdateEnroll(const Rows& rows, const EnrollValues& v, CProgress& progress) {
    return ForEachRow(rows, WaitEnroll, FailEnroll, progress, [&](const CMemberListDoc::Row& r) {
        return UpdateEnrollment(r.id, v.enrollment, v.expiration, v.period, v.incentiveClub,
                                v.status);
    });
}

int CMemberBulkUpdate::PostMessage(const Rows& rows, const std::string& text, bool replace,
                                   CProgress& progress) {
    return ForEachRow(rows, WaitMessage, FailMessage, progress, [&](const CMemberListDoc::Row& r) {
        return vanto_apiPostMemberMessage(text, r.id, replace) == VANTOAPI_OK;
    });
}
