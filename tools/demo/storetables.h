#pragma once
// The generators' store files and the inserts of their tables.

#include "tools/demo/storewriter.h"

#include <string>

namespace vantora::tools::demo {

// The three store files a generator writes, and the first error of any.
struct Writers {
    explicit Writers(const std::string& folder, bool fast)
        : members(fs::path(folder) / "members.mdb", fast),
          center(fs::path(folder) / "center.mdb", fast),
          chkin(fs::path(folder) / "chkin.mdb", fast) {}
    StoreWriter members;
    StoreWriter center;
    StoreWriter chkin;
    std::string error() const {
        for (const StoreWriter* s : {&members, &center, &chkin})
            if (!s->ok())
                return s->error();
        return {};
    }
};

// The inserts into the member tables and the workouts, in the column order
// both generators fill them.
struct MemberTables {
    explicit MemberTables(StoreWriter& store)
        : members(
              store, "Members",
              {"MemberID", "Barcode", "FirstName", "MiddleInitial", "LastName", "MemberStatus"}),
          enrollments(store, "Enrollments",
                      {"MemberID", "EnrollmentDate", "ExpirationDate", "EnrollmentPeriod",
                       "IncentiveClub"}),
          profiles(store, "Profiles",
                   {"MemberID", "Address", "City", "State", "Zip", "Phone", "Email",
                    "EmerContactName", "EmerContactPhone", "FamilyPhysician", "SignedRelease",
                    "Employee", "Birthday", "Sex", "Goals", "MedHistory"}),
          classes(store, "Classes",
                  {"MemberID", "ClassIndx", "Category", "Course", "Section", "GradeStatus",
                   "OrientationBonus", "ReEvaluationBonus", "OtherBonus"}),
          workouts(store, "Workouts",
                   {"MemberID", "WorkoutOK", "ClassIndx", "CheckIn", "CheckOut", "Station00",
                    "Station01", "Station02", "Station03", "Station04", "Station05", "Station06",
                    "Station07", "Station08", "Station09", "Station10", "Station11", "Station12"}) {
    }
    Insert members, enrollments, profiles, classes, workouts;
};

// Adds the demo catalog beside the facility's own first course.
bool WriteCatalog(StoreWriter& center);

// The facility's settings the generators follow: the months to
// expiration, whether the kiosk takes workout details.
struct FacilitySettings {
    int expMonths = 4;
    bool details = true;
};

FacilitySettings ReadSettings(StoreWriter& center);

} // namespace vantora::tools::demo
