#include "util/stateabbrev.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<char const*, 59> kAbbrev = {
    "AK", "AL", "AR", "AS", "AZ", "CA", "CO", "CT", "DC", "DE", "FL", "FM", "GA", "GU", "HI",
    "IA", "ID", "IL", "IN", "KS", "KY", "LA", "MA", "MD", "ME", "MH", "MI", "MN", "MO", "MP",
    "MS", "MT", "NC", "ND", "NE", "NH", "NJ", "NM", "NV", "NY", "OH", "OK", "OR", "PA", "PR",
    "PW", "RI", "SC", "SD", "TN", "TX", "UT", "VA", "VI", "VT", "WA", "WI", "WV", "WY"};

} // namespace

CStateAbbrev::CStateAbbrev() : numAbbrev_(static_cast<int>(kAbbrev.size())) {}

std::string CStateAbbrev::GetStAbbrev(int const& i) const {
    if (i < 0 || i >= numAbbrev_)
        return {};
    return kAbbrev[static_cast<std::size_t>(i)];
}

int CStateAbbrev::FindStAbbrev(std::string const& abbrev) const {
    auto const it = std::find(kAbbrev.begin(), kAbbrev.end(), abbrev);
    return it == kAbbrev.end() ? -1 : static_cast<int>(it - kAbbrev.begin());
}
