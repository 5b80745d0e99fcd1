#pragma once
// The Bonus Values page: what one orientation, re-evaluation and other bonus
// is worth in workouts and in minutes (the Bonuses record).

#include "forms/pagedoc.h"

class CBonuDoc : public CPageDoc {
public:
    enum bonus { bonOrient, bonReEval, bonOther };
    struct Worth {
        int workouts = 0; // 0..99
        int minutes = 0;  // 0..999
    };
    Worth Values[3];

    // Focus field of a bonus's workouts (2 * bonus) and minutes (2 * bonus + 1).
    static int WorkoutsField(int bonus) { return 2 * bonus; }
    static int MinutesField(int bonus) { return 2 * bonus + 1; }

    static constexpr const char* MsgLoad = "Error: could not retrieve data from bonus recordset.";
    static constexpr const char* MsgWrite = "Error: could not write data to bonus recordset.";

protected:
    bool Load() override;
    bool Validate() override;
    bool Write() override;
};
