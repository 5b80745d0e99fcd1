#include "admin/core/passwordgate.h"

#include "admin/core/settingsrecord.h"

#include "db/daocenter.h"
#include "util/notice.h"

#include <cstdlib>
#include <utility>

using namespace vantora;

bool CPasswordGate::Verify(const Prompt& prompt) {
    // Without the store folders every record set would report the missing
    // variable again, and the read would fail with a message of its own: say
    // it once and end.
    for (const auto& [name, message] : {std::pair{"VANTO_DB", CDAOEFSet::MsgNoDB},
                                        std::pair{"VANTO_BACK", CDAOEFSet::MsgNoBack}}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0') {
            notice::show(message, notice::Icon::Exclamation);
            return false;
        }
    }
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
