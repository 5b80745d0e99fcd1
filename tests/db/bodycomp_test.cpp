// Body compositions: units entered and converted, texts, lookups, the export
// line, recognising export files and restoring them.

#include "db/daobodycomp.h"

#include "support/facility.h"
#include "support/memberdata.h"
#include "support/testsupport.h"
#include "util/format.h"
#include "util/text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

using namespace vantora::test;

namespace {

void addBodyComp(long memberId, CEFOleDateTime date, unsigned char classIndx, int seed) {
    CDAOBodyComp b;
    b.OpenSet(false);
    b.Op(CDAOEFSet::opAddNew);
    b.MemberID = memberId;
    b.BodyCompDate = date;
    b.ClassIndx = classIndx;
    b.Height = 65.5 + seed;
    b.Weight = 180.25 + seed;
    b.ActivityLevel = static_cast<unsigned char>(seed % 5);
    b.Method = static_cast<unsigned char>(seed % 4);
    b.FatPercent = 21.4 + seed;
    b.Waist = 34.5 + seed;
    b.Wrist = 6.75 + seed;
    b.Hip = 40.1 + seed;
    b.ThighSkinFold = 18.2 + seed;
    b.ChestSkinFold = 9.3 + seed;
    b.AbSkinFold = 22.4 + seed;
    b.TricepSkinFold = 12.5 + seed;
    b.SupraSkinFold = 14.6 + seed;
    b.MidaxSkinFold = 11.7 + seed;
    b.SubscapSkinFold = 15.8 + seed;
    b.WaterTemp = 92.5 + seed;
    b.WetWeight = 8.35 + seed;
    b.TareWeight = 4.15 + seed;
    b.Flags = seed * 37 % 256;
    b.Op(CDAOEFSet::opUpdate);
}

std::vector<std::string> dates(CDAOBodyComp& b) {
    std::vector<std::string> out;
    for (b.Op(CDAOEFSet::opMoveFirst); !b.IsEOF(); b.Op(CDAOEFSet::opMoveNext))
        out.push_back(b.BodyCompDate.DateTimeStrLongYear());
    return out;
}

// Every value of every body composition, doubles at two decimals.
std::vector<std::string> readAll(bool withClass = true) {
    std::vector<std::string> out;
    CDAOBodyComp b;
    b.FindBodyComps(0);
    for (; !b.IsEOF(); b.Op(CDAOEFSet::opMoveNext)) {
        std::string s = std::to_string(b.MemberID) + " " + b.BodyCompDate.DateTimeStrLongYear();
        if (withClass)
            s += " c" + std::to_string(b.ClassIndx);
        for (double d :
             {b.Height, b.Weight, b.FatPercent, b.Waist, b.Wrist, b.Hip, b.ThighSkinFold,
              b.ChestSkinFold, b.AbSkinFold, b.TricepSkinFold, b.SupraSkinFold, b.MidaxSkinFold,
              b.SubscapSkinFold, b.WaterTemp, b.WetWeight, b.TareWeight})
            s += vantora::format(" %.2f", {d});
        s += " " + std::to_string(b.ActivityLevel) + " " + std::to_string(b.Method) + " " +
             std::to_string(b.Flags);
        out.push_back(s);
    }
    return out;
}

int backup(const std::string& path) {
    CDAOBodyComp b;
    b.FindBodyComps(0);
    std::ofstream out(path);
    CText text(&out, '|');
    int n = 0;
    for (; !b.IsEOF(); b.Op(CDAOEFSet::opMoveNext), ++n)
        b.Save(&text);
    return n;
}

int restore(const std::string& path, long memberId = 0) {
    std::ifstream in(path);
    CDAOBodyComp b;
    return b.Restore(in, '|', memberId, true);
}

bool looksLikeBodyComps(const std::string& content) {
    TempDir dir;
    const std::string path = dir.file("t.dat");
    std::ofstream(path) << content;
    std::ifstream in(path);
    return CDAOBodyComp().Test(in, '|');
}

std::string line(long memberId, const std::string& date = "04/02/2026 16:45:00",
                 const std::string& flags = "0", const std::string& activity = "1") {
    return std::to_string(memberId) + "|" + date + "|0|68.00|175.50|" + activity +
           "|2|19.30|33.00|7.00|39.00|0.00|0.00|0.00|0.00|0.00|0.00|0.00|93.20|7.45|3.80|" + flags +
           "\n";
}

} // namespace

TEST(BodyCompUnits, ConvertOnlyValuesEnteredInTheOtherUnit) {
    Notices notices;
    CDAOBodyComp b;
    b.Height = 180;
    b.Weight = 70;
    b.Waist = 81.28;
    b.Wrist = 17.78;
    b.Hip = 101.6;
    b.WaterTemp = 25;
    b.WetWeight = 3;
    b.TareWeight = 1.5;
    EXPECT_DOUBLE_EQ(b.ConvertWeight(), 70);
    EXPECT_DOUBLE_EQ(b.ConvertHeight(), 180);
    EXPECT_DOUBLE_EQ(b.ConvertSkinFold(0.5), 0.5);

    b.SetUnitFlag(CDAOBodyComp::unitWeight);
    EXPECT_TRUE(b.GetUnitFlag(CDAOBodyComp::unitWeight));
    EXPECT_NEAR(b.ConvertWeight(), 154.32, 0.005);
    EXPECT_DOUBLE_EQ(b.ConvertHeight(), 180); // each group has its own bit
    EXPECT_DOUBLE_EQ(b.ConvertWetWeight(), 3);

    b.SetUnitFlag(CDAOBodyComp::unitHeight);
    b.SetUnitFlag(CDAOBodyComp::unitGirth);
    b.SetUnitFlag(CDAOBodyComp::unitSkinFold);
    b.SetUnitFlag(CDAOBodyComp::unitH2OTemp);
    b.SetUnitFlag(CDAOBodyComp::unitWetWeight);
    b.SetUnitFlag(CDAOBodyComp::unitTareWeight);
    EXPECT_EQ(b.Flags, 127);
    EXPECT_NEAR(b.ConvertHeight(), 70.87, 0.005);
    EXPECT_NEAR(b.ConvertWaist(), 32.0, 1e-9);
    EXPECT_NEAR(b.ConvertWrist(), 7.0, 1e-9);
    EXPECT_NEAR(b.ConvertHip(), 40.0, 1e-9);
    EXPECT_DOUBLE_EQ(b.ConvertSkinFold(0.5), 12.7);
    EXPECT_DOUBLE_EQ(b.ConvertH2OTemp(), 77);
    EXPECT_NEAR(b.ConvertWetWeight(), 6.61, 0.005);
    EXPECT_NEAR(b.ConvertTareWeight(), 3.31, 0.005);

    b.ClrUnitFlag(CDAOBodyComp::unitGirth);
    EXPECT_FALSE(b.GetUnitFlag(CDAOBodyComp::unitGirth));
    EXPECT_EQ(b.Flags, 123);
    EXPECT_DOUBLE_EQ(b.ConvertWaist(), 81.28);
}

TEST(BodyCompUnits, UnitTextsFollowTheFlags) {
    Notices notices;
    CDAOBodyComp b;
    EXPECT_STREQ(b.GetUnitStr(CDAOBodyComp::unitHeight), "in");
    EXPECT_STREQ(b.GetUnitStr(CDAOBodyComp::unitWeight), "lbs");
    EXPECT_STREQ(b.GetUnitStr(CDAOBodyComp::unitSkinFold), "mm");
    EXPECT_STREQ(b.GetUnitStr(CDAOBodyComp::unitH2OTemp), "F");
    b.Flags = 127;
    EXPECT_STREQ(b.GetUnitStr(CDAOBodyComp::unitGirth), "cm");
    EXPECT_STREQ(b.GetUnitStr(CDAOBodyComp::unitTareWeight), "kg");
    EXPECT_STREQ(b.GetUnitStr(CDAOBodyComp::unitSkinFold), "in");
    EXPECT_STREQ(b.GetUnitStr(CDAOBodyComp::unitH2OTemp), "C");
    EXPECT_STREQ(b.GetUnitStr(static_cast<CDAOBodyComp::unit>(3)), "");
}

TEST(BodyCompTexts, LevelsMethodsAndMeasuredSkinFolds) {
    EXPECT_STREQ(CDAOBodyComp::GetActLevelStr(0), "No Exercise on Regular Basis");
    EXPECT_STREQ(CDAOBodyComp::GetActLevelStr(2), "Moderate: 2 to 4 Hrs/Week");
    EXPECT_STREQ(CDAOBodyComp::GetActLevelStr(4), "Training as Competitive Athlete");
    EXPECT_STREQ(CDAOBodyComp::GetActLevelStr(5), "");
    EXPECT_STREQ(CDAOBodyComp::GetActLevelStrAbbr(0), "No Exer");
    EXPECT_STREQ(CDAOBodyComp::GetActLevelStrAbbr(3), "Very Act");
    EXPECT_STREQ(CDAOBodyComp::GetActLevelStrAbbr(4), "Training");
    EXPECT_STREQ(CDAOBodyComp::GetActLevelStrAbbr(255), "");
    EXPECT_STREQ(CDAOBodyComp::GetMethodStr(0), "Body Measurement");
    EXPECT_STREQ(CDAOBodyComp::GetMethodStr(1), "Skin Fold Measurement");
    EXPECT_STREQ(CDAOBodyComp::GetMethodStr(2), "Hydrostatic Weighing");
    EXPECT_STREQ(CDAOBodyComp::GetMethodStr(3), "Other");
    EXPECT_STREQ(CDAOBodyComp::GetMethodStr(4), "");

    Notices notices;
    CDAOBodyComp b;
    EXPECT_EQ(b.CountSkinFolds(), 0);
    b.TricepSkinFold = 12;
    b.SubscapSkinFold = 15.5;
    EXPECT_EQ(b.CountSkinFolds(), 2);
    b.ThighSkinFold = b.ChestSkinFold = b.AbSkinFold = b.SupraSkinFold = b.MidaxSkinFold = 1;
    EXPECT_EQ(b.CountSkinFolds(), 7);
}

TEST(BodyComps, FindsByMemberClassDateAndDayRange) {
    Facility facility;
    addBodyComp(10, CEFOleDateTime(2026, 3, 2, 7, 0, 0), 0, 1);
    addBodyComp(10, CEFOleDateTime(2026, 3, 9, 23, 59, 59), 1, 2);
    addBodyComp(10, CEFOleDateTime(2026, 3, 10, 0, 0, 0), 0, 3);
    addBodyComp(11, CEFOleDateTime(2026, 3, 5, 12, 0, 0), 0, 4);

    CDAOBodyComp b;
    EXPECT_EQ(b.FindBodyComps(10), 3);
    EXPECT_EQ(dates(b), (std::vector<std::string>{"03/10/2026 00:00:00", "03/09/2026 23:59:59",
                                                  "03/02/2026 07:00:00"}));
    EXPECT_EQ(b.FindBodyComps(0), 4);
    EXPECT_EQ(b.FindBodyComps(12), 0);
    EXPECT_EQ(b.FindBodyComps(10L, static_cast<unsigned char>(0)), 2);
    EXPECT_EQ(b.FindBodyComps(11L, static_cast<unsigned char>(1)), 0);
    CEFOleDateTime exact(2026, 3, 9, 23, 59, 59);
    EXPECT_EQ(b.FindBodyComps(10L, exact), 1);
    EXPECT_EQ(b.Method, 2);

    // Whole days: 07:00 on the first day and 23:59:59 on the last are inside;
    // midnight after the last day is not.
    CEFOleDateTime from(2026, 3, 2, 15, 30, 0), to(2026, 3, 9, 8, 0, 0);
    EXPECT_EQ(b.FindBodyComps(10L, from, to), 2);
    EXPECT_EQ(from.DateTimeStrLongYear(), "03/02/2026 00:00:00");
    EXPECT_EQ(to.DateTimeStrLongYear(), "03/09/2026 23:59:59");
    CEFOleDateTime from2(2026, 3, 1), to2(2026, 3, 31);
    EXPECT_EQ(b.FindBodyComps(0L, from2, to2), 4);
    EXPECT_EQ(b.FindBodyComps(11L, from2, to2), 1);
    EXPECT_EQ(facility.notices()->count(), 0u);

    CEFOleDateTime bad, fine(2026, 3, 31);
    bad.SetStatus(COleDateTime::invalid);
    EXPECT_EQ(b.FindBodyComps(10L, bad, fine), 0);
    EXPECT_EQ(facility.notices()->last(), "Error: invalid date and/or time");
}

TEST(BodyComps, ExportLineAndFileTest) {
    Facility facility;
    addBodyComp(10, CEFOleDateTime(2026, 4, 2, 16, 45, 0), 2, 1);
    TempDir dir;
    const std::string path = dir.file("bc.dat");
    ASSERT_EQ(backup(path), 1);
    EXPECT_EQ(readFile(path), "10|04/02/2026 16:45:00|2|66.50|181.25|1|1|22.40|35.50|7.75|41.10|"
                              "19.20|10.30|23.40|13.50|15.60|12.70|16.80|93.50|9.35|5.15|37\n");
    std::ifstream own(path);
    EXPECT_TRUE(CDAOBodyComp().Test(own, '|'));
    EXPECT_NE(CDAOBodyComp().GetDefaultPathFileName().find("bc"), std::string::npos);

    // Flags hold the unit bits and the formula bit in any mix: a Brozek
    // weighing entered in kilograms is a record like any other.
    EXPECT_TRUE(looksLikeBodyComps(line(10, "04/02/2026 16:45:00", "128")));
    EXPECT_TRUE(looksLikeBodyComps(line(10, "04/02/2026 16:45:00", "129")));
    EXPECT_TRUE(looksLikeBodyComps(line(10, "04/02/2026 16:45:00", "255")));
    EXPECT_FALSE(looksLikeBodyComps(line(10, "04/02/2026 16:45:00", "256")));
    EXPECT_FALSE(looksLikeBodyComps(line(10, "04/02/2026 16:45:00", "-1")));
    EXPECT_FALSE(looksLikeBodyComps(line(10, "04/02/2026 16:45:00", "0", "5")));
    EXPECT_FALSE(looksLikeBodyComps(line(10, "yesterday")));
    EXPECT_FALSE(looksLikeBodyComps(line(0)));
    EXPECT_FALSE(looksLikeBodyComps(""));
    // A workout line and an evaluation line are other kinds.
    EXPECT_FALSE(looksLikeBodyComps(
        "10|0|1|03/04/2026 10:15:00|03/04/2026 11:00:00|3|0|0|0|0|0|0|0|0|0|0|0|0\n"));
    std::string eval = "10|3|1|03/04/2026 10:15:00|66.00|160.00|2|64|120|80|14.00|30|35|100|840|22";
    for (int i = 0; i < 32; ++i)
        eval += "|10.00";
    EXPECT_FALSE(looksLikeBodyComps(eval + "\n"));
}

TEST(BodyComps, RoundTripIntoAnEmptyFacilityKeepsEveryValue) {
    TempDir dir;
    const std::string path = dir.file("bc.dat");
    std::vector<std::string> before;
    {
        Facility source;
        for (int seed = 0; seed < 6; ++seed)
            addBodyComp(10 + seed % 2, CEFOleDateTime(2026, 1 + seed, 3, 8 + seed, seed, 7), 1,
                        seed);
        before = readAll(false);
        ASSERT_EQ(backup(path), 6);
    }
    Facility target;
    addMember(plainMember(10, 1010, CEFOleDateTime(1985, 7, 20)));
    // A member without a card is still restored.
    addMember(plainMember(11, 0, CEFOleDateTime(1985, 7, 20)));
    EXPECT_EQ(restore(path), 6);
    EXPECT_EQ(readAll(false), before);
    CDAOBodyComp b;
    EXPECT_EQ(b.FindBodyComps(10L, static_cast<unsigned char>(99)), 3);
    EXPECT_EQ(b.FindBodyComps(11L, static_cast<unsigned char>(99)), 3);
    EXPECT_EQ(target.notices()->count(), 0u);
}

TEST(BodyComps, RestoreForOneMemberSkipsOthersAndDamagedLines) {
    TempDir dir;
    const std::string path = dir.file("bc.dat");
    std::string shortLine = line(12, "04/05/2026 10:00:00");
    shortLine = shortLine.substr(0, 40) + "\n";
    std::string extraField = line(12, "04/10/2026 10:00:00");
    extraField.insert(extraField.size() - 1, "|7");
    std::ofstream(path) << line(12, "04/01/2026 10:00:00") << line(10) << shortLine
                        << line(12, "31/31/2026 10:00:00") << line(12, "04/09/2026 10:00:00")
                        << line(99) << "\n"
                        << extraField;
    Facility facility;
    addMember(plainMember(10, 1010, CEFOleDateTime(1985, 7, 20)));
    addMember(plainMember(12, 1012, CEFOleDateTime(1985, 7, 20)));
    EXPECT_EQ(restore(path, 12), 2);
    CDAOBodyComp b;
    EXPECT_EQ(b.FindBodyComps(12), 2);
    EXPECT_EQ(b.FindBodyComps(10), 0);
    EXPECT_EQ(restore(path), 3); // 99 is no member; the damaged lines stay out
    EXPECT_EQ(b.FindBodyComps(10), 1);
    EXPECT_EQ(b.FindBodyComps(12), 4);
    std::ifstream closed;
    EXPECT_EQ(CDAOBodyComp().Restore(closed, '|', 0, true), 0);
}
