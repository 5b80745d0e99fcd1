// The script of report variables written by CBodyComp::WriteJS into
// js/bcvar.js under the current folder.

#include "support/testsupport.h"
#include "util/bodycomp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using vantora::test::Notices;
using vantora::test::readFile;
using vantora::test::TempDir;

namespace {

constexpr char kCannotWrite[] = "Error: cannot write to bcvar.js file";

// Runs the test in a fresh folder as the current folder, then returns.
class InTempFolder {
public:
    InTempFolder() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir_.path());
    }
    ~InTempFolder() { std::filesystem::current_path(previous_); }
    InTempFolder(const InTempFolder&) = delete;
    InTempFolder& operator=(const InTempFolder&) = delete;

    std::filesystem::path script() const { return dir_.path() / "js" / "bcvar.js"; }
    void makeScriptFolder() const { std::filesystem::create_directory(dir_.path() / "js"); }

private:
    TempDir dir_;
    std::filesystem::path previous_;
};

CBodyComp Man() {
    return CBodyComp(CBodyComp::male, 30, 180.0, 70.0, 20.0);
}

} // namespace

TEST(BodyCompScript, WritesEveryVariableInOrder) {
    InTempFolder here;
    here.makeScriptFolder();
    Notices notices;
    // Man, 30 y, 180 lb, 70 in, 20 % fat: lean 144 lb, fat 36 lb; the 30-39
    // row puts 20 % at 40 (19.7 < 20 <= 20.5), "ACCEPTABLE"; goals 45 and 60;
    // 144 / 0.88 = 163.64, 144 / 0.85 = 169.41; BMR 1869.56, x 1.5 = 2804.34;
    // exercises 180 lb x factor.
    Man().WriteJS(CBodyComp::pounds, CBodyComp::moderate);
    EXPECT_EQ(notices->count(), 0u);
    EXPECT_EQ(readFile(here.script()), "var bmi=25.82;\n"
                                       "var pctfat=20.00;\n"
                                       "var leanwt=144.00;\n"
                                       "var fatwt=36.00;\n"
                                       "var fatcat=\"ACCEPTABLE\";\n"
                                       "var fatscr=40;\n"
                                       "var stgoal=45.00;\n"
                                       "var lggoal=60.00;\n"
                                       "var lwpctwt=163.64;\n"
                                       "var hgpctwt=169.41;\n"
                                       "var basecal=1869.56;\n"
                                       "var adjcal=2804.34;\n"
                                       "var walk0=345.60;\n"
                                       "var walk1=432.00;\n"
                                       "var run0=691.20;\n"
                                       "var run1=1425.60;\n"
                                       "var circuit=691.20;\n"
                                       "var aerobics0=475.20;\n"
                                       "var aerobics1=604.80;\n"
                                       "var bicycle0=691.20;\n"
                                       "var bicycle1=864.00;\n"
                                       "var exercycle0=604.80;\n"
                                       "var exercycle1=907.20;\n"
                                       "var row0=604.80;\n"
                                       "var row1=734.40;\n"
                                       "var weight0=259.20;\n"
                                       "var weight1=518.40;\n");
}

TEST(BodyCompScript, KilogramsConvertTheFourWeightsOnly) {
    InTempFolder here;
    here.makeScriptFolder();
    // 144 x 0.45359237 = 65.32, 36 x ... = 16.33, 163.64 x ... = 74.22,
    // 169.41 x ... = 76.84; exercise calories stay on pounds.
    Man().WriteJS(CBodyComp::kilograms, CBodyComp::moderate);
    const std::string text = readFile(here.script());
    EXPECT_NE(text.find("var leanwt=65.32;\n"), std::string::npos);
    EXPECT_NE(text.find("var fatwt=16.33;\n"), std::string::npos);
    EXPECT_NE(text.find("var lwpctwt=74.22;\n"), std::string::npos);
    EXPECT_NE(text.find("var hgpctwt=76.84;\n"), std::string::npos);
    EXPECT_NE(text.find("var bmi=25.82;\n"), std::string::npos);
    EXPECT_NE(text.find("var walk0=345.60;\n"), std::string::npos);
    // Any units code but 0 means kilograms.
    Man().WriteJS(static_cast<CBodyComp::wtunits>(3), CBodyComp::moderate);
    EXPECT_EQ(readFile(here.script()), text);
}

TEST(BodyCompScript, WomensTargetWeightsAndActivity) {
    InTempFolder here;
    here.makeScriptFolder();
    // Woman, 40 y, 140 lb, 64 in, 30 %: lean 98; 98 / 0.78 = 125.64,
    // 98 / 0.75 = 130.67; 40-49 row puts 30 % at 30 (29 < 30 <= 30.1),
    // "ACCEPTABLE" for a woman; goals 40 and 55; BMR 1369.24, x 1.9 = 2601.55.
    CBodyComp(CBodyComp::female, 40, 140.0, 64.0, 30.0)
        .WriteJS(CBodyComp::pounds, CBodyComp::athlete);
    const std::string text = readFile(here.script());
    for (const char* line :
         {"var bmi=24.03;\n", "var fatcat=\"ACCEPTABLE\";\n", "var fatscr=30;\n",
          "var stgoal=40.00;\n", "var lggoal=55.00;\n", "var lwpctwt=125.64;\n",
          "var hgpctwt=130.67;\n", "var basecal=1369.24;\n", "var adjcal=2601.55;\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST(BodyCompScript, ReplacesAnEarlierLongerScript) {
    InTempFolder here;
    here.makeScriptFolder();
    {
        std::ofstream old(here.script());
        old << std::string(5000, '#');
    }
    Man().WriteJS(CBodyComp::pounds, CBodyComp::moderate);
    const std::string text = readFile(here.script());
    EXPECT_EQ(text.find('#'), std::string::npos);
    EXPECT_EQ(text.rfind("var weight1=518.40;\n"), text.size() - 20);
}

TEST(BodyCompScript, UnwritableFileIsReportedAndNothingIsWritten) {
    InTempFolder here; // no js folder
    Notices notices;
    Man().WriteJS(CBodyComp::pounds, CBodyComp::moderate);
    ASSERT_EQ(notices->count(), 1u);
    EXPECT_EQ(notices->last(), kCannotWrite);
    EXPECT_EQ(notices->entries()[0].icon, vantora::notice::Icon::None);
    EXPECT_FALSE(std::filesystem::exists(here.script()));
}

TEST(BodyCompScript, AFailedWriteIsReportedNotPassedOff) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no device that refuses writes";
    InTempFolder here;
    here.makeScriptFolder();
    std::filesystem::create_symlink("/dev/full", here.script());
    Notices notices;
    Man().WriteJS(CBodyComp::pounds, CBodyComp::moderate);
    ASSERT_EQ(notices->count(), 1u);
    EXPECT_EQ(notices->last(), kCannotWrite);
}

TEST(BodyCompScript, MissingMeasurementsWriteNumbersNotNaN) {
    InTempFolder here;
    here.makeScriptFolder();
    // Nothing measured and no fat computed: every figure is a plain number.
    CTapeMsr empty(CBodyComp::male, 0, 0.0, 0.0, 0.0, 0.0, 0.0);
    empty.PercentFat();
    empty.WriteJS(CBodyComp::kilograms, static_cast<CBodyComp::actlvl>(9));
    const std::string text = readFile(here.script());
    EXPECT_NE(text.find("var bmi=0.00;\n"), std::string::npos);
    EXPECT_NE(text.find("var pctfat=0.00;\n"), std::string::npos);
    EXPECT_NE(text.find("var fatcat=\"VERY LEAN\";\n"), std::string::npos);
    EXPECT_NE(text.find("var basecal=66.00;\n"), std::string::npos);
    EXPECT_NE(text.find("var adjcal=66.00;\n"), std::string::npos);
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);
}
