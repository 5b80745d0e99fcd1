#pragma once
// The postal state abbreviations offered when a member's address is edited,
// in alphabetical order.

#include <string>

class CStateAbbrev {
public:
    CStateAbbrev();
    virtual ~CStateAbbrev() = default;

    int GetNumAbbrev() const { return numAbbrev_; }
    // The abbreviation at index i (0..GetNumAbbrev() - 1); empty outside.
    std::string GetStAbbrev(int const& i) const;
    // The index of an abbreviation matched exactly (as a stored address's
    // state is selected in the list); -1 when it is not in the list.
    int FindStAbbrev(std::string const& abbrev) const;

private:
    int numAbbrev_;
};
