#include "desk/core/memberdeletion.h"

#include "db/daomem.h"
#include "db/daosmmem.h"
#include "util/format.h"

using namespace vantora;

bool CMemberDeletion::Find(long memberId, const std::string& expiration) {
    CDAOSmMem mem;
    mem.m_strFilter = "MemberID = lParam0";
    mem.lParam0 = memberId;
    const bool found = mem.OpenSet(true) > 0;
    if (found) {
        id_ = memberId;
        name_.clear();
        for (const std::string* part : {&mem.FirstName, &mem.MiddleInitial, &mem.LastName})
            if (!part->empty())
                name_ += (name_.empty() ? "" : " ") + *part;
        status_ = CDAOSmMem::GetStatusStr(mem.MemberStatus);
    }
    mem.Op(CDAOEFSet::opClose);
    if (!found)
        return false;
    expiration_ = expiration;
    if (expiration_.empty()) {
        CDAOMem view;
        if (view.FindMember(CDAOSmMem::idMember, memberId) != 0 || view.CountSet() > 0)
            expiration_ = view.ExpirationDate.DateStrLongYear();
        view.Op(CDAOEFSet::opClose);
    }
    counts_ = CMemberRecords::CountData(memberId);
    return true;
}

std::string CMemberDeletion::DataLine() const {
    auto plural = [](long n, const char* one, const char* many) {
        return insert("%1 %2", {n, n == 1 ? one : many});
    };
    return insert("With the member go %1, %2 and %3.",
                  {plural(counts_.workouts, "workout", "workouts"),
                   plural(counts_.evaluations, "evaluation", "evaluations"),
                   plural(counts_.bodyComps, "body composition", "body compositions")});
}
