// The member reports drawn from a prepared facility: the member tables and
// their switches, the member count and the member profile.

#include "bodyfixture.h"

using namespace vantora::test;

namespace {

bool contains(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

class MemberReports : public BodyFixture {
protected:
    MemberReports() {
        MemberData ann = member(5, "Ann", "Lee", 0);
        ann.middle = "Q";
        ann.address = "12 Elm St";
        ann.city = "Lakeview";
        ann.state = "OR";
        ann.zip = "97630";
        ann.phone = "555-0101";
        ann.emerName = "Sam Lee";
        ann.emerPhone = "555-0199";
        ann.physician = "Dr. Hale";
        ann.signedRelease = 1;
        ann.period = 2;
        ann.medHistory = 0x100000 | 0x000800 | 0x000001;
        ann.goals = 0x80 | 0x01;
        ann.classes = {{0, "FIT", "FIT 101", "01", 1, 1, 2, 3}, {1, "SWIM", "", "", 3, 0, 0, 0}};
        addMember(ann);
        MemberData bob = member(6, "Bob", "Kay");
        bob.city = "Lakeview"; // no state or zip
        bob.classes = {{0, "FIT", "FIT 101", "02", 0, 0, 0, 0}};
        addMember(bob);
        MemberData cy = member(7, "Cy", "Old");
        cy.status = 0; // past member
        addMember(cy);
    }
};

} // namespace

TEST_F(MemberReports, IdColumnFollowsTheFlagInEveryMemberTable) {
    for (int kind : {CReportEngine::rptEmergencyContacts, CReportEngine::rptMembershipStatus,
                     CReportEngine::rptRoster}) {
        const Drawn with =
            draw(kind, CReportEngine::mfAll | CReportEngine::mfShowId, {}, {}, "FIT");
        EXPECT_TRUE(with.has("ID #")) << kind;
        EXPECT_TRUE(contains(with.row("Lee, Ann Q"), "5")) << kind;
        const Drawn without = draw(kind, CReportEngine::mfAll, {}, {}, "FIT");
        EXPECT_FALSE(without.has("ID #")) << kind;
        EXPECT_FALSE(contains(without.row("Lee, Ann Q"), "5")) << kind;
    }
}

TEST_F(MemberReports, EmergencyContactsAndStatusTablesShowTheirColumns) {
    const Drawn e = draw(CReportEngine::rptEmergencyContacts, CReportEngine::mfAll);
    EXPECT_EQ(e.row("Lee, Ann Q"),
              (std::vector<std::string>{"Lee, Ann Q", "Sam Lee", "555-0199", "Dr. Hale"}));
    EXPECT_TRUE(e.has("Old, Cy "));
    EXPECT_LT(e.indexOf("Kay, Bob"), e.indexOf("Lee, Ann"));

    // Current members only.
    const Drawn s = draw(CReportEngine::rptMembershipStatus, CReportEngine::mfCurrent);
    EXPECT_EQ(s.row("Lee, Ann Q"),
              (std::vector<std::string>{"Lee, Ann Q", "12 Elm St, Lakeview OR 97630", "555-0101",
                                        "01/01/27"}));
    EXPECT_FALSE(s.line("Old, Cy").size());
    // Past members only.
    const Drawn p = draw(CReportEngine::rptMembershipStatus, CReportEngine::mfPast);
    EXPECT_TRUE(p.line("Old, Cy").size());
    EXPECT_FALSE(p.line("Lee, Ann").size());
}

TEST_F(MemberReports, RosterListsOnlyTheClassesMembersWithThatEnrollmentsGradeStatus) {
    const Drawn r =
        draw(CReportEngine::rptRoster, CReportEngine::mfAll, {}, {}, "FIT", "FIT 101", "01");
    EXPECT_EQ(r.row("Lee, Ann Q"),
              (std::vector<std::string>{"Lee, Ann Q", "Current", "01/01/27", "Fall", "Pass/Fail"}));
    EXPECT_FALSE(r.line("Kay, Bob").size()); // section 02
    EXPECT_FALSE(r.line("Old, Cy").size());

    const Drawn swim = draw(CReportEngine::rptRoster, CReportEngine::mfAll, {}, {}, "SWIM");
    EXPECT_TRUE(contains(swim.row("Lee, Ann Q"), "Credit"));

    // A class nobody takes: the head only.
    const Drawn none = draw(CReportEngine::rptRoster, CReportEngine::mfAll, {}, {}, "DANCE");
    EXPECT_TRUE(none.has("Name"));
    EXPECT_FALSE(none.line("Lee, Ann").size());
}

TEST_F(MemberReports, CountBreaksDownByCategoryCourseAndSection) {
    f.exec("center.mdb", "INSERT INTO Categories (CatID, Cat) VALUES (2, 'SWIM')");
    f.exec("center.mdb", "INSERT INTO Sections (CourID, Sec) VALUES (1, '02')");
    const Drawn d = draw(CReportEngine::rptMemberCount);
    EXPECT_TRUE(d.has("TOTAL MEMBERS:          3"));
    EXPECT_TRUE(d.has("CURRENT MEMBERS:        2"));
    EXPECT_TRUE(d.has("PAST MEMBERS:           1"));
    EXPECT_EQ(d.row("FIT:"), (std::vector<std::string>{"FIT:", "    2"}));
    EXPECT_EQ(d.row("FIT FIT 101:"), (std::vector<std::string>{"FIT FIT 101:", "    2"}));
    EXPECT_EQ(d.row("FIT FIT 101 01:"), (std::vector<std::string>{"FIT FIT 101 01:", "    1"}));
    EXPECT_EQ(d.row("FIT FIT 101 02:"), (std::vector<std::string>{"FIT FIT 101 02:", "    1"}));
    // A category without courses: its own line only.
    EXPECT_EQ(d.row("SWIM:"), (std::vector<std::string>{"SWIM:", "    1"}));
    EXPECT_FALSE(d.line("SWIM ").size());
    // Counts sit to the right of their names.
    EXPECT_GT(d.find("    2")->x, d.find("FIT:")->x);
}

TEST_F(MemberReports, ProfileShowsBothColumnsAndOnlyCompleteCityLines) {
    const Drawn d = draw(CReportEngine::rptMemberProfile, 5);
    EXPECT_TRUE(d.has("ID: 5"));
    EXPECT_TRUE(d.has("Workout #: 1005"));
    EXPECT_TRUE(d.has("Age: 40 yrs."));
    EXPECT_TRUE(d.has("Birthday: 06/15/1986"));
    EXPECT_TRUE(d.has("Sex: F"));
    EXPECT_TRUE(d.has("Lakeview, OR 97630"));
    EXPECT_TRUE(d.has("Signed Release: Yes"));
    EXPECT_TRUE(d.has("Status: Current"));
    EXPECT_TRUE(d.has("Enrollment Period: Fall"));
    EXPECT_TRUE(d.has("Class: FIT FIT 101 01"));
    EXPECT_TRUE(d.has("Grade Status: Pass/Fail"));
    EXPECT_TRUE(d.has("Orientation Bonus: Yes"));
    EXPECT_TRUE(d.has("Re-evaluation Bonus: 2"));
    EXPECT_TRUE(d.has("Other Bonus: 3"));
    EXPECT_TRUE(d.line("Class: SWIM").size());
    // Medical history in its fixed order, goals likewise.
    const int smoke = d.indexOf("Smoke or Chew Tobacco");
    const int meds = d.indexOf("Blood Pressure/Heart Medication");
    const int limits = d.indexOf("Disabilities/Limitations");
    EXPECT_TRUE(smoke >= 0 && smoke < meds && meds < limits);
    EXPECT_FALSE(d.has("Stroke"));
    EXPECT_LT(d.indexOf("Feel Better/Have More Energy"), d.indexOf("Increase Strength"));
    EXPECT_FALSE(d.has("Lose Weight"));
    // The two columns start on the same line.
    EXPECT_EQ(d.find("PERSONAL DETAILS")->y, d.find("MEMBERSHIP")->y);
    EXPECT_GT(d.find("MEMBERSHIP")->x, d.find("PERSONAL DETAILS")->x);

    // City without state and zip: no city line.
    const Drawn bob = draw(CReportEngine::rptMemberProfile, 6);
    EXPECT_FALSE(bob.line("Lakeview").size());
    EXPECT_TRUE(bob.has("Sex: M"));
    EXPECT_TRUE(bob.has("Signed Release: No"));

    EXPECT_EQ(draw(CReportEngine::rptMemberProfile, 404).texts().size(), 0u);
}

TEST_F(MemberReports, ProfileWithManyClassesContinuesOnANewPage) {
    MemberData busy = member(8, "Bea", "Busy");
    for (unsigned char i = 0; i < 12; ++i)
        busy.classes.push_back({i, "FIT", "FIT 10" + std::to_string(i), "01", 0, 0, 0, 0});
    addMember(busy);
    const Drawn d = draw(CReportEngine::rptMemberProfile, 8);
    EXPECT_EQ(d.device->Pages(), 2);
    EXPECT_TRUE(d.has("Class: FIT FIT 1011 01"));
    for (const auto& item : d.device->Items())
        EXPECT_LT(item.y, 6600) << item.text;
}

TEST_F(MemberReports, LongTextsAreShortenedWithAMarkInsideThePage) {
    MemberData m = member(40, "Maximiliana-Josephine", "Vanderhoeven-Castellanos");
    m.physician = "Dr. Bartholomew Featherstonehaugh";
    m.email = "maximiliana.josephine.vanderhoeven-castellanos@lakeview-community.example.org";
    addMember(m);
    const Drawn profile = draw(CReportEngine::rptMemberProfile, 40);
    EXPECT_EQ(profile.overlaps(), std::vector<std::string>{});
    EXPECT_EQ(profile.beyond(4800), std::vector<std::string>{});
    const Drawn d = draw(CReportEngine::rptEmergencyContacts, 0x02 | 0x01);
    EXPECT_EQ(d.beyond(4800 - 25), std::vector<std::string>{});
    EXPECT_EQ(d.overlaps(), std::vector<std::string>{});
    EXPECT_EQ(d.line("Dr. Bartholomew").substr(d.line("Dr. Bartholomew").size() - 3), "\u2026");
}
