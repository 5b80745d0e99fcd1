// The test-result and body-composition interpretations and their
// comparisons, drawn from a prepared facility; the band sections of the
// text files read through the report with marked test files.

#include "bodyfixture.h"

#include "custom/comparisonreport.h"
#include "custom/interpretationreport.h"
#include "db/daobodycomp.h"
#include "db/daoeval.h"
#include "db/daomem.h"
#include "util/bodycomp.h"

#include <cstdio>
#include <fstream>

using namespace vantora::test;

namespace {

bool contains(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

struct Eval {
    long id;
    CEFOleDateTime date;
    double height = 70, weight = 180;
    long hr = 60, sys = 118, dia = 82;
    double fat = 0;
    double folds[7] = {0, 0, 0, 0, 0, 0, 0};
    double flex = 0;
    long situp = 0, ab = 0, step = 0, run = 0, pulse = 0;
    double stations[3] = {0, 0, 0};
};

struct BodyComp {
    CEFOleDateTime date;
    double height = 70, weight = 180;
    int activity = 2, method = 0;
    double fat = 0, waist = 34, wrist = 7, hip = 40;
    double folds[7] = {0, 0, 0, 0, 0, 0, 0};
    double water = 0, wet = 0, tare = 0;
    long flags = 0;
};

// Whether any of the marked sections prefix + "0 " .. prefix + "4 " was printed.
bool anySection(const Drawn& d, const std::string& prefix) {
    for (int i = 0; i < 5; ++i)
        if (!d.line(prefix + std::to_string(i) + " ").empty())
            return true;
    return false;
}

// Full precision, so that a date-time found by equality matches.
std::string num(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

class Interpretations : public BodyFixture {
protected:
    Interpretations() {
        MemberData cal = member(10, "Cal", "Roe", 1);
        cal.medHistory = 0x000800; // heart medication
        cal.goals = 0x10;          // lose weight
        cal.classes = {{0, "FIT", "FIT 101", "01", 0, 0, 0, 0}};
        addMember(cal);
        addMember(member(11, "Dee", "Fox", 0));
    }

    void addEval(long memberId, const Eval& e) {
        const std::string id = std::to_string(e.id);
        exec("INSERT INTO Evaluations (EvaluationID, MemberID, EvaluationDate, ClassIndx, Height, "
             "Weight, ActivityLevel, RestingHR, RestingBPSystolic, RestingBPDiastolic, TrunkFlex, "
             "SitUp, Ab, Step, Run, PulseRecovery) VALUES (" +
             id + ", " + std::to_string(memberId) + ", " + num(e.date) + ", 0, " + num(e.height) +
             ", " + num(e.weight) + ", 2, " + std::to_string(e.hr) + ", " + std::to_string(e.sys) +
             ", " + std::to_string(e.dia) + ", " + num(e.flex) + ", " + std::to_string(e.situp) +
             ", " + std::to_string(e.ab) + ", " + std::to_string(e.step) + ", " +
             std::to_string(e.run) + ", " + std::to_string(e.pulse) + ")");
        exec("INSERT INTO Circuit (EvaluationID, Station00, Station01, Station02) VALUES (" + id +
             ", " + num(e.stations[0]) + ", " + num(e.stations[1]) + ", " + num(e.stations[2]) +
             ")");
        std::string folds;
        for (double v : e.folds)
            folds += ", " + num(v);
        exec("INSERT INTO EvalBodyComps (EvaluationID, FatPercent, ThighSkinFold, ChestSkinFold, "
             "AbSkinFold, TricepSkinFold, SupraSkinFold, MidaxSkinFold, SubscapSkinFold) VALUES (" +
             id + ", " + num(e.fat) + folds + ")");
    }

    void addBodyComp(long memberId, const BodyComp& b) {
        std::string folds;
        for (double v : b.folds)
            folds += ", " + num(v);
        exec("INSERT INTO BodyComps (MemberID, BodyCompDate, ClassIndx, Height, Weight, "
             "ActivityLevel, Method, FatPercent, Waist, Wrist, Hip, ThighSkinFold, ChestSkinFold, "
             "AbSkinFold, TricepSkinFold, SupraSkinFold, MidaxSkinFold, SubscapSkinFold, "
             "WaterTemp, WetWeight, TareWeight, Flags) VALUES (" +
             std::to_string(memberId) + ", " + num(b.date) + ", 0, " + num(b.height) + ", " +
             num(b.weight) + ", " + std::to_string(b.activity) + ", " + std::to_string(b.method) +
             ", " + num(b.fat) + ", " + num(b.waist) + ", " + num(b.wrist) + ", " + num(b.hip) +
             folds + ", " + num(b.water) + ", " + num(b.wet) + ", " + num(b.tare) + ", " +
             std::to_string(b.flags) + ")");
    }

    // Replaces a text file of the facility by one whose band sections are
    // marked, to see which section a report reads.
    void writeText(const std::string& name, const std::string& text) {
        std::ofstream(f.txtFolder() + name) << text;
    }

    const CEFOleDateTime nov2{2026, 11, 2, 9, 0, 0};
    const CEFOleDateTime nov1last{2025, 11, 1, 9, 0, 0};
};

Eval fullEval() {
    Eval e{100, CEFOleDateTime(2026, 11, 2, 9, 0, 0)};
    e.folds[0] = 15;
    e.folds[1] = 10;
    e.folds[2] = 20;
    e.folds[3] = 12;
    e.folds[4] = 14;
    e.folds[5] = 11;
    e.folds[6] = 13;
    e.flex = 17.5;
    e.situp = 35;
    e.step = 100;
    e.run = 754;
    e.pulse = 40;
    e.stations[0] = 150; // chest press
    e.stations[1] = 300; // leg press
    return e;
}

} // namespace

TEST_F(Interpretations, TestResultsShowMeasuresTrainingRangeStrengthTableAndTexts) {
    addEval(10, fullEval());
    const Drawn d = draw(CReportEngine::rptTestResults, 10, nov2);

    EXPECT_TRUE(d.has("As of Evaluation Dated 11/02/2026"));
    EXPECT_TRUE(d.has("Test Fitness Center"));
    EXPECT_TRUE(d.has("ID: 10"));
    EXPECT_TRUE(d.has("Class: FIT FIT 101 01"));
    EXPECT_TRUE(d.has("Height: 70.00 in."));
    EXPECT_TRUE(d.has("Weight: 180.00 lbs."));
    EXPECT_TRUE(d.has("Age: 40 yrs."));
    EXPECT_TRUE(d.has("Sex: M"));

    // Male, 40: maximum 205 - 20 = 185; reserve 125 above a rest of 60.
    EXPECT_TRUE(d.has("Resting Heart Rate: 60"));
    EXPECT_TRUE(d.has("Predicted Maximum Heart Rate: 185"));
    EXPECT_TRUE(d.has("Training Range:  Lower Level - 122     Upper Level - 147     Safe Maximum - "
                      "160"));
    // The medication block of the training text follows the first one.
    const int training = d.indexOf("Your training range is");
    const int medication = d.indexOf("You have told us that you take medication");
    ASSERT_GE(training, 0);
    EXPECT_GT(medication, training);

    // Tested stations show the lift and work weights; the others "NT".
    const auto chest = d.row(" 1. Chest Press");
    EXPECT_TRUE(contains(chest, "150.00"));
    EXPECT_EQ(chest.size(), 5u);
    const auto untested = d.row(" 3. Lat Pulldown");
    EXPECT_TRUE(contains(untested, "NT"));
    EXPECT_EQ(std::count(untested.begin(), untested.end(), "--"), 3);
    EXPECT_TRUE(d.has("NT - No Test Recorded"));

    // The summary graph and the bars of the tests with a value.
    EXPECT_TRUE(d.has("LEG STRENGTH -----------------------"));
    EXPECT_TRUE(d.has("1.5-MILE RUN -----------------------"));
    EXPECT_FALSE(d.has("ABDOMINAL CRUNCH TEST --------------")); // no crunches
    EXPECT_GT(d.rects(), 7);

    // Texts by their conditions: the run time in minutes and seconds, the
    // male step test band 71-102, the goal and the age consideration.
    EXPECT_TRUE(d.has("Your time: 12 minutes 34 seconds"));
    EXPECT_EQ(d.count("Recovery heart rate: 100"), 1);
    EXPECT_TRUE(
        d.has("Good aerobic fitness. Regular aerobic exercise will keep your heart strong."));
    EXPECT_FALSE(d.has("ABDOMINAL CRUNCH TEST"));
    EXPECT_TRUE(d.has("Lose weight: combine aerobic exercise with strength training and modest"));
    EXPECT_TRUE(d.line("Because you are over 35").size());
    EXPECT_TRUE(d.has("PRECAUTIONS"));
    EXPECT_TRUE(d.has("RECOMMENDATIONS"));
    EXPECT_EQ(d.line("Error:"), "");
    // Body fat from the seven skin folds.
    EXPECT_TRUE(d.line("Your body fat: ").size());
    EXPECT_GT(d.device->Pages(), 1);
}

TEST_F(Interpretations, NoBodyCompositionWithoutPercentFatOrSkinFolds) {
    Eval e{101, nov2};
    e.situp = 20;
    addEval(10, e);
    const Drawn d = draw(CReportEngine::rptTestResults, 10, nov2);
    EXPECT_FALSE(d.has("BODY COMPOSITION -------------------"));
    EXPECT_FALSE(d.has("BODY COMPOSITION"));
    EXPECT_FALSE(d.line("Your body fat").size());
    EXPECT_TRUE(d.has("Sit-ups in one minute: 20"));
    // Not a leg or upper-body value: no strength text either.
    EXPECT_FALSE(d.has("STRENGTH TESTS"));
}

TEST_F(Interpretations, WithoutTextFilesTheNumbersPrintAndTheWarningNamesTheFiles) {
    addEval(10, fullEval());
    addBodyComp(10, BodyComp{nov2});
    for (const char* name : {"Situps.txt", "bcbmi.txt", "bcfat.txt"})
        std::filesystem::remove(f.txtFolder() + name);
    const Drawn t = draw(CReportEngine::rptTestResults, 10, nov2);
    EXPECT_TRUE(t.has("Sit-ups in one minute: 35"));
    EXPECT_TRUE(t.line("RECOMMENDATIONS").size());
    const Drawn b = draw(CReportEngine::rptBodyCompInterp, 10, nov2);
    EXPECT_TRUE(b.has("Your Body Mass Index (BMI) is 25.8."));
    EXPECT_TRUE(b.line("Percent body fat: ").size());
    EXPECT_TRUE(b.line("At 12 percent body fat: ").size());
    EXPECT_EQ(b.line("Error:"), "");

    long id = 10;
    CEFOleDateTime d0 = nov2, d1;
    std::string s0, s1, s2;
    report().PrintReport(CReportEngine::rptBodyCompInterp, id, d0, d1, s0, s1, s2);
    EXPECT_EQ(report().GetLastResult(), CReport::result::printed);
    EXPECT_EQ(report().GetLastWarning(),
              "Warning: the report \"Body Composition Interpretation\" was printed without its "
              "text files bcbmi.txt, bcfat.txt (not found in the folder \"" +
                  f.txtFolder() + "\")");
}

TEST_F(Interpretations, MissingMemberOrEvaluationPrintsNoBody) {
    addEval(10, fullEval());
    const Drawn d = draw(CReportEngine::rptTestResults, 10, CEFOleDateTime(2026, 1, 1));
    EXPECT_FALSE(d.line("As of Evaluation").size());
    EXPECT_EQ(d.texts().size(), 0u);
    const Drawn none = draw(CReportEngine::rptTestResults, 999, nov2);
    EXPECT_EQ(none.texts().size(), 0u);
}

TEST_F(Interpretations, BandsAreInclusiveAtTheirLowerBound) {
    writeText("Hearreco.txt", "INTRO\n@\nB0 %i\nt\n@\nB1 %i\nt\n@\nB2 %i\nt\n@\nB3 %i\nt\n@\n"
                              "B4 %i\nt\n@\n");
    const std::pair<int, std::string> cases[] = {{50, "B0 50"}, {49, "B1 49"}, {40, "B1 40"},
                                                 {39, "B2 39"}, {30, "B2 30"}, {20, "B3 20"},
                                                 {19, "B4 19"}, {1, "B4 1"}};
    long id = 200;
    for (const auto& [pulse, shown] : cases) {
        Eval e{id, CEFOleDateTime(2026, 10, 1, 0, static_cast<int>(id - 200), 0)};
        e.pulse = pulse;
        addEval(10, e);
        const Drawn d = draw(CReportEngine::rptTestResults, 10, e.date);
        EXPECT_TRUE(d.has(shown)) << pulse;
        EXPECT_EQ(d.count("t"), 1) << pulse; // only the band's own block
        ++id;
    }
}

TEST_F(Interpretations, FemaleStepTestReadsPastTheMaleSections) {
    std::string text = "INTRO\n@\n";
    for (const char* sex : {"M", "F"})
        for (int i = 0; i < 5; ++i)
            text += std::string(sex) + std::to_string(i) + " %i\ntext\n@\n";
    writeText("Steptst.txt", text);
    Eval e{300, nov2};
    e.step = 100;
    addEval(11, e);
    const Drawn female = draw(CReportEngine::rptTestResults, 11, nov2);
    EXPECT_TRUE(female.has("F1 100")); // 97-127
    EXPECT_FALSE(anySection(female, "M"));
    e.id = 301;
    e.step = 172;
    e.date = nov1last;
    addEval(11, e);
    EXPECT_TRUE(draw(CReportEngine::rptTestResults, 11, nov1last).has("F4 172"));
    e.id = 302;
    e.step = 70;
    addEval(10, e);
    EXPECT_TRUE(draw(CReportEngine::rptTestResults, 10, nov1last).has("M0 70"));
}

TEST_F(Interpretations, ZeroFirstPartSkipsItsSectionsBeforeTheSecondPart) {
    std::string bp = "INTRO\n@\n";
    for (const char* part : {"S", "D"})
        for (int i = 0; i < 5; ++i)
            bp += std::string(part) + std::to_string(i) + " %i\ntext\n@\n";
    writeText("bloodp.txt", bp);
    std::string legBody = "INTRO\n@\n";
    for (const char* part : {"L", "U"})
        for (int i = 0; i < 5; ++i)
            legBody += std::string(part) + std::to_string(i) + " %.1f\ntext\n@\n";
    writeText("Leg_body.txt", legBody);

    Eval e{400, nov2};
    e.sys = 0;
    e.dia = 85;
    e.stations[0] = 150; // upper body only
    addEval(10, e);
    const Drawn d = draw(CReportEngine::rptTestResults, 10, nov2);
    EXPECT_TRUE(d.has("D2 85"));
    EXPECT_FALSE(anySection(d, "S"));
    EXPECT_TRUE(anySection(d, "U"));
    EXPECT_FALSE(anySection(d, "L"));
    EXPECT_TRUE(d.has("UPPER BODY STRENGTH - % Score"));
    EXPECT_FALSE(d.has("LEG STRENGTH - % Score"));
}

TEST_F(Interpretations, EvaluationComparisonPrintsFirstMinusSecondAndDashesForNoTest) {
    Eval first = fullEval();
    Eval second{101, nov1last};
    second.weight = 175;
    second.hr = 64;
    second.situp = 30;
    second.stations[0] = 140;
    addEval(10, first);
    addEval(10, second);
    const Drawn d = draw(CReportEngine::rptEvalComparison, 10, nov2, nov1last);

    EXPECT_TRUE(d.has("ID: 10"));
    EXPECT_TRUE(d.has("11/02/2026"));
    EXPECT_TRUE(d.has("11/01/2025"));
    // Age at each evaluation's date: 40, then 39.
    EXPECT_EQ(d.row("Age"), (std::vector<std::string>{"Age", " 40", " 39", "  1"}));
    EXPECT_EQ(d.row("Weight"), (std::vector<std::string>{"Weight", "180.00", "175.00", "  5.00"}));
    EXPECT_EQ(d.row("Resting Heart Rate"),
              (std::vector<std::string>{"Resting Heart Rate", " 60", " 64", " -4"}));
    EXPECT_EQ(d.row("1-Minute Sit-Ups"),
              (std::vector<std::string>{"1-Minute Sit-Ups", " 35", " 30", "  5"}));
    // A test of one evaluation only.
    EXPECT_EQ(d.row("3-Minute Step Test"),
              (std::vector<std::string>{"3-Minute Step Test", "100", "NT", "--"}));
    EXPECT_EQ(d.row("Chest Press"),
              (std::vector<std::string>{"Chest Press", "150.00", "140.00", " 10.00"}));
    EXPECT_TRUE(d.has("NT - No Test Recorded"));
    EXPECT_TRUE(d.has("PROGRESSIVE LIFTS"));
    EXPECT_TRUE(d.has("STRENGTH TESTS"));
}

TEST_F(Interpretations, BodyCompositionInterpretationWithTapeAndHipZero) {
    BodyComp b{nov2};
    b.hip = 0;
    addBodyComp(10, b);
    const Drawn d = draw(CReportEngine::rptBodyCompInterp, 10, nov2);
    EXPECT_TRUE(d.has("ID: 10"));
    EXPECT_TRUE(d.has("Class: FIT FIT 101 01"));
    EXPECT_TRUE(d.has("Age: 40 yrs."));
    // 180 lb at 70 in.
    EXPECT_TRUE(d.has("Your Body Mass Index (BMI) is 25.8."));
    EXPECT_TRUE(d.has("Height 70.00 in"));
    EXPECT_TRUE(d.has("Weight 180.00 lb"));
    // Without a hip value the ratio is the waist itself.
    EXPECT_TRUE(d.has("Your waist-to-hip ratio is 34.00."));
    EXPECT_TRUE(d.has("Hip Circumference   0.00 in"));
    EXPECT_TRUE(d.line("For men, a ratio below").size());
    EXPECT_FALSE(d.line("For women, a ratio below").size());
    // Tape method, male: waist and wrist.
    EXPECT_TRUE(d.has("MEASUREMENT METHOD: TAPE MEASURE"));
    EXPECT_TRUE(d.has("Wrist Circumference 7.00 in"));
    EXPECT_FALSE(d.has("MEASUREMENT METHOD: SKINFOLDS"));
    EXPECT_TRUE(d.line("Your body fat rating: ").size());
    EXPECT_TRUE(d.has("BODY COMPOSITION - % Score"));
    EXPECT_TRUE(d.line("At 12 percent body fat: ").size());
    EXPECT_FALSE(d.line("At 22 percent").size());
    // Calories at 180 lb: walking 1.92 per pound.
    EXPECT_TRUE(d.has("Walking 3.5 mph                    345.60"));
    EXPECT_TRUE(d.has("Activity Level - Moderate: 2 to 4 Hrs/Week"));
    EXPECT_EQ(d.line("Error:"), "");
}

TEST_F(Interpretations, MetricBodyCompositionIsConvertedBeforeCalculating) {
    BodyComp b{nov2};
    b.method = 1;
    b.height = 177.8;      // cm = 70 in
    b.weight = 81.6466266; // kg = 180 lb
    b.flags = 0x01 | 0x02 | 0x08;
    b.folds[0] = 0.6; // thigh, inches
    b.folds[3] = 0.6; // triceps
    b.folds[4] = 0.5; // suprailiac
    addBodyComp(11, b);
    const Drawn d = draw(CReportEngine::rptBodyCompInterp, 11, nov2);
    EXPECT_TRUE(d.has("Your Body Mass Index (BMI) is 25.8."));
    EXPECT_TRUE(d.has("Height 177.80 cm"));
    EXPECT_TRUE(d.has("Weight 81.65 kg"));
    EXPECT_TRUE(d.has("MEASUREMENT METHOD: SKINFOLDS"));
    EXPECT_TRUE(d.has("Thigh       0.60 in"));
    // Three folds of a woman: triceps and suprailiac are listed.
    EXPECT_TRUE(d.has("Triceps     0.60 in"));
    EXPECT_FALSE(d.line("Chest ").size());
    EXPECT_TRUE(d.has("Walking 3.5 mph                    345.60"));
    // Female goal weights.
    EXPECT_TRUE(d.line("At 22 percent body fat: ").size());
}

TEST_F(Interpretations, CreateBodyCompConvertsUnitsAndKeepsTheComputedPercentFat) {
    CDAOMem member;
    member.Sex = 1;
    member.Birthday = CEFOleDateTime(1986, 6, 15);
    CDAOBodyComp r;
    r.Method = 2;
    r.Height = 177.8;
    r.Weight = 81.6466266;
    r.WaterTemp = 35;   // C = 95 F
    r.WetWeight = 2.0;  // kg
    r.TareWeight = 0.5; // kg
    r.Flags = 0x01 | 0x02 | 0x10 | 0x20 | 0x40 | 0x80;
    std::unique_ptr<CBodyComp> o;
    ASSERT_TRUE(CInterpReport::CreateBodyComp(o, r, member));
    auto* hydro = dynamic_cast<CHydroStat*>(o.get());
    ASSERT_NE(hydro, nullptr);
    EXPECT_NEAR(hydro->GetHeight(), 70.0, 1e-6);
    EXPECT_NEAR(hydro->GetWeight(), 180.0, 1e-4);
    EXPECT_NEAR(hydro->GetWaterTemp(), 95.0, 1e-9);
    EXPECT_NEAR(hydro->GetWetWeight(), 4.409245, 1e-5);
    EXPECT_GT(o->GetPctFat(), 0.0);
    EXPECT_DOUBLE_EQ(r.FatPercent, o->GetPctFat());

    // A method outside 0..3 keeps the recorded percent fat.
    CDAOBodyComp other;
    other.Method = 9;
    other.Weight = 150;
    other.FatPercent = 21.5;
    ASSERT_TRUE(CInterpReport::CreateBodyComp(o, other, member));
    EXPECT_DOUBLE_EQ(o->GetPctFat(), 21.5);
}

TEST_F(Interpretations, UnknownMethodAndZeroSizesGiveAReadableReport) {
    BodyComp b{nov2};
    b.method = 7;
    b.height = 0;
    b.weight = 0;
    b.waist = 0;
    b.hip = 0;
    addBodyComp(10, b);
    const Drawn d = draw(CReportEngine::rptBodyCompInterp, 10, nov2);
    EXPECT_TRUE(d.has("Your Body Mass Index (BMI) is 0.0."));
    // No percent fat: it is not tested, and nothing computed from it shows.
    EXPECT_TRUE(d.has("Percent body fat: NT"));
    EXPECT_EQ(d.line("Your body fat rating"), "");
    EXPECT_EQ(d.line("Lean weight"), "");
    EXPECT_FALSE(d.has("BODY COMPOSITION - % Score"));
    EXPECT_EQ(d.line("At 12 percent"), "");
    EXPECT_FALSE(d.line("MEASUREMENT METHOD").size());
    for (const auto& t : d.texts()) {
        EXPECT_EQ(t.find("nan"), std::string::npos) << t;
        EXPECT_EQ(t.find("inf"), std::string::npos) << t;
    }
}

TEST_F(Interpretations, BodyCompositionComparisonInCommonUnits) {
    BodyComp a{nov2};
    a.method = 1;
    a.folds[0] = 15;
    a.folds[1] = 10;
    a.folds[2] = 20;
    a.activity = 3;
    BodyComp b{nov1last};
    b.method = 1;
    b.height = 177.8; // cm
    b.flags = 0x01;
    b.hip = 0;
    b.folds[0] = 18;
    b.folds[1] = 12;
    b.folds[2] = 22;
    addBodyComp(10, a);
    addBodyComp(10, b);
    const Drawn d = draw(CReportEngine::rptBodyCompComparison, 10, nov2, nov1last);
    EXPECT_TRUE(d.has("ID: 10"));
    EXPECT_EQ(d.row("Age"), (std::vector<std::string>{"Age", " 40", " 39", "  1"}));
    // Both heights in inches.
    EXPECT_EQ(d.row("Height"), (std::vector<std::string>{"Height", " 70.00", " 70.00", "  0.00"}));
    // Hip 0: the second ratio is the waist itself.
    EXPECT_EQ(d.row("Waist-to-Hip Ratio"),
              (std::vector<std::string>{"Waist-to-Hip Ratio", "  0.85", " 34.00", "-33.15"}));
    EXPECT_EQ(d.row("Hip Circumference"),
              (std::vector<std::string>{"Hip Circumference", " 40.00", "NT", "--"}));
    EXPECT_EQ(d.row("Thigh Skinfold"),
              (std::vector<std::string>{"Thigh Skinfold", " 15.00", " 18.00", " -3.00"}));
    EXPECT_TRUE(d.has("SKIN FOLD MEASUREMENTS"));
    EXPECT_FALSE(d.has("HYDROSTATIC MEASUREMENTS"));
    EXPECT_EQ(d.row("Activity Level").size(), 3u);
    EXPECT_TRUE(d.has("NT - No Test Recorded"));
}

TEST(InterpretationHelpers, AgeAtCountsWholeYearsToTheDate) {
    const CEFOleDateTime birthday(1990, 8, 1);
    EXPECT_EQ(CCmprReport::AgeAt(birthday, CEFOleDateTime(2020, 7, 31)), 29);
    EXPECT_EQ(CCmprReport::AgeAt(birthday, CEFOleDateTime(2020, 8, 1)), 30);
    EXPECT_EQ(CCmprReport::AgeAt(birthday, CEFOleDateTime(1980, 1, 1)), 0);
}

TEST_F(Interpretations, EvaluationComparisonJudgesEachEvaluationAtItsAge) {
    Eval young{120, CEFOleDateTime(2016, 11, 2, 9, 0, 0)}; // Cal at 30
    Eval now{121, nov2};                                   // Cal at 40
    addEval(10, young);
    addEval(10, now);
    const Drawn d = draw(CReportEngine::rptEvalComparison, 10, young.date, now.date);
    const auto row = d.row("Predicted Maximum Heart Rate");
    ASSERT_EQ(row.size(), 4u);
    // A man's predicted maximum falls half a beat a year: 190 at 30, 185 at 40.
    EXPECT_EQ(row[1], "190");
    EXPECT_EQ(row[3], "  5");
    // The table runs onto a second page, which repeats its column heads.
    ASSERT_GE(d.device->Pages(), 2);
    EXPECT_TRUE(d.onEveryContinuedPage("Difference"));
    EXPECT_TRUE(d.onEveryContinuedPage(young.date.DateStrLongYear()));
}

TEST_F(Interpretations, ALongNameIsShortenedBeforeTheMemberId) {
    addMember(member(12, "Maximiliana-Josephine", "Vanderhoeven-Castellanos"));
    addBodyComp(12, BodyComp{nov2});
    const Drawn d = draw(CReportEngine::rptBodyCompInterp, 12, nov2);
    const std::string title = d.texts().front();
    EXPECT_EQ(title.substr(title.size() - 33), "- Body Composition Interpretation") << title;
    EXPECT_EQ(d.overlaps(), std::vector<std::string>{});
}
