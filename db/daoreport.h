#pragma once
// CDAOReport: the report request queue of reports.mdb. The desk program adds
// one row per request; the report server prints and deletes them in order.

#include "daoefset.h"

class CDAOReport : public CDAOEFSet {
public:
    CDAOReport() { m_nFields = 7; }

    long ltype = 0;       // report code
    long lid = 0;         // member id, 0 when none
    CEFOleDateTime date0; // first and second date, 0.0 when not needed
    CEFOleDateTime date1;
    std::string str0; // category, course, section, empty when not needed
    std::string str1;
    std::string str2;

    std::string GetDefaultDBName() const override { return GetDBPath() + "reports.mdb"; }
    std::string GetDefaultSQL() const override { return "[Reports]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    // Every queued request, in the order queued; returns how many.
    int FindReports();
};
