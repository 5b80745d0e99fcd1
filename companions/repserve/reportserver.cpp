#include "reportserver.h"

#include "db/daoreport.h"

CReportServer::CReportServer(std::ostream& log) : log_(log), report_(std::make_unique<CReport>()) {}

CReportServer::Pass CReportServer::ProcessQueue() {
    Pass pass;
    std::set<std::string> kept;
    CDAOReport queue;
    if (queue.FindReports() == 0) {
        kept_.clear();
        return pass;
    }
    while (!queue.IsEOF()) {
        // The request's values are copied: printing may change them.
        const int kind = static_cast<int>(queue.ltype);
        long id = queue.lid;
        CEFOleDateTime date0 = queue.date0;
        CEFOleDateTime date1 = queue.date1;
        std::string str0 = queue.str0;
        std::string str1 = queue.str1;
        std::string str2 = queue.str2;
        report_->PrintReport(kind, id, date0, date1, str0, str1, str2);

        switch (report_->GetLastResult()) {
        case CReport::result::printed:
            ++pass.printed;
            queue.DelCurrent();
            break;
        case CReport::result::empty:
            ++pass.empty;
            log_ << report_->GetLastError() << " (kind " << kind << ", id " << queue.lid
                 << "); request removed" << std::endl;
            queue.DelCurrent();
            break;
        default: {
            ++pass.kept;
            const std::string line = report_->GetLastError() + " (kind " + std::to_string(kind) +
                                     ", id " + std::to_string(queue.lid) + "); request kept";
            if (!kept_.count(line))
                log_ << line << std::endl;
            kept.insert(line);
            queue.Op(CDAOEFSet::opMoveNext);
            break;
        }
        }
    }
    queue.Op(CDAOEFSet::opClose);
    kept_ = std::move(kept);
    return pass;
}
