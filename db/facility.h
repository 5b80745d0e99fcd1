#pragma once
// Creation of a new facility: the four store files with their tables and
// indexes, and the one-record settings tables filled with the values a
// centre starts from (the administration program changes them later).
//
// Starting values: workout minimums of 2 circuits and 30 minutes; bonuses of
// 1 workout / 30 minutes for an orientation and a re-evaluation and
// 1 workout / 15 minutes for any other; kiosk by touch screen with 6-digit
// codes, 5-second screens, blinking messages, workout details in two digits
// and a 30-minute default visit; new members current, with an orientation
// bonus, graded, enrolled for the fall period and expiring after 4 months;
// thirteen workout options, the circuit first; one category "FIT" with the
// course "FIT 101" and its section "01".

#include <string>

namespace vantora::db::facility {

struct Settings {
    std::string name = "Fitness Center"; // 1 to 48 characters
    std::string password = "admin";      // 1 to 8 characters, case-sensitive
};

// An "Error: ..." text when the settings cannot be stored, else empty.
std::string check(const Settings& settings);

// Whether the folder holds any of the four store files.
bool exists(const std::string& folder);

// Creates the folder when needed and writes the four store files into it;
// given a server URI (postgresql://...), creates the four stores as tables
// of that database instead, refusing one that holds a facility already.
// Returns an empty text on success, otherwise an "Error: ..." text; then no
// store file is left behind. A folder that already holds a store file is
// refused and left untouched.
std::string create(const std::string& folder, const Settings& settings);

// Removes the four store files (with their journals) from the folder, for a
// facility whose filling failed; other files stay.
void remove(const std::string& folder);

} // namespace vantora::db::facility
