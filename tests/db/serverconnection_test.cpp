// Stores on a server whose connections end: what the record sets report,
// keep and count.

#include "db/batchscope.h"
#include "db/connection.h"
#include "db/daosmmem.h"

#include "support/facility.h"
#include "support/testserver.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

using namespace vantora::test;

namespace {

bool addMember(long id) {
    CDAOSmMem m;
    if (m.OpenSet(false) != 0 || m.LastOpFailed())
        return false;
    m.Op(CDAOEFSet::opAddNew);
    m.MemberID = id;
    m.Barcode = id;
    m.Op(CDAOEFSet::opUpdate);
    return !m.LastOpFailed();
}

// Ends every other connection to the facility's database, as a restart of
// the server or an administrator would.
void endConnections(Facility& facility) {
    const std::string others =
        " FROM pg_stat_activity WHERE datname = current_database() AND pid <> pg_backend_pid()";
    facility.exec("members.mdb", "SELECT pg_terminate_backend(pid)" + others);
    // Ended once their processes are gone.
    for (int i = 0; i < 500 && facility.count("members.mdb", "SELECT count(*)" + others) > 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    // A process leaves the server's list a moment before its socket closes.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
}

class ServerConnection : public testing::Test {
protected:
    void SetUp() override {
        if (!serverRun())
            GTEST_SKIP() << "runs in the server copy only";
    }
};

} // namespace

TEST_F(ServerConnection, OneEndedWhileIdleIsMadeAgainWithoutAMessage) {
    Facility facility;
    ASSERT_TRUE(addMember(1));
    endConnections(facility);
    EXPECT_TRUE(addMember(2));
    EXPECT_EQ(facility.notices()->count(), 0u) << facility.notices()->last();
    EXPECT_EQ(facility.count("members.mdb", "SELECT count(*) FROM \"Members\""), 2);
}

TEST_F(ServerConnection, OneEndedInsideABatchKeepsNothingOfItAndSaysSo) {
    Facility facility;
    ASSERT_TRUE(addMember(1));
    vantora::db::setBatchInterval(600000); // one commit, at the end
    CDAOSmMem set;
    set.OpenSet(false);
    bool finished = true;
    {
        CBatchScope batch(set);
        for (long id = 2; id <= 20; ++id) {
            set.Op(CDAOEFSet::opAddNew);
            set.MemberID = id;
            set.Op(CDAOEFSet::opUpdate);
        }
        endConnections(facility);
        set.Op(CDAOEFSet::opAddNew);
        set.MemberID = 21;
        set.Op(CDAOEFSet::opUpdate);
        EXPECT_TRUE(set.LastOpFailed());
        finished = batch.Finish();
    }
    set.Op(CDAOEFSet::opClose);
    vantora::db::setBatchInterval(200);
    EXPECT_FALSE(finished);
    EXPECT_EQ(facility.count("members.mdb", "SELECT count(*) FROM \"Members\""), 1);
    EXPECT_EQ(facility.notices()->count(), 1u);
    // The next use connects again.
    EXPECT_TRUE(addMember(100));
    EXPECT_EQ(facility.count("members.mdb", "SELECT count(*) FROM \"Members\""), 2);
}
