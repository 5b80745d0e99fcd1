// Stores on a disk that fills up, or that cannot be opened at all: what the
// record sets and the restores report and keep.

#include "db/connection.h"
#include "db/daosmmem.h"
#include "db/networkfolder.h"

#include "exportlines.h"
#include "support/facility.h"
#include "support/faultydisk.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

using namespace vantora::test;

namespace {

bool addMember(long id) {
    CDAOSmMem m;
    m.OpenSet(false);
    m.Op(CDAOEFSet::opAddNew);
    m.MemberID = id;
    m.Barcode = id;
    m.Op(CDAOEFSet::opUpdate);
    return !m.LastOpFailed();
}

// Commits every millisecond while it lives, so that a restore commits often.
class FrequentCommits {
public:
    FrequentCommits() { vantora::db::setBatchInterval(1); }
    ~FrequentCommits() { vantora::db::setBatchInterval(old_); }
    FrequentCommits(const FrequentCommits&) = delete;
    FrequentCommits& operator=(const FrequentCommits&) = delete;

private:
    int old_ = vantora::db::batchInterval();
};

TEST(FaultyDisk, AFailedCommitIsReportedAndLeavesNoRow) {
    VANTORA_SKIP_ON_SERVER("the disk fails under SQLite's own file system");
    FaultyDisk disk;
    Facility facility;
    ASSERT_TRUE(addMember(1));
    disk.FailCommit("members.mdb", 1);
    EXPECT_FALSE(addMember(2));
    EXPECT_TRUE(disk.Tripped());
    EXPECT_EQ(facility.count("members.mdb", "SELECT count(*) FROM Members"), 1);
    disk.Heal();
    EXPECT_TRUE(addMember(3));
    EXPECT_EQ(facility.count("members.mdb", "SELECT count(*) FROM Members"), 2);
}

std::string kindTestName(const testing::TestParamInfo<Kind>& info) {
    return kindName(info.param);
}

class RestoreOnAFullDisk : public testing::TestWithParam<Kind> {};

TEST_P(RestoreOnAFullDisk, CountsWhatReachedTheStoreAndFinishesWhenRunAgain) {
    VANTORA_SKIP_ON_SERVER("the disk fills up under SQLite's own file system");
    const Kind kind = GetParam();
    constexpr int Lines = 400;
    FaultyDisk disk;
    Facility facility;
    if (kind != Kind::Members)
        addPlainMembers(facility, 20);
    const std::string path = facility.backFolder() + "restore.dat";
    writeFile(path, kind, Lines, 20);
    FrequentCommits often;

    disk.FailCommit("members.mdb", 3);
    const auto first = restoreFile(kind, path);
    EXPECT_TRUE(disk.Tripped());
    EXPECT_TRUE(first.stopped);
    EXPECT_GT(first.restored, 0);
    EXPECT_LT(first.restored, Lines);
    EXPECT_EQ(wholeRecords(facility, kind), first.restored);
    EXPECT_EQ(strayRows(facility, kind), 0);
    EXPECT_EQ(facility.notices()->count(), 1u) << facility.notices()->last();

    disk.Heal();
    const auto second = restoreFile(kind, path);
    EXPECT_FALSE(second.stopped);
    EXPECT_EQ(first.restored + second.restored, Lines);
    EXPECT_EQ(wholeRecords(facility, kind), Lines);
    EXPECT_EQ(strayRows(facility, kind), 0);
    EXPECT_EQ(facility.count("members.mdb", "SELECT count(*) FROM RestoreProgress"), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryReader, RestoreOnAFullDisk,
                         testing::Values(Kind::Members, Kind::Workouts, Kind::BodyComps,
                                         Kind::Evaluations),
                         kindTestName);

// A store that cannot be used: each reader shows one message, stores
// nothing and reports 0.
struct BrokenStore {
    const char* name;
    std::function<void(Facility&)> breakIt;
};

void overwrite(const std::string& path, const std::string& content) {
    std::filesystem::remove(path + "-wal");
    std::filesystem::remove(path + "-shm");
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

const BrokenStore BrokenStores[] = {
    {"Missing", [](Facility& f) { std::filesystem::remove(f.storePath("members.mdb")); }},
    {"NotADatabase",
     [](Facility& f) { overwrite(f.storePath("members.mdb"), "member list\n1|2|3\n"); }},
    {"Empty", [](Facility& f) { overwrite(f.storePath("members.mdb"), ""); }},
    {"CutInHalf",
     [](Facility& f) {
         f.exec("members.mdb", "PRAGMA wal_checkpoint(TRUNCATE)");
         const std::string path = f.storePath("members.mdb");
         const std::string whole = readFile(path);
         overwrite(path, whole.substr(0, whole.size() / 2));
     }},
    {"TableMissing", [](Facility& f) { f.exec("members.mdb", "DROP TABLE Enrollments"); }},
};

class RestoreFromABrokenStore : public testing::TestWithParam<std::tuple<Kind, int>> {};

TEST_P(RestoreFromABrokenStore, ShowsOneMessageAndStoresNothing) {
    const auto [kind, which] = GetParam();
    if (std::string_view(BrokenStores[which].name) != "TableMissing")
        VANTORA_SKIP_ON_SERVER("the store file is damaged on disk");
    Facility facility;
    addPlainMembers(facility, 5);
    const std::string path = facility.backFolder() + "restore.dat";
    writeFile(path, kind, 30, 5);
    BrokenStores[which].breakIt(facility);
    const auto summary = restoreFile(kind, path);
    EXPECT_EQ(summary.restored, 0);
    EXPECT_TRUE(summary.stopped);
    EXPECT_EQ(facility.notices()->count(), 1u) << facility.notices()->last();
}

INSTANTIATE_TEST_SUITE_P(
    EveryReader, RestoreFromABrokenStore,
    testing::Combine(testing::Values(Kind::Members, Kind::Workouts, Kind::BodyComps,
                                     Kind::Evaluations),
                     testing::Range(0, static_cast<int>(std::size(BrokenStores)))),
    [](const testing::TestParamInfo<std::tuple<Kind, int>>& info) {
        return std::string(kindName(std::get<0>(info.param))) +
               BrokenStores[std::get<1>(info.param)].name;
    });

class RestoreWithoutAStore : public testing::TestWithParam<Kind> {};

TEST_P(RestoreWithoutAStore, UnsetFolderShowsOneMessage) {
    Facility facility;
    const std::string path = facility.backFolder() + "restore.dat";
    writeFile(path, GetParam(), 10, 5);
    ScopedEnv unset("VANTO_DB", nullptr);
    const auto summary = restoreFile(GetParam(), path);
    EXPECT_EQ(summary.restored, 0);
    EXPECT_EQ(facility.notices()->count(), 1u);
}

TEST_P(RestoreWithoutAStore, StoreLockedByAnotherProgramShowsOneMessage) {
    VANTORA_SKIP_ON_SERVER("another program locks the store file");
    const Kind kind = GetParam();
    Facility facility;
    addPlainMembers(facility, 5);
    const std::string path = facility.backFolder() + "restore.dat";
    writeFile(path, kind, 10, 5);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(facility.storePath("members.mdb").c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    const int busy = vantora::db::busyTimeout();
    vantora::db::setBusyTimeout(50);
    const auto summary = restoreFile(kind, path);
    vantora::db::setBusyTimeout(busy);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(summary.restored, 0);
    EXPECT_EQ(facility.notices()->count(), 1u) << facility.notices()->last();
    EXPECT_EQ(wholeRecords(facility, kind), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryReader, RestoreWithoutAStore,
                         testing::Values(Kind::Members, Kind::Workouts, Kind::BodyComps,
                                         Kind::Evaluations),
                         kindTestName);

} // namespace

TEST(NetworkFolder, FileSystemsAreToldApartByTheirTypeNumber) {
    const std::pair<unsigned long long, const char*> cases[] = {
        {0x6969, "NFS"},
        {0xFF534D42, "SMB/CIFS"},
        {0xFE534D42, "SMB/CIFS"},
        {0x517B, "SMB/CIFS"},
        {0x01021997, "9P"},
        {0xEF53, ""} /* ext4 */,
        {0x01021994, ""} /* tmpfs */,
        {0x58465342, ""} /* xfs */,
    };
    for (const auto& [type, name] : cases)
        EXPECT_EQ(vantora::db::network::fileSystemName(type), name) << std::hex << type;
    const TempDir local;
    EXPECT_EQ(vantora::db::network::folderFileSystem(local.path().string()), "");
}

TEST(NetworkFolder, StoresThereAreRefusedWithTheServerOptionNamed) {
    Facility facility;
    if (facility.onServer())
        GTEST_SKIP() << "store files only";
    ASSERT_TRUE(addMember(1));
    vantora::db::network::setProbe([](const std::string&) { return std::string("NFS"); });
    // A connection opened before stays usable: the folder is examined when a
    // store is first opened; a new thread opens its own.
    std::thread([&] {
        CDAOSmMem m;
        EXPECT_EQ(m.OpenSet(true), 0);
        EXPECT_TRUE(m.LastOpFailed());
    }).join();
    vantora::db::network::setProbe({});
    ASSERT_EQ(facility.notices()->count(), 1u);
    EXPECT_EQ(facility.notices()->last(),
              vantora::db::network::refusal(
                  std::filesystem::path(facility.dbFolder()).parent_path().string(), "NFS"));
    EXPECT_NE(facility.notices()->last().find("vantora-setup --server"), std::string::npos);
    EXPECT_EQ(facility.count("members.mdb", "SELECT count(*) FROM Members"), 1);
}
