#include "custom/reportengine.h"
#include "support/recordingdevice.h"

#include "guiapp.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <fstream>

using vantora::test::FakeClock;
using vantora::test::Notices;
using vantora::test::ScopedEnv;
using vantora::test::TempDir;

namespace {

// An engine laid out for one kind, drawing on a recording device.
class EngineOnDevice : public ::testing::Test {
protected:
    EngineOnDevice() { vantora::test::ensureGuiApp(); }

    // Lays out kind on a page of width x height and starts drawing.
    void start(int kind, int width = 5100, int height = 6600) {
        engine.SetReport(kind);
        engine.ResetLayout(600);
        dc.reset();
        painter.reset();
        device = std::make_unique<CRecordingDevice>(width, height, 600);
        painter = std::make_unique<QPainter>(device.get());
        dc = std::make_unique<CReportDC>(*painter, [this] { return device->NewPage(); });
        dc->SelectFont(engine.GetFont());
    }

    std::ifstream openText(const std::string& content) {
        const std::string path = dir.file("text.txt");
        std::ofstream(path, std::ios::binary) << content;
        return std::ifstream(path);
    }

    int ls() const { return dc->LineSpacing(); }

    TempDir dir;
    ScopedEnv txt{"VANTO_TXT", dir.path().c_str()};
    Notices notices;
    CReportEngine engine;
    std::unique_ptr<CRecordingDevice> device;
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<CReportDC> dc;
};

TEST_F(EngineOnDevice, LayoutFollowsTheKind) {
    start(CReportEngine::rptMemberProfile);
    EXPECT_EQ(engine.GetTitle(), "Member Profile");
    EXPECT_EQ(engine.GetOrientation(), QPageLayout::Portrait);
    EXPECT_EQ(engine.GetLinesPerPage(), 67);
    EXPECT_EQ(engine.GetPageWidth(), 4800);
    EXPECT_EQ(engine.GetMargin(), 0);

    start(CReportEngine::rptDailyWorkouts);
    EXPECT_EQ(engine.GetTitle(), "Daily Workouts");
    EXPECT_EQ(engine.GetOrientation(), QPageLayout::Landscape);
    EXPECT_EQ(engine.GetLinesPerPage(), 62);
    EXPECT_EQ(engine.GetPageWidth(), 6350);
    EXPECT_EQ(engine.GetMargin(), 50);

    start(CReportEngine::rptEvalComparison);
    EXPECT_EQ(engine.GetTitle(), "Evaluation Comparision");
    start(CReportEngine::rptUnknownWorkouts);
    EXPECT_EQ(engine.GetTitle(), "Category \"Unknown\" Workouts");

    start(14);
    EXPECT_EQ(engine.GetTitle(), "Undefined Report");
    EXPECT_EQ(engine.GetOrientation(), QPageLayout::Portrait);
    EXPECT_EQ(engine.GetMargin(), 0);
    start(-1);
    EXPECT_EQ(engine.GetTitle(), "Undefined Report");
}

TEST_F(EngineOnDevice, FontHeightComesFromTheDivisor) {
    auto points = [&](int kind) {
        start(kind);
        EXPECT_EQ(engine.GetFont().pixelSize(), engine.GetCharHeight());
        return engine.GetCharHeight() * 72.0 / 600.0;
    };
    EXPECT_DOUBLE_EQ(points(CReportEngine::rptMemberProfile), 9.0); // divisor 64
    EXPECT_NEAR(points(CReportEngine::rptRoster), 8.0, 0.05);       // divisor 72
    EXPECT_NEAR(points(CReportEngine::rptTestResults), 10.3, 0.05); // divisor 56
    EXPECT_NEAR(points(CReportEngine::rptBodyCompInterp), 10.3, 0.05);
    EXPECT_EQ(engine.GetFont().weight(), QFont::Normal);
    EXPECT_TRUE(QFontInfo(engine.GetFont()).fixedPitch());
}

TEST_F(EngineOnDevice, PortraitPageBreaksWhenTwoLinesNoLongerFitInSixtySeven) {
    start(CReportEngine::rptMemberCount);
    engine.SetContinuation("Member Count - 12/07/2026 - Gym, Page ");
    ASSERT_LE(67 * ls(), device->height()) << "the test page must hold 67 lines";

    EXPECT_EQ(engine.CheckPageLen(*dc, 64 * ls(), 2, false, false), 64 * ls());
    EXPECT_EQ(device->Pages(), 1);
    EXPECT_EQ(engine.GetPageCount(), 0);

    const int y = engine.CheckPageLen(*dc, 65 * ls(), 2, false, false);
    EXPECT_EQ(device->Pages(), 2);
    EXPECT_EQ(engine.GetPageCount(), 1);
    EXPECT_EQ(device->Texts(1).front(), "Member Count - 12/07/2026 - Gym, Page 2");
    // Header line, dashed line, two blank lines.
    EXPECT_EQ(y, 4 * ls());

    // The third page says 3.
    engine.CheckPageLen(*dc, 66 * ls(), 1, false, false);
    EXPECT_EQ(device->Texts(2).front(), "Member Count - 12/07/2026 - Gym, Page 3");
}

TEST_F(EngineOnDevice, LandscapePageBreaksAtSixtyTwoLines) {
    start(CReportEngine::rptClassWorkouts, 6600, 5100);
    ASSERT_LE(62 * ls(), device->height());
    EXPECT_EQ(engine.CheckPageLen(*dc, 59 * ls(), 2, false, false), 59 * ls());
    EXPECT_EQ(device->Pages(), 1);
    engine.CheckPageLen(*dc, 60 * ls(), 2, false, false);
    EXPECT_EQ(device->Pages(), 2);
}

TEST_F(EngineOnDevice, ATallFontBreaksBeforeRunningOffAShortPage) {
    start(CReportEngine::rptTestResults, 5100, 3000);
    const int fit = device->height() / ls();
    ASSERT_LT(fit, 67);
    std::string block;
    for (int i = 0; i < 2 * fit; ++i)
        block += "line " + std::to_string(i) + "\n";
    auto in = openText(block + "@\n");
    engine.DoLines(*dc, in, 50, 0, true);
    EXPECT_GE(device->Pages(), 2);
    const QFontMetrics fm(engine.GetFont(), device.get());
    for (const auto& item : device->Items())
        EXPECT_LE(item.y + fm.descent(), device->height()) << item.text;
}

TEST_F(EngineOnDevice, ContinuedPageRepeatsTheKindsTableHead) {
    start(CReportEngine::rptDailyWorkouts, 6600, 5100);
    engine.SetOptionAbbrs({"Circ", "Bike"});
    engine.SetContinuation("Daily Workouts for 12/07/2026 - Gym, Page ");
    engine.CheckPageLen(*dc, 61 * ls(), 2, true, false);
    const auto texts = device->Texts(1);
    ASSERT_EQ(texts.size(), 10u);
    EXPECT_EQ(texts[0], "Daily Workouts for 12/07/2026 - Gym, Page 2");
    EXPECT_EQ(texts[1].find_first_not_of('-'), std::string::npos);
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 2, texts.end()),
              (std::vector<std::string>{"ID #", "Name", "In", "Out", "Min", "Circ", "Bike", "OK"}));
    // Columns at their widths of average characters.
    const int w = dc->AveCharWidth();
    EXPECT_EQ(device->Find("Name")->x, 50 + 11 * w);
    EXPECT_EQ(device->Find("In")->x, 50 + 46 * w);
    EXPECT_EQ(device->Find("Out")->x, 50 + 52 * w);
    EXPECT_EQ(device->Find("Circ")->x, 50 + 65 * w);
    EXPECT_EQ(device->Find("OK")->x, 50 + 77 * w);
}

TEST_F(EngineOnDevice, SummaryAndMemberHeadsFollowTheIdSwitch) {
    start(CReportEngine::rptWorkoutSummaries, 6600, 5100);
    engine.DoHeader(*dc, 50, 0, true, false);
    auto texts = device->Texts(0);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "ID #"), 0);
    EXPECT_EQ(texts.back(), "WorkOK");

    start(CReportEngine::rptEmergencyContacts);
    engine.DoHeader(*dc, 25, 0, true, true);
    texts = device->Texts(0);
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 2, texts.end()),
              (std::vector<std::string>{"Name", "ID #", "Emergency Contact", "Emergency Phone",
                                        "Family Physician"}));

    start(CReportEngine::rptTestResults);
    const int y = engine.DoHeader(*dc, 50, 0, true, true);
    EXPECT_EQ(device->Texts(0).size(), 2u); // text kinds have no table head
    EXPECT_EQ(y, 4 * ls());
}

TEST_F(EngineOnDevice, DashLineStaysInsideItsSpan) {
    start(CReportEngine::rptMemberCount);
    engine.DoDashLine(*dc, 50, 4750, 0);
    const auto& dash = device->Items().back();
    ASSERT_FALSE(dash.text.empty());
    EXPECT_EQ(dash.text.find_first_not_of('-'), std::string::npos);
    const int w = dc->AveCharWidth();
    EXPECT_LT(static_cast<int>(dash.text.size()) * w, 4700);
    EXPECT_GE(static_cast<int>(dash.text.size() + 1) * w, 4700);
    EXPECT_EQ(dash.x, 50);
}

TEST_F(EngineOnDevice, BlocksArePrintedOrSkippedWhole) {
    start(CReportEngine::rptTestResults);
    auto in = openText("First A\nFirst B\n@ end of first\nSkip A\nSkip B\n@\nLast A\nLast B");
    int y = engine.DoLines(*dc, in, 50, 0, true);
    EXPECT_EQ(y, 3 * ls()); // two lines and the blank line of the marker
    y = engine.DoLines(*dc, in, 50, y, false);
    EXPECT_EQ(y, 3 * ls());
    // The last block has no marker: it ends at the end of the file.
    y = engine.DoLines(*dc, in, 50, y, true);
    EXPECT_EQ(y, 5 * ls());
    EXPECT_EQ(engine.DoLines(*dc, in, 50, y, true), y);
    EXPECT_EQ(device->Texts(0),
              (std::vector<std::string>{"First A", "First B", "Last A", "Last B"}));
    EXPECT_EQ(device->Find("Last A")->y,
              3 * ls() + QFontMetrics(dc->GetFont(), device.get()).ascent());
}

TEST_F(EngineOnDevice, AHeadingNeverEndsAPage) {
    start(CReportEngine::rptTestResults);
    auto in = openText("HEADING\n\nText one\nText two\n@\n");
    engine.DoLines(*dc, in, 50, 63 * ls(), true);
    ASSERT_EQ(device->Pages(), 2);
    EXPECT_EQ(device->Find("HEADING")->page, 1);
    EXPECT_EQ(device->Find("Text one")->page, 1);
}

TEST_F(EngineOnDevice, OneLineReaderAndLongLines) {
    start(CReportEngine::rptTestResults);
    auto in = openText("shown\r\nhidden\n" + std::string(450, 'x') + "\nnext\n");
    int y = engine.DoOneLine(*dc, in, 50, 0, true);
    y = engine.DoOneLine(*dc, in, 50, y, false);
    EXPECT_EQ(y, ls());
    y = engine.DoOneLine(*dc, in, 50, y, true);
    y = engine.DoOneLine(*dc, in, 50, y, true);
    EXPECT_EQ(device->Texts(0), (std::vector<std::string>{"shown", std::string(399, 'x'), "next"}));
    EXPECT_EQ(engine.DoOneLine(*dc, in, 50, y, true), y);
}

TEST_F(EngineOnDevice, FormatLinesTakeEachArgumentKind) {
    start(CReportEngine::rptTestResults);
    auto in = openText("Age: %i years\n%i of %i stations\nBMI %.1f\nWell done, %1!\n"
                       "%s and %d and %n\n");
    int y = engine.DoFmtLine(*dc, in, 50, 0, 42);
    y = engine.DoFmtLine(*dc, in, 50, y, 3, 24);
    y = engine.DoFmtLine(*dc, in, 50, y, 22.46);
    y = engine.DoFmtLine(*dc, in, 50, y, std::string("Ann"));
    // A format that asks for more or other arguments than given cannot read
    // past them.
    y = engine.DoFmtLine(*dc, in, 50, y, 5);
    y = engine.DoFmtLine(*dc, 50, y, "Lean mass: %.2f lbs", 120.256);
    EXPECT_EQ(y, 6 * ls());
    const auto texts = device->Texts(0);
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[0], "Age: 42 years");
    EXPECT_EQ(texts[1], "3 of 24 stations");
    EXPECT_EQ(texts[2], "BMI 22.5");
    EXPECT_EQ(texts[3], "Well done, Ann!");
    EXPECT_EQ(texts[4].rfind("5 and ", 0), 0u);
    EXPECT_EQ(texts[5], "Lean mass: 120.26 lbs");
}

TEST_F(EngineOnDevice, ReadersOnAClosedStreamDrawNothing) {
    start(CReportEngine::rptTestResults);
    std::ifstream closed(dir.file("missing.txt"));
    ASSERT_FALSE(closed.is_open());
    EXPECT_EQ(engine.DoLines(*dc, closed, 50, 7, true), 7);
    EXPECT_EQ(engine.DoOneLine(*dc, closed, 50, 7, true), 7);
    EXPECT_EQ(engine.DoFmtLine(*dc, closed, 50, 7, 1), 7);
    EXPECT_EQ(engine.DoFmtLine(*dc, closed, 50, 7, 1, 2), 7);
    EXPECT_EQ(engine.DoFmtLine(*dc, closed, 50, 7, 1.5), 7);
    EXPECT_EQ(engine.DoFmtLine(*dc, closed, 50, 7, std::string("x")), 7);
    EXPECT_EQ(dc->Drawn(), 0);
}

TEST_F(EngineOnDevice, SignBlockCarriesTodaysDate) {
    FakeClock clock(2026, 12, 7, 9, 30);
    start(CReportEngine::rptMemberWorkouts);
    const int y = engine.DoSignBlock(*dc, 25, ls());
    EXPECT_EQ(y, 4 * ls());
    EXPECT_EQ(device->Texts(0), (std::vector<std::string>{
                                    "Printed by: ___________________________ Date: 12/07/2026",
                                    "Reviewed by: __________________________ Date: __________"}));
}

TEST_F(EngineOnDevice, LinesUseTheBlackPen) {
    start(CReportEngine::rptEvalComparison);
    painter->setPen(Qt::red);
    engine.DoHorzLine(*dc, 10, 400, 100);
    engine.DoVertLine(*dc, 100, 300, 40);
    const auto& items = device->Items();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].kind, CRecordingDevice::Item::Line);
    EXPECT_EQ(items[0].pen, QColor(Qt::black).rgba());
    EXPECT_EQ(items[1].pen, QColor(Qt::black).rgba());
    EXPECT_EQ(std::tie(items[0].x, items[0].y, items[0].x2, items[0].y2),
              std::make_tuple(10, 100, 400, 100));
    EXPECT_EQ(std::tie(items[1].x, items[1].y, items[1].x2, items[1].y2),
              std::make_tuple(40, 100, 40, 300));
}

TEST(ReportText, PathsOfTheTextKinds) {
    TempDir dir;
    ScopedEnv txt("VANTO_TXT", dir.path().c_str());
    Notices notices;
    CReportEngine engine;
    EXPECT_EQ(notices->count(), 0u);
    std::string path;
    EXPECT_EQ(engine.GetTextPath(CReportEngine::txtTraining, path), 1);
    EXPECT_EQ(path, dir.folder() + "Training.txt");
    EXPECT_EQ(engine.GetTextPath(CReportEngine::txtRecommendations, path), 1);
    EXPECT_EQ(path, dir.folder() + "Recomm.txt");
    EXPECT_EQ(engine.GetTextPath(CReportEngine::txtBcDiet, path), 1);
    EXPECT_EQ(path, dir.folder() + "bcdiet.txt");
    EXPECT_EQ(engine.GetTextPath(CReportEngine::txtBcCalorie, path), 1);
    EXPECT_EQ(path, dir.folder() + "bccalorie.txt");
    EXPECT_EQ(engine.GetTextPath(25, path), 0);
    EXPECT_EQ(path, "");
    EXPECT_EQ(engine.GetTextPath(-1, path), 0);
}

TEST(ReportText, UnsetTextFolderIsReportedAndFilesResolveToBareNames) {
    ScopedEnv txt("VANTO_TXT", nullptr);
    Notices notices;
    CReportEngine engine;
    EXPECT_EQ(notices->texts(), std::vector<std::string>{
                                    "Error: system environment variable \"VANTO_TXT\" is not set"});
    EXPECT_EQ(notices->entries()[0].icon, vantora::notice::Icon::None);
    std::string path;
    EXPECT_EQ(engine.GetTextPath(CReportEngine::txtBcIntro, path), 1);
    EXPECT_EQ(path, "bcintro.txt");
}

TEST(ReportTotals, KindsMapToTheirSlots) {
    EXPECT_EQ(CReportEngine::GetTotalIndex(CReportEngine::totHour, 23), 23);
    EXPECT_EQ(CReportEngine::GetTotalIndex(CReportEngine::totOption, 0), 24);
    EXPECT_EQ(CReportEngine::GetTotalIndex(CReportEngine::totOption, 12), 36);
    EXPECT_EQ(CReportEngine::GetTotalIndex(CReportEngine::totMinutes, 0), 37);
    EXPECT_EQ(CReportEngine::GetTotalIndex(CReportEngine::totWorkoutsOK, 5), 39);
    EXPECT_EQ(CReportEngine::GetTotalIndex(CReportEngine::totOtherBonWk, 0), 45);
    EXPECT_EQ(CReportEngine::GetTotalIndex(99, 40), 40);
    // Sub-indices outside their kind have no slot: an hour of 24 must not
    // land in the first option's total.
    EXPECT_EQ(CReportEngine::GetTotalIndex(CReportEngine::totHour, 24), -1);
    EXPECT_EQ(CReportEngine::GetTotalIndex(CReportEngine::totOption, 13), -1);
    EXPECT_EQ(CReportEngine::GetTotalIndex(99, 46), -1);
}

TEST(ReportTotals, SetGetAndReset) {
    ScopedEnv txt("VANTO_TXT", "/tmp");
    CReportEngine engine;
    engine.SetTotal(CReportEngine::totOption, 17, 3);
    engine.SetTotal(CReportEngine::totHour, 4, 7);
    engine.SetTotal(CReportEngine::totHour, 9, 24); // ignored
    EXPECT_EQ(engine.GetTotal(CReportEngine::totOption, 3), 17);
    EXPECT_EQ(engine.GetTotal(99, 27), 17);
    EXPECT_EQ(engine.GetTotal(CReportEngine::totHour, 7), 4);
    EXPECT_EQ(engine.GetTotal(CReportEngine::totOption, 0), 0);
    EXPECT_EQ(engine.GetTotal(CReportEngine::totHour, 24), 0);
    engine.ResetTotals();
    EXPECT_EQ(engine.GetTotal(CReportEngine::totOption, 3), 0);
    EXPECT_EQ(engine.GetTotal(CReportEngine::totHour, 7), 0);
}

TEST(ReportStrings, StatusClassAndByteTexts) {
    std::string s = "old";
    EXPECT_EQ(CReportEngine::BuildStatusStr(s, 0x02 | 0x04), 1);
    EXPECT_EQ(s, "All Members");
    EXPECT_EQ(CReportEngine::BuildStatusStr(s, 0x04 | 0x08 | 0x01), 1);
    EXPECT_EQ(s, "Current Members");
    EXPECT_EQ(CReportEngine::BuildStatusStr(s, 0x08), 1);
    EXPECT_EQ(s, "Past Members");
    EXPECT_EQ(CReportEngine::BuildStatusStr(s, 0x11), 0);
    EXPECT_EQ(s, "");

    EXPECT_EQ(CReportEngine::BuildClassStr(s, "Aerobics", "", "Monday"), 1);
    EXPECT_EQ(s, "Aerobics Monday");
    EXPECT_EQ(CReportEngine::BuildClassStr(s, "Aerobics", "Step", "Monday"), 1);
    EXPECT_EQ(s, "Aerobics Step Monday");
    EXPECT_EQ(CReportEngine::BuildClassStr(s, "", "", "B"), 1);
    EXPECT_EQ(s, "B");
    EXPECT_EQ(CReportEngine::BuildClassStr(s, "", "", ""), 0);
    EXPECT_EQ(s, "");

    EXPECT_EQ(CReportEngine::CStringToBYTE("101"), 101);
    EXPECT_EQ(CReportEngine::CStringToBYTE(""), 0);
    EXPECT_EQ(CReportEngine::CStringToBYTE("7 (Aerobics)"), 7);
    EXPECT_EQ(CReportEngine::CStringToBYTE("abc"), 0);
}

} // namespace
