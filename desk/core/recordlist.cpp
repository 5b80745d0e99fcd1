#include "desk/core/recordlist.h"

#include "db/daosmmem.h"
#include "util/format.h"

std::vector<int> CRecordList::Shown() const {
    std::vector<int> shown;
    const auto columns = Columns();
    for (std::size_t i = 0; i < columns.size(); ++i)
        if ((ColumnMask & columns[i].Bit) != 0)
            shown.push_back(static_cast<int>(i));
    return shown;
}

bool CRecordList::Move(int row) {
    return row >= 0 && row < Count() && Set().MoveSet(row);
}

std::string CRecordList::NameOf(long memberId) const {
    auto name = names_.find(memberId);
    if (name == names_.end()) {
        CDAOSmMem mem;
        mem.FindMember(CDAOSmMem::idMember, memberId);
        const bool found = !mem.IsEOF() && mem.MemberID == memberId;
        name =
            names_
                .emplace(memberId, found ? vantora::insert("%1 %2", {mem.FirstName, mem.LastName})
                                         : std::string())
                .first;
        mem.Op(CDAOEFSet::opClose);
    }
    return name->second;
}

std::string CRecordList::NoneForMember(long memberId, const std::string& classText) const {
    return vantora::format(NoneForMemberPattern(), {memberId}) + classText;
}

void CRecordList::SetMemberTitle(long memberId, const std::string& classText) {
    Title = vantora::format(MemberTitlePattern(), {memberId}) + classText;
}
