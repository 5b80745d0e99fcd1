#include "desk/core/quickstatistics.h"

#include "desk/core/storetransaction.h"

#include "db/daochkin.h"
#include "db/daosmmem.h"
#include "util/format.h"
#include "util/notice.h"

using namespace vantora;

// The counts come from the engine's own counting: opening a record set
// over every workout of a large facility would read millions of keys.
void CQuickStatistics::Count() {
    CDAOSmMem mem;
    CStoreTransaction members(mem);
    MembersTotal = static_cast<long>(members.Count("SELECT count(*) FROM Members", {}));
    MembersPast =
        static_cast<long>(members.Count("SELECT count(*) FROM Members WHERE MemberStatus = 0", {}));
    WorkoutsTotal = static_cast<long>(members.Count("SELECT count(*) FROM Workouts", {}));
    CEFOleDateTime today;
    today.Current();
    today.Midnight();
    WorkoutsToday = static_cast<long>(
        members.Count("SELECT count(*) FROM Workouts WHERE CheckIn >= ? AND CheckIn < ?",
                      {double(today), double(today) + 1.0}));
    EvaluationsTotal = static_cast<long>(members.Count("SELECT count(*) FROM Evaluations", {}));
    BodyCompsTotal = static_cast<long>(members.Count("SELECT count(*) FROM BodyComps", {}));
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
