#include "daotouch.h"

void CDAOTouch::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Byte("[CodeLen]", CodeLen);
    fx.Byte("[CodeMeth]", CodeMeth);
    fx.Text("[Msg0]", Msg0);
    fx.Text("[Msg1]", Msg1);
    fx.Text("[Msg2]", Msg2);
    fx.Byte("[MsgTime]", MsgTime);
    fx.Short("[NoChkInWkMin]", NoChkInWkMin);
    fx.Long("[LgTxtClr]", LgTxtClr);
    fx.Long("[MedTxtClr]", MedTxtClr);
    fx.Long("[SmTxtClr]", SmTxtClr);
    fx.Long("[PrimFrmClr]", PrimFrmClr);
    fx.Long("[SecFrmClr]", SecFrmClr);
    CDAOEFSet::DoFieldExchange(fx);
}
