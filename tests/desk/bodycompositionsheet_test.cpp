#include "desk/core/bodycompositionlist.h"
#include "desk/core/bodycompositionsheetdocument.h"

#include "recordfixture.h"

#include "db/daobodycomp.h"

#include <gtest/gtest.h>

using namespace vantora::test;
using vantora::notice::Answer;

namespace {

class BodyCompSheet : public ::testing::Test, public RecordFacility {
protected:
    // A new body composition by the method with the profile filled.
    CBodyCompSheetDoc New(int method) {
        CBodyCompSheetDoc doc(Member, method, nullptr);
        EXPECT_TRUE(doc.Activate());
        doc.BodyCompDate = CEFOleDateTime(2026, 12, 7, 8, 30, 0);
        doc.Height = 65;
        doc.Weight = 150;
        doc.Waist = 30;
        doc.Hip = 38;
        doc.ClassIndx = 0;
        return doc;
    }
    double Stored(const char* column) {
        return facility.number("members.mdb", std::string("SELECT ") + column + " FROM BodyComps");
    }
};

TEST_F(BodyCompSheet, HydrostaticInCelsiusAndKilogramsMatchesTheImperialEntryAndKeepsItsUnits) {
    auto imperial = New(CDAOBodyComp::methodHydrostatic);
    imperial.WaterTemp = 95; // 35 C
    imperial.WetWeight = 8.818490;
    imperial.TareWeight = 4.409245;
    imperial.CalculateBodyFat();
    ASSERT_GT(imperial.FatPercent, 0);

    auto metric = New(CDAOBodyComp::methodHydrostatic);
    metric.WaterTemp = 35;
    metric.Celsius = true;
    metric.WetWeight = 4;
    metric.WetKilograms = true;
    metric.TareWeight = 2;
    metric.TareKilograms = true;
    metric.Brozek = true;
    metric.CalculateBodyFat();
    imperial.Brozek = true;
    imperial.CalculateBodyFat();
    EXPECT_NEAR(metric.FatPercent, imperial.FatPercent, 0.01);

    ASSERT_TRUE(metric.Apply()) << facility.notices()->last();
    EXPECT_EQ(Stored("Flags"), CDAOBodyComp::unitH2OTemp | CDAOBodyComp::unitWetWeight |
                                   CDAOBodyComp::unitTareWeight | CDAOBodyComp::flagBrozek);
    EXPECT_EQ(Stored("WaterTemp"), 35);
    EXPECT_EQ(Stored("WetWeight"), 4);

    CDAOBodyComp bc;
    ASSERT_EQ(bc.FindBodyComps(Member), 1);
    CBodyCompSheetDoc back(Member, 0, &bc);
    ASSERT_TRUE(back.Activate());
    EXPECT_EQ(back.Method, CDAOBodyComp::methodHydrostatic);
    EXPECT_TRUE(back.Celsius && back.WetKilograms && back.TareKilograms && back.Brozek);
    EXPECT_EQ(back.MethodPageTitle(), "Hydrostatic Weighing");
}

TEST_F(BodyCompSheet, EachMethodStoresItsOwnValuesAndItsResult) {
    auto tape = New(CDAOBodyComp::methodBodyMeasurement);
    tape.Wrist = 6.5;
    tape.CalculateBodyFat(); // women: height, waist and hip
    EXPECT_GT(tape.FatPercent, 0);
    ASSERT_TRUE(tape.Apply());

    auto folds = New(CDAOBodyComp::methodSkinFold);
    folds.BodyCompDate = CEFOleDateTime(2026, 12, 6);
    folds.SkinFolds.Folds = {14, 12, 22, 0, 0, 0, 0};
    folds.CalculateBodyFat();
    EXPECT_GT(folds.FatPercent, 0);
    ASSERT_TRUE(folds.Apply());

    auto other = New(CDAOBodyComp::methodOther);
    other.BodyCompDate = CEFOleDateTime(2026, 12, 5);
    other.FatPercent = 21.5;
    other.CalculateBodyFat(); // entered directly: unchanged
    EXPECT_EQ(other.FatPercent, 21.5);
    ASSERT_TRUE(other.Apply());

    EXPECT_EQ(facility.count("members.mdb",
                             "SELECT count(*) FROM BodyComps WHERE Method = 0 AND Wrist = 6.5 AND "
                             "TricepSkinFold = 0 AND FatPercent > 0"),
              1);
    EXPECT_EQ(
        facility.count("members.mdb",
                       "SELECT count(*) FROM BodyComps WHERE Method = 1 AND ThighSkinFold = 22 "
                       "AND Wrist = 0 AND Flags = 0"),
        1);
    EXPECT_EQ(
        facility.count("members.mdb",
                       "SELECT count(*) FROM BodyComps WHERE Method = 3 AND FatPercent = 21.5"),
        1);

    CBodyCompList list;
    ASSERT_EQ(list.QueryMember(Member, 101, "- All Classes -"), 3);
    EXPECT_EQ(list.Cell(0, 4), "Body Measurement"); // newest first
    EXPECT_EQ(list.Cell(2, 4), "Other");
    EXPECT_EQ(list.Cell(2, 3), "21.50");
}

TEST_F(BodyCompSheet, DeleteAsksWithTheDateAndYesDeletes) {
    auto doc = New(CDAOBodyComp::methodOther);
    doc.FatPercent = 20;
    ASSERT_TRUE(doc.Apply());
    CDAOBodyComp bc;
    ASSERT_EQ(bc.FindBodyComps(Member), 1);
    facility.notices()->answer(Answer::Yes);
    EXPECT_TRUE(CBodyCompSheetDoc::DeleteBodyComp(bc));
    EXPECT_EQ(facility.notices()->last(), "Are you sure you want to delete the body "
                                          "composition\nfor Member ID: 1001 dated 12/07/2026?");
    EXPECT_EQ(facility.count("members.mdb", "SELECT count(*) FROM BodyComps"), 0);
}

} // namespace
