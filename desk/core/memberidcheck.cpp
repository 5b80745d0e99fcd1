#include "desk/core/memberidcheck.h"

#include "util/format.h"
#include "util/notice.h"
#include "vantoapi/vantoapi.h"

bool CMemberIdCheck::Check(long id, bool mustExist, bool allowZero) {
    const long low = allowZero ? 0 : 1;
    if (id < low || id > MaxId) {
        vantora::notice::show(
            vantora::format("Error: enter a member ID from %i to %i.", {low, MaxId}),
            vantora::notice::Icon::Exclamation);
        return false;
    }
    if (!mustExist || id == 0 || IsMember(id, CDAOSmMem::idMember))
        return true;
    vantora::notice::show(
        vantora::format("Sorry, there is no member in the database\nthat matches ID %i.", {id}));
    return false;
}
