#include "companions/repserve/reportserver.h"

#include "custom/guiapp.h"
#include "custom/reportdata.h"
#include "support/facility.h"
#include "vantoapi/appinstance.h"

#include <gtest/gtest.h>

#include <QPrinterInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vantora::test;

namespace {

// A facility with one member, workouts in a known and in the unknown class,
// and an empty report queue.
class ServerOnFacility : public ::testing::Test {
protected:
    ServerOnFacility() {
        ensureGuiApp();
        addMember(f, 5, "Ann", "Lee");
        addWorkout(f, 5, 0, sqlDate(2026, 12, 3, 9, 0), sqlDate(2026, 12, 3, 10, 0));
        addWorkout(f, 5, 99, sqlDate(2026, 12, 4, 9, 0), sqlDate(2026, 12, 4, 10, 0));
    }

    // One request of every kind, each with what its report needs.
    void queueEveryKind() {
        const std::string d0 = sqlDate(2026, 12, 1), d1 = sqlDate(2026, 12, 7);
        addRequest(f, 0, 5);
        addRequest(f, 1, 0);
        addRequest(f, 2, 0x03);
        addRequest(f, 3, 0x04);
        addRequest(f, 4, 0x02, "0", "0", "FIT", "FIT 101", "01");
        addRequest(f, 5, 0, d0, d1);
        addRequest(f, 6, 0x02 | 0x10);
        addRequest(f, 7, 5, "0", "0", "101", "- All Classes -");
        addRequest(f, 8, 0x02, d0, d1, "FIT", "FIT 101", "01");
        addRequest(f, 9, 5, d0);
        addRequest(f, 10, 5, d0, d1);
        addRequest(f, 11, 5, d0);
        addRequest(f, 12, 5, d0, d1);
        addRequest(f, 13, 0);
    }

    long long queued() const { return f.count("reports.mdb", "SELECT COUNT(*) FROM Reports"); }

    std::vector<std::string> pdfs() const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(f.printFolder()))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

    FakeClock clock{2026, 12, 7, 10, 0, 0};
    Facility f;
};

TEST_F(ServerOnFacility, PrintsOnePdfPerRequestAndEmptiesTheQueue) {
    queueEveryKind();
    std::ostringstream log;
    CReportServer server(log);
    const auto pass = server.ProcessQueue();
    // Ann has no evaluation or body composition: those four print nothing,
    // each with one line naming her and the date.
    EXPECT_EQ(pass.printed, 10);
    EXPECT_EQ(pass.empty, 4);
    EXPECT_EQ(pass.kept, 0);
    EXPECT_EQ(log.str(),
              "Nothing to print for the report \"Test Results Interpretation\": Ann Lee (ID 5) "
              "has no evaluation dated 12/01/2026 (kind 9, id 5); request removed\n"
              "Nothing to print for the report \"Evaluation Comparision\": Ann Lee (ID 5) has no "
              "evaluation dated 12/01/2026 or 12/07/2026 (kind 10, id 5); request removed\n"
              "Nothing to print for the report \"Body Composition Interpretation\": Ann Lee (ID "
              "5) has no body composition dated 12/01/2026 (kind 11, id 5); request removed\n"
              "Nothing to print for the report \"Body Composition Comparison\": Ann Lee (ID 5) "
              "has no body composition dated 12/01/2026 or 12/07/2026 (kind 12, id 5); request "
              "removed\n");
    EXPECT_EQ(queued(), 0);
    const auto files = pdfs();
    ASSERT_EQ(files.size(), 10u);
    for (const auto& name : files) {
        EXPECT_EQ(name.substr(name.size() - 4), ".pdf") << name;
        EXPECT_GT(std::filesystem::file_size(f.printFolder() + name), 0u) << name;
    }
    EXPECT_EQ(std::count(files.begin(), files.end(), "Member Profile 20261207-100000.pdf"), 1);
    EXPECT_EQ(
        std::count(files.begin(), files.end(), "Category Unknown Workouts 20261207-100000.pdf"), 1);
    // A second pass finds nothing to do.
    EXPECT_EQ(server.ProcessQueue().printed, 0);
}

TEST_F(ServerOnFacility, RequestsWithNothingToPrintAreLoggedAndRemovedInOrder) {
    addRequest(f, 42, 0);
    addRequest(f, 0, 777);
    addRequest(f, 1, 0);
    std::ostringstream log;
    CReportServer server(log);
    const auto pass = server.ProcessQueue();
    EXPECT_EQ(pass.printed, 1);
    EXPECT_EQ(pass.empty, 2);
    EXPECT_EQ(queued(), 0);
    EXPECT_EQ(log.str(), "Error: report kind 42 does not exist (kind 42, id 0); request removed\n"
                         "Nothing to print for the report \"Member Profile\": no member has the "
                         "ID 777 (kind 0, id 777); request removed\n");
    EXPECT_EQ(pdfs(), std::vector<std::string>{"Member Count 20261207-100000.pdf"});
}

TEST_F(ServerOnFacility, RequestsThatCannotBePrintedStayQueued) {
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this computer has a default printer";
    ScopedEnv noFolder("VANTO_PRINT", nullptr);
    addRequest(f, 1, 0);
    addRequest(f, 3, 0x02);
    std::ostringstream log;
    CReportServer server(log);
    const auto pass = server.ProcessQueue();
    EXPECT_EQ(pass.kept, 2);
    EXPECT_EQ(queued(), 2);
    EXPECT_EQ(log.str(), "Error: no default printer, and VANTO_PRINT is not set (kind 1, id 0); "
                         "request kept\n"
                         "Error: no default printer, and VANTO_PRINT is not set (kind 3, id 2); "
                         "request kept\n");
    // Waiting requests are not logged again at every poll...
    log.str("");
    EXPECT_EQ(server.ProcessQueue().kept, 2);
    EXPECT_EQ(log.str(), "");
    // ...and print once the printer is back.
    ScopedEnv folder("VANTO_PRINT", f.printFolder().c_str());
    EXPECT_EQ(server.ProcessQueue().printed, 2);
    EXPECT_EQ(queued(), 0);
}

TEST_F(ServerOnFacility, OnceModeOfTheProgramEmptiesTheQueue) {
    queueEveryKind();
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(REPSERVE_PROGRAM), {QStringLiteral("--once")});
    ASSERT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(queued(), 0);
    EXPECT_EQ(pdfs().size(), 10u);
}

TEST_F(ServerOnFacility, AnUnreadableStoreKeepsTheRequestAndIsLoggedOnce) {
    VANTORA_SKIP_ON_SERVER("the members store file is overwritten");
    addRequest(f, 0, 5);
    std::ofstream(f.dbFolder() + "members.mdb", std::ios::trunc) << "not a store";
    std::ostringstream log;
    CReportServer server(log);
    EXPECT_EQ(server.ProcessQueue().kept, 1);
    const std::string first = log.str();
    EXPECT_EQ(
        first.rfind("Error: the report \"Member Profile\" could not be drawn: cannot open ", 0), 0u)
        << first;
    EXPECT_NE(first.find("request kept"), std::string::npos) << first;
    EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), 1) << first;
    EXPECT_EQ(server.ProcessQueue().kept, 1);
    EXPECT_EQ(log.str(), first);
    EXPECT_EQ(queued(), 1);
    EXPECT_TRUE(pdfs().empty());
}

TEST_F(ServerOnFacility, APrintedRequestThatCannotBeRemovedIsPrintedOnce) {
    VANTORA_SKIP_ON_SERVER("the queue is made read-only by an SQLite trigger");
    addRequest(f, 1, 0);
    ASSERT_TRUE(f.exec("reports.mdb", "CREATE TRIGGER keep BEFORE DELETE ON Reports BEGIN "
                                      "SELECT RAISE(ABORT, 'queue is read-only'); END"));
    {
        std::ostringstream log;
        CReportServer server(log);
        EXPECT_EQ(server.ProcessQueue().printed, 1);
        EXPECT_NE(log.str().find("could not be removed"), std::string::npos) << log.str();
        server.ProcessQueue();
    }
    // A new run of the server remembers it too.
    std::ostringstream log;
    CReportServer server(log);
    server.ProcessQueue();
    EXPECT_EQ(pdfs().size(), 1u);
    EXPECT_EQ(queued(), 1);
    // Once the queue can be written again, the request goes without a second copy.
    ASSERT_TRUE(f.exec("reports.mdb", "DROP TRIGGER keep"));
    server.ProcessQueue();
    EXPECT_EQ(queued(), 0);
    EXPECT_EQ(pdfs().size(), 1u);
    // The same request queued again is a new request and prints.
    addRequest(f, 1, 0);
    EXPECT_EQ(server.ProcessQueue().printed, 1);
    EXPECT_EQ(pdfs().size(), 2u);
}

TEST_F(ServerOnFacility, AnUnsetFolderVariableIsLoggedOncePerRun) {
    ScopedEnv noTexts("VANTO_TXT", nullptr);
    addRequest(f, 1, 0);
    addRequest(f, 3, 0x02);
    std::ostringstream log;
    CReportServer server(log);
    EXPECT_EQ(server.ProcessQueue().printed, 2);
    EXPECT_EQ(log.str(), "Error: system environment variable \"VANTO_TXT\" is not set\n");
}

TEST_F(ServerOnFacility, RequestsWaitWhileTheFacilitySettingsCannotBeRead) {
    ASSERT_TRUE(f.exec("center.mdb", "CREATE TABLE Saved AS SELECT * FROM Defaults"));
    ASSERT_TRUE(f.exec("center.mdb", "DELETE FROM Defaults"));
    addRequest(f, 1, 0);
    std::ostringstream log;
    CReportServer server(log);
    EXPECT_EQ(server.ProcessQueue().kept, 1);
    EXPECT_EQ(server.ProcessQueue().kept, 1);
    EXPECT_EQ(log.str(), "Error: could not retrieve data from defaults recordset.\n"
                         "Error: could not retrieve data from defaults recordset. (kind 1, id 0); "
                         "request kept\n");
    EXPECT_TRUE(pdfs().empty());
    // The record back, the request prints at the next pass.
    ASSERT_TRUE(f.exec("center.mdb", "INSERT INTO Defaults SELECT * FROM Saved"));
    EXPECT_EQ(server.ProcessQueue().printed, 1);
    EXPECT_EQ(queued(), 0);
}

TEST(ReportServerNote, LiesBesideTheStoresOrOnThisComputerWhenTheyAreOnAServer) {
    QStandardPaths::setTestModeEnabled(true);
    vantora::FacilityLocation location;
    EXPECT_EQ(CReportServer::DefaultPrintedRecord(location), "");
    location.setStores("/srv/gym");
    EXPECT_EQ(CReportServer::DefaultPrintedRecord(location), "/srv/gym/reports.printed");
    location.setStores("postgresql://desk@db.example/gym");
    EXPECT_EQ(CReportServer::DefaultPrintedRecord(location),
              CAppInstance::localDataFolder() + "reports.printed");
}

TEST_F(ServerOnFacility, ServingProgramPrintsWhatIsQueuedAndQuitsWhenAsked) {
    addRequest(f, 1, 0);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(REPSERVE_PROGRAM),
                  {QStringLiteral("--interval"), QStringLiteral("1")});
    ASSERT_TRUE(process.waitForStarted());
    // Wait for the first pass and the server's claim on its title; the
    // bound only keeps a broken server from hanging the test.
    for (int i = 0; i < 600 && (queued() != 0 || !CAppInstance::isRunning("Report Server")); ++i)
        process.waitForFinished(100);
    EXPECT_EQ(queued(), 0);
    EXPECT_EQ(pdfs().size(), 1u);
    // A request queued while it runs is printed by a later poll.
    addRequest(f, 3, 0x02);
    for (int i = 0; i < 600 && queued() != 0; ++i)
        process.waitForFinished(100);
    EXPECT_EQ(queued(), 0);
    EXPECT_EQ(pdfs().size(), 2u);

    EXPECT_TRUE(CAppInstance::postQuit("Report Server"));
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
}

TEST_F(ServerOnFacility, ProgramRefusesUnknownArguments) {
    QProcess process;
    process.start(QStringLiteral(REPSERVE_PROGRAM), {QStringLiteral("--bogus")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_NE(process.readAllStandardError().indexOf("Usage: repserve"), -1);
}

} // namespace
