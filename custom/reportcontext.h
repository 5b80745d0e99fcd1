#pragma once
// What the report kinds read and never change: the facility, its defaults
// and its bonus values, each read once when the report object is made.

#include "db/daobon.h"
#include "db/daocenter.h"
#include "db/daodef.h"

class CDAOMem;
class CReportEngine;

struct CReportContext {
    CDAOCenter center;
    CDAODef defaults;
    CDAOBon bonuses;

    // Reads the three settings records; their values stay in the sets.
    void Read();
};

// Finds the member of a request; when there is none, tells the engine as the
// reason nothing is printed.
bool FindRequestMember(CDAOMem& member, long const& id, CReportEngine& engine);
