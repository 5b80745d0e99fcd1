#pragma once
// CDAOCenter: the facility record of center.mdb (one row): profile,
// administration password and the workout minimums, with the password check
// and the rule that decides whether a workout is OK.

#include "daoefset.h"

class CDAOWk;
class CWorkout;

class CDAOCenter : public CDAOEFSet {
public:
    CDAOCenter() { m_nFields = 12; }

    std::string Name;
    std::string Addr0;
    std::string Addr1;
    std::string City;
    std::string St;
    std::string Zip;
    std::string Phone;
    std::string Email;
    std::string Web;
    std::string Password;
    short WkMinMin = 0;
    unsigned char WkMinCirc = 0;

    std::string GetDefaultDBName() const override { return GetDBPath() + "center.mdb"; }
    std::string GetDefaultSQL() const override { return "[Center]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    // True for the stored password (case-sensitive) or the master password.
    bool ChkPassword(char const* password) const;

    // A workout is OK when it has at least WkMinCirc circuits (option value
    // 0) and lasts at least WkMinMin whole minutes; invalid times (shown as
    // an error) never make a workout OK. A null workout is not OK.
    bool VerifyWk(CDAOWk* wk) const;
    bool VerifyWk(CWorkout* wk) const;
    bool VerifyWk(int const& circuits, CEFOleDateTime const& checkIn,
                  CEFOleDateTime const& checkOut) const;

    static constexpr const char* MasterPassword = "Vega";
};
