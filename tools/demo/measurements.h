#pragma once
// Made-up evaluations and body compositions of a member, and their rows.

#include "tools/demo/people.h"

namespace vantora::tools::demo {

// Writes an evaluation (with its body composition and circuit rows) on the
// day; `progress` 0 for a first evaluation, 1 for a re-evaluation.
bool WriteEvaluation(Rng& rng, const Person& p, long evalId, long day, double progress,
                     Insert& evals, Insert& bodyComps, Insert& circuit);

// Writes a body composition by one of the four methods on the day.
bool WriteBodyComp(Rng& rng, const Person& p, long day, int method, double progress,
                   Insert& bodyComps);

} // namespace vantora::tools::demo
