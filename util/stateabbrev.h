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

private:
    int numAbbrev_;
};
