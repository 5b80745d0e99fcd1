// The facility's settings tables, member messages and the report queue.

#include "db/daobon.h"
#include "db/daocenter.h"
#include "db/daomsg.h"
#include "db/daoreport.h"
#include "db/daostn.h"
#include "db/daotouch.h"

#include "support/facility.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vantora::test;

namespace {

CEFOleDateTime when(int day, int hour = 0) {
    return CEFOleDateTime(2026, 3, day, hour, 0, 0);
}

void addMessage(long id, const std::string& text) {
    CDAOMsg m;
    m.OpenSet(false);
    m.Op(CDAOEFSet::opAddNew);
    m.MemberID = id;
    m.Msg = text;
    m.Op(CDAOEFSet::opUpdate);
    ASSERT_FALSE(m.LastOpFailed());
}

void queue(long type, long id, const std::string& category) {
    CDAOReport r;
    r.OpenSet(false);
    r.Op(CDAOEFSet::opAddNew);
    r.ltype = type;
    r.lid = id;
    r.date0 = when(2);
    r.date1 = when(9);
    r.str0 = category;
    r.Op(CDAOEFSet::opUpdate);
    ASSERT_FALSE(r.LastOpFailed());
}

TEST(Settings, CenterRecordIsWrittenAndReadBackThroughItsColumns) {
    Facility facility;
    {
        CDAOCenter c;
        ASSERT_EQ(c.OpenSet(true), 1);
        c.Op(CDAOEFSet::opEdit);
        c.Name = "Harbour Fitness";
        c.Addr0 = "12 Quay Road";
        c.Addr1 = "Unit 4";
        c.City = "Portsmouth";
        c.St = "NH";
        c.Zip = "03801";
        c.Phone = "603-555-0199";
        c.Email = "desk@harbour.example";
        c.Web = "harbour.example";
        c.Password = "Tide7";
        c.WkMinMin = 30;
        c.WkMinCirc = 2;
        c.Op(CDAOEFSet::opUpdate);
        ASSERT_FALSE(c.LastOpFailed());
    }
    CDAOCenter c;
    ASSERT_EQ(c.OpenSet(true), 1);
    EXPECT_EQ(c.Name, "Harbour Fitness");
    EXPECT_EQ(c.Addr1, "Unit 4");
    EXPECT_EQ(c.St, "NH");
    EXPECT_EQ(c.Zip, "03801");
    EXPECT_EQ(c.Web, "harbour.example");
    EXPECT_TRUE(c.ChkPassword("Tide7"));
    EXPECT_FALSE(c.ChkPassword("tide7"));
    EXPECT_TRUE(c.VerifyWk(2, when(3, 9), when(3, 10)));
    EXPECT_FALSE(c.VerifyWk(1, when(3, 9), when(3, 10)));
}

TEST(Settings, TablesWithoutTheirRecordGiveZeroResults) {
    Facility facility;
    {
        CDAOCenter c;
        c.OpenSet(true);
        c.DelAll();
        CDAOBon b;
        b.OpenSet(true);
        b.DelAll();
        CDAOTouch t;
        t.OpenSet(true);
        t.DelAll();
    }
    Notices notices;
    CDAOCenter c;
    EXPECT_EQ(c.OpenSet(true), 0);
    EXPECT_TRUE(c.IsEOF());
    EXPECT_EQ(c.WkMinCirc, 0);
    EXPECT_EQ(c.WkMinMin, 0);
    EXPECT_EQ(c.Name, "");
    // Minimums of zero: any forward visit is OK.
    EXPECT_TRUE(c.VerifyWk(0, when(3, 9), when(3, 9)));
    EXPECT_TRUE(c.ChkPassword(""));

    CDAOBon b;
    EXPECT_EQ(b.OpenSet(true), 0);
    EXPECT_EQ(b.CalcBonus(CDAOBon::bonMinutes, 1, 2, 3), 0);
    EXPECT_EQ(b.CalcBonus(CDAOBon::bonWorkouts, 1, 2, 3), 0);

    CDAOTouch t;
    EXPECT_EQ(t.OpenSet(true), 0);
    EXPECT_EQ(t.CodeLen, 0);
    EXPECT_EQ(t.Msg0, "");
    EXPECT_EQ(notices->count(), 0u);
}

TEST(Settings, BonusValuesComeFromTheBonusRecord) {
    Facility facility;
    {
        CDAOBon b;
        ASSERT_EQ(b.OpenSet(true), 1);
        b.Op(CDAOEFSet::opEdit);
        b.OrientBonWk = 1;
        b.OrientBonMin = 30;
        b.ReEvalBonWk = 2;
        b.ReEvalBonMin = 45;
        b.OtherBonWk = 3;
        b.OtherBonMin = 15;
        b.Op(CDAOEFSet::opUpdate);
    }
    CDAOBon b;
    ASSERT_EQ(b.OpenSet(true), 1);
    EXPECT_EQ(b.CalcBonus(CDAOBon::bonMinutes, 1, 0, 2), 60);
    EXPECT_EQ(b.CalcBonus(CDAOBon::bonWorkouts, 1, 1, 1), 6);
}

TEST(Settings, KioskSettingsKeepEveryColumnApart) {
    Facility facility;
    {
        CDAOTouch t;
        ASSERT_EQ(t.OpenSet(true), 1);
        t.Op(CDAOEFSet::opEdit);
        t.CodeLen = 6;
        t.CodeMeth = 1;
        t.Msg0 = "Welcome";
        t.Msg1 = "Enter your options";
        t.Msg2 = "Thank you";
        t.MsgTime = 7;
        t.NoChkInWkMin = 45;
        t.LgTxtClr = 0x0000FF;
        t.MedTxtClr = 0x00FF00;
        t.SmTxtClr = 0xFF0000;
        t.PrimFrmClr = 0x123456;
        t.SecFrmClr = 0xFFFFFF;
        t.Op(CDAOEFSet::opUpdate);
    }
    CDAOTouch t;
    ASSERT_EQ(t.OpenSet(true), 1);
    EXPECT_EQ(t.CodeLen, 6);
    EXPECT_EQ(t.CodeMeth, 1);
    EXPECT_EQ(t.Msg0, "Welcome");
    EXPECT_EQ(t.Msg1, "Enter your options");
    EXPECT_EQ(t.Msg2, "Thank you");
    EXPECT_EQ(t.MsgTime, 7);
    EXPECT_EQ(t.NoChkInWkMin, 45);
    EXPECT_EQ(t.LgTxtClr, 0x0000FF);
    EXPECT_EQ(t.MedTxtClr, 0x00FF00);
    EXPECT_EQ(t.SmTxtClr, 0xFF0000);
    EXPECT_EQ(t.PrimFrmClr, 0x123456);
    EXPECT_EQ(t.SecFrmClr, 0xFFFFFF);
}

TEST(Settings, OptionNamesKeepTableOrderWithTheCircuitOptionFirst) {
    Facility facility;
    CDAOStn s;
    const int n = s.OpenSet(true);
    ASSERT_GE(n, 1);
    ASSERT_LE(n, 13);
    const std::string first = s.StnName;
    EXPECT_FALSE(first.empty());
    // Renaming the third option keeps it third.
    ASSERT_TRUE(s.MoveSet(2));
    s.Op(CDAOEFSet::opEdit);
    s.StnName = "Rowing";
    s.StnAbbr = "Row";
    s.Op(CDAOEFSet::opUpdate);

    CDAOStn again;
    ASSERT_EQ(again.OpenSet(true), n);
    EXPECT_EQ(again.StnName, first);
    std::vector<std::string> names;
    for (; !again.IsEOF(); again.Op(CDAOEFSet::opMoveNext))
        names.push_back(again.StnName);
    ASSERT_GE(names.size(), 3u);
    EXPECT_EQ(names[2], "Rowing");
    ASSERT_TRUE(again.MoveSet(2));
    EXPECT_EQ(again.StnAbbr, "Row");
}

TEST(Settings, MessagesAreFoundPerMember) {
    Facility facility;
    CDAOMsg m;
    EXPECT_EQ(m.FindMessages(5), 0);
    addMessage(5, "Your class starts Monday");
    addMessage(6, "Please renew");
    addMessage(5, "Bring a towel");
    EXPECT_EQ(m.FindMessages(5), 2);
    EXPECT_EQ(m.Msg, "Your class starts Monday");
    EXPECT_EQ(m.FindMessages(6), 1);
    EXPECT_EQ(m.Msg, "Please renew");
    EXPECT_EQ(m.FindMessages(7), 0);
    // Shown once: deleting the member's messages leaves the others.
    m.FindMessages(5);
    EXPECT_EQ(m.DelAll(), 2);
    EXPECT_EQ(m.FindMessages(5), 0);
    EXPECT_EQ(m.FindMessages(6), 1);
}

TEST(Settings, ReportQueueListsRequestsInTheOrderQueued) {
    Facility facility;
    CDAOReport r;
    EXPECT_EQ(r.FindReports(), 0);
    queue(7, 12, "");
    queue(5, 0, "");
    queue(8, 0, "Aerobics");
    ASSERT_EQ(r.FindReports(), 3);
    std::vector<long> kinds;
    for (; !r.IsEOF(); r.Op(CDAOEFSet::opMoveNext))
        kinds.push_back(r.ltype);
    EXPECT_EQ(kinds, (std::vector<long>{7, 5, 8}));
    ASSERT_TRUE(r.MoveSet(0));
    EXPECT_EQ(r.lid, 12);
    EXPECT_EQ(r.date0, when(2));
    EXPECT_EQ(r.date1, when(9));
    ASSERT_TRUE(r.MoveSet(2));
    EXPECT_EQ(r.str0, "Aerobics");
    EXPECT_EQ(r.str1, "");

    // A filter left over from another use does not hide requests.
    r.m_strFilter = "ltype = 5";
    EXPECT_EQ(r.FindReports(), 3);
    EXPECT_EQ(r.DelAll(), 3);
    EXPECT_EQ(r.FindReports(), 0);
}

} // namespace
