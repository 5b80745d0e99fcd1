#include "admin/core/workoutverificationdocument.h"

#include "db/settingsrecord.h"
#include "forms/fieldcheck.h"

#include "db/daocenter.h"
#include "util/notice.h"

using namespace vantora;

bool CWorkDoc::Load() {
    CDAOCenter c;
    const bool ok = settings::ReadRecord(c);
    WkMinCirc = ok ? c.WkMinCirc : 0;
    WkMinMin = ok ? c.WkMinMin : 0;
    if (!ok)
        notice::show(MsgLoad, notice::Icon::Exclamation);
    return ok;
}

bool CWorkDoc::Validate() {
    if (!fields::CheckRange("minimum circuits per workout", WkMinCirc, 0, 9)) {
        focus_ = fldMinCirc;
        return false;
    }
    if (!fields::CheckRange("minimum total minutes per workout", WkMinMin, 0, 60)) {
        focus_ = fldMinMin;
        return false;
    }
    return true;
}

bool CWorkDoc::Write() {
    CDAOCenter c;
    const bool ok = settings::EditRecord(c, [this](CDAOCenter& r) {
        r.WkMinCirc = static_cast<unsigned char>(WkMinCirc);
        r.WkMinMin = static_cast<short>(WkMinMin);
    });
    if (!ok)
        notice::show(MsgWrite, notice::Icon::Exclamation);
    return ok;
}
