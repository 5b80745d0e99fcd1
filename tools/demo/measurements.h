#pragma once
// Made-up evaluations and body compositions of a member, and their rows.

#include "db/daobodycomp.h"
#include "db/daocirc.h"
#include "db/daoevalbodycomp.h"
#include "db/daosmeval.h"
#include "tools/demo/people.h"

namespace vantora::tools::demo {

// The three parts of an evaluation: its test results, skin folds and
// circuit results.
struct EvaluationSets {
    NewRows<CDAOSmEval> evals;
    NewRows<CDAOEvalBodyComp> bodyComps;
    NewRows<CDAOCirc> circuit;
};

// Writes an evaluation (with its body composition and circuit rows) on the
// day; `progress` 0 for a first evaluation, 1 for a re-evaluation.
bool WriteEvaluation(Rng& rng, const Person& p, long evalId, long day, double progress,
                     EvaluationSets& sets);

// Writes a body composition by one of the four methods on the day.
bool WriteBodyComp(Rng& rng, const Person& p, long day, int method, double progress,
                   NewRows<CDAOBodyComp>& bodyComps);

} // namespace vantora::tools::demo
