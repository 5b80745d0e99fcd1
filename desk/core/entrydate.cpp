#include "desk/core/entrydate.h"

#include "util/notice.h"

bool CheckEntryDate(const CEFOleDateTime& date) {
    if (date.GetStatus() != COleDateTime::valid) {
        vantora::notice::show(CEFOleDateTime::MsgInvalid, vantora::notice::Icon::Exclamation);
        return false;
    }
    if (!date.IsAfterToday())
        return true;
    vantora::notice::show(CEFOleDateTime::MsgLaterThanToday, vantora::notice::Icon::Exclamation);
    return false;
}
