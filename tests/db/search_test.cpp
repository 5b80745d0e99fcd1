// The member search over a facility of a few dozen varied members: each
// criterion alone, several together, ranges in either order, ages at birthday
// boundaries, goals and medical items that must all be present, and classes.

#include "db/daomem.h"
#include "db/membersearchdata.h"

#include "support/facility.h"
#include "support/memberdata.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>

using namespace vantora::test;
using S = CMemberSearchData;

namespace {

const char* const firstNames[] = {"Anna", "Émile", "Noor", "Liam", "Chloé", "Kofi"};
const char* const lastNames[] = {"O'Neil", "Dubois", "Müller", "Smith", "D'Souza",
                                 "García", "Ng",     "Larsen", "Björk"};
const char* const cities[] = {"Springfield", "Québec", "Oslo", "Springfield Heights"};
const char* const states[] = {"IL", "QC", "NY"};
const char* const zips[] = {"62701", "G1R 4P5", "10001"};
const char* const phones[] = {"555-0101", "555-0102", "555-0103", "555-0104"};
const char* const physicians[] = {"Dr. Adams", "Dr. Béland", ""};
const ClassData classPool[] = {
    {0, "Kinesiology", "KIN 101", "A", 0, 0, 0, 0}, {0, "Kinesiology", "KIN 101", "B", 1, 0, 0, 0},
    {0, "Kinesiology", "KIN 202", "A", 2, 0, 0, 0}, {0, "Athletics", "", "", 3, 0, 0, 0},
    {0, "Aquatics", "Swim", "", 4, 0, 0, 0},
};

// Member i of the roster: every field varies with i, on different cycles.
MemberData rosterMember(int i) {
    MemberData m;
    m.id = 1000 + i;
    m.barcode = i % 7 == 0 ? 0 : 5000 + i;
    m.first = firstNames[i % 6];
    m.middle = i % 2 ? "Q" : "";
    m.last = lastNames[i % 9];
    m.status = i % 3 != 0;
    m.enrollment = CEFOleDateTime(2025, 1 + i % 12, 1 + (i * 7) % 28, (i * 5) % 24, i % 60, 0);
    m.expiration = CEFOleDateTime(2026, 1 + (i * 5) % 12, 1 + (i * 3) % 28, 23, 0, 0);
    m.period = static_cast<unsigned char>(i % 4);
    m.incentive = i % 2;
    m.address = std::to_string(i % 5) + " Elm St";
    m.city = cities[i % 4];
    m.state = states[i % 3];
    m.zip = zips[(i / 2) % 3];
    m.phone = phones[i % 4];
    m.email = "m" + std::to_string(i % 10) + "@example.org";
    m.physician = physicians[(i / 3) % 3];
    m.signedRelease = (i / 2) % 2;
    m.employee = i % 5 == 0;
    m.birthday = CEFOleDateTime(1950 + (i * 13) % 55, 1 + (i * 5) % 12, 1 + (i * 11) % 28);
    m.sex = i % 2;
    m.goals = (i * 37) % 256;
    m.medHistory = (i * 98765L) % 2097152;
    for (int k = 0; k < i % 4; ++k) {
        ClassData c = classPool[(i + k * 2) % 5];
        c.indx = static_cast<unsigned char>(k);
        m.classes.push_back(c);
    }
    return m;
}

constexpr int RosterSize = 40;

class MemberSearch : public ::testing::Test {
protected:
    // One facility for the whole suite: the searches only read it.
    static void SetUpTestSuite() {
        facility = std::make_unique<Facility>();
        for (int i = 0; i < RosterSize; ++i) {
            roster.push_back(rosterMember(i));
            addMember(roster.back());
        }
    }
    static void TearDownTestSuite() {
        roster.clear();
        facility.reset();
    }

    // Ids found by the joined view, checking the order by last name.
    std::vector<long> find(const S& criteria) {
        CDAOMem mem;
        const int n = mem.FindMembers(&criteria, true, true);
        std::vector<long> ids;
        std::string previous;
        while (!mem.IsEOF()) {
            EXPECT_LE(previous, mem.LastName);
            previous = mem.LastName;
            ids.push_back(mem.MemberID);
            mem.Op(CDAOEFSet::opMoveNext);
        }
        EXPECT_EQ(n, static_cast<int>(ids.size()));
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    std::vector<long> expected(const std::function<bool(const MemberData&)>& keep) const {
        std::vector<long> ids;
        for (const auto& m : roster)
            if (keep(m))
                ids.push_back(m.id);
        return ids;
    }

    static inline std::unique_ptr<Facility> facility;
    static inline std::vector<MemberData> roster;
};

} // namespace

TEST_F(MemberSearch, NoCriterionFindsEveryMemberByLastName) {
    S none;
    EXPECT_EQ(find(none).size(), static_cast<std::size_t>(RosterSize));
    CDAOMem mem;
    EXPECT_EQ(mem.FindMembers(nullptr, true, true), 0);
    EXPECT_EQ(mem.FindMembers(&none, true, false), 0);
    EXPECT_FALSE(mem.IsOpen());
}

TEST_F(MemberSearch, EachKeyAndNumberCriterionAlone) {
    const MemberData& m9 = roster[9];
    S s;
    s.SetSearchCriteria(S::srchMemberID, m9.id);
    EXPECT_EQ(find(s), std::vector<long>{m9.id});

    S b;
    b.SetSearchCriteria(S::srchBarcode, m9.barcode);
    EXPECT_EQ(find(b), std::vector<long>{m9.id});

    auto byByte = [&](S::search criterion, unsigned char v, auto field) {
        S c;
        c.SetSearchCriteria(criterion, v);
        const auto want = expected([&](const MemberData& m) { return m.*field == v; });
        EXPECT_FALSE(want.empty());
        EXPECT_EQ(find(c), want) << "criterion " << criterion;
    };
    byByte(S::srchMemberStatus, 0, &MemberData::status);
    byByte(S::srchMemberStatus, 1, &MemberData::status);
    byByte(S::srchSex, 1, &MemberData::sex);
    byByte(S::srchEmployee, 1, &MemberData::employee);
    byByte(S::srchSignedRelease, 0, &MemberData::signedRelease);
    byByte(S::srchIncentiveClub, 1, &MemberData::incentive);
    byByte(S::srchEnrollmentPeriod, 3, &MemberData::period);
}

TEST_F(MemberSearch, EachTextCriterionIsAnExactMatch) {
    auto byText = [&](S::search criterion, const char* v, auto field) {
        S c;
        c.SetSearchCriteria(criterion, v);
        const auto want = expected([&](const MemberData& m) { return m.*field == v; });
        EXPECT_FALSE(want.empty()) << v;
        EXPECT_EQ(find(c), want) << v;
    };
    byText(S::srchFirstName, "Émile", &MemberData::first);
    byText(S::srchLastName, "O'Neil", &MemberData::last);
    byText(S::srchAddress, "3 Elm St", &MemberData::address);
    byText(S::srchCity, "Springfield", &MemberData::city); // not "Springfield Heights"
    byText(S::srchState, "QC", &MemberData::state);
    byText(S::srchZip, "G1R 4P5", &MemberData::zip);
    byText(S::srchPhone, "555-0104", &MemberData::phone);
    byText(S::srchEmail, "m7@example.org", &MemberData::email);
    byText(S::srchFamilyPhysician, "Dr. Béland", &MemberData::physician);

    S nobody;
    nobody.SetSearchCriteria(S::srchLastName, "Nobody");
    EXPECT_TRUE(find(nobody).empty());
}

TEST_F(MemberSearch, DateRangesCoverWholeDaysInEitherOrder) {
    const CEFOleDateTime from(2025, 3, 1), to(2025, 6, 30, 8, 0, 0);
    const auto want = expected([&](const MemberData& m) {
        return m.enrollment >= CEFOleDateTime(2025, 3, 1) &&
               m.enrollment <= CEFOleDateTime(2025, 6, 30, 23, 59, 59);
    });
    ASSERT_GE(want.size(), 3u);
    S forwards, backwards;
    forwards.SetSearchCriteria(S::srchEnrollmentDate, from, to);
    backwards.SetSearchCriteria(S::srchEnrollmentDate, to, from);
    EXPECT_EQ(find(forwards), want);
    EXPECT_EQ(find(backwards), want);

    // A single day finds enrollments at any time of that day.
    const MemberData& m5 = roster[5];
    CEFOleDateTime day = m5.enrollment;
    day.Midnight();
    S oneDay;
    oneDay.SetSearchCriteria(S::srchEnrollmentDate, day, day);
    const auto found = find(oneDay);
    EXPECT_NE(std::find(found.begin(), found.end(), m5.id), found.end());

    const auto expWant = expected([&](const MemberData& m) {
        return m.expiration >= CEFOleDateTime(2026, 2, 1) &&
               m.expiration <= CEFOleDateTime(2026, 4, 30, 23, 59, 59);
    });
    ASSERT_FALSE(expWant.empty());
    S expBack;
    expBack.SetSearchCriteria(S::srchExpirationDate, CEFOleDateTime(2026, 4, 30),
                              CEFOleDateTime(2026, 2, 1));
    EXPECT_EQ(find(expBack), expWant);
}

TEST_F(MemberSearch, InvalidDateLeavesTheRangeOutSilently) {
    CEFOleDateTime bad(2025, 1, 1);
    bad.SetStatus(COleDateTime::invalid);
    S s;
    s.SetSearchCriteria(S::srchExpirationDate, bad, CEFOleDateTime(2025, 2, 1));
    s.SetSearchCriteria(S::srchSex, static_cast<unsigned char>(0));
    const auto before = facility->notices().count();
    EXPECT_EQ(find(s), expected([](const MemberData& m) { return m.sex == 0; }));
    EXPECT_EQ(facility->notices().count(), before);
}

TEST_F(MemberSearch, GoalsAndMedicalItemsMustAllBePresent) {
    S goals;
    goals.SetSearchCriteria(S::srchGoals, 4L | 32L);
    const auto want = expected([](const MemberData& m) { return (m.goals & 36) == 36; });
    const auto some = expected([](const MemberData& m) { return (m.goals & 36) != 0; });
    ASSERT_FALSE(want.empty());
    ASSERT_GT(some.size(), want.size());
    EXPECT_EQ(find(goals), want);

    S med;
    med.SetSearchCriteria(S::srchMedHist, 1L | 1048576L);
    const auto medWant =
        expected([](const MemberData& m) { return (m.medHistory & 1048577) == 1048577; });
    ASSERT_FALSE(medWant.empty());
    EXPECT_EQ(find(med), medWant);

    // Bits beyond the defined items are ignored.
    S wide;
    wide.SetSearchCriteria(S::srchGoals, 256L | 2L);
    EXPECT_EQ(find(wide), expected([](const MemberData& m) { return (m.goals & 2) != 0; }));
}

TEST_F(MemberSearch, SeveralCriteriaCombineWithAnd) {
    S s;
    s.SetSearchCriteria(S::srchSex, static_cast<unsigned char>(1));
    s.SetSearchCriteria(S::srchMemberStatus, static_cast<unsigned char>(1));
    s.SetSearchCriteria(S::srchCity, "Québec");
    s.SetSearchCriteria(S::srchGoals, 1L);
    const auto wide =
        expected([](const MemberData& m) { return m.sex == 1 && m.status == 1 && (m.goals & 1); });
    const auto want = expected([](const MemberData& m) {
        return m.sex == 1 && m.status == 1 && m.city == "Québec" && (m.goals & 1);
    });
    ASSERT_FALSE(want.empty());
    ASSERT_GT(wide.size(), want.size());
    EXPECT_EQ(find(s), want);

    s.SetSearchCriteria(S::srchEnrollmentDate, CEFOleDateTime(2025, 12, 31),
                        CEFOleDateTime(2025, 7, 1));
    s.SetSearchCriteria(S::srchState, "QC");
    EXPECT_EQ(find(s), expected([](const MemberData& m) {
                  return m.sex == 1 && m.status == 1 && m.city == "Québec" && (m.goals & 1) &&
                         m.enrollment >= CEFOleDateTime(2025, 7, 1) && m.state == "QC";
              }));

    // Clearing a criterion takes its clause out again.
    s.ClearSearchCriteria(S::srchCity);
    s.ClearSearchCriteria(S::srchEnrollmentDate);
    s.ClearSearchCriteria(S::srchState);
    EXPECT_EQ(find(s), want.empty() ? want : expected([](const MemberData& m) {
                  return m.sex == 1 && m.status == 1 && (m.goals & 1);
              }));
}

TEST_F(MemberSearch, ClassCriterionWithEmptyCourseOrSection) {
    auto classSearch = [&](const char* cat, const char* cour, const char* sec) {
        S s;
        s.SetSearchCriteria(S::srchClass, cat, cour, sec);
        CDAOMemCls set;
        const int n = set.FindMembers(&s, true, true);
        std::multiset<std::pair<long, std::string>> rows;
        while (!set.IsEOF()) {
            EXPECT_EQ(set.ClsMemberID, set.MemberID);
            rows.insert({set.MemberID, set.Category + "/" + set.Course + "/" + set.Section});
            set.Op(CDAOEFSet::opMoveNext);
        }
        EXPECT_EQ(n, static_cast<int>(rows.size()));
        return rows;
    };
    auto want = [&](const std::function<bool(const ClassData&)>& keep) {
        std::multiset<std::pair<long, std::string>> rows;
        for (const auto& m : roster)
            for (const auto& c : m.classes)
                if (keep(c))
                    rows.insert({m.id, c.category + "/" + c.course + "/" + c.section});
        return rows;
    };
    EXPECT_EQ(classSearch("Kinesiology", "KIN 101", "B"), want([](const ClassData& c) {
                  return c.category == "Kinesiology" && c.course == "KIN 101" && c.section == "B";
              }));
    EXPECT_EQ(classSearch("Kinesiology", "KIN 101", ""), want([](const ClassData& c) {
                  return c.category == "Kinesiology" && c.course == "KIN 101";
              }));
    EXPECT_EQ(classSearch("Kinesiology", "", "A"), want([](const ClassData& c) {
                  return c.category == "Kinesiology" && c.section == "A";
              }));
    // An empty category adds no class condition at all: one row per class.
    const auto all = want([](const ClassData&) { return true; });
    EXPECT_EQ(classSearch("", "KIN 101", "A"), all);
    // Without the class criterion each member still pairs only with its own classes.
    S none;
    CDAOMemCls set;
    EXPECT_EQ(set.FindMembers(&none, true, true), static_cast<int>(all.size()));
}

TEST_F(MemberSearch, ClassCriterionCombinesWithMemberCriteria) {
    S s;
    s.SetSearchCriteria(S::srchClass, "Athletics", "", "");
    s.SetSearchCriteria(S::srchSex, static_cast<unsigned char>(0));
    CDAOMemCls set;
    set.FindMembers(&s, true, true);
    std::set<long> found;
    while (!set.IsEOF()) {
        found.insert(set.MemberID);
        set.Op(CDAOEFSet::opMoveNext);
    }
    std::set<long> want;
    for (const auto& m : roster)
        for (const auto& c : m.classes)
            if (m.sex == 0 && c.category == "Athletics")
                want.insert(m.id);
    ASSERT_FALSE(want.empty());
    EXPECT_EQ(found, want);
}

namespace {

class AgeSearch : public ::testing::Test {
protected:
    long add(long id, CEFOleDateTime birthday) {
        MemberData m;
        m.id = id;
        m.barcode = id;
        m.last = "Age" + std::to_string(id);
        m.birthday = birthday;
        addMember(m);
        return id;
    }
    std::vector<long> ages(int lower, int upper) {
        S s;
        s.SetSearchCriteria(S::srchAge, lower, upper);
        CDAOMem mem;
        mem.FindMembers(&s, true, true);
        std::vector<long> ids;
        while (!mem.IsEOF()) {
            ids.push_back(mem.MemberID);
            mem.Op(CDAOEFSet::opMoveNext);
        }
        std::sort(ids.begin(), ids.end());
        return ids;
    }
    Facility facility;
};

} // namespace

TEST_F(AgeSearch, RangeRunsFromNowMinusUpperToNowMinusLowerYears) {
    FakeClock clock(2026, 6, 15, 12, 0, 0);
    add(1, CEFOleDateTime(2006, 6, 15));           // twenty today
    add(2, CEFOleDateTime(2006, 6, 16));           // twenty tomorrow
    add(3, CEFOleDateTime(1996, 6, 16));           // thirty tomorrow
    add(4, CEFOleDateTime(1996, 6, 15, 13, 0, 0)); // thirty within the hour
    add(5, CEFOleDateTime(1996, 6, 14));           // thirty since yesterday
    add(6, CEFOleDateTime(2001, 1, 1));
    EXPECT_EQ(ages(20, 30), (std::vector<long>{1, 3, 4, 6}));
    EXPECT_EQ(ages(30, 20), (std::vector<long>{1, 3, 4, 6}));
}

TEST_F(AgeSearch, SingleAgeRunsFromNewYearToNowMinusThatAge) {
    FakeClock clock(2026, 6, 15, 12, 0, 0);
    add(1, CEFOleDateTime(2001, 1, 1));   // from 1 January
    add(2, CEFOleDateTime(2001, 6, 15));  // twenty-five today
    add(3, CEFOleDateTime(2001, 6, 16));  // twenty-five tomorrow
    add(4, CEFOleDateTime(2000, 12, 31)); // the year before
    EXPECT_EQ(ages(25, 25), (std::vector<long>{1, 2}));
}

TEST_F(AgeSearch, LeapDayStillAppliesTheAgeRange) {
    FakeClock clock(2028, 2, 29, 10, 0, 0);
    add(1, CEFOleDateTime(2007, 2, 28)); // twenty-one on the last February day of 2028
    add(2, CEFOleDateTime(2007, 3, 1));
    add(3, CEFOleDateTime(2000, 5, 5));
    add(4, CEFOleDateTime(2010, 5, 5));
    // Both ends fall on 28 February in years without a leap day.
    EXPECT_EQ(ages(21, 30), (std::vector<long>{1, 3}));
    EXPECT_EQ(ages(17, 21), (std::vector<long>{2, 4}));
}
