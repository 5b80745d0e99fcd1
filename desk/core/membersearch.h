#pragma once
// CMemberFindValues: what the four pages of the "Find Members" sheet hold,
// turned into one CMemberSearchData; CMemberSearch runs the search over the
// member view, or over the members joined with their classes when a class
// is among the criteria.

#include "db/membersearchdata.h"
#include "util/efoledatetime.h"

#include <memory>
#include <optional>
#include <string>

class CDAOMem;

struct CMemberFindValues {
    // Profile page: text criteria only when not empty, numbers when not 0,
    // the radio pairs only when one of them was chosen.
    long MemberID = 0;
    long Barcode = 0;
    std::string FirstName, LastName, Address, City, State, Zip, Phone, Email, Physician;
    int LowerAge = 0, UpperAge = 0;
    std::optional<unsigned char> Sex, MemberStatus, Employee, SignedRelease;
    // Enrollment page.
    std::optional<unsigned char> EnrollmentPeriod, IncentiveClub;
    std::optional<CEFOleDateTime> EnrollmentFrom, EnrollmentTo, ExpirationFrom, ExpirationTo;
    std::string Category, Course, Section;
    // Goal and medical-history pages: the ticked bits.
    long Goals = 0;
    long MedHistory = 0;

    static constexpr long IdLimit = 999999999;
    static constexpr int AgeLimit = 125;

    // Fills `data`; false, after the message, when a date range has one
    // date only. `focus` then names the date: 0 enrollment, 1 expiration.
    bool ToSearchData(CMemberSearchData& data, int* focus = nullptr) const;

    static constexpr const char* MsgEnrollmentRange =
        "Error: to search by enrollment date range, select and set both dates";
    static constexpr const char* MsgExpirationRange =
        "Error: to search by expiration date range, select and set both dates";
};

class CMemberSearch {
public:
    // The members that meet the criteria, one row per member (or per
    // member and class with a class criterion); null after the message
    // "No members are recorded ..." when none does.
    static std::unique_ptr<CDAOMem> Run(const CMemberSearchData& data);

    static constexpr const char* MsgNone =
        "No members are recorded for the specified search criteria";
};
