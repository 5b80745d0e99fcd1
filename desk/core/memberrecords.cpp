#include "desk/core/memberrecords.h"

#include "desk/core/storetransaction.h"

#include "db/daochkin.h"
#include "db/daosmmem.h"
#include "db/schema.h"

#include <vector>

namespace {

namespace schema = vantora::db::schema;

// The tables of members.mdb that file records under a member ID.
std::vector<std::string> MemberTables() {
    std::vector<std::string> names;
    for (const schema::Table* t : schema::tables(schema::Store::Members))
        if (schema::findColumn(*t, "MemberID"))
            names.emplace_back(t->name);
    return names;
}

// The tables that hang off an evaluation by its id.
constexpr const char* EvaluationParts[] = {"Circuit", "EvalBodyComps"};

long long CountOf(CStoreTransaction& tx, const char* table, long memberId) {
    return tx.Count(std::string("SELECT count(*) FROM \"") + table + "\" WHERE MemberID = ?",
                    {QVariant::fromValue(static_cast<qlonglong>(memberId))});
}

QVariant Id(long id) {
    return QVariant::fromValue(static_cast<qlonglong>(id));
}

} // namespace

CMemberRecords::Counts CMemberRecords::CountData(long memberId) {
    CDAOSmMem anyMemberSet;
    CStoreTransaction members(anyMemberSet);
    Counts c;
    c.workouts = static_cast<long>(CountOf(members, "Workouts", memberId));
    c.evaluations = static_cast<long>(CountOf(members, "Evaluations", memberId));
    c.bodyComps = static_cast<long>(CountOf(members, "BodyComps", memberId));
    return c;
}

bool CMemberRecords::MoveData(CStoreTransaction& members, CStoreTransaction& checkIns, long oldId,
                              long newId) {
    if (oldId == newId)
        return true;
    for (const std::string& table : MemberTables())
        if (!members.Exec("UPDATE \"" + table + "\" SET MemberID = ? WHERE MemberID = ?",
                          {Id(newId), Id(oldId)}))
            return false;
    return checkIns.Exec("UPDATE \"ChkIn\" SET MemberID = ? WHERE MemberID = ?",
                         {Id(newId), Id(oldId)});
}

bool CMemberRecords::DeleteData(CStoreTransaction& members, CStoreTransaction& checkIns,
                                long memberId) {
    for (const char* part : EvaluationParts)
        if (!members.Exec(std::string("DELETE FROM \"") + part +
                              "\" WHERE EvaluationID IN "
                              "(SELECT EvaluationID FROM \"Evaluations\" WHERE MemberID = ?)",
                          {Id(memberId)}))
            return false;
    for (const std::string& table : MemberTables())
        if (!members.Exec("DELETE FROM \"" + table + "\" WHERE MemberID = ?", {Id(memberId)}))
            return false;
    return checkIns.Exec("DELETE FROM \"ChkIn\" WHERE MemberID = ?", {Id(memberId)});
}

bool CMemberRecords::Delete(long memberId) {
    CDAOSmMem memberSet;
    CDAOChkIn checkInSet;
    CStoreTransaction checkIns(checkInSet);
    CStoreTransaction members(memberSet);
    // The check-in store is locked first and committed last: should the
    // member store refuse, the check-in stays as well.
    if (!checkIns.Begin() || !members.Begin() || !DeleteData(members, checkIns, memberId) ||
        !members.Commit())
        return false;
    return checkIns.Commit();
}
