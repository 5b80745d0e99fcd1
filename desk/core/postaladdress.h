#pragma once
// CPostalAddress: the name and address of a listed member as letters and
// labels print them, read from a Members list in the list's set order.

#include <string>
#include <vector>

class CMemberListDoc;

struct CPostalAddress {
    std::string FirstName;
    std::string LastName;
    std::string Address;
    std::string City;
    std::string State;
    std::string Zip;

    // "First Last".
    std::string NameLine() const;
    // "City, ST  Zip", or empty unless all three are known.
    std::string CityLine() const;

    // The addresses of the listed members, at most `limit` of them (all
    // when negative); a member deleted meanwhile is left out.
    static std::vector<CPostalAddress> Listed(CMemberListDoc& list, int limit = -1);
};
