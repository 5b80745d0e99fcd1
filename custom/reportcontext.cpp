#include "reportcontext.h"

#include "custom/reportengine.h"
#include "db/daomem.h"
#include "db/daosmmem.h"
#include "util/format.h"

void CReportContext::Read() {
    center.OpenSet(true);
    center.Op(CDAOEFSet::opClose);
    defaults.OpenSet(true);
    defaults.Op(CDAOEFSet::opClose);
    bonuses.OpenSet(true);
    bonuses.Op(CDAOEFSet::opClose);
}

bool FindRequestMember(CDAOMem& member, long const& id, CReportEngine& engine) {
    member.FindMember(CDAOSmMem::idMember, id);
    if (member.IsOpen() && !member.IsEOF())
        return true;
    engine.NothingToPrint(vantora::insert("no member has the ID %1", {id}));
    return false;
}
