#pragma once
// CDAOTouch: the kiosk settings of center.mdb (one row).

#include "daoefset.h"

class CDAOTouch : public CDAOEFSet {
public:
    CDAOTouch() { m_nFields = 12; }

    unsigned char CodeLen = 0;  // digits of the code members enter, 1..9
    unsigned char CodeMeth = 0; // 0 barcode, 1 touch
    std::string Msg0;           // message lines shown during workout entry
    std::string Msg1;
    std::string Msg2;
    unsigned char MsgTime = 0; // seconds a kiosk screen stays, 1..15
    short NoChkInWkMin = 0;    // minutes of a workout recorded without check-out
    long LgTxtClr = 0;         // RGB colours of texts and frames
    long MedTxtClr = 0;
    long SmTxtClr = 0;
    long PrimFrmClr = 0;
    long SecFrmClr = 0;

    std::string GetDefaultDBName() const override { return GetDBPath() + "center.mdb"; }
    std::string GetDefaultSQL() const override { return "[BarcodeTouch]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;
};
