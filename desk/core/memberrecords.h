#pragma once
// CMemberRecords: everything stored under one member ID, across the tables
// of members.mdb and the open check-ins of chkin.mdb. A member's ID change
// takes all of it along and a member's deletion removes all of it, each as
// one unit, so that no record is left under an ID that a later member may
// be given.

#include <string>

class CStoreTransaction;

class CMemberRecords {
public:
    // What a member's deletion takes along besides the member's own records.
    struct Counts {
        long workouts = 0;
        long evaluations = 0;
        long bodyComps = 0;
    };
    static Counts CountData(long memberId);

    // Inside the caller's transactions (begun) on members.mdb and chkin.mdb:
    // moves every record of oldId to newId. False after the error was shown.
    static bool MoveData(CStoreTransaction& members, CStoreTransaction& checkIns, long oldId,
                         long newId);
    // Inside the caller's transactions: removes every record of the member,
    // the evaluations' circuit and skin-fold rows included.
    static bool DeleteData(CStoreTransaction& members, CStoreTransaction& checkIns, long memberId);
    // Removes every record of the member in one unit; false, with nothing
    // removed, when a store refused (the reason was shown).
    static bool Delete(long memberId);
};
