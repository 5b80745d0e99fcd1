#pragma once
// The Workout Options page: the names and abbreviations of the workout
// options (table Stations, one record per option in table order; option 1
// is always the circuit option). The stored list is the leading run of
// complete rows.

#include "forms/pagedoc.h"

class CStatDoc : public CPageDoc {
public:
    static constexpr int Rows = 13;
    static constexpr int NameLimit = 24;
    static constexpr int AbbrLimit = 4;

    struct Row {
        std::string name;
        std::string abbr;
    };
    Row Options[Rows];

    // Focus fields: the name of row i is i, its abbreviation AbbrField(i).
    static int AbbrField(int row) { return Rows + row; }

    static constexpr const char* MsgLoad = "Error: could not retrieve data from station recordset.";
    static constexpr const char* MsgFirstTime =
        "The appropriate time to change or add\nworkout options is at startup or at the "
        "beginning\nor end of a tracking period when ALL workouts\nhave been cleared from the "
        "database.";
    static constexpr const char* MsgNoAbbr = "Error: enter an abbreviation\nfor %1";
    static constexpr const char* MsgNoCircuit =
        "Error: Option 1 must always be the circuit option.\nEnter its name and abbreviation.";

protected:
    bool Load() override;
    bool Validate() override;
    bool Write() override;
    void FirstActivation() override;
};
