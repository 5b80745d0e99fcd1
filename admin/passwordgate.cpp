#include "passwordgate.h"

#include "settingsrecord.h"

#include "db/daocenter.h"
#include "util/notice.h"

using namespace vantora;

bool CPasswordGate::Verify(const Prompt& prompt) {
    CDAOCenter center;
    if (!admin::ReadRecord(center)) {
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
