#include "daomem.h"

#include "batchscope.h"
#include "daocls.h"
#include "daoenr.h"
#include "daoprof.h"
#include "daosmmem.h"
#include "membersearchdata.h"

#include "util/format.h"
#include "util/text.h"

#include <algorithm>
#include <chrono>
#include <sstream>
#include <unordered_set>

namespace {

constexpr int MemberFields = 25;
constexpr int ClassFields = 8;
constexpr long MaxKey = 999999999;

// A key field: digits only, 1..999999999 (min 0 when zero is allowed).
bool isKey(std::string const& field, long min) {
    if (field.empty() || field.size() > 9 ||
        !std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const long v = std::stol(field);
    return v >= min && v <= MaxKey;
}

// Now with the year moved back; 29 February becomes 28 February in a year
// without it, so the criterion still applies on a leap day.
CEFOleDateTime yearsBefore(CEFOleDateTime const& now, int years) {
    CEFOleDateTime d;
    const int y = now.GetYear() - years;
    int day = now.GetDay();
    if (now.GetMonth() == 2 && day == 29 && !std::chrono::year(y).is_leap())
        day = 28;
    if (now.GetStatus() != COleDateTime::valid ||
        d.SetDateTime(y, now.GetMonth(), day, now.GetHour(), now.GetMinute(), now.GetSecond()) != 0)
        d.SetStatus(COleDateTime::invalid);
    return d;
}

// Orders a date range and widens it to whole days: returns the clause for
// (from, to) with from at midnight and to at its last second when from is
// not after to, else the reverse.
void dateRange(CEFOleDateTime from, CEFOleDateTime to, CEFOleDateTime& param,
               CEFOleDateTime& memParam, std::string& filter, const char* column,
               const char* paramName, const char* memParamName) {
    if (from.GetStatus() != COleDateTime::valid || to.GetStatus() != COleDateTime::valid)
        return;
    if (!(from > to)) {
        from.Midnight();
        to.PreMidnight();
        filter += vantora::insert(" AND %1 >= %2 AND %1 <= %3", {column, paramName, memParamName});
    } else {
        to.Midnight();
        from.PreMidnight();
        filter += vantora::insert(" AND %1 >= %3 AND %1 <= %2", {column, paramName, memParamName});
    }
    param = from;
    memParam = to;
}

} // namespace

CDAOMem::CDAOMem() {
    m_nFields = 27;
    m_nParams = 28;
}

void CDAOMem::BindColumns(CDAOFieldExchange& fx) {
    fx.Long("[Enrollments].[MemberID]", EnrMemberID);
    fx.DateTime("[EnrollmentDate]", EnrollmentDate);
    fx.DateTime("[ExpirationDate]", ExpirationDate);
    fx.Byte("[EnrollmentPeriod]", EnrollmentPeriod);
    fx.Byte("[IncentiveClub]", IncentiveClub);
    fx.Long("[Members].[MemberID]", MemberID);
    fx.Long("[Barcode]", Barcode);
    fx.Text("[FirstName]", FirstName);
    fx.Text("[MiddleInitial]", MiddleInitial);
    fx.Text("[LastName]", LastName);
    fx.Byte("[MemberStatus]", MemberStatus);
    fx.Long("[Profiles].[MemberID]", ProfMemberID);
    fx.Text("[Address]", Address);
    fx.Text("[City]", City);
    fx.Text("[State]", State);
    fx.Text("[Zip]", Zip);
    fx.Text("[Phone]", Phone);
    fx.Text("[Email]", Email);
    fx.Text("[EmerContactName]", EmerContactName);
    fx.Text("[EmerContactPhone]", EmerContactPhone);
    fx.Text("[FamilyPhysician]", FamilyPhysician);
    fx.Byte("[SignedRelease]", SignedRelease);
    fx.Byte("[Employee]", Employee);
    fx.DateTime("[Birthday]", Birthday);
    fx.Byte("[Sex]", Sex);
    fx.Long("[Goals]", Goals);
    fx.Long("[MedHistory]", MedHistory);
}

void CDAOMem::BindParams(CDAOFieldExchange& fx) {
    fx.Param("lDAOMemParam0", lDAOMemParam0);
    fx.Param("datetimeDAOMemParam0", datetimeDAOMemParam0);
    fx.Param("datetimeDAOMemParam1", datetimeDAOMemParam1);
    fx.Param("datetimeDAOMemParam2", datetimeDAOMemParam2);
    fx.Param("byteDAOMemParam0", byteDAOMemParam0);
    fx.Param("byteDAOMemParam1", byteDAOMemParam1);
    fx.Param("byteDAOMemParam2", byteDAOMemParam2);
    fx.Param("strDAOMemParam0", strDAOMemParam0);
    fx.Param("strDAOMemParam1", strDAOMemParam1);
    fx.Param("strDAOMemParam2", strDAOMemParam2);
    fx.Param("strDAOMemParam3", strDAOMemParam3);
    fx.Param("strDAOMemParam4", strDAOMemParam4);
    fx.Param("strDAOMemParam5", strDAOMemParam5);
}

void CDAOMem::DoFieldExchange(CDAOFieldExchange& fx) {
    BindColumns(fx);
    BindParams(fx);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOMem::FindAllMembers(bool count) {
    m_strFilter = JoinCondition;
    m_strSort.clear();
    return OpenSet(count);
}

int CDAOMem::FindAllMembersByName(bool count) {
    m_strFilter = JoinCondition;
    m_strSort = "Members.LastName";
    return OpenSet(count);
}

int CDAOMem::FindAllMembersByStatus(unsigned char const& status, bool count) {
    byteParam0 = status;
    m_strFilter = std::string(JoinCondition) + " AND Members.MemberStatus = byteParam0";
    m_strSort = "Members.LastName";
    return OpenSet(count);
}

long CDAOMem::FindMember(int id, long const& value) {
    lParam0 = value;
    if (id == CDAOSmMem::idBarcode) {
        m_strFilter = std::string("Barcode = lParam0 AND ") + JoinCondition;
        if (value == 0)
            m_strFilter += " AND Barcode <> 0";
    } else {
        m_strFilter = "Members.MemberID = lParam0 AND Enrollments.MemberID = lParam0 AND "
                      "Profiles.MemberID = lParam0";
    }
    if (OpenSet(true) == 0)
        return 0;
    return id == CDAOSmMem::idBarcode ? MemberID : Barcode;
}

void CDAOMem::AppendAgeClause(int lower, int upper) {
    CEFOleDateTime now;
    now.Current();
    datetimeParam2 = yearsBefore(now, lower);
    datetimeDAOMemParam0 = yearsBefore(now, upper);
    if (datetimeParam2.GetStatus() != COleDateTime::valid ||
        datetimeDAOMemParam0.GetStatus() != COleDateTime::valid)
        return;
    if (datetimeParam2 == datetimeDAOMemParam0) {
        datetimeDAOMemParam0.SetDateTime(datetimeDAOMemParam0.GetYear(), 1, 1, 0, 0, 0);
        m_strFilter += " AND Birthday >= datetimeDAOMemParam0 AND Birthday <= datetimeParam2";
    }
    if (datetimeParam2 < datetimeDAOMemParam0)
        m_strFilter += " AND Birthday <= datetimeDAOMemParam0 AND Birthday >= datetimeParam2";
    if (datetimeParam2 > datetimeDAOMemParam0)
        m_strFilter += " AND Birthday <= datetimeParam2 AND Birthday >= datetimeDAOMemParam0";
}

int CDAOMem::FindMembers(CMemberSearchData const* criteria, bool count, bool open) {
    if (!criteria)
        return 0;
    using S = CMemberSearchData;
    const CMemberSearchData& c = *criteria;
    m_strFilter = JoinCondition;
    if (c.GetSearchCriteria(S::srchMemberID)) {
        lParam0 = c.GetMemberID();
        m_strFilter += " AND Members.MemberID = lParam0";
    }
    if (c.GetSearchCriteria(S::srchEnrollmentDate))
        dateRange(c.GetEnrollmentFrom(), c.GetEnrollmentTo(), datetimeParam0, datetimeDAOMemParam1,
                  m_strFilter, "EnrollmentDate", "datetimeParam0", "datetimeDAOMemParam1");
    if (c.GetSearchCriteria(S::srchExpirationDate))
        dateRange(c.GetExpirationFrom(), c.GetExpirationTo(), datetimeParam1, datetimeDAOMemParam2,
                  m_strFilter, "ExpirationDate", "datetimeParam1", "datetimeDAOMemParam2");

    // Equality tests, each with its own parameter.
    auto byteClause = [&](S::search s, unsigned char& param, unsigned char v, const char* clause) {
        if (c.GetSearchCriteria(s)) {
            param = v;
            m_strFilter += clause;
        }
    };
    auto textClause = [&](S::search s, std::string& param, const char* clause) {
        if (c.GetSearchCriteria(s)) {
            param = c.GetText(s);
            m_strFilter += clause;
        }
    };
    byteClause(S::srchEnrollmentPeriod, byteParam0, c.GetEnrollmentPeriod(),
               " AND EnrollmentPeriod = byteParam0");
    byteClause(S::srchIncentiveClub, byteParam1, c.GetIncentiveClub(),
               " AND IncentiveClub = byteParam1");
    if (c.GetSearchCriteria(S::srchBarcode)) {
        lParam1 = c.GetBarcode();
        m_strFilter += " AND Barcode = lParam1";
    }
    textClause(S::srchFirstName, strParam0, " AND FirstName = strParam0");
    textClause(S::srchLastName, strParam1, " AND LastName = strParam1");
    byteClause(S::srchMemberStatus, byteParam2, c.GetMemberStatus(),
               " AND MemberStatus = byteParam2");
    textClause(S::srchAddress, strParam2, " AND Address = strParam2");
    textClause(S::srchCity, strDAOMemParam0, " AND City = strDAOMemParam0");
    textClause(S::srchState, strDAOMemParam1, " AND State = strDAOMemParam1");
    textClause(S::srchZip, strDAOMemParam2, " AND Zip = strDAOMemParam2");
    textClause(S::srchPhone, strDAOMemParam3, " AND Phone = strDAOMemParam3");
    textClause(S::srchEmail, strDAOMemParam4, " AND Email = strDAOMemParam4");
    textClause(S::srchFamilyPhysician, strDAOMemParam5, " AND FamilyPhysician = strDAOMemParam5");
    byteClause(S::srchSignedRelease, byteDAOMemParam0, c.GetSignedRelease(),
               " AND SignedRelease = byteDAOMemParam0");
    byteClause(S::srchEmployee, byteDAOMemParam1, c.GetEmployee(),
               " AND Employee = byteDAOMemParam1");
    if (c.GetSearchCriteria(S::srchAge))
        AppendAgeClause(c.GetLowerAge(), c.GetUpperAge());
    byteClause(S::srchSex, byteDAOMemParam2, c.GetSex(), " AND Sex = byteDAOMemParam2");
    std::string clause;
    if (c.GetSearchCriteria(S::srchGoals) && c.GetGoalsWhereClause(clause))
        m_strFilter += clause;
    if (c.GetSearchCriteria(S::srchMedHist) && c.GetMedHistWhereClause(clause))
        m_strFilter += clause;
    m_strSort = "Members.LastName";
    return open ? OpenSet(count) : 0;
}

bool CDAOMem::IsCurrentUnexpired() const {
    return MemberStatus != 0 && !ExpirationDate.IsPast();
}

std::string CDAOMem::GetStatusStr(unsigned char const& status) {
    return CDAOSmMem::GetStatusStr(status);
}

std::string CDAOMem::GetSexStr(unsigned char const& sex) {
    return sex == 0 ? "F" : "M";
}

std::string CDAOMem::GetDefaultPathFileName() const {
    return ExportPathFileName("%1mem%2.dat");
}

void CDAOMem::Save(CText* text) const {
    if (!text)
        return;
    const char d = text->GetDelimiter();
    auto put = [&](std::string const& s) { text->put(CDAOCls::ExportText(s, d).c_str(), true); };
    text->put(MemberID, true);
    text->put(Barcode, true);
    put(FirstName);
    put(MiddleInitial);
    put(LastName);
    text->put(MemberStatus, true);
    text->put(EnrollmentDate, true);
    text->put(ExpirationDate, true);
    text->put(EnrollmentPeriod, true);
    text->put(IncentiveClub, true);
    put(Address);
    put(City);
    put(State);
    put(Zip);
    put(Phone);
    put(Email);
    put(EmerContactName);
    put(EmerContactPhone);
    put(FamilyPhysician);
    text->put(SignedRelease, true);
    text->put(Employee, true);
    text->put(Birthday, true);
    text->put(Sex, true);
    text->put(Goals, true);
    text->put(MedHistory, true);
    CDAOCls cls;
    if (cls.FindClasses(MemberID) > 0) {
        while (!cls.IsEOF()) {
            if (!cls.IsDeleted()) {
                cls.Save(text);
                text->putdelimiter();
            }
            cls.Op(opMoveNext);
        }
    }
    cls.Op(opClose);
    text->put("\n", false);
}

bool CDAOMem::IsMemberLine(std::string const& line, char delimiter) {
    const auto delimiters = std::count(line.begin(), line.end(), delimiter);
    if (delimiters < MemberFields || (delimiters - MemberFields) % ClassFields != 0 ||
        line.back() != delimiter)
        return false;
    const auto first = line.find(delimiter);
    const auto second = line.find(delimiter, first + 1);
    // A member without a card has barcode 0.
    return isKey(line.substr(0, first), 1) && isKey(line.substr(first + 1, second - first - 1), 0);
}

bool CDAOMem::Test(std::ifstream& in, char const& delimiter) const {
    if (!in.is_open() || !in.good())
        return false;
    std::string line;
    return ReadLine(in, line) && IsMemberLine(line, delimiter);
}

int CDAOMem::Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                     bool const& keepExisting) {
    if (!in.is_open() || !RestoreStoreReady())
        return 0;
    // The table sets stay open from line to line, so a new member is added
    // without a query; the lookup sets answer whether a member is stored.
    CDAOSmMem lookup;
    CDAOEnr enrollmentLookup;
    CDAOProf profileLookup;
    CDAOSmMem members;
    CDAOEnr enrollments;
    CDAOProf profiles;
    CDAOCls classes;
    // A whole-file restore learns the stored member ids once instead of
    // asking for each line; a one-member restore asks for its member only.
    std::unordered_set<long> storedIds;
    if (memberId == 0 && lookup.FindAllMembers(true) > 0) {
        for (; !lookup.IsEOF(); lookup.Op(opMoveNext))
            storedIds.insert(lookup.MemberID);
    }
    // Without the stored ids nothing can be restored soundly (reported).
    const bool lookupFailed = lookup.LastOpFailed();
    std::vector<std::string> f;
    const int restored =
        RestoreRecords(in, "mem", memberId, keepExisting, [&](std::string const& line) {
            // Every field of the line is checked before anything of it is written.
            SplitFields(line, delimiter, 0, f, 4096);
            long id = 0;
            if (f.size() < MemberFields + 1 || !f.back().empty() ||
                (f.size() - 1 - MemberFields) % ClassFields != 0 || !ParseLong(f[0], 1, MaxKey, id))
                return lineDamaged;
            const std::size_t classCount = (f.size() - 1 - MemberFields) / ClassFields;
            if (!members.TakeFields(f, 1) || !enrollments.TakeFields(f, 6) ||
                !profiles.TakeFields(f, 10) ||
                classes.RestoreClassRecords(f, MemberFields, classCount, id, keepExisting, false) <
                    0)
                return lineDamaged;
            if (memberId != 0 && id != memberId)
                return linePassed;
            if (lookupFailed)
                return lineFailed;
            // Any record of the member counts, with or without a card.
            bool exists = false;
            if (memberId == 0) {
                exists = storedIds.count(id) > 0;
            } else {
                lookup.lParam0 = id;
                lookup.m_strFilter = "MemberID = lParam0";
                exists = lookup.OpenSet(true) > 0;
            }
            // A member kept as stored must be whole; one left without its
            // enrollment or profile is completed from the line.
            if (exists && keepExisting && enrollmentLookup.FindEnrollment(id) > 0 &&
                profileLookup.FindProfile(id) > 0)
                return memberId != 0 ? linePassedLast : linePassed;
            if (!members.StoreFields(f, 1, id, exists) ||
                !enrollments.StoreFields(f, 6, id, exists) ||
                !profiles.StoreFields(f, 10, id, exists) ||
                classes.RestoreClassRecords(f, MemberFields, classCount, id, keepExisting) < 0)
                return lineFailed;
            storedIds.insert(id);
            return memberId != 0 ? lineStoredLast : lineStored;
        });
    for (CDAOEFSet* set :
         std::initializer_list<CDAOEFSet*>{&lookup, &enrollmentLookup, &profileLookup, &members,
                                           &enrollments, &profiles, &classes})
        set->Op(opClose);
    return restored;
}

CDAOMemCls::CDAOMemCls() {
    m_nFields = 32;
    m_nParams = 31;
}

void CDAOMemCls::DoFieldExchange(CDAOFieldExchange& fx) {
    BindColumns(fx);
    fx.Long("[Classes].[MemberID]", ClsMemberID);
    fx.Byte("[ClassIndx]", ClassIndx);
    fx.Text("[Category]", Category);
    fx.Text("[Course]", Course);
    fx.Text("[Section]", Section);
    fx.Param("strDAOMemClsParam0", strDAOMemClsParam0);
    fx.Param("strDAOMemClsParam1", strDAOMemClsParam1);
    fx.Param("strDAOMemClsParam2", strDAOMemClsParam2);
    BindParams(fx);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOMemCls::FindMembers(CMemberSearchData const* criteria, bool count, bool open) {
    if (!criteria)
        return 0;
    CDAOMem::FindMembers(criteria, count, false);
    // The classes are always joined to their member: without the join each
    // member would be paired with every class of every member.
    m_strFilter = "Classes.MemberID = Members.MemberID AND " + m_strFilter;
    if (criteria->GetSearchCriteria(CMemberSearchData::srchClass)) {
        strDAOMemClsParam0 = criteria->GetCategory();
        strDAOMemClsParam1 = criteria->GetCourse();
        strDAOMemClsParam2 = criteria->GetSection();
        if (!strDAOMemClsParam0.empty()) {
            m_strFilter += " AND Category = strDAOMemClsParam0";
            if (!strDAOMemClsParam1.empty())
                m_strFilter += " AND Course = strDAOMemClsParam1";
            if (!strDAOMemClsParam2.empty())
                m_strFilter += " AND Section = strDAOMemClsParam2";
        }
    }
    return open ? OpenSet(count) : 0;
}
