#include "util/stateabbrev.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

TEST(StateAbbrev, EveryIndexGivesItsAbbreviation) {
    std::vector<std::string> const expected = {
        "AK", "AL", "AR", "AS", "AZ", "CA", "CO", "CT", "DC", "DE", "FL", "FM", "GA", "GU", "HI",
        "IA", "ID", "IL", "IN", "KS", "KY", "LA", "MA", "MD", "ME", "MH", "MI", "MN", "MO", "MP",
        "MS", "MT", "NC", "ND", "NE", "NH", "NJ", "NM", "NV", "NY", "OH", "OK", "OR", "PA", "PR",
        "PW", "RI", "SC", "SD", "TN", "TX", "UT", "VA", "VI", "VT", "WA", "WI", "WV", "WY"};
    CStateAbbrev const states;
    ASSERT_EQ(states.GetNumAbbrev(), 59);
    ASSERT_EQ(static_cast<int>(expected.size()), states.GetNumAbbrev());
    for (int i = 0; i < states.GetNumAbbrev(); ++i) {
        EXPECT_EQ(states.GetStAbbrev(i), expected[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(states.FindStAbbrev(expected[static_cast<std::size_t>(i)]), i) << i;
    }
}

TEST(StateAbbrev, ListIsAlphabeticalWithoutRepeats) {
    // A list offered in order must find each entry again by its name.
    CStateAbbrev const states;
    for (int i = 1; i < states.GetNumAbbrev(); ++i)
        EXPECT_LT(states.GetStAbbrev(i - 1), states.GetStAbbrev(i)) << i;
}

TEST(StateAbbrev, InputsOutsideTheListAreAnsweredEmpty) {
    CStateAbbrev const states;
    for (int i : {-1, 59, 60, INT_MIN, INT_MAX})
        EXPECT_EQ(states.GetStAbbrev(i), "") << i;
    // Stored states are matched exactly: no case folding, no trimming.
    for (char const* text : {"", "XX", "ny", " NY", "NYC", "N"})
        EXPECT_EQ(states.FindStAbbrev(text), -1) << '"' << text << '"';
}
