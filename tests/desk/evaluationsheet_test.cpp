#include "desk/core/evaluationlist.h"
#include "desk/core/evaluationsheetdocument.h"

#include "recordfixture.h"
#include "support/faultydisk.h"

#include "custom/circuit.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vantora::test;

namespace {

// A filled evaluation of the member, ready to save.
void Fill(CEvaluationSheetDoc& doc) {
    doc.EvaluationDate = CEFOleDateTime(2026, 12, 6, 9, 15, 0);
    doc.Height = 66.5;
    doc.Weight = 140.25;
    doc.ClassIndx = 1;
    doc.ActivityLevel = 3;
    doc.RestingHR = 60;
    doc.Systolic = 120;
    doc.Diastolic = 80;
    doc.TrunkFlex = 17.5;
    doc.SitUps = 40;
    doc.AbCrunches = 35;
    doc.Step = 110;
    doc.RunMinutes = 12;
    doc.RunSeconds = 5;
    doc.PulseRecovery = 20;
    doc.SkinFolds.Sites = 3;
    doc.SkinFolds.Folds = {14, 12, 22, 0, 0, 0, 0};
    doc.FatPercent = 24.5;
    doc.ProgLift[0] = 150;
    doc.ProgLift[3] = 60;
}

class EvaluationSheet : public ::testing::Test, public RecordFacility {
protected:
    std::unique_ptr<CEvaluationSheetDoc> Open(long evaluationId = 0) {
        auto doc = std::make_unique<CEvaluationSheetDoc>(Member, evaluationId, circuit);
        EXPECT_TRUE(doc->Activate());
        return doc;
    }
    long long Rows(const char* table) {
        return facility.count("members.mdb", std::string("SELECT count(*) FROM ") + table);
    }
    CCircuit circuit;
};

TEST_F(EvaluationSheet, TrainingRangeFromSexAgeAndRestingRate) {
    auto doc = Open();
    EXPECT_EQ(doc->Member.Age, 36);
    doc->RestingHR = 60;
    doc->CalculateTrainingRange();
    // Female: predicted maximum 220 - 36; levels at 50, 70 and 80 % of the reserve.
    EXPECT_EQ(doc->PredictedMax, 184);
    EXPECT_EQ(doc->LowerLevel, 122);
    EXPECT_EQ(doc->UpperLevel, 146);
    EXPECT_EQ(doc->SafeMax, 159);
}

TEST(SkinFoldSites, TheSiteCountAndSexChooseTheEditableFolds) {
    using S = CSkinFoldEntry;
    struct Case {
        int sites;
        unsigned char sex;
        std::array<bool, S::SiteCount> on; // Tri, Supra, Thigh, Chest, Ab, Midax, Subscap
    } const cases[] = {
        {3, 0, {true, true, true, false, false, false, false}},
        {3, 1, {false, false, true, true, true, false, false}},
        {4, 1, {true, true, true, false, true, false, false}},
        {7, 0, {true, true, true, true, true, true, true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(S::Editable(c.sites, c.sex), c.on) << c.sites << " sex " << int(c.sex);
}

TEST_F(EvaluationSheet, ASavedEvaluationReadsBackFieldByField) {
    auto doc = Open();
    Fill(*doc);
    ASSERT_TRUE(doc->Apply()) << facility.notices()->last();
    ASSERT_NE(doc->EvaluationID, 0);
    EXPECT_EQ(facility.count("members.mdb", "SELECT Run FROM Evaluations"), 725);

    auto back = Open(doc->EvaluationID);
    EXPECT_EQ(back->Title(), "Edit Evaluation for Member ID 1001");
    EXPECT_EQ(back->EvaluationDate, doc->EvaluationDate);
    EXPECT_DOUBLE_EQ(back->Height, 66.5);
    EXPECT_DOUBLE_EQ(back->Weight, 140.25);
    EXPECT_EQ(back->ClassIndx, 1);
    EXPECT_EQ(back->ActivityLevel, 3);
    EXPECT_EQ(back->RestingHR, 60);
    EXPECT_EQ(back->Systolic, 120);
    EXPECT_EQ(back->Diastolic, 80);
    EXPECT_DOUBLE_EQ(back->TrunkFlex, 17.5);
    EXPECT_EQ(back->SitUps, 40);
    EXPECT_EQ(back->AbCrunches, 35);
    EXPECT_EQ(back->Step, 110);
    EXPECT_EQ(back->RunMinutes, 12);
    EXPECT_EQ(back->RunSeconds, 5);
    EXPECT_EQ(back->PulseRecovery, 20);
    EXPECT_EQ(back->SkinFolds.Folds, doc->SkinFolds.Folds);
    EXPECT_EQ(back->SkinFolds.Sites, 3);
    EXPECT_DOUBLE_EQ(back->FatPercent, 24.5);
    EXPECT_EQ(back->ProgLift, doc->ProgLift);

    // The list shows the run as minutes and seconds.
    CEvaluationList list(circuit);
    ASSERT_EQ(list.QueryMember(Member, 101, "- All Classes -"), 1);
    EXPECT_EQ(list.Title, "Evaluations for Member ID 1001, - All Classes -");
    EXPECT_EQ(list.Cell(0, 12), "12:05");
    EXPECT_EQ(list.Cell(0, 7), "120/80");

    // Saving again edits the same three records.
    back->SitUps = 41;
    ASSERT_TRUE(back->Apply());
    EXPECT_EQ(Rows("Evaluations"), 1);
    EXPECT_EQ(Rows("Circuit"), 1);
    EXPECT_EQ(Rows("EvalBodyComps"), 1);
    EXPECT_EQ(facility.count("members.mdb", "SELECT SitUp FROM Evaluations"), 41);
}

TEST_F(EvaluationSheet, WorkWeightsFromTheTablesAndTheStationBound) {
    auto doc = Open();
    Fill(*doc);
    doc->ProgLift[0] = 285;
    doc->CalculateWorkWeights(50);
    EXPECT_EQ(doc->WorkWeight[0], 140); // the 280 row of the chest-press table
    doc->ProgLift[0] = 5;
    EXPECT_FALSE(doc->Apply());
    EXPECT_EQ(facility.notices()->last(), "Error: Chest Press\nmust be in the range 10 to 300");
    EXPECT_EQ(doc->FocusPage(), CEvaluationSheetDoc::pgWorkWeights);
    EXPECT_EQ(doc->FocusField(), CEvaluationSheetDoc::fldStation + 0);
    doc->ProgLift[0] = 0; // not done: accepted
    EXPECT_TRUE(doc->Apply()) << facility.notices()->last();
}

TEST_F(EvaluationSheet, AClassAndADateNotAfterTodayAreRequired) {
    auto doc = Open();
    Fill(*doc);
    doc->ClassIndx = -1;
    EXPECT_FALSE(doc->Apply());
    EXPECT_EQ(facility.notices()->last(), CEvaluationSheetDoc::MsgClass);
    doc->ClassIndx = 0;
    doc->EvaluationDate = CEFOleDateTime(2026, 12, 8);
    EXPECT_FALSE(doc->Apply());
    EXPECT_EQ(facility.notices()->last(), CEFOleDateTime::MsgLaterThanToday);
    EXPECT_EQ(Rows("Evaluations"), 0);
}

// On a disk that fills up at any write of the save, the evaluation's three
// records are stored together or not at all.
TEST(EvaluationSave, ThreeRecordsLandTogetherOrNotAtAll) {
    bool refused = false;
    for (long n = 1; n <= 12; ++n) {
        FaultyDisk disk;
        RecordFacility f;
        CCircuit circuit;
        CEvaluationSheetDoc doc(RecordFacility::Member, 0, circuit);
        ASSERT_TRUE(doc.Activate());
        Fill(doc);
        disk.FailWrite("members.mdb", n);
        const bool saved = doc.Apply();
        disk.Heal();
        const auto count = [&](const char* table) {
            return f.facility.count("members.mdb", std::string("SELECT count(*) FROM ") + table);
        };
        const long long evals = count("Evaluations");
        EXPECT_EQ(evals, saved ? 1 : 0) << "write " << n;
        EXPECT_EQ(count("Circuit"), evals) << "write " << n;
        EXPECT_EQ(count("EvalBodyComps"), evals) << "write " << n;
        refused = refused || !saved;
    }
    EXPECT_TRUE(refused);
}

} // namespace
