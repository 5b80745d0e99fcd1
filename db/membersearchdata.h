#pragma once
// A set of member search criteria as the desk's search and selection dialogs
// fill it. Each criterion is one bit of the criteria word plus its value(s);
// CDAOMem::FindMembers and CDAOMemCls::FindMembers turn the set criteria into
// the filter of the joined member view, all combined with AND.

#include "util/efoledatetime.h"

#include <string>

class CMemberSearchData {
public:
    enum search : unsigned long {
        srchMedHist = 1,
        srchGoals = 2,
        srchSex = 4,
        srchAge = 8,
        srchEmployee = 16,
        srchSignedRelease = 32,
        srchFamilyPhysician = 64,
        srchEmail = 128,
        srchPhone = 256,
        srchZip = 512,
        srchState = 1024,
        srchCity = 2048,
        srchAddress = 4096,
        srchMemberStatus = 8192,
        srchLastName = 16384,
        srchFirstName = 32768,
        srchBarcode = 65536,
        srchIncentiveClub = 131072,
        srchEnrollmentPeriod = 262144,
        srchExpirationDate = 524288,
        srchEnrollmentDate = 1048576,
        srchMemberID = 2097152,
        srchClass = 4194304
    };

    CMemberSearchData() = default;
    virtual ~CMemberSearchData() = default;

    // Each setter sets the bit; the value is stored only when its kind fits
    // the criterion. Barcode, goals, medical history, member id:
    void SetSearchCriteria(search s, long const& v);
    // Member status, sex, employee, signed release, incentive club, period:
    void SetSearchCriteria(search s, unsigned char const& v);
    // The class (category, course, section) or one of the nine text criteria
    // (only a is used). A null pointer reads as empty text.
    void SetSearchCriteria(search s, char const* a, char const* b = "", char const* c = "");
    // The age range in years, in either order.
    void SetSearchCriteria(search s, int const& lower, int const& upper);
    // The enrollment or expiration date range, in either order.
    void SetSearchCriteria(search s, CEFOleDateTime const& from, CEFOleDateTime const& to);

    // Clears the bit and resets the criterion's value.
    void ClearSearchCriteria(search s);
    bool GetSearchCriteria(search s) const { return (m_criteria & s) != 0; }
    unsigned long GetCriteriaWord() const { return m_criteria; }

    // " AND ((Goals\%i) mod 2 = 1)" for every stored goal bit from 128 down to
    // 1; the medical-history clause likewise for bits 1048576 down to 1. Both
    // return 1 when out is not empty.
    int GetGoalsWhereClause(std::string& out) const;
    int GetMedHistWhereClause(std::string& out) const;

    // The stored values.
    unsigned long GetMedHist() const { return m_medHist; }
    unsigned long GetGoals() const { return m_goals; }
    long GetBarcode() const { return m_barcode; }
    long GetMemberID() const { return m_memberId; }
    unsigned char GetSex() const { return m_sex; }
    unsigned char GetEmployee() const { return m_employee; }
    unsigned char GetSignedRelease() const { return m_signedRelease; }
    unsigned char GetMemberStatus() const { return m_memberStatus; }
    unsigned char GetIncentiveClub() const { return m_incentiveClub; }
    unsigned char GetEnrollmentPeriod() const { return m_enrollmentPeriod; }
    int GetLowerAge() const { return m_lowerAge; }
    int GetUpperAge() const { return m_upperAge; }
    // The text of one of the nine text criteria; empty for any other.
    std::string GetText(search s) const;
    std::string const& GetCategory() const { return m_category; }
    std::string const& GetCourse() const { return m_course; }
    std::string const& GetSection() const { return m_section; }
    CEFOleDateTime const& GetEnrollmentFrom() const { return m_enrFrom; }
    CEFOleDateTime const& GetEnrollmentTo() const { return m_enrTo; }
    CEFOleDateTime const& GetExpirationFrom() const { return m_expFrom; }
    CEFOleDateTime const& GetExpirationTo() const { return m_expTo; }

protected:
    void SetSearchCriteria(search s) { m_criteria |= s; }
    void ClrSearchCriteria(search s) { m_criteria &= ~static_cast<unsigned long>(s); }

private:
    std::string* TextSlot(search s);

    unsigned long m_criteria = 0;
    unsigned long m_medHist = 0;
    unsigned long m_goals = 0;
    long m_barcode = 0;
    long m_memberId = 0;
    unsigned char m_sex = 0;
    unsigned char m_employee = 0;
    unsigned char m_signedRelease = 0;
    unsigned char m_memberStatus = 0;
    unsigned char m_incentiveClub = 0;
    unsigned char m_enrollmentPeriod = 0;
    int m_lowerAge = 0;
    int m_upperAge = 0;
    std::string m_firstName, m_lastName, m_address, m_city, m_state, m_zip, m_phone, m_email,
        m_familyPhysician;
    std::string m_category, m_course, m_section;
    CEFOleDateTime m_enrFrom, m_enrTo, m_expFrom, m_expTo;
};
