#include "memberfacts.h"

#include "db/daocls.h"
#include "db/daomem.h"
#include "db/daosmmem.h"

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
    Age = mem.Birthday.ChkStatus() ? mem.Birthday.ElapsedYrs() : 0;
    Sex = mem.Sex == 1 ? 1 : 0;
    mem.Op(CDAOEFSet::opClose);

    CDAOCls cls;
    const int n = cls.FindClasses(memberId);
    for (int i = 0; i < n && !cls.IsEOF(); ++i) {
        CClassChoice choice;
        choice.ClassIndx = cls.ClassIndx;
        cls.BuildClassString(choice.Text);
        Classes.push_back(std::move(choice));
        cls.Op(CDAOEFSet::opMoveNext);
    }
    cls.Op(CDAOEFSet::opClose);
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
