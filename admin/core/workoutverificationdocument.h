#pragma once
// The Workout Verification page: the minimum circuits and minutes that make
// a workout count, in the Center record.

#include "forms/pagedoc.h"

class CWorkDoc : public CPageDoc {
public:
    enum field { fldMinCirc, fldMinMin };

    int WkMinCirc = 0; // 0..9
    int WkMinMin = 0;  // 0..60

    static constexpr const char* MsgLoad = "Error: could not retrieve data from center recordset.";
    static constexpr const char* MsgWrite = "Error: could not write data to center recordset.";

protected:
    bool Load() override;
    bool Validate() override;
    bool Write() override;
};
