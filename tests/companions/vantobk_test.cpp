#include "companions/vantobk/backuprun.h"
#include "db/daobodycomp.h"
#include "db/daoeval.h"
#include "db/daomem.h"
#include "db/daowk.h"
#include "tools/demofacility.h"
#include "util/facilitylocation.h"

#include "support/facility.h"
#include "support/faultydisk.h"
#include "support/memberdata.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

using namespace vantora::test;
namespace fs = std::filesystem;

namespace {

// A demo facility in its own folder beside an empty one (the fixture's).
class BackupUtility : public ::testing::Test {
protected:
    BackupUtility() {
        demo = facility.root().string() + "/demo/";
        vantora::tools::DemoOptions options;
        options.members = 10;
        options.termWeeks = 2;
        const std::string error =
            vantora::tools::createDemoFacility(demo, {"Demo Center", "secret"}, options, &summary);
        if (!error.empty())
            throw std::runtime_error(error);
    }
    std::set<std::string> Entries(const std::string& folder) const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(folder))
            names.insert(e.path().filename().string());
        return names;
    }
    std::string Exported(const char* prefix) const {
        for (const std::string& name : Entries(facility.backFolder()))
            if (name.rfind(prefix, 0) == 0 && name.size() == std::string(prefix).size() + 16)
                return facility.backFolder() + name;
        return {};
    }

    FaultyDisk disk; // before any store is opened
    Facility facility;
    std::string demo;
    vantora::tools::DemoSummary summary;
};

TEST_F(BackupUtility, OnceWritesFilesAndSnapshotThatRestoreIntoAnEmptyFacility) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VANTO_DB"), QString::fromStdString(demo));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VANTOBK_PROGRAM), {QStringLiteral("--once")});
    ASSERT_TRUE(process.waitForFinished(120000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

    const auto snapshots = Entries(facility.backFolder() + CBackupRun::SnapshotFolder);
    ASSERT_EQ(snapshots.size(), 1u);
    for (const std::string& store : CBackupRun::StoreNames())
        EXPECT_TRUE(
            fs::exists(facility.backFolder() + "snapshots/" + *snapshots.begin() + "/" + store))
            << store;
    std::ifstream log(facility.backFolder() + CBackupRun::LogName);
    std::string line;
    ASSERT_TRUE(std::getline(log, line));
    EXPECT_NE(line.find("Backed up"), std::string::npos) << line;

    // The fixture's own facility is empty: every record comes from the files.
    CDAOMem members;
    CDAOWk workouts;
    CDAOEval evaluations;
    CDAOBodyComp bodyComps;
    const std::pair<CDAOEFSet*, std::pair<const char*, long>> kinds[] = {
        {&members, {"mem", summary.members}},
        {&workouts, {"wk", summary.workouts}},
        {&evaluations, {"eval", summary.evaluations}},
        {&bodyComps, {"bc", summary.bodyComps}}};
    for (const auto& [set, kind] : kinds) {
        const std::string file = Exported(kind.first);
        ASSERT_FALSE(file.empty()) << kind.first;
        std::ifstream in(file);
        EXPECT_EQ(set->Restore(in, '|', 0, false), kind.second) << kind.first;
    }
    EXPECT_EQ(facility.count("members.mdb", "SELECT count(*) FROM Workouts"), summary.workouts);
    EXPECT_GT(summary.workouts, 0);
}

TEST(BackupUtilityOnServer, ExportsTheTablesAndLeavesSnapshotsToTheServer) {
    Facility facility;
    if (!vantora::FacilityLocation::current().onServer())
        GTEST_SKIP() << "the stores are files in this run";
    addMember(plainMember(5, 500005));
    CBackupRun run;
    ASSERT_TRUE(run.Run(CProgress::None())) << run.Error();
    EXPECT_EQ(run.Counts(), (std::vector<int>{1, 0, 0, 0}));
    EXPECT_TRUE(run.Snapshot().empty());
    std::set<std::string> expected{CBackupRun::LogName};
    for (const std::string& file : run.Files())
        expected.insert(fs::path(file).filename().string());
    std::set<std::string> entries;
    for (const auto& e : fs::directory_iterator(facility.backFolder()))
        entries.insert(e.path().filename().string());
    EXPECT_EQ(entries, expected); // no snapshot, nothing staged left
    EXPECT_NE(run.Summary().find("whose own backups are its snapshots"), std::string::npos)
        << run.Summary();
}

TEST_F(BackupUtility, AFullDiskFailsTheRunSaysWhyAndLeavesEarlierBackupsAlone) {
    ScopedEnv db("VANTO_DB", demo.c_str());
    // Eleven older snapshots: after a good run the ten newest are kept.
    for (int i = 10; i <= 20; ++i)
        fs::create_directories(facility.backFolder() + "snapshots/20200101-0000" +
                               std::to_string(i));
    {
        CBackupRun run;
        ASSERT_TRUE(run.Run(CProgress::None())) << run.Error();
        EXPECT_EQ(run.Files().size(), 4u);
    }
    const auto files = Entries(facility.backFolder());
    const auto snapshots = Entries(facility.backFolder() + "snapshots");
    ASSERT_EQ(snapshots.size(), 10u);
    EXPECT_EQ(snapshots.count("20200101-000010"), 0u);
    EXPECT_EQ(snapshots.count("20200101-000011"), 0u);

    disk.FailWrite(".partial", 3);
    CBackupRun run;
    EXPECT_FALSE(run.Run(CProgress::None()));
    EXPECT_TRUE(disk.Tripped());
    EXPECT_NE(run.Error().find("full"), std::string::npos) << run.Error();
    disk.Heal();
    // Only the log has grown.
    EXPECT_EQ(Entries(facility.backFolder()), files);
    EXPECT_EQ(Entries(facility.backFolder() + "snapshots"), snapshots);
    std::ifstream log(facility.backFolder() + CBackupRun::LogName);
    std::string line, last;
    while (std::getline(log, line))
        last = line;
    EXPECT_NE(last.find("Backup failed; earlier backups are untouched. Error: "), std::string::npos)
        << last;
}

} // namespace
