// Open check-ins: lookups by member id and workout number, order by time.

#include "db/daochkin.h"
#include "db/daosmmem.h"

#include "support/facility.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace vantora::test;

namespace {

void checkIn(long id, long barcode, const char* first, CEFOleDateTime when, unsigned char cls) {
    CDAOChkIn c;
    c.FindChkIns();
    c.Op(CDAOEFSet::opAddNew);
    c.MemberID = id;
    c.Barcode = barcode;
    c.FirstName = first;
    c.LastName = "L";
    c.CheckIn = when;
    c.ClassIndx = cls;
    c.Op(CDAOEFSet::opUpdate);
}

} // namespace

TEST(CheckIns, EmptyTableHasNoVisits) {
    Facility facility;
    CDAOChkIn c;
    EXPECT_EQ(c.FindChkIns(), 0);
    EXPECT_EQ(c.IsCheckedIn(CDAOSmMem::idBarcode, 1234), 0);
    EXPECT_TRUE(c.IsOpen());
    EXPECT_TRUE(c.IsEOF());
}

TEST(CheckIns, LookupByMemberOrWorkoutNumberFindsTheOldestFirst) {
    Facility facility;
    checkIn(7, 700, "Later", CEFOleDateTime(2026, 5, 1, 10, 0, 0), 2);
    checkIn(8, 800, "Other", CEFOleDateTime(2026, 5, 1, 8, 0, 0), 0);
    checkIn(7, 700, "Earlier", CEFOleDateTime(2026, 5, 1, 9, 0, 0), 1);
    checkIn(9, 0, "NoCard", CEFOleDateTime(2026, 5, 1, 7, 0, 0), 0);

    CDAOChkIn c;
    EXPECT_EQ(c.IsCheckedIn(CDAOSmMem::idMember, 7), 2);
    EXPECT_EQ(c.FirstName, "Earlier");
    EXPECT_EQ(c.ClassIndx, 1);
    EXPECT_EQ(c.IsCheckedIn(CDAOSmMem::idBarcode, 800), 1);
    EXPECT_EQ(c.MemberID, 8);
    EXPECT_EQ(c.IsCheckedIn(5, 8), 1); // any other key kind: member id
    EXPECT_EQ(c.IsCheckedIn(CDAOSmMem::idBarcode, 8), 0);
    // Workout number 0 is "none" and matches no visit, not the one without card.
    EXPECT_EQ(c.IsCheckedIn(CDAOSmMem::idBarcode, 0), 0);

    EXPECT_EQ(c.FindChkIns(), 4);
    std::vector<std::string> order;
    while (!c.IsEOF()) {
        order.push_back(c.FirstName);
        c.Op(CDAOEFSet::opMoveNext);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"NoCard", "Other", "Earlier", "Later"}));
}

TEST(CheckIns, CheckingOutDeletesTheCurrentVisitOnly) {
    Facility facility;
    checkIn(7, 700, "First", CEFOleDateTime(2026, 5, 1, 9, 0, 0), 0);
    checkIn(7, 700, "Second", CEFOleDateTime(2026, 5, 1, 10, 0, 0), 0);
    CDAOChkIn c;
    ASSERT_EQ(c.IsCheckedIn(CDAOSmMem::idBarcode, 700), 2);
    c.DelCurrent();
    EXPECT_EQ(c.IsCheckedIn(CDAOSmMem::idBarcode, 700), 1);
    EXPECT_EQ(c.FirstName, "Second");
}
