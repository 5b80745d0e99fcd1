#include "admin/core/barcodetouchdocument.h"

#include "db/settingsrecord.h"
#include "forms/fieldcheck.h"

#include "db/daodef.h"
#include "db/daotouch.h"
#include "util/notice.h"

using namespace vantora;

long CBarcDoc::OwnFlags() {
    return CDAODef::defBlinkMessages | CDAODef::defRecordDetails | CDAODef::defThreeDigits;
}

bool CBarcDoc::Load() {
    CDAOTouch t;
    CDAODef d;
    const bool ok = settings::ReadRecord(t) && settings::ReadRecord(d);
    CodeMeth = ok ? t.CodeMeth : 0;
    CodeLen = ok ? t.CodeLen : 0;
    NoChkInWkMin = ok ? t.NoChkInWkMin : 0;
    Msg[0] = ok ? t.Msg0 : "";
    Msg[1] = ok ? t.Msg1 : "";
    Msg[2] = ok ? t.Msg2 : "";
    MsgTime = ok ? t.MsgTime : 0;
    const long colours[ColourCount] = {t.LgTxtClr, t.MedTxtClr, t.SmTxtClr, t.PrimFrmClr,
                                       t.SecFrmClr};
    for (int i = 0; i < ColourCount; ++i)
        Colours[i] = ok ? colours[i] : 0;
    RecordDetails = ok && d.GetDefFlag(CDAODef::defRecordDetails);
    ThreeDigits = ok && d.GetDefFlag(CDAODef::defThreeDigits);
    Blink = ok && d.GetDefFlag(CDAODef::defBlinkMessages);
    if (!ok)
        notice::show(MsgLoad, notice::Icon::Exclamation);
    return ok;
}

bool CBarcDoc::Validate() {
    if (!fields::CheckRange("number length in digits", CodeLen, 1, 9)) {
        focus_ = fldCodeLen;
        return false;
    }
    if (!fields::CheckRange("default duration in minutes", NoChkInWkMin, 0, 60)) {
        focus_ = fldNoChkInWkMin;
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        if (!fields::CheckLength("message line " + std::to_string(i + 1), Msg[i], MsgLimit)) {
            focus_ = fldMsg0 + i;
            return false;
        }
    }
    if (!fields::CheckRange("display time in seconds", MsgTime, 1, 15)) {
        focus_ = fldMsgTime;
        return false;
    }
    return true;
}

bool CBarcDoc::Write() {
    CDAOTouch t;
    CDAODef d;
    // Both records are there before either is changed, so a missing one
    // leaves the other as it was.
    bool ok = settings::ReadRecord(t) && settings::ReadRecord(d);
    if (ok) {
        ok = settings::EditRecord(t, [this](CDAOTouch& r) {
            r.CodeMeth = static_cast<unsigned char>(CodeMeth);
            r.CodeLen = static_cast<unsigned char>(CodeLen);
            r.NoChkInWkMin = static_cast<short>(NoChkInWkMin);
            r.Msg0 = Msg[0];
            r.Msg1 = Msg[1];
            r.Msg2 = Msg[2];
            r.MsgTime = static_cast<unsigned char>(MsgTime);
            r.LgTxtClr = Colours[clrLgTxt];
            r.MedTxtClr = Colours[clrMedTxt];
            r.SmTxtClr = Colours[clrSmTxt];
            r.PrimFrmClr = Colours[clrPrimFrm];
            r.SecFrmClr = Colours[clrSecFrm];
        });
    }
    if (ok) {
        ok = settings::EditRecord(d, [this](CDAODef& r) {
            // The stored value with only this page's three bits changed.
            long flags = r.DefFlags & ~OwnFlags();
            if (Blink)
                flags |= CDAODef::defBlinkMessages;
            if (RecordDetails)
                flags |= CDAODef::defRecordDetails;
            if (ThreeDigits)
                flags |= CDAODef::defThreeDigits;
            r.DefFlags = flags;
        });
    }
    if (!ok)
        notice::show(MsgWrite, notice::Icon::Exclamation);
    return ok;
}
