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

bool WriteVisit(Rng& rng, const Visit& v, const CDAOCenter& center, Insert& workouts,
                bool details) {
    std::array<int, 12> options{};
    if (details)
        for (std::size_t i = 0; i < options.size(); ++i)
            if (rng.chance(0.25))
                options[i] = rng.range(OptionRanges[i][0], OptionRanges[i][1]);
    const bool ok = center.VerifyWk(v.circuits, v.in, v.out);
    return workouts.row({Num(v.memberId), Num(ok ? 1 : 0), Num(v.classIndx), When(v.in),
                         When(v.out), Num(v.circuits), Num(options[0]), Num(options[1]),
                         Num(options[2]), Num(options[3]), Num(options[4]), Num(options[5]),
                         Num(options[6]), Num(options[7]), Num(options[8]), Num(options[9]),
                         Num(options[10]), Num(options[11])});
}

} // namespace vantora::tools::demo
