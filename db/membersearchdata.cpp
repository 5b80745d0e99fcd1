#include "membersearchdata.h"

#include "util/format.h"

namespace {

std::string textOf(char const* p) {
    return p ? std::string(p) : std::string();
}

// One " AND ((Column\bit) mod 2 = 1)" per set bit, highest bit first.
int bitClauses(const char* column, unsigned long bits, unsigned long highest, std::string& out) {
    out.clear();
    for (unsigned long bit = highest; bit >= 1; bit >>= 1) {
        if (bits & bit)
            out += vantora::insert(" AND ((%1\\%2) mod 2 = 1)", {column, static_cast<long>(bit)});
    }
    return out.empty() ? 0 : 1;
}

} // namespace

std::string* CMemberSearchData::TextSlot(search s) {
    switch (s) {
    case srchFirstName:
        return &m_firstName;
    case srchLastName:
        return &m_lastName;
    case srchAddress:
        return &m_address;
    case srchCity:
        return &m_city;
    case srchState:
        return &m_state;
    case srchZip:
        return &m_zip;
    case srchPhone:
        return &m_phone;
    case srchEmail:
        return &m_email;
    case srchFamilyPhysician:
        return &m_familyPhysician;
    default:
        return nullptr;
    }
}

std::string CMemberSearchData::GetText(search s) const {
    if (std::string* slot = const_cast<CMemberSearchData*>(this)->TextSlot(s))
        return *slot;
    return {};
}

void CMemberSearchData::SetSearchCriteria(search s, long const& v) {
    SetSearchCriteria(s);
    switch (s) {
    case srchBarcode:
        m_barcode = v;
        break;
    case srchGoals:
        m_goals = static_cast<unsigned long>(v);
        break;
    case srchMedHist:
        m_medHist = static_cast<unsigned long>(v);
        break;
    case srchMemberID:
        m_memberId = v;
        break;
    default:
        break;
    }
}

void CMemberSearchData::SetSearchCriteria(search s, unsigned char const& v) {
    SetSearchCriteria(s);
    switch (s) {
    case srchMemberStatus:
        m_memberStatus = v;
        break;
    case srchSex:
        m_sex = v;
        break;
    case srchEmployee:
        m_employee = v;
        break;
    case srchSignedRelease:
        m_signedRelease = v;
        break;
    case srchIncentiveClub:
        m_incentiveClub = v;
        break;
    case srchEnrollmentPeriod:
        m_enrollmentPeriod = v;
        break;
    default:
        break;
    }
}

void CMemberSearchData::SetSearchCriteria(search s, char const* a, char const* b, char const* c) {
    SetSearchCriteria(s);
    if (s == srchClass) {
        m_category = textOf(a);
        m_course = textOf(b);
        m_section = textOf(c);
    } else if (std::string* slot = TextSlot(s)) {
        *slot = textOf(a);
    }
}

void CMemberSearchData::SetSearchCriteria(search s, int const& lower, int const& upper) {
    SetSearchCriteria(s);
    if (s == srchAge) {
        m_lowerAge = lower;
        m_upperAge = upper;
    }
}

void CMemberSearchData::SetSearchCriteria(search s, CEFOleDateTime const& from,
                                          CEFOleDateTime const& to) {
    SetSearchCriteria(s);
    if (s == srchEnrollmentDate) {
        m_enrFrom = from;
        m_enrTo = to;
    } else if (s == srchExpirationDate) {
        m_expFrom = from;
        m_expTo = to;
    }
}

void CMemberSearchData::ClearSearchCriteria(search s) {
    ClrSearchCriteria(s);
    switch (s) {
    case srchMedHist:
        m_medHist = 0;
        break;
    case srchGoals:
        m_goals = 0;
        break;
    case srchBarcode:
        m_barcode = 0;
        break;
    case srchMemberID:
        m_memberId = 0;
        break;
    case srchSex:
        m_sex = 0;
        break;
    case srchEmployee:
        m_employee = 0;
        break;
    case srchSignedRelease:
        m_signedRelease = 0;
        break;
    case srchMemberStatus:
        m_memberStatus = 0;
        break;
    case srchIncentiveClub:
        m_incentiveClub = 0;
        break;
    case srchEnrollmentPeriod:
        m_enrollmentPeriod = 0;
        break;
    case srchAge:
        m_lowerAge = m_upperAge = 0;
        break;
    case srchEnrollmentDate:
        m_enrFrom = 0.0;
        m_enrTo = 0.0;
        break;
    case srchExpirationDate:
        m_expFrom = 0.0;
        m_expTo = 0.0;
        break;
    case srchClass:
        m_category.clear();
        m_course.clear();
        m_section.clear();
        break;
    default:
        if (std::string* slot = TextSlot(s))
            slot->clear();
        break;
    }
}

int CMemberSearchData::GetGoalsWhereClause(std::string& out) const {
    return bitClauses("Goals", m_goals, 128, out);
}

int CMemberSearchData::GetMedHistWhereClause(std::string& out) const {
    return bitClauses("MedHistory", m_medHist, 1048576, out);
}
