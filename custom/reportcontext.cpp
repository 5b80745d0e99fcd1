#include "reportcontext.h"

#include "custom/reportengine.h"
#include "db/daomem.h"
#include "db/daosmmem.h"
#include "db/settingsrecord.h"
#include "util/format.h"
#include "util/notice.h"

#include <memory>
#include <utility>

bool CReportContext::Read() {
    const std::pair<CDAOEFSet*, const char*> records[] = {
        {&center, "center"}, {&defaults, "defaults"}, {&bonuses, "bonus"}};
    ready_ = true;
    error_.clear();
    for (const auto& [set, what] : records) {
        if (ready_) {
            // The notices of the read are shown as they come, and the last
            // one (the message that names the table) is kept.
            auto seen = std::make_shared<vantora::notice::Recorder>();
            {
                vantora::notice::ScopedHandler capture(seen);
                ready_ = vantora::settings::LoadRecord(*set, what);
            }
            for (const auto& entry : seen->entries())
                vantora::notice::show(entry.text, entry.icon);
            if (!ready_)
                error_ = seen->last();
        }
        set->Op(CDAOEFSet::opClose);
    }
    return ready_;
}

bool FindRequestMember(CDAOMem& member, long const& id, CReportEngine& engine) {
    member.FindMember(CDAOSmMem::idMember, id);
    if (member.IsOpen() && !member.IsEOF())
        return true;
    engine.NothingToPrint(vantora::insert("no member has the ID %1", {id}));
    return false;
}
