#include "admin/core/facilityprofiledocument.h"

#include "db/settingsrecord.h"
#include "forms/fieldcheck.h"

#include "db/daocenter.h"
#include "util/notice.h"

using namespace vantora;

bool CProfDoc::Load() {
    CDAOCenter c;
    if (!settings::ReadRecord(c)) {
        Name = Addr0 = Addr1 = City = St = Zip = Phone = Web = Email = "";
        notice::show(MsgLoad, notice::Icon::Exclamation);
        return false;
    }
    Name = c.Name;
    Addr0 = c.Addr0;
    Addr1 = c.Addr1;
    City = c.City;
    St = c.St;
    Zip = c.Zip;
    Phone = c.Phone;
    Web = c.Web;
    Email = c.Email;
    return true;
}

bool CProfDoc::Validate() {
    struct Check {
        const std::string& text;
        const char* label;
        std::size_t limit;
        field fld;
    };
    const Check checks[] = {{Name, "facility name", NameLimit, fldName},
                            {Addr0, "address line 1", AddrLimit, fldAddr0},
                            {Addr1, "address line 2", AddrLimit, fldAddr1},
                            {City, "city", CityLimit, fldCity},
                            {Zip, "zip code", ZipLimit, fldZip},
                            {Phone, "phone number", PhoneLimit, fldPhone},
                            {Web, "web site", WebLimit, fldWeb},
                            {Email, "e-mail address", EmailLimit, fldEmail}};
    for (const Check& c : checks) {
        if (!fields::CheckLength(c.label, c.text, c.limit)) {
            focus_ = c.fld;
            return false;
        }
    }
    return true;
}

bool CProfDoc::Write() {
    CDAOCenter c;
    const bool ok = settings::EditRecord(c, [this](CDAOCenter& r) {
        r.Name = Name;
        r.Addr0 = Addr0;
        r.Addr1 = Addr1;
        r.City = City;
        r.St = St;
        r.Zip = Zip;
        r.Phone = Phone;
        r.Web = Web;
        r.Email = Email;
    });
    if (!ok)
        notice::show(MsgWrite, notice::Icon::Exclamation);
    return ok;
}
