#include "admin/core/passworddocument.h"

#include "db/settingsrecord.h"
#include "forms/fieldcheck.h"

#include "db/daocenter.h"
#include "util/notice.h"

using namespace vantora;

bool CPassDoc::Load() {
    CDAOCenter c;
    const bool ok = settings::ReadRecord(c);
    Password = ok ? c.Password : "";
    if (!ok)
        notice::show(MsgLoad, notice::Icon::Exclamation);
    return ok;
}

bool CPassDoc::Validate() {
    focus_ = 0;
    if (Password.empty()) {
        notice::show(MsgEmpty, notice::Icon::Exclamation);
        return false;
    }
    if (!fields::CheckLength("password", Password, Limit))
        return false;
    focus_ = -1;
    return true;
}

bool CPassDoc::Write() {
    CDAOCenter c;
    const bool ok = settings::EditRecord(c, [this](CDAOCenter& r) { r.Password = Password; });
    if (!ok)
        notice::show(MsgWrite, notice::Icon::Exclamation);
    return ok;
}
