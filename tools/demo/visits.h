#pragma once
// Made-up visits of a member and their rows in the workouts table.

#include "tools/demo/people.h"

class CDAOCenter;

namespace vantora::tools::demo {

struct Visit {
    long memberId = 0;
    CEFOleDateTime in, out;
    int circuits = 0;
    unsigned char classIndx = 99;
};

// One visit starting at the second of the day, lasting `minutes` (0: the
// member never checked out, so check-out equals check-in).
Visit MakeVisit(Rng& rng, const Person& p, long day, int startSecond, int minutes);

// Writes the visit's workout, OK by the facility's rule, with workout
// details when the kiosk takes them.
bool WriteVisit(Rng& rng, const Visit& v, const CDAOCenter& center, NewRows<CDAOWk>& workouts,
                bool details);

} // namespace vantora::tools::demo
