#pragma once
// The report server's work: print the queued report requests of the Reports
// table, oldest first, and remove each one that is done. A request that
// cannot be printed now (no printer, a failed job, a store that cannot be
// read, the facility's settings records missing) stays queued and is logged once with its reason,
// so it is printed when the cause is gone. A printed request that cannot be removed is remembered,
// so it is removed later and never printed twice.

#include "custom/report.h"
#include "util/facilitylocation.h"
#include "util/notice.h"

#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>

class CReportServer {
public:
    struct Pass {
        int printed = 0; // printed and removed (or remembered as printed)
        int empty = 0;   // nothing to print (unknown member, undefined kind): removed
        int kept = 0;    // could not be printed: still queued
    };

    static constexpr const char* PrintedRecordName = "reports.printed";

    // Messages about requests go to log, one line each; so do the notices
    // of the stores, each text once per run. printedRecord names the file
    // that remembers printed requests that could not be removed; by default
    // DefaultPrintedRecord() of the facility's location.
    explicit CReportServer(std::ostream& log, std::string printedRecord = {});
    ~CReportServer();

    // One pass over the queue as it stands. A request kept for the same
    // reason as in the previous pass is not logged again.
    Pass ProcessQueue();

    CReport& Report() { return *report_; }

    // "reports.printed" beside the store files, or, when the stores are on a
    // server, in this computer's local data folder of the report server;
    // empty when the stores are not named.
    static std::string DefaultPrintedRecord(const vantora::FacilityLocation& location);

private:
    // The values of a request, as one line of text.
    using Key = std::string;
    void ReadPrinted();
    void WritePrinted() const;

    std::ostream& log_;
    std::unique_ptr<vantora::notice::ScopedHandler> notices_;
    std::unique_ptr<CReport> report_;
    std::string printedRecord_;
    // Kept requests already logged in the previous pass: a request that
    // waits for a printer is logged once, not at every poll.
    std::set<std::string> kept_;
    // Printed requests still queued because their removal failed, with how
    // many identical ones were printed.
    std::map<Key, int> printed_;
};
