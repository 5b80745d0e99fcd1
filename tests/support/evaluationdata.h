#pragma once
// Evaluation fixture data for db tests.

#include "util/efoledatetime.h"

namespace vantora::test {

// Writes one evaluation with all three parts through the record sets; the
// values derive from `seed` so that every column of every evaluation differs.
void addEvaluation(long memberId, long evalId, CEFOleDateTime date, unsigned char classIndx,
                   int seed, bool withCircuit = true, bool withBodyComp = true);

} // namespace vantora::test
