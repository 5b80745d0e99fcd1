#include "desk/core/quickstatistics.h"

#include "db/daobodycomp.h"
#include "db/daochkin.h"
#include "db/daosmeval.h"
#include "db/daosmmem.h"
#include "db/daowk.h"
#include "util/format.h"
#include "util/notice.h"

using namespace vantora;

void CQuickStatistics::Count() {
    CDAOSmMem mem;
    MembersTotal = mem.FindAllMembers(true);
    MembersPast = MembersTotal > 0 ? mem.CountPast() : 0;
    mem.Op(CDAOEFSet::opClose);
    CDAOWk wk;
    WorkoutsTotal = wk.FindWks(0);
    WorkoutsToday = WorkoutsTotal > 0 ? wk.CountToday() : 0;
    wk.Op(CDAOEFSet::opClose);
    CDAOSmEval eval;
    EvaluationsTotal = eval.FindEvals(CDAOSmEval::idMember, 0);
    eval.Op(CDAOEFSet::opClose);
    CDAOBodyComp bc;
    BodyCompsTotal = bc.FindBodyComps(0);
    bc.Op(CDAOEFSet::opClose);
}

std::vector<CQuickStatistics::CheckedIn> CQuickStatistics::CheckedInRows() {
    std::vector<CheckedIn> rows;
    CDAOChkIn chk;
    chk.FindChkIns();
    for (; chk.IsOpen() && !chk.IsEOF(); chk.Op(CDAOEFSet::opMoveNext))
        rows.push_back(CheckedIn{chk.MemberID, chk.CheckIn.DateTimeStrShortYear(),
                                 insert("%1 %2", {chk.FirstName, chk.LastName}),
                                 std::to_string(chk.CheckIn.ElapsedMin()),
                                 std::to_string(chk.MemberID), std::to_string(chk.Barcode)});
    chk.Op(CDAOEFSet::opClose);
    if (rows.empty())
        rows.push_back(CheckedIn{0, "None Found", "", "", "", ""});
    return rows;
}

bool CQuickStatistics::DeleteCheckIn(long memberId) {
    if (memberId == 0)
        return false;
    CDAOChkIn chk;
    chk.FindChkIns();
    while (chk.IsOpen() && !chk.IsEOF() && chk.MemberID != memberId)
        chk.Op(CDAOEFSet::opMoveNext);
    bool deleted = false;
    if (chk.IsOpen() && !chk.IsEOF() &&
        notice::ask(format("Are you sure you want to delete the check-in\nfor Member ID: %i dated ",
                           {memberId}) +
                        chk.CheckIn.DateTimeStrLongYear() + "?",
                    notice::Buttons::YesNo) == notice::Answer::Yes) {
        chk.DelCurrent();
        deleted = !chk.LastOpFailed();
    }
    chk.Op(CDAOEFSet::opClose);
    return deleted;
}
