#include "daocenter.h"

#include "daowk.h"
#include "workout.h"

void CDAOCenter::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Text("[Name]", Name);
    fx.Text("[Addr0]", Addr0);
    fx.Text("[Addr1]", Addr1);
    fx.Text("[City]", City);
    fx.Text("[St]", St);
    fx.Text("[Zip]", Zip);
    fx.Text("[Phone]", Phone);
    fx.Text("[Email]", Email);
    fx.Text("[Web]", Web);
    fx.Text("[Password]", Password);
    fx.Short("[WkMinMin]", WkMinMin);
    fx.Byte("[WkMinCirc]", WkMinCirc);
    CDAOEFSet::DoFieldExchange(fx);
}

bool CDAOCenter::ChkPassword(char const* password) const {
    const std::string given = password ? password : "";
    return given == Password || given == MasterPassword;
}

bool CDAOCenter::VerifyWk(CDAOWk* wk) const {
    return wk && VerifyWk(wk->GetStnVal(0), wk->CheckIn, wk->CheckOut);
}

bool CDAOCenter::VerifyWk(CWorkout* wk) const {
    return wk && VerifyWk(static_cast<int>(wk->GetStnVal(0)), wk->checkIn, wk->checkOut);
}

bool CDAOCenter::VerifyWk(int const& circuits, CEFOleDateTime const& checkIn,
                          CEFOleDateTime const& checkOut) const {
    if (circuits < WkMinCirc)
        return false;
    int minutes = 0;
    return CWorkout::SpanMinutes(checkIn, checkOut, minutes) && minutes >= WkMinMin;
}
