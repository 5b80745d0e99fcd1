#include "custom/report.h"
#include "support/recordingdevice.h"

#include "guiapp.h"
#include "reportdata.h"
#include "support/facility.h"

#include <gtest/gtest.h>

#include <QPrinterInfo>

#include <cstdio>
#include <filesystem>
#include <memory>

using namespace vantora::test;

namespace {

const std::string kFacility = "Test Fitness Center";

using Request = CReportSelection;

// A facility with one member, a week of workouts and a report object.
class ReportOnFacility : public ::testing::Test {
protected:
    ReportOnFacility() {
        ensureGuiApp();
        addMember(f, 5, "Ann", "Lee");
        addWorkout(f, 5, 0, sqlDate(2026, 12, 3, 9, 0), sqlDate(2026, 12, 3, 10, 0));
        report = std::make_unique<CReport>();
    }

    // Draws a request on a recording letter page turned as the kind wants.
    std::unique_ptr<CRecordingDevice> draw(Request r) {
        report->SetReport(r.kind);
        report->ResetLayout(600);
        const bool landscape = report->GetOrientation() == QPageLayout::Landscape;
        auto device = landscape ? std::make_unique<CRecordingDevice>(6600, 5100)
                                : std::make_unique<CRecordingDevice>(5100, 6600);
        QPainter painter(device.get());
        CReportDC dc(painter, [&] { return device->NewPage(); });
        dc.SelectFont(report->GetFont());
        lineSpacing = dc.LineSpacing();
        report->DoReport(dc, {r.kind, r.id, r.date0, r.date1, r.str0, r.str1, r.str2});
        return device;
    }

    std::vector<std::string> texts(Request r) { return draw(std::move(r))->Texts(0); }

    // The first n texts of a page (all when fewer).
    static std::vector<std::string> head(const std::vector<std::string>& t, std::size_t n) {
        return std::vector<std::string>(t.begin(), t.begin() + std::min(n, t.size()));
    }

    static bool isDashes(const std::string& s) {
        return !s.empty() && s.find_first_not_of('-') == std::string::npos;
    }

    std::vector<std::string> pdfs() const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(f.printFolder()))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

    FakeClock clock{2026, 12, 7, 10, 0, 0};
    Facility f{kFacility};
    std::unique_ptr<CReport> report;
    int lineSpacing = 0;
    const CEFOleDateTime dec1{2026, 12, 1};
    const CEFOleDateTime dec7{2026, 12, 7};
    const CEFOleDateTime nov1{2026, 11, 1};
};

TEST_F(ReportOnFacility, ConstructionReadsSettingsAndOptionNames) {
    EXPECT_EQ(report->GetCenter().Name, kFacility);
    EXPECT_EQ(report->GetBonuses().OrientBonMin,
              f.count("center.mdb", "SELECT OrientBonMin FROM Bonuses"));
    const auto& abbrs = report->GetOptionAbbrs();
    ASSERT_EQ(static_cast<long long>(abbrs.size()),
              f.count("center.mdb", "SELECT COUNT(*) FROM Stations"));
    ASSERT_FALSE(abbrs.empty());
    EXPECT_EQ(abbrs.front(), f.text("center.mdb", "SELECT StnAbbr FROM Stations ORDER BY _key"));
    EXPECT_EQ(f.notices().count(), 0u);
}

TEST_F(ReportOnFacility, MemberReportsStartWithTheirHeadAndTable) {
    auto t = texts({CReportEngine::rptMemberProfile, 5});
    ASSERT_GE(t.size(), 3u);
    EXPECT_EQ(t[0], "Ann Lee - Member Profile");
    EXPECT_EQ(t[1], kFacility + " - 12/07/2026");
    EXPECT_TRUE(isDashes(t[2]));

    t = texts({CReportEngine::rptMemberCount});
    EXPECT_EQ(t[0], "Member Count - 12/07/2026 - " + kFacility);
    EXPECT_TRUE(isDashes(t[1]));

    t = texts({CReportEngine::rptEmergencyContacts, 0x02 | 0x01});
    EXPECT_EQ(head(t, 7),
              (std::vector<std::string>{
                  "Emergency Contacts for All Members - 12/07/2026 - " + kFacility, t[1], "Name",
                  "ID #", "Emergency Contact", "Emergency Phone", "Family Physician"}));
    EXPECT_TRUE(isDashes(t[1]));

    t = texts({CReportEngine::rptMembershipStatus, 0x04});
    EXPECT_EQ(head(t, 6),
              (std::vector<std::string>{"Current Members - 12/07/2026 - " + kFacility, t[1], "Name",
                                        "Address", "Phone", "Expiration"}));

    t = texts({CReportEngine::rptRoster, 0x08 | 0x01, {}, {}, "FIT", "FIT 101", "01"});
    EXPECT_EQ(head(t, 8),
              (std::vector<std::string>{
                  "Roster for Past Members, FIT FIT 101 01 - 12/07/2026 - " + kFacility, t[1],
                  "Name", "ID #", "Status", "Expiration", "Enroll Per", "Grade Status"}));
}

TEST_F(ReportOnFacility, MemberTableHeadFollowsABlankLine) {
    auto device = draw({CReportEngine::rptEmergencyContacts, 0x02});
    const auto* head = device->Find("Name");
    const auto* first = device->Find("Emergency Contacts for", true);
    ASSERT_TRUE(head && first);
    EXPECT_EQ(head->y - first->y, 3 * lineSpacing); // title, dashes, blank line
    EXPECT_EQ(first->x, 25);
}

TEST_F(ReportOnFacility, WorkoutReportsStartWithTheirHeadAndTable) {
    const auto n = report->GetOptionAbbrs().size();
    auto t = texts({CReportEngine::rptDailyWorkouts, 0, dec1, dec7});
    ASSERT_GE(t.size(), 2 + 6 + n);
    EXPECT_EQ(t[0], "Daily Workouts for 12/01/2026 - " + kFacility);
    EXPECT_TRUE(isDashes(t[1]));
    EXPECT_EQ(std::vector<std::string>(t.begin() + 2, t.begin() + 7),
              (std::vector<std::string>{"ID #", "Name", "In", "Out", "Min"}));
    EXPECT_EQ(t[7 + n], "OK");

    t = texts({CReportEngine::rptWorkoutSummaries, 0x02 | 0x10});
    EXPECT_EQ(t[0], "Workout Summaries for All Members - 12/07/2026 - " + kFacility);
    EXPECT_EQ(t[2], "Name");
    EXPECT_EQ(t[4 + n], "Work");
    EXPECT_EQ(t[5 + n], "WorkOK");
    t = texts({CReportEngine::rptWorkoutSummaries, 0x04 | 0x01, dec1, dec7});
    EXPECT_EQ(t[0],
              "Workout Summaries for Current Members - 12/01/2026 to 12/07/2026 - " + kFacility);
    EXPECT_EQ(t[2], "ID #");

    t = texts({CReportEngine::rptMemberWorkouts, 5, {}, {}, "101", "- All Classes -"});
    EXPECT_EQ(t[0],
              "Workouts for Ann Lee, ID # 5, Class - All Classes - - 12/07/2026 - " + kFacility);
    EXPECT_EQ(std::vector<std::string>(t.begin() + 2, t.begin() + 6),
              (std::vector<std::string>{"Date", "In", "Out", "Min"}));

    t = texts({CReportEngine::rptClassWorkouts, 0x02 | 0x10, {}, {}, "FIT", "", "01"});
    EXPECT_EQ(head(t, 1), std::vector<std::string>{"Workout Summaries for All Members, FIT 01 - "
                                                   "12/07/2026 - " +
                                                   kFacility});
    t = texts({CReportEngine::rptClassWorkouts, 0x08, dec1, dec7, "FIT", "FIT 101", "01"});
    EXPECT_EQ(head(t, 1),
              std::vector<std::string>{"Workout Summaries for Past Members, FIT FIT 101 01 - "
                                       "12/01/2026 to 12/07/2026 - " +
                                       kFacility});
}

TEST_F(ReportOnFacility, InterpretationsOfRecordsNotStoredPrintNothingAndSayWhy) {
    for (int kind : {9, 10, 11, 12})
        EXPECT_EQ(draw({kind, 5, nov1, dec1})->Items().size(), 0u) << kind;
    long id = 5;
    CEFOleDateTime d0 = nov1, d1 = dec1;
    std::string s0, s1, s2;
    report->PrintReport(CReportEngine::rptEvalComparison, id, d0, d1, s0, s1, s2);
    EXPECT_EQ(report->GetLastResult(), CReport::result::empty);
    EXPECT_EQ(report->GetLastError(), "Nothing to print for the report \"Evaluation Comparision\": "
                                      "Ann Lee (ID 5) has no evaluation dated 11/01/2026 or "
                                      "12/01/2026");
    EXPECT_TRUE(pdfs().empty());
}

TEST_F(ReportOnFacility, UnknownClassWorkoutsListOrSayNoneFound) {
    auto device = draw({CReportEngine::rptUnknownWorkouts});
    auto t = device->Texts(0);
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0], "All Category \"Unknown\" Workouts as of 12/07/2026 - " + kFacility);
    EXPECT_TRUE(isDashes(t[1]));
    EXPECT_EQ(t[2], "No workouts found");
    EXPECT_TRUE(isDashes(t[3]));
    EXPECT_EQ(device->Find("No workouts found")->y - device->Find(t[0])->y, 3 * lineSpacing);

    addWorkout(f, 5, 99, sqlDate(2026, 12, 4, 8, 0), sqlDate(2026, 12, 4, 9, 0));
    t = texts({CReportEngine::rptUnknownWorkouts});
    EXPECT_EQ(std::vector<std::string>(t.begin() + 2, t.begin() + 7),
              (std::vector<std::string>{"ID #", "Name", "Date", "In", "Out"}));
}

TEST_F(ReportOnFacility, NothingIsDrawnWithoutItsMemberOrWorkouts) {
    for (int kind : {0, 7, 9, 10, 11, 12})
        EXPECT_EQ(draw({kind, 77})->Items().size(), 0u) << kind;
    EXPECT_EQ(draw({CReportEngine::rptDailyWorkouts, 0, dec7, dec7})->Items().size(), 0u);
    EXPECT_EQ(draw({14})->Items().size(), 0u);
    EXPECT_EQ(draw({-3})->Items().size(), 0u);
}

TEST_F(ReportOnFacility, ContinuedPagesRepeatTheFirstLine) {
    auto device = draw({CReportEngine::rptMemberCount});
    for (const auto& text : device->Texts(0))
        EXPECT_EQ(text.find("Page"), std::string::npos) << text;
    EXPECT_EQ(report->GetContinuation(), "Member Count - 12/07/2026 - " + kFacility + ", Page ");

    report->SetReport(CReportEngine::rptDailyWorkouts);
    report->ResetLayout(600);
    CRecordingDevice landscape(6600, 5100);
    QPainter painter(&landscape);
    CReportDC dc(painter, [&] { return landscape.NewPage(); });
    dc.SelectFont(report->GetFont());
    report->DoReport(dc, {CReportEngine::rptDailyWorkouts, 0, dec1, dec7});
    // Wherever the body ended, a break from the foot of the page starts a
    // page whose header names its number and repeats the table head.
    report->CheckPageLen(dc, 61 * dc.LineSpacing(), 2, true, true);
    const int last = landscape.Pages() - 1;
    ASSERT_GE(last, 1);
    const auto page = landscape.Texts(last);
    ASSERT_GE(page.size(), 3u);
    EXPECT_EQ(page[0], "Daily Workouts for 12/01/2026 - " + kFacility + ", Page " +
                           std::to_string(last + 1));
    EXPECT_EQ(page[2], "ID #");
}

// The text of a PDF, or nothing when the tool is missing.
std::string pdfText(const std::string& path) {
    const std::string cmd = "pdftotext -layout '" + path + "' - 2>/dev/null";
    std::string out;
    if (FILE* p = popen(cmd.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0)
            out.append(buf, n);
        pclose(p);
    }
    return out;
}

TEST_F(ReportOnFacility, PrintingToAFolderWritesOneCompletePdfPerJob) {
    long id = 0;
    CEFOleDateTime d0, d1;
    std::string s0, s1, s2;
    report->PrintReport(CReportEngine::rptMemberCount, id, d0, d1, s0, s1, s2);
    EXPECT_EQ(report->GetLastResult(), CReport::result::printed) << report->GetLastError();
    report->PrintReport(CReportEngine::rptMemberCount, id, d0, d1, s0, s1, s2);
    EXPECT_EQ(report->GetLastResult(), CReport::result::printed);
    EXPECT_EQ(pdfs(), (std::vector<std::string>{"Member Count 20261207-100000-2.pdf",
                                                "Member Count 20261207-100000.pdf"}));
    EXPECT_EQ(report->GetLastOutput(), f.printFolder() + "Member Count 20261207-100000-2.pdf");

    const std::string text = pdfText(f.printFolder() + "Member Count 20261207-100000.pdf");
    if (text.empty())
        GTEST_SKIP() << "pdftotext is not available";
    EXPECT_NE(text.find("Member Count - 12/07/2026 - " + kFacility), std::string::npos) << text;
    EXPECT_EQ(text.find("Page"), std::string::npos);
}

TEST_F(ReportOnFacility, PdfNamesAreSafeFileNames) {
    const CEFOleDateTime when(2026, 1, 2, 3, 4, 5);
    EXPECT_EQ(CReport::PdfFileName("Category/Course/Section Roster", when),
              "Category-Course-Section Roster 20260102-030405.pdf");
    EXPECT_EQ(CReport::PdfFileName("Category \"Unknown\" Workouts", when),
              "Category Unknown Workouts 20260102-030405.pdf");
}

TEST_F(ReportOnFacility, NothingToPrintLeavesNoFile) {
    long id = 77;
    CEFOleDateTime d0 = dec7, d1 = dec7;
    std::string s0, s1, s2;
    report->PrintReport(CReportEngine::rptMemberProfile, id, d0, d1, s0, s1, s2);
    EXPECT_EQ(report->GetLastResult(), CReport::result::empty);
    report->PrintReport(CReportEngine::rptDailyWorkouts, id, d0, d1, s0, s1, s2);
    EXPECT_EQ(report->GetLastResult(), CReport::result::empty);
    report->PrintReport(14, id, d0, d1, s0, s1, s2);
    EXPECT_EQ(report->GetLastResult(), CReport::result::empty);
    EXPECT_EQ(report->GetLastError(), "Error: report kind 14 does not exist");
    EXPECT_EQ(report->GetTitle(), "Undefined Report");
    // Dates no page can show are refused.
    d0 = CEFOleDateTime(1850, 1, 1);
    report->PrintReport(CReportEngine::rptDailyWorkouts, id, d0, d1, s0, s1, s2);
    EXPECT_EQ(report->GetLastResult(), CReport::result::empty);
    EXPECT_EQ(report->GetLastError(), "Error: the dates of the report \"Daily Workouts\" lie "
                                      "outside the years 1900 to 9999");
    EXPECT_TRUE(pdfs().empty());
}

TEST_F(ReportOnFacility, WithoutPrinterOrFolderNothingIsPrinted) {
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this computer has a default printer";
    ScopedEnv noFolder("VANTO_PRINT", nullptr);
    long id = 0;
    CEFOleDateTime d0, d1;
    std::string s0, s1, s2;
    report->PrintReport(CReportEngine::rptMemberCount, id, d0, d1, s0, s1, s2);
    EXPECT_EQ(report->GetLastResult(), CReport::result::noPrinter);
    EXPECT_TRUE(pdfs().empty());
}

TEST_F(ReportOnFacility, AnUnusablePrintFolderFailsCleanly) {
    const std::string blocker = f.root().string() + "/blocker";
    std::ofstream(blocker) << "a file, not a folder";
    ScopedEnv folder("VANTO_PRINT", (blocker + "/pdf").c_str());
    long id = 0;
    CEFOleDateTime d0, d1;
    std::string s0, s1, s2;
    report->PrintReport(CReportEngine::rptMemberCount, id, d0, d1, s0, s1, s2);
    EXPECT_EQ(report->GetLastResult(), CReport::result::failed);
    EXPECT_EQ(report->GetLastError().rfind("Error: ", 0), 0u);
}

} // namespace
