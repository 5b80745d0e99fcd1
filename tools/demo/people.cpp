#include "tools/demo/people.h"

#include "tools/demo/daynumbers.h"
#include "util/format.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace vantora::tools::demo {

unsigned char PeriodOf(const CEFOleDateTime& d) {
    const int m = d.GetMonth();
    if (m <= 5)
        return 0; // spring
    if (m <= 7)
        return 1; // summer
    if (m <= 11)
        return 2; // fall
    return 3;     // winter
}

Person MakePerson(Rng& rng, long index, long today, int expMonths, bool noCards) {
    Person p;
    p.id = 10001 + index;
    // Six-digit card numbers, all different; a few members have no card yet.
    p.barcode = noCards && rng.chance(0.02) ? 0 : 100000 + (index * 7919L) % 900000;
    p.sex = rng.chance(0.5) ? 1 : 0;
    p.first = p.sex ? rng.pick(MaleNames) : rng.pick(FemaleNames);
    p.middle = rng.chance(0.75) ? std::string(1, static_cast<char>('A' + rng.range(0, 25))) : "";
    p.last = rng.pick(LastNames);
    const int g = rng.weighted({65, 20, 15});
    p.group = g == 0 ? Group::Student : g == 1 ? Group::Staff : Group::Community;
    p.age = p.group == Group::Student ? rng.range(18, 24)
            : p.group == Group::Staff ? rng.range(25, 64)
                                      : rng.range(25, 76);
    p.birthday = At(today - static_cast<long>(p.age * 365.25) - rng.range(0, 360), 0);

    p.status = rng.chance(0.86) ? 1 : 0;
    long enrollDay;
    if (p.status == 0)
        enrollDay = today - rng.range(400, 1100);
    else if (rng.chance(0.06))
        enrollDay = today - rng.range(180, 330); // current, but expired: due to renew
    else
        enrollDay = today - rng.range(0, 110);
    p.enrollment = At(enrollDay, 0);
    p.expiration = p.enrollment;
    p.expiration.AddMonth(expMonths > 0 ? expMonths : 4);
    p.period = PeriodOf(p.enrollment);

    p.height = p.sex ? std::clamp(rng.bell(63.0, 76.0), 62.0, 78.0)
                     : std::clamp(rng.bell(58.5, 70.5), 58.0, 73.0);
    p.height = std::round(p.height * 2) / 2;
    const double bmi = p.sex ? rng.bell(19.5, 33.0) : rng.bell(18.5, 32.0);
    p.weight = std::round(bmi * p.height * p.height / 703.0 * 2) / 2;
    p.fitness = rng.bell(0.6, 1.4);
    // Percent fat follows body mass, age and sex.
    p.fat =
        std::clamp(1.2 * bmi + 0.23 * p.age - (p.sex ? 16.2 : 5.4) + rng.real(-3, 3), 6.0, 45.0);
    p.activity = static_cast<unsigned char>(std::clamp(
        static_cast<int>(std::lround(p.fitness * 2.5 - 0.5 + rng.real(-0.8, 0.8))), 0, 4));

    const auto& catalog = Catalog();
    auto addClass = [&](const CatalogCourse& c) {
        for (const auto& slot : p.classes)
            if (slot.course == &c)
                return;
        ClassSlot s{static_cast<unsigned char>(p.classes.size()), &c, ""};
        if (!c.sections.empty())
            s.section = c.sections[static_cast<std::size_t>(
                rng.range(0, static_cast<int>(c.sections.size()) - 1))];
        p.classes.push_back(s);
    };
    if (!rng.chance(0.03)) {
        if (p.group == Group::Staff) {
            addClass(catalog[4]);
        } else if (p.group == Group::Community) {
            addClass(catalog[5]);
        } else {
            const int n = 1 + rng.weighted({80, 15, 5});
            for (int k = 0; k < n; ++k)
                addClass(catalog[static_cast<std::size_t>(rng.weighted({15, 45, 20, 20}))]);
        }
    }
    return p;
}

namespace {

std::string Phone(Rng& rng, const Town& town) {
    return format("(%s) 555-%.4d", {town.area, rng.range(100, 199)});
}

} // namespace

bool WritePerson(Rng& rng, const Person& p, MemberSets& sets) {
    const Town& town = rng.pick(Towns);
    std::string email = p.first + "." + p.last + "@" + rng.pick(MailDomains);
    for (char& c : email)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    email.erase(std::remove(email.begin(), email.end(), '\''), email.end());
    const std::string contact =
        std::string(p.sex ? rng.pick(FemaleNames) : rng.pick(MaleNames)) + " " + p.last;
    long goals = 0;
    for (int n = rng.range(1, 3); n > 0; --n)
        goals |= 1L << rng.range(0, 7);
    long med = 0;
    if (rng.chance(0.35))
        for (int n = rng.range(1, 2); n > 0; --n)
            med |=
                1L << rng.weighted({4, 2, 1, 2, 3, 1, 2, 5, 1, 2, 3, 3, 1, 1, 2, 1, 5, 6, 8, 5, 3});
    const bool employee = p.group == Group::Staff || rng.chance(0.02);

    // The fields in the order their values are drawn.
    CDAOMem& m = sets.members.next();
    m.MemberID = p.id;
    m.Barcode = p.barcode;
    m.FirstName = Text(p.first, "Members", "FirstName");
    m.MiddleInitial = Text(p.middle, "Members", "MiddleInitial");
    m.LastName = Text(p.last, "Members", "LastName");
    m.MemberStatus = p.status;
    m.EnrMemberID = p.id;
    m.EnrollmentDate = p.enrollment;
    m.ExpirationDate = p.expiration;
    m.EnrollmentPeriod = p.period;
    m.IncentiveClub = rng.chance(0.25) ? 1 : 0;
    m.ProfMemberID = p.id;
    const std::string street = rng.pick(Streets);
    const int houseNumber = rng.range(12, 4980);
    m.Address = Text(std::to_string(houseNumber) + " " + street, "Profiles", "Address");
    m.City = Text(town.city, "Profiles", "City");
    m.State = Text("OH", "Profiles", "State");
    m.Zip = Text(town.zip, "Profiles", "Zip");
    m.Phone = Text(Phone(rng, town), "Profiles", "Phone");
    m.Email = Text(email, "Profiles", "Email");
    m.EmerContactName = Text(contact, "Profiles", "EmerContactName");
    m.EmerContactPhone = Text(Phone(rng, town), "Profiles", "EmerContactPhone");
    m.FamilyPhysician =
        Text(std::string("Dr. ") + rng.pick(LastNames), "Profiles", "FamilyPhysician");
    m.SignedRelease = rng.chance(0.92) ? 1 : 0;
    m.Employee = employee ? 1 : 0;
    m.Birthday = p.birthday;
    m.Sex = p.sex;
    m.Goals = goals;
    m.MedHistory = med;
    if (!sets.members.add())
        return false;
    for (const ClassSlot& c : p.classes) {
        const int grade = p.group == Group::Student ? rng.weighted({60, 25, 5, 7, 3}) : 2;
        CDAOCls& k = sets.classes.next();
        k.MemberID = p.id;
        k.ClassIndx = c.indx;
        k.Category = Text(c.course->cat, "Classes", "Category");
        k.Course = Text(c.course->cour, "Classes", "Course");
        k.Section = Text(c.section, "Classes", "Section");
        k.GradeStatus = static_cast<unsigned char>(grade);
        k.OrientationBonus = rng.chance(0.85) ? 1 : 0;
        k.ReEvaluationBonus = 0;
        k.OtherBonus = rng.chance(0.1) ? 1 : 0;
        if (!sets.classes.add())
            return false;
    }
    return true;
}

} // namespace vantora::tools::demo
