#pragma once
// Open visits: one row per member who has checked in at the kiosk and not yet
// checked out (table ChkIn of chkin.mdb). Not exported.

#include "daoefset.h"

class CDAOChkIn : public CDAOEFSet {
public:
    CDAOChkIn();

    long MemberID = 0;
    long Barcode = 0;
    std::string FirstName;
    std::string LastName;
    CEFOleDateTime CheckIn;
    unsigned char ClassIndx = 0;

    std::string GetDefaultDBName() const override { return GetDBPath() + "chkin.mdb"; }
    std::string GetDefaultSQL() const override { return "[ChkIn]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    // The open check-ins of a member, oldest first, by member id (id 0) or
    // workout number (id 1); the set stays on the first. Workout number 0
    // means none, so it matches no visit.
    int IsCheckedIn(int id, long const& value);
    // Every open check-in, oldest first.
    int FindChkIns();
};
