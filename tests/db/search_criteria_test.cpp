// The criteria set of the member search: bits, stored values and the goal and
// medical-history clauses.

#include "db/membersearchdata.h"

#include <gtest/gtest.h>

using S = CMemberSearchData;

TEST(SearchCriteria, NewSetHasNoCriteriaAndEmptyValues) {
    S s;
    EXPECT_EQ(s.GetCriteriaWord(), 0u);
    EXPECT_EQ(s.GetBarcode(), 0);
    EXPECT_EQ(s.GetText(S::srchCity), "");
    EXPECT_EQ(s.GetEnrollmentFrom().m_dt, 0.0);
    std::string out = "x";
    EXPECT_EQ(s.GetGoalsWhereClause(out), 0);
    EXPECT_EQ(out, "");
}

TEST(SearchCriteria, EachSetterStoresItsValueAndSetsOnlyItsBit) {
    S s;
    s.SetSearchCriteria(S::srchBarcode, 4711L);
    s.SetSearchCriteria(S::srchSex, static_cast<unsigned char>(1));
    s.SetSearchCriteria(S::srchCity, "Lyon");
    s.SetSearchCriteria(S::srchClass, "Cat", "Cour", "Sec");
    s.SetSearchCriteria(S::srchAge, 30, 20);
    s.SetSearchCriteria(S::srchEnrollmentDate, CEFOleDateTime(2026, 1, 1),
                        CEFOleDateTime(2025, 1, 1));
    EXPECT_EQ(s.GetCriteriaWord(),
              static_cast<unsigned long>(S::srchBarcode | S::srchSex | S::srchCity | S::srchClass |
                                         S::srchAge | S::srchEnrollmentDate));
    EXPECT_EQ(s.GetBarcode(), 4711);
    EXPECT_EQ(s.GetSex(), 1);
    EXPECT_EQ(s.GetText(S::srchCity), "Lyon");
    EXPECT_EQ(s.GetCategory(), "Cat");
    EXPECT_EQ(s.GetCourse(), "Cour");
    EXPECT_EQ(s.GetSection(), "Sec");
    EXPECT_EQ(s.GetLowerAge(), 30);
    EXPECT_EQ(s.GetUpperAge(), 20);
    EXPECT_EQ(s.GetEnrollmentFrom(), CEFOleDateTime(2026, 1, 1));
    EXPECT_FALSE(s.GetSearchCriteria(S::srchExpirationDate));
}

TEST(SearchCriteria, MismatchedValueKindSetsTheBitButStoresNothing) {
    S s;
    s.SetSearchCriteria(S::srchCity, 12L);
    s.SetSearchCriteria(S::srchBarcode, "123");
    s.SetSearchCriteria(S::srchSex, 20, 30);
    EXPECT_TRUE(s.GetSearchCriteria(S::srchCity));
    EXPECT_TRUE(s.GetSearchCriteria(S::srchBarcode));
    EXPECT_TRUE(s.GetSearchCriteria(S::srchSex));
    EXPECT_EQ(s.GetText(S::srchCity), "");
    EXPECT_EQ(s.GetBarcode(), 0);
    EXPECT_EQ(s.GetLowerAge(), 0);
}

TEST(SearchCriteria, ClearingResetsTheValueAndLeavesOthers) {
    S s;
    s.SetSearchCriteria(S::srchLastName, "Durand");
    s.SetSearchCriteria(S::srchAge, 20, 30);
    s.SetSearchCriteria(S::srchGoals, 6L);
    s.ClearSearchCriteria(S::srchAge);
    s.ClearSearchCriteria(S::srchGoals);
    EXPECT_FALSE(s.GetSearchCriteria(S::srchAge));
    EXPECT_EQ(s.GetLowerAge(), 0);
    EXPECT_EQ(s.GetUpperAge(), 0);
    EXPECT_EQ(s.GetGoals(), 0u);
    std::string out;
    EXPECT_EQ(s.GetGoalsWhereClause(out), 0);
    EXPECT_EQ(s.GetText(S::srchLastName), "Durand");
    s.ClearSearchCriteria(S::srchLastName);
    EXPECT_EQ(s.GetText(S::srchLastName), "");
    EXPECT_EQ(s.GetCriteriaWord(), 0u);
}

TEST(SearchCriteria, GoalClausesRunFromTheHighestBitDown) {
    S s;
    s.SetSearchCriteria(S::srchGoals, 4L | 32L | 1024L);
    std::string out;
    EXPECT_EQ(s.GetGoalsWhereClause(out), 1);
    // Bit 1024 lies beyond the eight goals and is ignored.
    EXPECT_EQ(out, " AND ((Goals\\32) mod 2 = 1) AND ((Goals\\4) mod 2 = 1)");
}

TEST(SearchCriteria, MedicalClausesCoverAllTwentyOneItemsOnly) {
    S s;
    s.SetSearchCriteria(S::srchMedHist, 1048576L | 1L | 2097152L);
    std::string out;
    EXPECT_EQ(s.GetMedHistWhereClause(out), 1);
    EXPECT_EQ(out, " AND ((MedHistory\\1048576) mod 2 = 1) AND ((MedHistory\\1) mod 2 = 1)");
}

TEST(SearchCriteria, NullTextReadsAsEmpty) {
    S s;
    s.SetSearchCriteria(S::srchClass, "Cat", nullptr, nullptr);
    EXPECT_EQ(s.GetCourse(), "");
    s.SetSearchCriteria(S::srchEmail, nullptr);
    EXPECT_EQ(s.GetText(S::srchEmail), "");
    EXPECT_TRUE(s.GetSearchCriteria(S::srchEmail));
}
