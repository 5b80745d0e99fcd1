#pragma once
// The report server's work: print the queued report requests of the Reports
// table, oldest first, and remove each one that is done. A request that
// cannot be printed now (no printer, a failed job) stays queued and is
// logged with its reason, so it is printed when the printer is back.

#include "custom/report.h"

#include <memory>
#include <ostream>
#include <set>
#include <string>

class CReportServer {
public:
    struct Pass {
        int printed = 0; // printed and removed
        int empty = 0;   // nothing to print (unknown member, undefined kind): removed
        int kept = 0;    // could not be printed: still queued
    };

    // Messages about requests go to log, one line each.
    explicit CReportServer(std::ostream& log);

    // One pass over the queue as it stands. A request kept for the same
    // reason as in the previous pass is not logged again.
    Pass ProcessQueue();

    CReport& Report() { return *report_; }

private:
    std::ostream& log_;
    std::unique_ptr<CReport> report_;
    // Kept requests already logged in the previous pass: a request that
    // waits for a printer is logged once, not at every poll.
    std::set<std::string> kept_;
};
