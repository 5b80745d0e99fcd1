#pragma once
// Facilities with made-up records: a demo facility of a few hundred members
// with a term of workouts, evaluations, body compositions, open check-ins
// and messages, so that every program and report has something real to
// show; and a large facility for benchmarks. Both are generated from a fixed
// seed, with dates counted back from today (the system clock), so the same
// day always gives the same facility.

#include "db/facility.h"

#include <string>

namespace vantora::tools {

// What a generator wrote.
struct DemoSummary {
    long members = 0;
    long classes = 0;
    long workouts = 0;
    long evaluations = 0;
    long bodyComps = 0;
    long checkIns = 0;
    long messages = 0;
};

struct DemoOptions {
    long members = 300;
    // Weeks of workouts up to today.
    int termWeeks = 15;
    unsigned seed = 20260907;
};

struct LargeOptions {
    long members = 100000;
    long long workouts = 5000000;
    unsigned seed = 7;
};

// Creates the facility in `folder`, a folder or a server's URI (refused
// like db::facility::create when it already holds one), and fills it
// through the record sets, each store's rows in one batch. Returns an empty
// text on success, otherwise an "Error: ..." text (the first the store
// layer reported, which is not shown); a facility whose filling failed is
// removed again.
std::string createDemoFacility(const std::string& folder, const db::facility::Settings& settings,
                               const DemoOptions& options = {}, DemoSummary* summary = nullptr);
std::string createLargeFacility(const std::string& folder, const db::facility::Settings& settings,
                                const LargeOptions& options = {}, DemoSummary* summary = nullptr);

} // namespace vantora::tools
