#include "memberreport.h"

#include "db/daocat.h"
#include "db/daocls.h"
#include "db/daocour.h"
#include "db/daodef.h"
#include "db/daomem.h"
#include "db/daosec.h"
#include "db/daosmmem.h"
#include "util/format.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using Cols = CReportEngine::MemberCols;

struct Flag {
    long bit;
    const char* text;
};

constexpr Flag kMedHistory[] = {
    {0x100000, "Smoke or Chew Tobacco"},
    {0x080000, "20 or More lbs Overweight"},
    {0x040000, "Little Exercise in Past 6 Months"},
    {0x020000, "History of Family Heart Problems"},
    {0x010000, "High Blood Pressure"},
    {0x008000, "Diabetes Type I"},
    {0x004000, "Diabetes Type II"},
    {0x002000, "Diagnosed Heart Problem"},
    {0x001000, "Stroke"},
    {0x000800, "Blood Pressure/Heart Medication"},
    {0x000400, "Back Problems"},
    {0x000200, "Back Injury"},
    {0x000100, "Back Surgery"},
    {0x000080, "Current Back Problem"},
    {0x000040, "Knee Injury"},
    {0x000020, "Knee Surgery"},
    {0x000010, "Current Knee Problem"},
    {0x000008, "Shoulder Injury"},
    {0x000004, "Shoulder Surgery"},
    {0x000002, "Current Shoulder Problem"},
    {0x000001, "Disabilities/Limitations"},
};

constexpr Flag kGoals[] = {
    {0x80, "Feel Better/Have More Energy"},
    {0x40, "Reduce Stress/Feel More Relaxed"},
    {0x20, "Improve Cardiovascular Fitness"},
    {0x10, "Lose Weight"},
    {0x08, "Firm Up/Lose Inches"},
    {0x04, "Gain Weight"},
    {0x02, "Improve Flexibility"},
    {0x01, "Increase Strength"},
};

const char* yesNo(bool v) {
    return v ? "Yes" : "No";
}

// One line of a profile column: a text at its x; an empty text is a blank
// line.
struct ColumnLine {
    int x;
    std::string text;
};

} // namespace

Cols CMemberReport::ColumnsOf(int const& kind, long const& flags) {
    Cols c;
    c.id = (flags & CReportEngine::mfShowId) != 0;
    switch (kind) {
    case CReportEngine::rptEmergencyContacts:
        c.name = c.emerContact = c.emerPhone = c.physician = true;
        break;
    case CReportEngine::rptMembershipStatus:
        c.name = c.address = c.phone = c.expiration = true;
        break;
    case CReportEngine::rptRoster:
        c.name = c.status = c.expiration = c.enrPeriod = c.gradeStatus = true;
        break;
    default:
        break;
    }
    return c;
}

int CMemberReport::DoMember(const CDAOMem& member, const CDAOCls* cls, const Cols& cols,
                            CReportDC& dc, int const& x, int y) {
    y = report_.CheckPageLen(dc, y, 2, true, cols.id);
    const int w = dc.AveCharWidth();
    int col = x;
    // Each cell keeps one blank before the next column; the last one ends at
    // the right margin. Longer texts are shortened with a visible mark.
    const int right = report_.GetPageWidth() - report_.GetMargin();
    auto cell = [&](bool on, const std::string& text, int width) {
        if (!on)
            return;
        const int room = width > 0 ? std::min(width - 1, (right - col) / w) : (right - col) / w;
        dc.TextOutFit(col, y, text, room * w);
        col += width * w;
    };
    cell(cols.name,
         vantora::insert("%1, %2 %3", {member.LastName, member.FirstName, member.MiddleInitial}),
         37);
    cell(cols.id, vantora::format("%i", {member.MemberID}), 11);
    cell(cols.status, CDAOSmMem::GetStatusStr(member.MemberStatus), 9);
    cell(cols.address,
         vantora::insert("%1, %2 %3 %4", {member.Address, member.City, member.State, member.Zip}),
         62);
    cell(cols.phone, member.Phone, 17);
    cell(cols.expiration, member.ExpirationDate.DateStrShortYear(), 12);
    cell(cols.enrPeriod, CDAODef::GetEnrPerStr(member.EnrollmentPeriod), 12);
    cell(cols.gradeStatus, cls ? CDAODef::GetGrdStatStr(cls->GradeStatus) : std::string(), 14);
    cell(cols.emerContact, member.EmerContactName, 33);
    cell(cols.emerPhone, member.EmerContactPhone, 17);
    cell(cols.physician, member.FamilyPhysician, 32);
    cell(cols.signedRelease, yesNo(member.SignedRelease != 0), 0);
    return y + dc.LineSpacing();
}

int CMemberReport::DoMemberTable(CReportDC& dc, int const& x, int y, long const& flags,
                                 const std::string& category, const std::string& course,
                                 const std::string& section) {
    const int kind = report_.GetReport();
    const Cols cols = ColumnsOf(kind, flags);
    const bool roster = kind == CReportEngine::rptRoster;
    CDAOCls cls;
    if (roster && cls.FindClasses(0, category.c_str(), course.c_str(), section.c_str()) == 0)
        return y;
    CDAOMem member;
    SelectMembers(member, flags);
    while (member.IsOpen() && !member.IsEOF()) {
        if (!member.IsDeleted()) {
            if (!roster)
                y = DoMember(member, nullptr, cols, dc, x, y);
            else if (cls.IsMemberRecord(member.MemberID))
                y = DoMember(member, &cls, cols, dc, x, y);
        }
        member.Op(CDAOEFSet::opMoveNext);
    }
    return y;
}

int CMemberReport::DoMemberCount(CReportDC& dc, int const& x, int y) {
    const int ls = dc.LineSpacing();
    const int w = dc.AveCharWidth();
    CDAOSmMem members;
    const int all = members.FindAllMembers(true);
    const int past = members.CountPast();
    members.Op(CDAOEFSet::opClose);
    dc.TextOut(x, y, vantora::format("TOTAL MEMBERS:     %6i", {all}));
    y += ls;
    dc.TextOut(x, y, vantora::format("CURRENT MEMBERS:   %6i", {all - past}));
    y += ls;
    dc.TextOut(x, y, vantora::format("PAST MEMBERS:      %6i", {past}));
    y += 2 * ls;
    dc.TextOut(x, y, "BREAKDOWN BY CATEGORY, COURSE, AND SECTION:");
    y += 2 * ls;

    CDAOCls cls;
    cls.FindClasses(0);
    // A name and its count; a long name pushes its count to the right
    // instead of running into it.
    auto line = [&](int at, const std::string& text, int countAt, int count) {
        y = report_.CheckPageLen(dc, y, 2, false, false);
        dc.TextOut(at, y, text);
        countAt = std::max(countAt, at + dc.TextWidth(text) + w);
        dc.TextOut(countAt, y, vantora::format("%5i", {count}));
        y += ls;
    };
    CDAOCat cat;
    cat.FindCategories(0L);
    while (cat.IsOpen() && !cat.IsEOF()) {
        if (cat.IsDeleted()) {
            cat.Op(CDAOEFSet::opMoveNext);
            continue;
        }
        const std::string category = cat.Cat;
        line(x, vantora::insert("%1:", {category}), x + 6 * w, cls.CountClass(category.c_str()));
        CDAOCour cour;
        cour.FindCourses(cat.CatID, 0L);
        while (cour.IsOpen() && !cour.IsEOF()) {
            if (cour.IsDeleted() || cour.CatID != cat.CatID) {
                cour.Op(CDAOEFSet::opMoveNext);
                continue;
            }
            const std::string course = cour.Cour;
            line(x + 16 * w, vantora::insert("%1 %2:", {category, course}), x + 31 * w,
                 cls.CountClass(category.c_str(), course.c_str()));
            CDAOSec sec;
            sec.FindSections(cour.CourID);
            while (sec.IsOpen() && !sec.IsEOF()) {
                if (!sec.IsDeleted())
                    line(x + 41 * w, vantora::insert("%1 %2 %3:", {category, course, sec.Sec}),
                         x + 61 * w,
                         cls.CountClass(category.c_str(), course.c_str(), sec.Sec.c_str()));
                sec.Op(CDAOEFSet::opMoveNext);
            }
            cour.Op(CDAOEFSet::opMoveNext);
        }
        cat.Op(CDAOEFSet::opMoveNext);
    }
    return y;
}

int CMemberReport::DoMemberProfile(CReportDC& dc, int const& x, int y, long const& id) {
    CDAOMem member;
    member.FindMember(CDAOSmMem::idMember, id);
    if (!member.IsOpen() || member.IsEOF())
        return y;
    const int ls = dc.LineSpacing();
    const int m = x;
    y += ls;

    std::vector<ColumnLine> left;
    auto l = [&](int at, std::string text) { left.push_back({at, std::move(text)}); };
    const int li = m + 70;
    l(m, "PERSONAL DETAILS");
    l(li, vantora::format("ID: %i", {member.MemberID}));
    l(li, vantora::format("Workout #: %i", {member.Barcode}));
    l(li, vantora::format("Age: %i yrs.", {member.Birthday.ElapsedYrs()}));
    l(li, vantora::insert("Birthday: %1", {member.Birthday.DateStrLongYear()}));
    l(li, std::string("Sex: ") + (member.Sex ? "M" : "F"));
    l(li, "");
    l(m, "ADDRESS/PHONE/EMAIL");
    if (!member.Address.empty())
        l(li, member.Address);
    if (!member.City.empty() && !member.State.empty() && !member.Zip.empty())
        l(li, vantora::insert("%1, %2 %3", {member.City, member.State, member.Zip}));
    if (!member.Phone.empty())
        l(li, member.Phone);
    if (!member.Email.empty())
        l(li, member.Email);
    l(li, "");
    l(m, "EMERGENCY INFORMATION");
    l(li, vantora::insert("Contact: %1", {member.EmerContactName}));
    l(li, vantora::insert("Phone: %1", {member.EmerContactPhone}));
    l(li, vantora::insert("Physician: %1", {member.FamilyPhysician}));
    l(li, std::string("Signed Release: ") + yesNo(member.SignedRelease != 0));
    l(li, "");
    l(m, "MEDICAL HISTORY");
    for (const Flag& f : kMedHistory)
        if (member.MedHistory & f.bit)
            l(li, f.text);

    std::vector<ColumnLine> right;
    auto r = [&](int at, std::string text) { right.push_back({at, std::move(text)}); };
    const int rh = m + 2700, ri = m + 2770, rd = m + 2840;
    r(rh, "MEMBERSHIP");
    r(ri, std::string("Status: ") + (member.MemberStatus != 0 ? "Current" : "Past"));
    r(ri, vantora::insert("Enrollment: %1", {member.EnrollmentDate.DateStrLongYear()}));
    r(ri, vantora::insert("Expiration: %1", {member.ExpirationDate.DateStrLongYear()}));
    r(ri, std::string("Incentive Club Participant: ") + yesNo(member.IncentiveClub != 0));
    r(ri, std::string("Employee: ") + yesNo(member.Employee != 0));
    r(ri, "");
    r(rh, "ENROLLMENT");
    r(ri,
      vantora::insert("Enrollment Period: %1", {CDAODef::GetEnrPerStr(member.EnrollmentPeriod)}));
    r(ri, "");
    {
        CDAOCls cls;
        cls.FindClasses(id);
        while (cls.IsOpen() && !cls.IsEOF()) {
            std::string text;
            if (!cls.IsDeleted() && cls.BuildClassString(text)) {
                r(ri, "Class: " + text);
                r(rd,
                  vantora::insert("Grade Status: %1", {CDAODef::GetGrdStatStr(cls.GradeStatus)}));
                r(rd, std::string("Orientation Bonus: ") + yesNo(cls.OrientationBonus != 0));
                r(rd, vantora::format("Re-evaluation Bonus: %i", {cls.ReEvaluationBonus}));
                r(rd, vantora::format("Other Bonus: %i", {cls.OtherBonus}));
                r(rd, "");
            }
            cls.Op(CDAOEFSet::opMoveNext);
        }
    }
    r(rh, "FITNESS GOALS");
    for (const Flag& f : kGoals)
        if (member.Goals & f.bit)
            r(ri, f.text);

    // The two columns side by side, row by row; a member with very many
    // classes or conditions continues on the next page instead of running
    // off the sheet.
    // A long address or e-mail stops a blank before the right column, and
    // the right column at the margin.
    const std::size_t rows = std::max(left.size(), right.size());
    const int w = dc.AveCharWidth();
    const int pageRight = report_.GetPageWidth() - report_.GetMargin();
    for (std::size_t i = 0; i < rows; ++i) {
        y = report_.CheckPageLen(dc, y, 2, false, false);
        if (i < left.size())
            dc.TextOutFit(left[i].x, y, left[i].text, rh - w - left[i].x);
        if (i < right.size())
            dc.TextOutFit(right[i].x, y, right[i].text, pageRight - right[i].x);
        y += ls;
    }
    return y;
}

bool CMemberReport::DoFirstLines(CReportDC& dc, int const& x, int& y, const CReportSelection& r) {
    CEFOleDateTime now;
    now.Current();
    const std::string today = now.DateStrLongYear();
    const std::string& facility = context_.center.Name;
    std::string status;
    CReportEngine::BuildStatusStr(status, r.id);
    const bool showId = (r.id & CReportEngine::mfShowId) != 0;
    // The table head below a blank line, as on continued pages.
    auto tableHead = [&] { y = report_.DoTableHead(dc, x, y + dc.LineSpacing(), showId); };

    switch (report_.GetReport()) {
    case CReportEngine::rptMemberProfile: {
        CDAOMem member;
        if (!FindRequestMember(member, r.id, report_))
            return false;
        y = report_.DoTitle(dc, x, y, "%1 %2 - Member Profile", {member.FirstName, member.LastName},
                            {1, 2});
        dc.TextOutFit(x, y, vantora::insert("%1 - %2", {facility, today}),
                      report_.GetPageWidth() - report_.GetMargin() - x);
        y = report_.DoRule(dc, x, y + dc.LineSpacing());
        return true;
    }
    case CReportEngine::rptMemberCount:
        y = report_.DoTitle(dc, x, y, "Member Count - %1 - %2", {today, facility}, {2});
        y = report_.DoRule(dc, x, y);
        return true;
    case CReportEngine::rptEmergencyContacts:
        y = report_.DoTitle(dc, x, y, "Emergency Contacts for %1 - %2 - %3",
                            {status, today, facility}, {3});
        break;
    case CReportEngine::rptMembershipStatus:
        y = report_.DoTitle(dc, x, y, "%1 - %2 - %3", {status, today, facility}, {3});
        break;
    case CReportEngine::rptRoster: {
        std::string classText;
        CReportEngine::BuildClassStr(classText, r.str0, r.str1, r.str2);
        y = report_.DoTitle(dc, x, y, "Roster for %1, %2 - %3 - %4",
                            {status, classText, today, facility}, {2, 4});
        break;
    }
    default:
        return false;
    }
    y = report_.DoRule(dc, x, y);
    tableHead();
    return true;
}

int CMemberReport::DoReport(CReportDC& dc, int const& x, const CReportSelection& r) {
    int y = 0;
    if (!DoFirstLines(dc, x, y, r))
        return y;
    switch (report_.GetReport()) {
    case CReportEngine::rptMemberProfile:
        return DoMemberProfile(dc, x, y, r.id);
    case CReportEngine::rptMemberCount:
        return DoMemberCount(dc, x, y);
    case CReportEngine::rptEmergencyContacts:
    case CReportEngine::rptMembershipStatus:
        return DoMemberTable(dc, x, y, r.id, {}, {}, {});
    case CReportEngine::rptRoster:
        return DoMemberTable(dc, x, y, r.id, r.str0, r.str1, r.str2);
    default:
        return y;
    }
}
