#include "desk/core/postaladdress.h"

#include "desk/core/memberlistdocument.h"

#include "db/daomem.h"
#include "util/format.h"

std::string CPostalAddress::NameLine() const {
    return vantora::insert("%1 %2", {FirstName, LastName});
}

std::string CPostalAddress::CityLine() const {
    if (City.empty() || State.empty() || Zip.empty())
        return {};
    return vantora::insert("%1, %2  %3", {City, State, Zip});
}

std::vector<CPostalAddress> CPostalAddress::Listed(CMemberListDoc& list, int limit) {
    std::vector<CPostalAddress> out;
    const int rows = static_cast<int>(list.Rows().size());
    for (int row = 0; row < rows && (limit < 0 || static_cast<int>(out.size()) < limit); ++row) {
        if (!list.MoveTo(row))
            continue;
        const CDAOMem& m = list.Set();
        out.push_back({m.FirstName, m.LastName, m.Address, m.City, m.State, m.Zip});
    }
    return out;
}
