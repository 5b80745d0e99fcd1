#include "desk/core/memberfacts.h"

#include "db/daocls.h"
#include "db/daomem.h"
#include "db/daosmmem.h"
#include "desk/core/memberclasschoice.h"

bool CMemberFacts::Read(long memberId) {
    *this = CMemberFacts();
    CDAOMem mem;
    mem.FindMember(CDAOSmMem::idMember, memberId);
    if (memberId == 0 || mem.IsEOF() || mem.MemberID != memberId) {
        mem.Op(CDAOEFSet::opClose);
        return false;
    }
    MemberID = memberId;
    FirstName = mem.FirstName;
    LastName = mem.LastName;
    Age = mem.Birthday.GetStatus() == COleDateTime::valid ? mem.Birthday.ElapsedYrs() : 0;
    Sex = mem.Sex == 1 ? 1 : 0;
    mem.Op(CDAOEFSet::opClose);

    // The member's classes without the leading "- All Classes -" item.
    const CMemberClassChoice choice(memberId);
    for (std::size_t i = 1; i < choice.Items().size(); ++i)
        Classes.push_back(CClassChoice{choice.Items()[i].index, choice.Items()[i].text});
    return true;
}

std::string CMemberFacts::SexText() const {
    return CDAOMem::GetSexStr(Sex);
}

int CMemberFacts::ChoiceOf(int classIndx) const {
    for (std::size_t i = 0; i < Classes.size(); ++i)
        if (Classes[i].ClassIndx == classIndx)
            return static_cast<int>(i);
    return -1;
}

void CMemberFacts::KeepChoice(unsigned char classIndx) {
    if (ChoiceOf(classIndx) < 0)
        Classes.push_back(CClassChoice{classIndx, ClassText(classIndx)});
}

std::string CMemberFacts::ClassText(unsigned char classIndx) const {
    std::string text;
    if (CDAOCls::GetClassIndexString(classIndx, text))
        return text;
    const int i = ChoiceOf(classIndx);
    return i >= 0 ? Classes[static_cast<std::size_t>(i)].Text : text;
}
