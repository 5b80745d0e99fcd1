#include "memberdata.h"

#include "db/daocls.h"
#include "db/daoenr.h"
#include "db/daomem.h"
#include "db/daoprof.h"
#include "db/daosmmem.h"

#include <algorithm>

namespace vantora::test {

bool MemberData::operator==(const MemberData& o) const {
    auto same = [](const CEFOleDateTime& a, const CEFOleDateTime& b) {
        return a.GetStatus() == b.GetStatus() && a.m_dt == b.m_dt;
    };
    return id == o.id && barcode == o.barcode && first == o.first && middle == o.middle &&
           last == o.last && status == o.status && same(enrollment, o.enrollment) &&
           same(expiration, o.expiration) && period == o.period && incentive == o.incentive &&
           address == o.address && city == o.city && state == o.state && zip == o.zip &&
           phone == o.phone && email == o.email && emerName == o.emerName &&
           emerPhone == o.emerPhone && physician == o.physician &&
           signedRelease == o.signedRelease && employee == o.employee &&
           same(birthday, o.birthday) && sex == o.sex && goals == o.goals &&
           medHistory == o.medHistory && classes == o.classes;
}

void addMember(const MemberData& m) {
    CDAOSmMem sm;
    sm.FindMember(CDAOSmMem::idMember, m.id);
    sm.Op(CDAOEFSet::opAddNew);
    sm.MemberID = m.id;
    sm.Barcode = m.barcode;
    sm.FirstName = m.first;
    sm.MiddleInitial = m.middle;
    sm.LastName = m.last;
    sm.MemberStatus = m.status;
    sm.Op(CDAOEFSet::opUpdate);

    CDAOEnr enr;
    enr.FindEnrollment(m.id);
    enr.Op(CDAOEFSet::opAddNew);
    enr.MemberID = m.id;
    enr.EnrollmentDate = m.enrollment;
    enr.ExpirationDate = m.expiration;
    enr.EnrollmentPeriod = m.period;
    enr.IncentiveClub = m.incentive;
    enr.Op(CDAOEFSet::opUpdate);

    CDAOProf prof;
    prof.FindProfile(m.id);
    prof.Op(CDAOEFSet::opAddNew);
    prof.MemberID = m.id;
    prof.Address = m.address;
    prof.City = m.city;
    prof.State = m.state;
    prof.Zip = m.zip;
    prof.Phone = m.phone;
    prof.Email = m.email;
    prof.EmerContactName = m.emerName;
    prof.EmerContactPhone = m.emerPhone;
    prof.FamilyPhysician = m.physician;
    prof.SignedRelease = m.signedRelease;
    prof.Employee = m.employee;
    prof.Birthday = m.birthday;
    prof.Sex = m.sex;
    prof.Goals = m.goals;
    prof.MedHistory = m.medHistory;
    prof.Op(CDAOEFSet::opUpdate);

    CDAOCls cls;
    cls.FindClasses(m.id);
    for (const ClassData& c : m.classes) {
        cls.Op(CDAOEFSet::opAddNew);
        cls.MemberID = m.id;
        cls.ClassIndx = c.indx;
        cls.Category = c.category;
        cls.Course = c.course;
        cls.Section = c.section;
        cls.GradeStatus = c.grade;
        cls.OrientationBonus = c.orientation;
        cls.ReEvaluationBonus = c.reEvaluation;
        cls.OtherBonus = c.other;
        cls.Op(CDAOEFSet::opUpdate);
    }
}

MemberData readMember(long id) {
    MemberData m;
    CDAOMem mem;
    mem.FindMember(CDAOSmMem::idMember, id);
    if (mem.CountSet() == 0)
        return m;
    m.id = mem.MemberID;
    m.barcode = mem.Barcode;
    m.first = mem.FirstName;
    m.middle = mem.MiddleInitial;
    m.last = mem.LastName;
    m.status = mem.MemberStatus;
    m.enrollment = mem.EnrollmentDate;
    m.expiration = mem.ExpirationDate;
    m.period = mem.EnrollmentPeriod;
    m.incentive = mem.IncentiveClub;
    m.address = mem.Address;
    m.city = mem.City;
    m.state = mem.State;
    m.zip = mem.Zip;
    m.phone = mem.Phone;
    m.email = mem.Email;
    m.emerName = mem.EmerContactName;
    m.emerPhone = mem.EmerContactPhone;
    m.physician = mem.FamilyPhysician;
    m.signedRelease = mem.SignedRelease;
    m.employee = mem.Employee;
    m.birthday = mem.Birthday;
    m.sex = mem.Sex;
    m.goals = mem.Goals;
    m.medHistory = mem.MedHistory;

    CDAOCls cls;
    if (cls.FindClasses(id) > 0) {
        while (!cls.IsEOF()) {
            m.classes.push_back(ClassData{cls.ClassIndx, cls.Category, cls.Course, cls.Section,
                                          cls.GradeStatus, cls.OrientationBonus,
                                          cls.ReEvaluationBonus, cls.OtherBonus});
            cls.Op(CDAOEFSet::opMoveNext);
        }
    }
    return m;
}

std::vector<long> memberIds() {
    std::vector<long> ids;
    CDAOSmMem sm;
    if (sm.FindAllMembers(true) > 0) {
        while (!sm.IsEOF()) {
            ids.push_back(sm.MemberID);
            sm.Op(CDAOEFSet::opMoveNext);
        }
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

MemberData richMember(long id, int classes) {
    MemberData m;
    m.id = id;
    m.barcode = 500000 + id;
    m.first = "Zoë";
    m.middle = "Á";
    m.last = "O'Brien-Núñez";
    m.status = 1;
    m.enrollment = CEFOleDateTime(2025, 9, 1, 8, 30, 15);
    m.expiration = CEFOleDateTime(2026, 8, 31, 23, 59, 59);
    m.period = 2;
    m.incentive = 1;
    m.address = "12 Rue de l'Église";
    m.city = "Montréal";
    m.state = "QC";
    m.zip = "H2X 1Y4";
    m.phone = "514-555-0199";
    m.email = "zoe.obrien@example.org";
    m.emerName = "Renée D'Arcy";
    m.emerPhone = "514-555-0100";
    m.physician = "Dr. Łukasz Żółć";
    m.signedRelease = 1;
    m.employee = 1;
    m.birthday = CEFOleDateTime(1990, 2, 28);
    m.sex = 0;
    m.goals = 255;
    m.medHistory = 2097151;
    const ClassData all[] = {
        {0, "Kinesiology", "KIN 101", "A", 0, 1, 2, 3},
        {1, "Athletics", "", "", 3, 0, 1, 0},
        {4, "Aquatics", "Swim Fit", "", 1, 2, 0, 5},
    };
    for (int i = 0; i < classes && i < 3; ++i)
        m.classes.push_back(all[i]);
    return m;
}

MemberData plainMember(long id, long barcode, CEFOleDateTime birthday) {
    MemberData m;
    m.id = id;
    m.barcode = barcode;
    m.first = "Test";
    m.last = "Member";
    m.enrollment = CEFOleDateTime(2026, 1, 5);
    m.expiration = CEFOleDateTime(2026, 12, 31);
    m.birthday = birthday;
    return m;
}

} // namespace vantora::test
