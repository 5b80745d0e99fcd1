#pragma once
// Data-entry defaults for new members and a few kiosk switches (the one
// record of table Defaults in center.mdb), with the texts of the enrollment
// periods and grade statuses. Callers open it with OpenSet and use its record.

#include "daoefset.h"

class CDAODef : public CDAOEFSet {
public:
    enum def : long {
        defMedHist = 1,
        defGoals = 2,
        defSex = 4, // set: male
        defEmployee = 8,
        defSignedRelease = 16,
        defOrientationBonus = 32,
        defIncentiveClub = 64,
        defMemberStatus = 128, // set: current
        defBlinkMessages = 256,
        defRecordDetails = 512,
        defThreeDigits = 1024
    };
    enum enrollper : unsigned char { enrSpring = 0, enrSummer = 1, enrFall = 2, enrWinter = 3 };
    enum gradestat : unsigned char {
        grdGrade = 0,
        grdPassFail = 1,
        grdAudit = 2,
        grdCredit = 3,
        grdNoCredit = 4
    };

    CDAODef() { m_nFields = 6; }

    unsigned char DefExpDate = 0;
    unsigned char DefEnrollPer = 0;
    unsigned char DefGrdStat = 0;
    unsigned char DefReEvalBon = 0;
    unsigned char DefOtherBon = 0;
    long DefFlags = 0;

    std::string GetDefaultDBName() const override { return GetDBPath() + "center.mdb"; }
    std::string GetDefaultSQL() const override { return "[Defaults]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    // Whether any of the bits is set; set and clear them.
    bool GetDefFlag(long flag) const { return (DefFlags & flag) != 0; }
    void SetDefFlag(long flag) { DefFlags |= flag; }
    void ClrDefFlag(long flag) { DefFlags &= ~flag; }

    // "Spring", "Summer", "Fall", "Winter"; empty for other codes.
    static std::string GetEnrPerStr(unsigned char const& period);
    // "Grade", "Pass/Fail", "Audit", "Credit", "No Credit"; empty otherwise.
    static std::string GetGrdStatStr(unsigned char const& status);
};
