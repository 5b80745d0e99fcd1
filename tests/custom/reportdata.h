#pragma once
// Rows for report tests, written straight into a test facility's stores:
// members (with their enrollment and profile), workouts and report requests.

#include "support/facility.h"
#include "util/efoledatetime.h"

#include <string>

namespace vantora::test {

// A date-time as the stores keep it: the day count, in SQL text.
inline std::string sqlDate(int year, int month, int day, int hour = 0, int minute = 0) {
    return std::to_string(static_cast<double>(CEFOleDateTime(year, month, day, hour, minute, 0)));
}

inline void addMember(const Facility& f, long id, const std::string& first, const std::string& last,
                      int status = 1) {
    const std::string sid = std::to_string(id);
    f.exec("members.mdb", "INSERT INTO Members (MemberID, Barcode, FirstName, LastName, "
                          "MemberStatus) VALUES (" +
                              sid + ", " + std::to_string(1000 + id) + ", '" + first + "', '" +
                              last + "', " + std::to_string(status) + ")");
    f.exec("members.mdb", "INSERT INTO Enrollments (MemberID, EnrollmentDate, ExpirationDate) "
                          "VALUES (" +
                              sid + ", " + sqlDate(2026, 9, 1) + ", " + sqlDate(2027, 1, 1) + ")");
    f.exec("members.mdb", "INSERT INTO Profiles (MemberID, City) VALUES (" + sid + ", 'Lakeview')");
}

inline void addWorkout(const Facility& f, long id, int classIndx, const std::string& checkIn,
                       const std::string& checkOut) {
    f.exec("members.mdb", "INSERT INTO Workouts (MemberID, WorkoutOK, ClassIndx, CheckIn, "
                          "CheckOut, Station00) VALUES (" +
                              std::to_string(id) + ", 1, " + std::to_string(classIndx) + ", " +
                              checkIn + ", " + checkOut + ", 2)");
}

inline void addRequest(const Facility& f, long kind, long id, const std::string& date0 = "0",
                       const std::string& date1 = "0", const std::string& str0 = "",
                       const std::string& str1 = "", const std::string& str2 = "") {
    f.exec("reports.mdb", "INSERT INTO Reports (ltype, lid, date0, date1, str0, str1, str2) "
                          "VALUES (" +
                              std::to_string(kind) + ", " + std::to_string(id) + ", " + date0 +
                              ", " + date1 + ", '" + str0 + "', '" + str1 + "', '" + str2 + "')");
}

} // namespace vantora::test
