#include "tools/demo/visits.h"

#include "db/daocenter.h"
#include "tools/demo/daynumbers.h"

#include <array>

namespace vantora::tools::demo {

namespace {

// Typical values of workout options 2 to 13 (lo..hi) when a member does them.
constexpr std::array<std::array<int, 2>, 12> OptionRanges = {{{10, 30},
                                                              {10, 30},
                                                              {5, 20},
                                                              {5, 20},
                                                              {10, 30},
                                                              {10, 30},
                                                              {5, 15},
                                                              {20, 60},
                                                              {10, 40},
                                                              {4, 12},
                                                              {8, 30},
                                                              {30, 55}}};

} // namespace

Visit MakeVisit(Rng& rng, const Person& p, long day, int startSecond, int minutes) {
    Visit v;
    v.memberId = p.id;
    v.in = At(day, startSecond);
    v.out = At(day, startSecond + minutes * 60 + (minutes > 0 ? rng.range(0, 59) : 0));
    v.circuits = minutes == 0 ? 0 : rng.weighted({8, 12, 35, 30, 15});
    if (!p.classes.empty())
        v.classIndx = p.classes[static_cast<std::size_t>(
                                    rng.range(0, static_cast<int>(p.classes.size()) - 1))]
                          .indx;
    return v;
}

bool WriteVisit(Rng& rng, const Visit& v, const CDAOCenter& center, NewRows<CDAOWk>& workouts,
                bool details) {
    std::array<short, CDAOWk::StationCount - 1> options{};
    if (details)
        for (std::size_t i = 0; i < options.size(); ++i)
            if (rng.chance(0.25))
                options[i] = static_cast<short>(rng.range(OptionRanges[i][0], OptionRanges[i][1]));
    const bool ok = center.VerifyWk(v.circuits, v.in, v.out);
    CDAOWk& wk = workouts.next();
    wk.MemberID = v.memberId;
    wk.WorkoutOK = ok ? 1 : 0;
    wk.ClassIndx = v.classIndx;
    wk.CheckIn = v.in;
    wk.CheckOut = v.out;
    // Option 1 is the circuits; options 2 to 13 the workout details.
    wk.SetStnVal(0, static_cast<short>(v.circuits));
    for (std::size_t i = 0; i < options.size(); ++i)
        wk.SetStnVal(static_cast<int>(i) + 1, options[i]);
    return workouts.add();
}

} // namespace vantora::tools::demo
