// Evaluations: the three tables and the joined view, new evaluation ids,
// lookups, deletion of whole evaluations and the evaluation export line.

#include "db/daocirc.h"
#include "db/daoeval.h"
#include "db/daoevalbodycomp.h"
#include "db/daosmeval.h"

#include "support/facility.h"
#include "support/evaluationdata.h"
#include "support/memberdata.h"
#include "support/testsupport.h"
#include "util/text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

using namespace vantora::test;

namespace {

std::vector<long> evalIds(CDAOEval& set) {
    std::vector<long> ids;
    for (set.Op(CDAOEFSet::opMoveFirst); !set.IsEOF(); set.Op(CDAOEFSet::opMoveNext))
        ids.push_back(set.EvaluationID);
    return ids;
}

std::vector<long> evalIds(CDAOSmEval& set) {
    std::vector<long> ids;
    for (set.Op(CDAOEFSet::opMoveFirst); !set.IsEOF(); set.Op(CDAOEFSet::opMoveNext))
        ids.push_back(set.EvaluationID);
    return ids;
}

class Evaluations : public ::testing::Test {
protected:
    void SetUp() override {
        addMember(plainMember(10, 1010));
        addMember(plainMember(11, 1011));
        addEvaluation(10, 3, CEFOleDateTime(2026, 2, 1, 9, 30, 0), 0, 1);
        addEvaluation(10, 17, CEFOleDateTime(2026, 5, 1, 10, 0, 0), 1, 2);
        addEvaluation(11, 5, CEFOleDateTime(2026, 3, 1, 8, 0, 0), 0, 3);
    }
    Facility facility;
};

} // namespace

TEST(EvaluationIds, FirstIdIsOneThenHighestPlusOne) {
    Facility facility;
    CDAOSmEval e;
    EXPECT_EQ(e.GenerateIDNum(), 1);
    addEvaluation(10, 3, CEFOleDateTime(2026, 2, 1), 0, 0);
    addEvaluation(10, 17, CEFOleDateTime(2026, 2, 2), 0, 0);
    EXPECT_EQ(e.GenerateIDNum(), 18);
}

TEST(EvaluationIds, PartsLeftBehindCountAsInUse) {
    Facility facility;
    addEvaluation(10, 4, CEFOleDateTime(2026, 2, 1), 0, 0);
    // A circuit record whose evaluation is gone (left by an older release).
    CDAOCirc c;
    c.OpenSet(false);
    c.Op(CDAOEFSet::opAddNew);
    c.EvaluationID = 30;
    c.Op(CDAOEFSet::opUpdate);
    CDAOSmEval e;
    EXPECT_EQ(e.GenerateIDNum(), 31);
    EXPECT_TRUE(CDAOSmEval::IsIDInUse(30));
    EXPECT_TRUE(CDAOSmEval::IsIDInUse(4));
    EXPECT_FALSE(CDAOSmEval::IsIDInUse(5));
}

TEST_F(Evaluations, FindsByMemberByIdAndAllNewestFirst) {
    CDAOSmEval e;
    EXPECT_EQ(e.FindEvals(CDAOSmEval::idMember, 10), 2);
    EXPECT_EQ(evalIds(e), (std::vector<long>{17, 3}));
    EXPECT_EQ(e.FindEvals(CDAOSmEval::idEvaluation, 5), 1);
    EXPECT_EQ(e.MemberID, 11);
    EXPECT_EQ(e.FindEvals(CDAOSmEval::idMember, 0), 3);
    EXPECT_EQ(evalIds(e), (std::vector<long>{17, 5, 3}));
    EXPECT_EQ(e.FindEvals(CDAOSmEval::idMember, 99), 0);
    EXPECT_TRUE(e.IsEOF());

    CDAOEval v;
    EXPECT_EQ(v.FindEvals(CDAOSmEval::idMember, 10), 2);
    EXPECT_EQ(evalIds(v), (std::vector<long>{17, 3}));
    EXPECT_EQ(v.FindEvals(CDAOSmEval::idEvaluation, 5), 1);
    EXPECT_EQ(v.MemberID, 11);
    EXPECT_EQ(v.CircuitEvaluationID, 5);
    EXPECT_EQ(v.EvalBodyCompEvaluationID, 5);
    EXPECT_EQ(v.FindEvals(CDAOSmEval::idMember, 0), 3);
    EXPECT_EQ(evalIds(v), (std::vector<long>{17, 5, 3}));
}

TEST_F(Evaluations, FindsByClassAndByExactDate) {
    CDAOSmEval e;
    EXPECT_EQ(e.FindEvals(10L, static_cast<unsigned char>(1)), 1);
    EXPECT_EQ(e.EvaluationID, 17);
    EXPECT_EQ(e.FindEvals(11L, static_cast<unsigned char>(1)), 0);
    CEFOleDateTime exact(2026, 2, 1, 9, 30, 0);
    EXPECT_EQ(e.FindEvals(10L, exact), 1);
    EXPECT_EQ(e.EvaluationID, 3);
    CEFOleDateTime sameDayOtherTime(2026, 2, 1, 9, 31, 0);
    EXPECT_EQ(e.FindEvals(10L, sameDayOtherTime), 0);

    CDAOEval v;
    EXPECT_EQ(v.FindEvals(10L, static_cast<unsigned char>(0)), 1);
    EXPECT_EQ(v.EvaluationID, 3);
    EXPECT_EQ(v.FindEvals(10L, exact), 1);
    EXPECT_EQ(v.EvaluationID, 3);
    EXPECT_EQ(v.FindEvals(11L, exact), 0);
}

TEST_F(Evaluations, JoinedViewReadsAllThreePartsAndSkipsIncompleteOnes) {
    addEvaluation(11, 40, CEFOleDateTime(2026, 4, 1), 0, 4, /*withCircuit=*/false);
    addEvaluation(11, 41, CEFOleDateTime(2026, 4, 2), 0, 5, true, /*withBodyComp=*/false);
    CDAOSmEval e;
    EXPECT_EQ(e.FindEvals(CDAOSmEval::idMember, 11), 3);
    CDAOEval v;
    EXPECT_EQ(v.FindEvals(CDAOSmEval::idMember, 11), 1);

    ASSERT_EQ(v.FindEvals(CDAOSmEval::idEvaluation, 17), 1);
    EXPECT_DOUBLE_EQ(v.Height, 62.5);
    EXPECT_DOUBLE_EQ(v.TrunkFlex, 14.75);
    EXPECT_EQ(v.Run, 727);
    EXPECT_DOUBLE_EQ(v.FatPercent, 20.5);
    EXPECT_DOUBLE_EQ(v.SubscapSkinFold, 18.7);
    EXPECT_DOUBLE_EQ(v.GetStnVal(0), 22.0);
    EXPECT_DOUBLE_EQ(v.GetStnVal(23), 22.0 + 5 * 23);
    EXPECT_DOUBLE_EQ(v.GetStnVal(24), 0.0);
    EXPECT_DOUBLE_EQ(v.GetStnVal(-1), 0.0);
}

TEST_F(Evaluations, CircuitStationsOutsideTheCircuitAreIgnored) {
    CDAOCirc c;
    ASSERT_EQ(c.FindCircuit(3), 1);
    EXPECT_DOUBLE_EQ(c.GetStnVal(5), 46.0);
    c.SetStnVal(24, 99.0);
    c.SetStnVal(-1, 99.0);
    for (int i = 0; i < CDAOCirc::StationCount; ++i)
        EXPECT_NE(c.GetStnVal(i), 99.0) << i;
    EXPECT_DOUBLE_EQ(c.GetStnVal(24), 0.0);
    EXPECT_EQ(c.FindCircuit(99), 0);

    CDAOEvalBodyComp b;
    ASSERT_EQ(b.FindEvalBodyComp(5), 1);
    EXPECT_DOUBLE_EQ(b.FatPercent, 21.5);
    EXPECT_EQ(b.FindEvalBodyComp(6), 0);
}

TEST_F(Evaluations, DeletingAnEvaluationDeletesItsParts) {
    CDAOSmEval e;
    ASSERT_EQ(e.FindEvals(CDAOSmEval::idEvaluation, 17), 1);
    e.DelCurrent();
    EXPECT_FALSE(CDAOSmEval::IsIDInUse(17));
    CDAOCirc c;
    EXPECT_EQ(c.FindCircuit(17), 0);
    CDAOEvalBodyComp b;
    EXPECT_EQ(b.FindEvalBodyComp(17), 0);
    EXPECT_EQ(c.FindCircuit(3), 1);

    // The next evaluation takes the freed id and shows only its own results.
    EXPECT_EQ(e.GenerateIDNum(), 6);
    addEvaluation(10, 17, CEFOleDateTime(2026, 6, 1), 0, 9);
    CDAOEval v;
    ASSERT_EQ(v.FindEvals(CDAOSmEval::idEvaluation, 17), 1);
    EXPECT_DOUBLE_EQ(v.GetStnVal(0), 29.0);
}

TEST_F(Evaluations, DeleteAllOfAMemberLeavesTheOthers) {
    CDAOSmEval e;
    ASSERT_EQ(e.FindEvals(CDAOSmEval::idMember, 10), 2);
    EXPECT_EQ(e.DelAll(), 2);
    EXPECT_FALSE(CDAOSmEval::IsIDInUse(3));
    EXPECT_FALSE(CDAOSmEval::IsIDInUse(17));
    EXPECT_TRUE(CDAOSmEval::IsIDInUse(5));
    CDAOSmEval closed;
    EXPECT_EQ(closed.DelAll(), 0);

    CDAOEval v;
    ASSERT_EQ(v.FindEvals(CDAOSmEval::idMember, 11), 1);
    v.DelCurrent();
    EXPECT_FALSE(CDAOSmEval::IsIDInUse(5));
    EXPECT_EQ(v.FindEvals(CDAOSmEval::idMember, 0), 0);
    EXPECT_EQ(facility.notices()->count(), 0u);
}

TEST_F(Evaluations, ExportLineHoldsTheFortyEightFieldsInOrder) {
    TempDir dir;
    const std::string path = dir.file("e.dat");
    {
        CDAOEval v;
        ASSERT_EQ(v.FindEvals(CDAOSmEval::idEvaluation, 3), 1);
        std::ofstream out(path);
        CText text(&out, '|');
        v.Save(&text);
    }
    std::string expected = "10|3|0|02/01/2026 09:30:00|61.50|151.25|1|61|111|71|13.75|31|41|101|"
                           "726|21|19.50|11.10|12.20|13.30|14.40|15.50|16.60|17.70";
    for (int i = 0; i < 24; ++i)
        expected += "|" + std::to_string(21 + 5 * i) + ".00";
    EXPECT_EQ(readFile(path), expected + "\n");
    EXPECT_NE(CDAOEval().GetDefaultPathFileName().find("eval"), std::string::npos);
}
