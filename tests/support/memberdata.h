#pragma once
// Member fixture data for db tests: a whole member (the three member tables
// and the classes) as one value, written and read back through the record
// sets, and a varied roster for the search tests.

#include "util/efoledatetime.h"

#include <string>
#include <vector>

namespace vantora::test {

struct ClassData {
    unsigned char indx = 0;
    std::string category, course, section;
    unsigned char grade = 0;
    short orientation = 0, reEvaluation = 0, other = 0;

    bool operator==(const ClassData&) const = default;
};

struct MemberData {
    long id = 0;
    long barcode = 0;
    std::string first, middle, last;
    unsigned char status = 1;
    CEFOleDateTime enrollment, expiration;
    unsigned char period = 0, incentive = 0;
    std::string address, city, state, zip, phone, email, emerName, emerPhone, physician;
    unsigned char signedRelease = 0, employee = 0;
    CEFOleDateTime birthday;
    unsigned char sex = 0;
    long goals = 0, medHistory = 0;
    std::vector<ClassData> classes;

    bool operator==(const MemberData& o) const;
};

// Adds the member's Members, Enrollments and Profiles records and its classes.
void addMember(const MemberData& m);
// Reads a member back through the joined view and the classes (by index);
// id 0 in the result when the member is not found.
MemberData readMember(long id);
// Every member id in the Members table, in ascending order.
std::vector<long> memberIds();

// A member with the card number, names, a current enrollment and a birthday
// and nothing else.
MemberData plainMember(long id, long barcode, CEFOleDateTime birthday = CEFOleDateTime(1990, 3, 1));

// A fully filled member with the given id and classes count (0..3): names
// with accents and apostrophes, all flags and dates set.
MemberData richMember(long id, int classes);

} // namespace vantora::test
