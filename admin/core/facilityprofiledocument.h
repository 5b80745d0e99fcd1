#pragma once
// The Facility Profile page: the facility's name, address, phone, web site
// and e-mail address in the Center record.

#include "forms/pagedoc.h"

class CProfDoc : public CPageDoc {
public:
    enum field { fldName, fldAddr0, fldAddr1, fldCity, fldSt, fldZip, fldPhone, fldWeb, fldEmail };

    std::string Name, Addr0, Addr1, City, Zip, Phone, Web, Email;
    // Chosen from the list of state abbreviations; a stored value that is
    // not in the list is kept as it is.
    std::string St;

    static constexpr int NameLimit = 48, AddrLimit = 28, CityLimit = 16, ZipLimit = 10,
                         PhoneLimit = 14, WebLimit = 48, EmailLimit = 32;

    static constexpr const char* MsgLoad = "Error: could not retrieve data from center recordset.";
    static constexpr const char* MsgWrite = "Error: could not write data to center recordset.";

protected:
    bool Load() override;
    bool Validate() override;
    bool Write() override;
};
