// Evaluation export files: recognising them, and restoring them into an
// empty facility, into the facility they came from, for one member, and from
// damaged files.

#include "db/daocirc.h"
#include "db/daoeval.h"
#include "db/daoevalbodycomp.h"
#include "db/daosmeval.h"

#include "support/facility.h"
#include "support/evaluationdata.h"
#include "support/memberdata.h"
#include "support/testsupport.h"
#include "util/format.h"
#include "util/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

using namespace vantora::test;

namespace {

// Every value of an evaluation as text, doubles at two decimals; the ids and
// class index separately so tests can expect them to change.
struct EvalRecord {
    long memberId = 0;
    long evaluationId = 0;
    int classIndx = 0;
    std::string values;
};

std::vector<EvalRecord> readAll() {
    std::vector<EvalRecord> out;
    CDAOEval v;
    v.FindEvals(CDAOSmEval::idMember, 0);
    for (; !v.IsEOF(); v.Op(CDAOEFSet::opMoveNext)) {
        EvalRecord r;
        r.memberId = v.MemberID;
        r.evaluationId = v.EvaluationID;
        r.classIndx = v.ClassIndx;
        r.values = v.EvaluationDate.DateTimeStrLongYear();
        for (double d :
             {v.Height, v.Weight, v.TrunkFlex, v.FatPercent, v.ThighSkinFold, v.ChestSkinFold,
              v.AbSkinFold, v.TricepSkinFold, v.SupraSkinFold, v.MidaxSkinFold, v.SubscapSkinFold})
            r.values += vantora::format(" %.2f", {d});
        for (long l : {long(v.ActivityLevel), v.RestingHR, v.RestingBPSystolic,
                       v.RestingBPDiastolic, v.SitUp, v.Ab, v.Step, v.Run, v.PulseRecovery})
            r.values += " " + std::to_string(l);
        for (int i = 0; i < CDAOEval::StationCount; ++i)
            r.values += vantora::format(" %.2f", {v.GetStnVal(i)});
        EXPECT_EQ(v.CircuitEvaluationID, v.EvaluationID);
        EXPECT_EQ(v.EvalBodyCompEvaluationID, v.EvaluationID);
        out.push_back(r);
    }
    return out;
}

// Backs up every evaluation of the current facility into the file.
int backup(const std::string& path) {
    CDAOEval v;
    v.FindEvals(CDAOSmEval::idMember, 0);
    std::ofstream out(path);
    CText text(&out, '|');
    int n = 0;
    for (; !v.IsEOF(); v.Op(CDAOEFSet::opMoveNext), ++n)
        v.Save(&text);
    return n;
}

int restore(const std::string& path, long memberId = 0) {
    std::ifstream in(path);
    CDAOEval v;
    return v.Restore(in, '|', memberId, true);
}

bool looksLikeEvaluations(const std::string& content) {
    TempDir dir;
    const std::string path = dir.file("t.dat");
    std::ofstream(path) << content;
    std::ifstream in(path);
    return CDAOEval().Test(in, '|');
}

// A well-formed evaluation line with the given member, id, date and last station.
std::string line(long memberId, long evalId, const std::string& date = "03/04/2026 10:15:00",
                 const std::string& activity = "2", const std::string& lastStation = "40.00") {
    std::string s = std::to_string(memberId) + "|" + std::to_string(evalId) + "|1|" + date +
                    "|66.00|160.00|" + activity + "|64|120|80|14.00|30|35|100|840|22";
    for (int i = 0; i < 8; ++i)
        s += "|10.00";
    for (int i = 0; i < 23; ++i)
        s += "|25.00";
    return s + "|" + lastStation + "\n";
}

} // namespace

TEST(EvaluationFiles, TestAcceptsItsOwnLinesAndRefusesOtherKinds) {
    Facility facility;
    EXPECT_TRUE(looksLikeEvaluations(line(10, 3)));
    EXPECT_TRUE(looksLikeEvaluations(line(10, 3, "03/04/2026 10:15:00", "4", "5000")));
    // Station values are checked as a decimal for the sign and as an integer
    // for the top.
    EXPECT_TRUE(looksLikeEvaluations(line(10, 3, "03/04/2026 10:15:00", "0", "5000.75")));
    EXPECT_FALSE(looksLikeEvaluations(line(10, 3, "03/04/2026 10:15:00", "0", "5001")));
    EXPECT_FALSE(looksLikeEvaluations(line(10, 3, "03/04/2026 10:15:00", "0", "-0.5")));
    EXPECT_FALSE(looksLikeEvaluations(line(10, 3, "03/04/2026 10:15:00", "5")));
    EXPECT_FALSE(looksLikeEvaluations(line(10, 3, "02/30/2026 10:15:00")));
    EXPECT_FALSE(looksLikeEvaluations(line(0, 3)));
    EXPECT_FALSE(looksLikeEvaluations(line(1000000000, 3)));
    EXPECT_FALSE(looksLikeEvaluations(""));

    // A workout line, a body-composition line and a member line.
    EXPECT_FALSE(looksLikeEvaluations(
        "10|0|1|03/04/2026 10:15:00|03/04/2026 11:00:00|3|0|0|0|0|0|0|0|0|0|0|0|0\n" +
        line(10, 3)));
    EXPECT_FALSE(looksLikeEvaluations("10|03/04/2026 10:15:00|0|66.00|160.00|2|1|20.00|0.00|"
                                      "0.00|0.00|10.00|10.00|10.00|10.00|10.00|10.00|10.00|"
                                      "0.00|0.00|0.00|0\n"));
    EXPECT_FALSE(looksLikeEvaluations(
        "10|1010|Ada||Moreau|1|01/05/2026 00:00:00|12/31/2026 00:00:00|0|0|||||||||||0|0|"
        "06/15/1980 00:00:00|0|0|0|\n"));

    std::ifstream closed;
    EXPECT_FALSE(CDAOEval().Test(closed, '|'));
}

TEST(EvaluationFiles, RoundTripIntoAnEmptyFacilityKeepsEveryValue) {
    TempDir dir;
    const std::string path = dir.file("evals.dat");
    std::vector<EvalRecord> before;
    {
        Facility source;
        addMember(plainMember(10, 1010));
        addMember(plainMember(11, 0)); // no card: still a member
        addEvaluation(10, 3, CEFOleDateTime(2026, 2, 1, 9, 30, 15), 1, 1);
        addEvaluation(10, 17, CEFOleDateTime(2026, 5, 1, 10, 0, 0), 2, 2);
        addEvaluation(11, 5, CEFOleDateTime(2026, 3, 1, 8, 0, 0), 0, 3);
        before = readAll();
        ASSERT_EQ(backup(path), 3);
    }
    Facility target;
    addMember(plainMember(10, 1010));
    addMember(plainMember(11, 0));
    std::ifstream in(path);
    ASSERT_TRUE(CDAOEval().Test(in, '|'));
    EXPECT_EQ(restore(path), 3);
    const std::vector<EvalRecord> after = readAll();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].memberId, before[i].memberId);
        EXPECT_EQ(after[i].evaluationId, before[i].evaluationId); // free here, so kept
        EXPECT_EQ(after[i].values, before[i].values);
        EXPECT_EQ(after[i].classIndx, 99); // filed under the unassigned class
    }
    EXPECT_EQ(target.notices()->count(), 0u);
}

TEST(EvaluationFiles, RestoreIntoTheSameFacilityGivesFreshIds) {
    Facility facility;
    addMember(plainMember(10, 1010));
    addEvaluation(10, 3, CEFOleDateTime(2026, 2, 1), 1, 1);
    addEvaluation(10, 17, CEFOleDateTime(2026, 5, 1), 2, 2);
    TempDir dir;
    const std::string path = dir.file("evals.dat");
    ASSERT_EQ(backup(path), 2);
    EXPECT_EQ(restore(path), 2);

    CDAOSmEval e;
    ASSERT_EQ(e.FindEvals(CDAOSmEval::idMember, 10), 4);
    std::vector<long> ids;
    for (; !e.IsEOF(); e.Op(CDAOEFSet::opMoveNext))
        ids.push_back(e.EvaluationID);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<long>{3, 17, 18, 19}));
    // The copies carry the same results as the originals.
    const auto all = readAll();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[0].values, all[1].values); // newest first: 17 and its copy
    EXPECT_EQ(all[2].values, all[3].values);
}

TEST(EvaluationFiles, RestoreForOneMemberAndOnlyForMembersPresent) {
    TempDir dir;
    const std::string path = dir.file("evals.dat");
    std::ofstream(path) << line(10, 3) << line(12, 4) << line(10, 8) << line(77, 9) << line(12, 11);
    Facility facility;
    addMember(plainMember(10, 1010));
    addMember(plainMember(12, 1012));
    EXPECT_EQ(restore(path, 12), 2);
    CDAOSmEval e;
    EXPECT_EQ(e.FindEvals(CDAOSmEval::idMember, 12), 2);
    EXPECT_EQ(e.FindEvals(CDAOSmEval::idMember, 10), 0);
    EXPECT_EQ(restore(path, 77), 0); // not a member here

    EXPECT_EQ(restore(path), 4); // 77 is skipped; 12's two again, with fresh ids
    EXPECT_EQ(e.FindEvals(CDAOSmEval::idMember, 10), 2);
    EXPECT_EQ(e.FindEvals(CDAOSmEval::idMember, 12), 4);
    EXPECT_TRUE(CDAOSmEval::IsIDInUse(12));
    EXPECT_TRUE(CDAOSmEval::IsIDInUse(13));
    EXPECT_EQ(e.FindEvals(CDAOSmEval::idMember, 77), 0);
    std::ifstream closed;
    EXPECT_EQ(CDAOEval().Restore(closed, '|', 0, true), 0);
}

TEST(EvaluationFiles, DamagedLinesAreSkippedAndTheRestRestored) {
    TempDir dir;
    const std::string path = dir.file("evals.dat");
    std::string cut = line(10, 4);
    cut = cut.substr(0, cut.size() / 2) + "\n";
    std::string longField = line(10, 6);
    longField.replace(longField.find("|66.00|"), 7, "|" + std::string(40, '6') + "|");
    std::string crlf = line(10, 7);
    crlf.insert(crlf.size() - 1, "\r");
    std::ofstream(path) << line(10, 3) << cut << "garbage\n"
                        << line(10, 5, "not a date") << longField << crlf;
    Facility facility;
    addMember(plainMember(10, 1010));
    EXPECT_EQ(restore(path), 2);
    CDAOSmEval e;
    EXPECT_EQ(e.FindEvals(CDAOSmEval::idMember, 10), 2);
    EXPECT_TRUE(CDAOSmEval::IsIDInUse(3));
    EXPECT_FALSE(CDAOSmEval::IsIDInUse(6)); // a 40-digit height is no height
    EXPECT_TRUE(CDAOSmEval::IsIDInUse(7));
    EXPECT_FALSE(CDAOSmEval::IsIDInUse(4));
    EXPECT_FALSE(CDAOSmEval::IsIDInUse(5));
    CDAOCirc c;
    EXPECT_EQ(c.FindCircuit(4), 0);
    EXPECT_EQ(facility.notices()->count(), 0u);
}

TEST(EvaluationFiles, EachTableRestoresItsOwnPartOfALine) {
    TempDir dir;
    const std::string path = dir.file("one.dat");
    std::ofstream(path) << line(10, 3, "03/04/2026 10:15:00", "3", "44.50");
    Facility facility;
    std::ifstream in(path);
    CDAOEFSet::ReadField(in, '|'); // member id
    CDAOEFSet::ReadField(in, '|'); // evaluation id
    CDAOSmEval e;
    EXPECT_EQ(e.Restore(in, '|', 10L, 44L), 1);
    EXPECT_EQ(CDAOEvalBodyComp().Restore(in, '|', 44L), 1);
    EXPECT_EQ(CDAOCirc().Restore(in, '|', 44L), 1);

    CDAOEval v;
    ASSERT_EQ(v.FindEvals(CDAOSmEval::idEvaluation, 44), 1);
    EXPECT_EQ(v.MemberID, 10);
    EXPECT_EQ(v.ClassIndx, 99);
    EXPECT_EQ(v.EvaluationDate.DateTimeStrLongYear(), "03/04/2026 10:15:00");
    EXPECT_EQ(v.ActivityLevel, 3);
    EXPECT_EQ(v.Run, 840);
    EXPECT_EQ(v.PulseRecovery, 22);
    EXPECT_DOUBLE_EQ(v.SubscapSkinFold, 10.0);
    EXPECT_DOUBLE_EQ(v.GetStnVal(22), 25.0);
    EXPECT_DOUBLE_EQ(v.GetStnVal(23), 44.5);
    EXPECT_EQ(facility.notices()->count(), 0u);
}
