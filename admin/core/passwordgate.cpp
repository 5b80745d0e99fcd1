#include "admin/core/passwordgate.h"

#include "db/settingsrecord.h"

#include "db/daocenter.h"
#include "util/facilitylocation.h"
#include "util/notice.h"

using namespace vantora;

bool CPasswordGate::Verify(const Prompt& prompt) {
    // Without the store folder every record set would report the missing
    // variable again, and the read would fail with a message of its own: say
    // it once and end. (The backup folder is not used here.)
    if (!FacilityLocation::current().storesSet()) {
        notice::show(CDAOEFSet::MsgNoDB, notice::Icon::Exclamation);
        return false;
    }
    CDAOCenter center;
    if (!settings::ReadRecord(center)) {
        notice::show(MsgLoad, notice::Icon::Exclamation);
        return false;
    }
    center.Op(CDAOEFSet::opClose);
    for (;;) {
        const std::optional<std::string> entry = prompt();
        if (!entry)
            return false;
        if (center.ChkPassword(entry->c_str()))
            return true;
        if (notice::ask(MsgWrong, notice::Buttons::RetryCancel, notice::Icon::Exclamation) !=
            notice::Answer::Retry)
            return false;
    }
}
