// Stores on a disk that fills up: what the record sets report and keep.

#include "db/daosmmem.h"

#include "support/facility.h"
#include "support/faultydisk.h"

#include <gtest/gtest.h>

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

TEST(FaultyDisk, AFailedCommitIsReportedAndLeavesNoRow) {
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

} // namespace
