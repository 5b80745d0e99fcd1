#pragma once
// What the report kinds read and never change: the facility, its defaults
// and its bonus values, each read once when the report object is made.

#include "db/daobon.h"
#include "db/daocenter.h"
#include "db/daodef.h"

class CDAOMem;
class CReportEngine;

#include <string>

struct CReportContext {
    CDAOCenter center;
    CDAODef defaults;
    CDAOBon bonuses;

    // Reads the three settings records; their values stay in the sets.
    // False after the message that names the first table without its
    // record ("Error: could not retrieve data from center recordset."),
    // which Error() keeps: reports drawn without it would show zeros.
    bool Read();
    bool Ready() const { return ready_; }
    const std::string& Error() const { return error_; }

private:
    bool ready_ = false;
    std::string error_;
};

// Finds the member of a request; when there is none, tells the engine as the
// reason nothing is printed.
bool FindRequestMember(CDAOMem& member, long const& id, CReportEngine& engine);
