// The settings pages over single records: facility profile, data-entry
// defaults, kiosk settings, workout minimums, bonus values and password.
// Loads, writes, the checks of what was entered and the failures on a
// table without its record.

#include "admin/core/barcodetouchdocument.h"
#include "admin/core/bonusvaluesdocument.h"
#include "admin/core/dataentrydefaultsdocument.h"
#include "admin/core/facilityprofiledocument.h"
#include "admin/core/passworddocument.h"
#include "admin/core/workoutverificationdocument.h"

#include "db/daobon.h"
#include "db/daocenter.h"
#include "db/daodef.h"
#include "db/daotouch.h"

#include "support/facility.h"

#include <gtest/gtest.h>

using namespace vantora;
using namespace vantora::test;

namespace {

long storedFlags(const Facility& f) {
    return long(f.count("center.mdb", "SELECT DefFlags FROM Defaults"));
}

// A page that loads and applies unchanged gives its write-failure message
// when its table lost its record, after the load-failure message.
template <class Doc>
void expectFailsWithoutRecord(Facility& f, const char* table, const char* loadMsg,
                              const char* writeMsg, void (*fill)(Doc&)) {
    ASSERT_TRUE(f.exec("center.mdb", std::string("DELETE FROM ") + table));
    f.notices().clear();
    Doc doc;
    EXPECT_FALSE(doc.Activate());
    EXPECT_EQ(f.notices().last(), loadMsg);
    fill(doc);
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(f.notices().last(), writeMsg);
    EXPECT_EQ(f.notices().entries().back().icon, notice::Icon::Exclamation);
    EXPECT_EQ(f.count("center.mdb", std::string("SELECT COUNT(*) FROM ") + table), 0);
}

} // namespace

TEST(FacilityProfilePage, ShowsAndWritesTheProfileColumnsOnly) {
    Facility f("Riverside Gym", "pw");
    CProfDoc doc;
    ASSERT_TRUE(doc.Activate());
    EXPECT_EQ(doc.Name, "Riverside Gym");
    doc.Addr0 = "12 Mill Road";
    doc.City = "Springfield";
    doc.St = "IL";
    doc.Zip = "62701";
    doc.Phone = "(217) 555-0100";
    doc.Web = "www.riverside.example";
    doc.Email = "desk@riverside.example";
    ASSERT_TRUE(doc.Apply());
    CDAOCenter c;
    ASSERT_EQ(c.OpenSet(true), 1);
    EXPECT_EQ(c.City, "Springfield");
    EXPECT_EQ(c.St, "IL");
    EXPECT_EQ(c.Email, "desk@riverside.example");
    EXPECT_EQ(c.Password, "pw");
    EXPECT_EQ(c.WkMinCirc, 2);
    EXPECT_EQ(f.notices().count(), 0u);
}

TEST(FacilityProfilePage, OverlongTextIsRefusedAndNothingWritten) {
    Facility f("Riverside Gym", "pw");
    CProfDoc doc;
    ASSERT_TRUE(doc.Activate());
    doc.Name = "Renamed";
    doc.City = std::string(17, 'x');
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(doc.FocusField(), CProfDoc::fldCity);
    EXPECT_EQ(f.notices().last(), "Error: the city can have at most 16 characters");
    EXPECT_EQ(f.text("center.mdb", "SELECT Name FROM Center"), "Riverside Gym");
    // Limits count characters, not bytes.
    doc.City = "Zürich-Höngg-Süd"; // 16 characters, more bytes
    EXPECT_TRUE(doc.Apply());
    EXPECT_EQ(f.text("center.mdb", "SELECT City FROM Center"), "Zürich-Höngg-Süd");
}

TEST(SettingsPages, EachWriteFailsOnATableWithoutItsRecord) {
    {
        Facility f;
        expectFailsWithoutRecord<CProfDoc>(f, "Center", CProfDoc::MsgLoad, CProfDoc::MsgWrite,
                                           [](CProfDoc& d) { d.Name = "X"; });
    }
    {
        Facility f;
        expectFailsWithoutRecord<CWorkDoc>(f, "Center", CWorkDoc::MsgLoad, CWorkDoc::MsgWrite,
                                           [](CWorkDoc& d) { d.WkMinCirc = 3; });
    }
    {
        Facility f;
        expectFailsWithoutRecord<CPassDoc>(f, "Center", CPassDoc::MsgLoad, CPassDoc::MsgWrite,
                                           [](CPassDoc& d) { d.Password = "new"; });
    }
    {
        Facility f;
        expectFailsWithoutRecord<CDefaDoc>(f, "Defaults", CDefaDoc::MsgLoad, CDefaDoc::MsgWrite,
                                           [](CDefaDoc& d) {
                                               d.EnrollPer = 1;
                                               d.GrdStat = 2;
                                           });
    }
    {
        Facility f;
        expectFailsWithoutRecord<CBarcDoc>(f, "BarcodeTouch", CBarcDoc::MsgLoad, CBarcDoc::MsgWrite,
                                           [](CBarcDoc& d) {
                                               d.CodeLen = 5;
                                               d.MsgTime = 3;
                                           });
    }
    {
        Facility f;
        expectFailsWithoutRecord<CBonuDoc>(f, "Bonuses", CBonuDoc::MsgLoad, CBonuDoc::MsgWrite,
                                           [](CBonuDoc& d) { d.Values[0].workouts = 4; });
    }
}

TEST(BarcodeTouchPage, WithoutTheDefaultsRecordNeitherRecordIsWritten) {
    Facility f;
    ASSERT_TRUE(f.exec("center.mdb", "DELETE FROM Defaults"));
    CBarcDoc doc;
    EXPECT_FALSE(doc.Activate());
    EXPECT_EQ(f.notices().last(), CBarcDoc::MsgLoad);
    doc.CodeLen = 4;
    doc.MsgTime = 9;
    doc.Msg[0] = "Changed";
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(f.notices().last(), CBarcDoc::MsgWrite);
    EXPECT_EQ(f.count("center.mdb", "SELECT CodeLen FROM BarcodeTouch"), 6);
    EXPECT_NE(f.text("center.mdb", "SELECT Msg0 FROM BarcodeTouch"), "Changed");
}

TEST(PasswordPage, ShowsTheStoredPasswordAndRefusesAnEmptyOne) {
    Facility f("Gym", "Open Sez");
    CPassDoc doc;
    ASSERT_TRUE(doc.Activate());
    EXPECT_EQ(doc.Password, "Open Sez");
    doc.Password = "";
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(f.notices().last(), CPassDoc::MsgEmpty);
    EXPECT_EQ(doc.FocusField(), 0);
    doc.Password = "ninechars";
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(f.text("center.mdb", "SELECT Password FROM Center"), "Open Sez");

    doc.Password = "NewPass8";
    doc.SetModified(); // as the page marks it when the field is edited
    ASSERT_TRUE(doc.Apply());
    EXPECT_FALSE(doc.Modified());
    CDAOCenter c;
    ASSERT_EQ(c.OpenSet(true), 1);
    EXPECT_TRUE(c.ChkPassword("NewPass8"));
    EXPECT_FALSE(c.ChkPassword("newpass8"));
}

TEST(DataEntryDefaultsPage, RequiresAPeriodAndAGradeStatus) {
    Facility f;
    ASSERT_TRUE(f.exec("center.mdb", "UPDATE Defaults SET DefEnrollPer = 7, DefGrdStat = 9"));
    CDefaDoc doc;
    ASSERT_TRUE(doc.Activate());
    // Codes without a text select nothing.
    EXPECT_EQ(doc.EnrollPer, -1);
    EXPECT_EQ(doc.GrdStat, -1);
    doc.ExpMonths = 6;
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(f.notices().last(), CDefaDoc::MsgNoEnrollPer);
    EXPECT_EQ(doc.FocusField(), CDefaDoc::fldEnrollPer);
    doc.EnrollPer = CDAODef::enrWinter;
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(f.notices().last(), CDefaDoc::MsgNoGrdStat);
    EXPECT_EQ(doc.FocusField(), CDefaDoc::fldGrdStat);
    EXPECT_EQ(f.count("center.mdb", "SELECT DefExpDate FROM Defaults"), 4);

    doc.GrdStat = CDAODef::grdNoCredit;
    ASSERT_TRUE(doc.Apply());
    CDAODef d;
    ASSERT_EQ(d.OpenSet(true), 1);
    EXPECT_EQ(d.DefExpDate, 6);
    EXPECT_EQ(d.DefEnrollPer, CDAODef::enrWinter);
    EXPECT_EQ(d.DefGrdStat, CDAODef::grdNoCredit);
}

TEST(DataEntryDefaultsPage, ChangesItsOwnBitsAndKeepsTheKioskBits) {
    Facility f;
    const long kiosk = CDAODef::defBlinkMessages | CDAODef::defThreeDigits;
    ASSERT_TRUE(f.exec("center.mdb", "UPDATE Defaults SET DefFlags = " +
                                         std::to_string(kiosk | CDAODef::defGoals)));
    CDefaDoc doc;
    ASSERT_TRUE(doc.Activate());
    EXPECT_TRUE(doc.Flag(CDAODef::defGoals));
    doc.SetFlag(CDAODef::defGoals, false);
    doc.SetFlag(CDAODef::defSex, true);
    doc.SetFlag(CDAODef::defMedHist, true);
    ASSERT_TRUE(doc.Apply());
    EXPECT_EQ(storedFlags(f), kiosk | CDAODef::defSex | CDAODef::defMedHist);
}

TEST(DataEntryDefaultsPage, OutOfRangeNumbersAreRefused) {
    Facility f;
    CDefaDoc doc;
    ASSERT_TRUE(doc.Activate());
    doc.ExpMonths = 13;
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(doc.FocusField(), CDefaDoc::fldExpDate);
    EXPECT_EQ(f.notices().last(),
              "Error: the membership expiration in months must be a number from 0 to 12");
    doc.ExpMonths = 12;
    doc.OtherBon = 100;
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(doc.FocusField(), CDefaDoc::fldOtherBon);
    EXPECT_EQ(f.count("center.mdb", "SELECT DefExpDate FROM Defaults"), 4);
}

TEST(BarcodeTouchPage, BlinkMessagesLeavesTheDefaultsBitsAsRead) {
    Facility f;
    const long defaults = CDAODef::defSex | CDAODef::defEmployee | CDAODef::defMemberStatus;
    ASSERT_TRUE(f.exec("center.mdb", "UPDATE Defaults SET DefFlags = " +
                                         std::to_string(defaults | CDAODef::defRecordDetails)));
    CBarcDoc doc;
    ASSERT_TRUE(doc.Activate());
    EXPECT_FALSE(doc.Blink);
    EXPECT_TRUE(doc.RecordDetails);
    EXPECT_FALSE(doc.ThreeDigits);
    doc.Blink = true;
    ASSERT_TRUE(doc.Apply());
    EXPECT_EQ(storedFlags(f), defaults | CDAODef::defRecordDetails | CDAODef::defBlinkMessages);

    doc.Blink = false;
    doc.RecordDetails = false;
    doc.ThreeDigits = true;
    ASSERT_TRUE(doc.Apply());
    EXPECT_EQ(storedFlags(f), defaults | CDAODef::defThreeDigits);
}

TEST(BarcodeTouchPage, DoesNotUndoADefaultsChangeAppliedAfterItWasRead) {
    // Both pages open in one sheet: the defaults are applied first, then the
    // kiosk page, which read DefFlags before that change.
    Facility f;
    CBarcDoc kiosk;
    CDefaDoc defaults;
    ASSERT_TRUE(kiosk.Activate());
    ASSERT_TRUE(defaults.Activate());
    defaults.SetFlag(CDAODef::defEmployee, true);
    defaults.SetFlag(CDAODef::defMemberStatus, false);
    kiosk.ThreeDigits = true;
    ASSERT_TRUE(defaults.Apply());
    ASSERT_TRUE(kiosk.Apply());
    const long flags = storedFlags(f);
    EXPECT_TRUE(flags & CDAODef::defEmployee);
    EXPECT_FALSE(flags & CDAODef::defMemberStatus);
    EXPECT_TRUE(flags & CDAODef::defThreeDigits);
}

TEST(BarcodeTouchPage, ChecksRangesAndMessageLength) {
    Facility f;
    CBarcDoc doc;
    ASSERT_TRUE(doc.Activate());
    doc.CodeLen = 10;
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(doc.FocusField(), CBarcDoc::fldCodeLen);
    doc.CodeLen = 9;
    doc.Msg[1] = std::string(49, 'm');
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(doc.FocusField(), CBarcDoc::fldMsg1);
    doc.Msg[1] = std::string(48, 'm');
    doc.MsgTime = 0;
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(doc.FocusField(), CBarcDoc::fldMsgTime);
    EXPECT_EQ(f.count("center.mdb", "SELECT CodeLen FROM BarcodeTouch"), 6);
}

TEST(KioskSettings, WhatThePageWritesIsWhatTheKioskReadsAtItsNextStart) {
    Facility f;
    {
        CBarcDoc doc;
        ASSERT_TRUE(doc.Activate());
        doc.CodeMeth = 0;
        doc.CodeLen = 8;
        doc.Msg[0] = "Welcome back!";
        doc.Msg[1] = "Circuits first, then each option.";
        doc.Msg[2] = "";
        doc.MsgTime = 12;
        doc.NoChkInWkMin = 45;
        doc.Colours[CBarcDoc::clrPrimFrm] = 0x123456;
        ASSERT_TRUE(doc.Apply());
    }
    // The kiosk opens its own record sets at start-up.
    CDAOTouch t;
    ASSERT_EQ(t.OpenSet(true), 1);
    EXPECT_EQ(t.CodeLen, 8);
    EXPECT_EQ(t.CodeMeth, 0);
    EXPECT_EQ(t.Msg0, "Welcome back!");
    EXPECT_EQ(t.Msg1, "Circuits first, then each option.");
    EXPECT_EQ(t.Msg2, "");
    EXPECT_EQ(t.MsgTime, 12);
    EXPECT_EQ(t.NoChkInWkMin, 45);
    EXPECT_EQ(t.PrimFrmClr, 0x123456);
}

TEST(WorkoutVerificationPage, WritesTheMinimumsWithinTheirRanges) {
    Facility f;
    CWorkDoc doc;
    ASSERT_TRUE(doc.Activate());
    EXPECT_EQ(doc.WkMinCirc, 2);
    EXPECT_EQ(doc.WkMinMin, 30);
    doc.WkMinCirc = 9;
    doc.WkMinMin = 61;
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(doc.FocusField(), CWorkDoc::fldMinMin);
    doc.WkMinMin = 60;
    ASSERT_TRUE(doc.Apply());
    CDAOCenter c;
    ASSERT_EQ(c.OpenSet(true), 1);
    EXPECT_EQ(c.WkMinCirc, 9);
    EXPECT_EQ(c.WkMinMin, 60);
}

TEST(BonusValuesPage, WritesEachBonusWorth) {
    Facility f;
    CBonuDoc doc;
    ASSERT_TRUE(doc.Activate());
    EXPECT_EQ(doc.Values[CBonuDoc::bonOther].minutes, 15);
    doc.Values[CBonuDoc::bonReEval] = {99, 1000};
    EXPECT_FALSE(doc.Apply());
    EXPECT_EQ(doc.FocusField(), CBonuDoc::MinutesField(CBonuDoc::bonReEval));
    doc.Values[CBonuDoc::bonReEval] = {99, 999};
    doc.Values[CBonuDoc::bonOrient] = {3, 0};
    ASSERT_TRUE(doc.Apply());
    CDAOBon b;
    ASSERT_EQ(b.OpenSet(true), 1);
    EXPECT_EQ(b.OrientBonWk, 3);
    EXPECT_EQ(b.OrientBonMin, 0);
    EXPECT_EQ(b.ReEvalBonWk, 99);
    EXPECT_EQ(b.ReEvalBonMin, 999);
    EXPECT_EQ(b.OtherBonMin, 15);
}

TEST(PageActivation, ReloadsOnReturnUnlessChangesAreWaiting) {
    Facility f("Gym", "pw");
    CWorkDoc doc;
    ASSERT_TRUE(doc.Activate());
    // Another program changes the record: an unmodified page shows it.
    ASSERT_TRUE(f.exec("center.mdb", "UPDATE Center SET WkMinMin = 40"));
    ASSERT_TRUE(doc.Activate());
    EXPECT_EQ(doc.WkMinMin, 40);
    // A typed but not applied value survives leaving and re-entering.
    doc.WkMinMin = 50;
    doc.SetModified();
    ASSERT_TRUE(doc.Activate());
    EXPECT_EQ(doc.WkMinMin, 50);
    EXPECT_TRUE(doc.Visited());
}
