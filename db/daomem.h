#pragma once
// The joined member view: Enrollments, Members and Profiles of one member in
// one row. The member tree, the member pages, the reports and the member
// export read members through it; the member search builds its filter.

#include "daoefset.h"

#include <istream>

class CMemberSearchData;

class CDAOMem : public CDAOEFSet {
public:
    CDAOMem();

    // The condition that joins the three tables; part of every filter.
    static constexpr const char* JoinCondition =
        "Enrollments.MemberID = Members.MemberID AND Profiles.MemberID = Members.MemberID";

    // Enrollments
    long EnrMemberID = 0;
    CEFOleDateTime EnrollmentDate;
    CEFOleDateTime ExpirationDate;
    unsigned char EnrollmentPeriod = 0;
    unsigned char IncentiveClub = 0;
    // Members
    long MemberID = 0;
    long Barcode = 0;
    std::string FirstName;
    std::string MiddleInitial;
    std::string LastName;
    unsigned char MemberStatus = 0;
    // Profiles
    long ProfMemberID = 0;
    std::string Address;
    std::string City;
    std::string State;
    std::string Zip;
    std::string Phone;
    std::string Email;
    std::string EmerContactName;
    std::string EmerContactPhone;
    std::string FamilyPhysician;
    unsigned char SignedRelease = 0;
    unsigned char Employee = 0;
    CEFOleDateTime Birthday;
    unsigned char Sex = 0;
    long Goals = 0;
    long MedHistory = 0;

    // The view's own query parameters.
    long lDAOMemParam0 = 0;
    CEFOleDateTime datetimeDAOMemParam0, datetimeDAOMemParam1, datetimeDAOMemParam2;
    unsigned char byteDAOMemParam0 = 0, byteDAOMemParam1 = 0, byteDAOMemParam2 = 0;
    std::string strDAOMemParam0, strDAOMemParam1, strDAOMemParam2, strDAOMemParam3, strDAOMemParam4,
        strDAOMemParam5;

    std::string GetDefaultDBName() const override { return GetDBPath() + "members.mdb"; }
    std::string GetDefaultSQL() const override { return "[Enrollments],[Members],[Profiles]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    int FindAllMembers(bool count);
    int FindAllMembersByName(bool count);
    int FindAllMembersByStatus(unsigned char const& status, bool count);
    // The barcode of the member with this id, or the member id of the member
    // with this barcode (id 1); 0 when none. Barcode 0 (none) finds no member.
    long FindMember(int id, long const& value);
    // Builds the filter from the criteria; opens the set only when open is
    // true and returns OpenSet(count) then, else 0 (also for null criteria).
    virtual int FindMembers(CMemberSearchData const* criteria, bool count, bool open);

    bool GetGoalFlag(long g) const { return (Goals & g) != 0; }
    bool GetMedHistFlag(long m) const { return (MedHistory & m) != 0; }
    // A current member whose enrollment has not expired.
    bool IsCurrentUnexpired() const;
    static std::string GetStatusStr(unsigned char const& status);
    static std::string GetSexStr(unsigned char const& sex);

    // "<backup folder>mem<now>.dat".
    std::string GetDefaultPathFileName() const;
    // Writes the current member as one export line: 25 fields, each followed
    // by the delimiter, then each of the member's classes (eight fields and
    // one delimiter), then the newline.
    void Save(CText* text) const override;
    // Whether the next line of the stream is a member line; reads that line.
    bool Test(std::ifstream& in, char const& delimiter) const override;
    // Restores the member lines of the stream (only memberId's when it is not
    // 0); members already stored are left alone when keepExisting is true and
    // rewritten otherwise. Damaged lines are skipped. Returns the number of
    // members stored.
    int Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                bool const& keepExisting) override;

    // Whether a line (without its newline) has the shape of a member export
    // line: a member id 1..999999999, a barcode, 25 member fields and whole
    // class records, each field closed by the delimiter.
    static bool IsMemberLine(std::string const& line, char delimiter);

protected:
    void BindColumns(CDAOFieldExchange& fx);
    void BindParams(CDAOFieldExchange& fx);

private:
    void AppendAgeClause(int lower, int upper);
};

// The member view with the member's classes: one row per (member, class).
class CDAOMemCls : public CDAOMem {
public:
    CDAOMemCls();

    long ClsMemberID = 0;
    unsigned char ClassIndx = 0;
    std::string Category;
    std::string Course;
    std::string Section;

    std::string strDAOMemClsParam0, strDAOMemClsParam1, strDAOMemClsParam2;

    std::string GetDefaultSQL() const override {
        return "[Enrollments],[Members],[Profiles],[Classes]";
    }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    // The member filter joined with the classes, and with the class criterion
    // (category, then course and section where given) when it is set.
    int FindMembers(CMemberSearchData const* criteria, bool count, bool open) override;
};
