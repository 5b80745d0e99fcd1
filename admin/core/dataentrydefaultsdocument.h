#pragma once
// The Data Entry Defaults page: the values a new member's record starts
// with (the Defaults record). Its yes/no choices are the eight low bits of
// DefFlags; the kiosk's bits of the same column belong to the Barcode/Touch
// page and are left as they are stored.

#include "forms/pagedoc.h"

class CDefaDoc : public CPageDoc {
public:
    enum field { fldExpDate, fldEnrollPer, fldGrdStat, fldReEvalBon, fldOtherBon };

    // The bits of DefFlags this page owns (Medical History .. Membership Status).
    static constexpr long OwnFlags = 0xFF;

    long Flags = 0;     // DefFlags as shown; only OwnFlags are written
    int ExpMonths = 0;  // 0..12
    int EnrollPer = -1; // list position 0..3, -1: none selected
    int GrdStat = -1;   // list position 0..4, -1: none selected
    int ReEvalBon = 0;  // 0..99
    int OtherBon = 0;   // 0..99

    bool Flag(long bit) const { return (Flags & bit) != 0; }
    void SetFlag(long bit, bool on) { Flags = on ? (Flags | bit) : (Flags & ~bit); }

    static constexpr int EnrollPerCount = 4;
    static constexpr int GrdStatCount = 5;

    static constexpr const char* MsgLoad =
        "Error: could not retrieve data from defaults recordset.";
    static constexpr const char* MsgWrite = "Error: could not write data to defaults recordset.";
    static constexpr const char* MsgNoEnrollPer = "Error: select an enrollment period";
    static constexpr const char* MsgNoGrdStat = "Error: select a grade status";

protected:
    bool Load() override;
    bool Validate() override;
    bool Write() override;
};
