#include "desk/core/membersearch.h"

#include "db/daomem.h"
#include "util/notice.h"

using namespace vantora;

bool CMemberFindValues::ToSearchData(CMemberSearchData& d, int* focus) const {
    using S = CMemberSearchData;
    if (EnrollmentFrom.has_value() != EnrollmentTo.has_value()) {
        notice::show(MsgEnrollmentRange, notice::Icon::Exclamation);
        if (focus)
            *focus = 0;
        return false;
    }
    if (ExpirationFrom.has_value() != ExpirationTo.has_value()) {
        notice::show(MsgExpirationRange, notice::Icon::Exclamation);
        if (focus)
            *focus = 1;
        return false;
    }
    if (MemberID != 0)
        d.SetSearchCriteria(S::srchMemberID, MemberID);
    if (Barcode != 0)
        d.SetSearchCriteria(S::srchBarcode, Barcode);
    const struct {
        S::search kind;
        const std::string& text;
    } texts[] = {{S::srchFirstName, FirstName},
                 {S::srchLastName, LastName},
                 {S::srchAddress, Address},
                 {S::srchCity, City},
                 {S::srchState, State},
                 {S::srchZip, Zip},
                 {S::srchPhone, Phone},
                 {S::srchEmail, Email},
                 {S::srchFamilyPhysician, Physician}};
    for (const auto& t : texts)
        if (!t.text.empty())
            d.SetSearchCriteria(t.kind, t.text.c_str());
    if (LowerAge != 0 || UpperAge != 0)
        d.SetSearchCriteria(S::srchAge, LowerAge, UpperAge);
    const struct {
        S::search kind;
        const std::optional<unsigned char>& value;
    } bytes[] = {{S::srchSex, Sex},
                 {S::srchMemberStatus, MemberStatus},
                 {S::srchEmployee, Employee},
                 {S::srchSignedRelease, SignedRelease},
                 {S::srchEnrollmentPeriod, EnrollmentPeriod},
                 {S::srchIncentiveClub, IncentiveClub}};
    for (const auto& b : bytes)
        if (b.value)
            d.SetSearchCriteria(b.kind, *b.value);
    if (EnrollmentFrom)
        d.SetSearchCriteria(S::srchEnrollmentDate, *EnrollmentFrom, *EnrollmentTo);
    if (ExpirationFrom)
        d.SetSearchCriteria(S::srchExpirationDate, *ExpirationFrom, *ExpirationTo);
    if (!Category.empty())
        d.SetSearchCriteria(S::srchClass, Category.c_str(), Course.c_str(), Section.c_str());
    if (Goals != 0)
        d.SetSearchCriteria(S::srchGoals, Goals);
    if (MedHistory != 0)
        d.SetSearchCriteria(S::srchMedHist, MedHistory);
    return true;
}

std::unique_ptr<CDAOMem> CMemberSearch::Run(const CMemberSearchData& data) {
    std::unique_ptr<CDAOMem> set;
    if (data.GetSearchCriteria(CMemberSearchData::srchClass))
        set = std::make_unique<CDAOMemCls>();
    else
        set = std::make_unique<CDAOMem>();
    if (set->FindMembers(&data, true, true) > 0)
        return set;
    set->Op(CDAOEFSet::opClose);
    notice::show(MsgNone, notice::Icon::Information);
    return nullptr;
}
