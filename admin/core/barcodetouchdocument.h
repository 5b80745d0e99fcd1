#pragma once
// The Barcode/Touch Screen page: the kiosk settings of the BarcodeTouch
// record and the three kiosk bits of DefFlags in the Defaults record
// (blink messages, record workout details, three-digit option values).

#include "forms/pagedoc.h"

class CBarcDoc : public CPageDoc {
public:
    enum field { fldCodeLen, fldNoChkInWkMin, fldMsg0, fldMsg1, fldMsg2, fldMsgTime };
    enum colour { clrLgTxt, clrMedTxt, clrSmTxt, clrPrimFrm, clrSecFrm, ColourCount };

    int CodeMeth = 0; // 0 barcode, 1 touch
    int CodeLen = 1;  // 1..9
    bool RecordDetails = false;
    int NoChkInWkMin = 0; // 0..60
    bool ThreeDigits = false;
    std::string Msg[3]; // up to 48 characters each
    int MsgTime = 1;    // 1..15
    bool Blink = false;
    long Colours[ColourCount] = {};

    // The DefFlags bits of this page; the others belong to the Data Entry
    // Defaults page and are written back as they are stored.
    static long OwnFlags();

    static constexpr int MsgLimit = 48;
    static constexpr const char* MsgLoad =
        "Error: could not retrieve data from touchscreen and/or defaults recordsets.";
    static constexpr const char* MsgWrite =
        "Error: could not write data to touchscreen and/or defaults recordsets.";

protected:
    bool Load() override;
    bool Validate() override;
    bool Write() override;
};
