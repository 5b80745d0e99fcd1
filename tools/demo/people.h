#pragma once
// Made-up members: who they are, their enrollment, body and classes, and
// their rows in the member tables.

#include "tools/demo/randomvalues.h"
#include "tools/demo/sampledata.h"
#include "tools/demo/storesets.h"
#include "util/efoledatetime.h"

#include <string>
#include <vector>

namespace vantora::tools::demo {

enum class Group { Student, Staff, Community };

struct ClassSlot {
    unsigned char indx;
    const CatalogCourse* course;
    std::string section;
};

struct Person {
    long id = 0;
    long barcode = 0;
    std::string first, middle, last;
    unsigned char sex = 0; // 0 female, 1 male
    Group group = Group::Student;
    int age = 20;
    CEFOleDateTime birthday;
    unsigned char status = 1;
    CEFOleDateTime enrollment, expiration;
    unsigned char period = 0;
    double height = 0;  // inches
    double weight = 0;  // pounds
    double fitness = 1; // 0.6 (weak) .. 1.4 (strong)
    double fat = 20;    // the member's percent fat, the value measurements aim at
    unsigned char activity = 1;
    std::vector<ClassSlot> classes;
};

// The enrollment period (spring, summer, fall, winter) of a date.
unsigned char PeriodOf(const CEFOleDateTime& d);

// The member at `index` (0-based) of a facility whose today is the day
// number `today`; with `noCards`, a few members have no card yet.
Person MakePerson(Rng& rng, long index, long today, int expMonths, bool noCards);

// Adds the member (enrollment, member and profile) and the member's classes.
bool WritePerson(Rng& rng, const Person& p, MemberSets& sets);

} // namespace vantora::tools::demo
