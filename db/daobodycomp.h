#pragma once
// CDAOBodyComp: the BodyComps table of members.mdb, stand-alone body
// composition measurements of members (girths, skin folds, underwater
// weighing) with the units they were entered in, and the body-composition
// export line ("%1bc%2.dat").

#include "daoefset.h"

class CDAOBodyComp : public CDAOEFSet {
public:
    // Bits of Flags: a set bit says the values were entered in the other
    // unit (metric, or inches for skin folds) and are converted when read
    // through the matching Convert operation.
    enum unit {
        unitHeight = 1,     // centimetres
        unitWeight = 2,     // kilograms
        unitGirth = 4,      // Waist, Wrist, Hip in centimetres
        unitSkinFold = 8,   // skin folds in inches
        unitH2OTemp = 16,   // water temperature in degrees Celsius
        unitWetWeight = 32, // kilograms
        unitTareWeight = 64 // kilograms
    };
    enum actlevel {
        actNoExercise = 0,
        actMinimal = 1,
        actModerate = 2,
        actVeryActive = 3,
        actTraining = 4
    };
    enum method {
        methodBodyMeasurement = 0,
        methodSkinFold = 1,
        methodHydrostatic = 2,
        methodOther = 3
    };

    // Bit of Flags beside the units: the hydrostatic result uses the Brozek
    // formula (clear: Siri).
    static constexpr long flagBrozek = 128;

    static constexpr unsigned char ClassUnknown = 99;
    static constexpr int LineFields = 22;
    // Largest Flags value the export test accepts: any mix of the unit bits
    // and the formula bit.
    static constexpr long MaxFlags = 255;

    CDAOBodyComp() { m_nFields = LineFields; }

    long MemberID = 0;
    CEFOleDateTime BodyCompDate;
    unsigned char ClassIndx = 0;
    double Height = 0;
    double Weight = 0;
    unsigned char ActivityLevel = 0;
    unsigned char Method = 0;
    double FatPercent = 0;
    double Waist = 0;
    double Wrist = 0;
    double Hip = 0;
    double ThighSkinFold = 0;
    double ChestSkinFold = 0;
    double AbSkinFold = 0;
    double TricepSkinFold = 0;
    double SupraSkinFold = 0;
    double MidaxSkinFold = 0;
    double SubscapSkinFold = 0;
    double WaterTemp = 0;
    double WetWeight = 0;
    double TareWeight = 0;
    long Flags = 0;

    std::string GetDefaultDBName() const override { return GetDBPath() + "members.mdb"; }
    std::string GetDefaultSQL() const override { return "[BodyComps]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    // A member's body compositions (every member's when memberId is 0),
    // newest first.
    int FindBodyComps(long const& memberId);
    // A member's body compositions in one class.
    int FindBodyComps(long const& memberId, unsigned char const& classIndx);
    // The member's body composition taken at exactly this date and time.
    int FindBodyComps(long const& memberId, CEFOleDateTime& date);
    // Body compositions inside whole days (every member's when memberId is
    // 0): `from` is moved to its midnight and `to` to the last second of its
    // day, so the caller's values change.
    int FindBodyComps(long const& memberId, CEFOleDateTime& from, CEFOleDateTime& to);

    bool GetUnitFlag(unit const& u) const { return (Flags & u) != 0; }
    void SetUnitFlag(unit const& u) { Flags |= u; }
    void ClrUnitFlag(unit const& u) { Flags &= ~static_cast<long>(u); }

    // The values in the units of the calculations: inches, pounds,
    // millimetres for skin folds, degrees Fahrenheit.
    double ConvertHeight() const;
    double ConvertWeight() const;
    double ConvertWaist() const;
    double ConvertWrist() const;
    double ConvertHip() const;
    double ConvertH2OTemp() const;
    double ConvertTareWeight() const;
    double ConvertWetWeight() const;
    double ConvertSkinFold(double const& v) const;
    // The unit a value group was entered in, as shown beside it ("in",
    // "cm", "lbs", "kg", "mm", "F", "C"); empty for anything else.
    char const* GetUnitStr(unit const& u) const;

    // Skin folds that were measured (not 0), of the seven.
    int CountSkinFolds() const;

    // Texts of activity levels 0..4 and methods 0..3; empty for other values.
    static char const* GetActLevelStr(unsigned char const& level);
    static char const* GetActLevelStrAbbr(unsigned char const& level);
    static char const* GetMethodStr(unsigned char const& method);

    // Export file name in the backup folder, stamped with the current time.
    std::string GetDefaultPathFileName() const;
    // One export line of 22 fields, the last followed by the newline.
    void Save(CText* text) const override;
    // Whether the next line of the stream is a body-composition line.
    bool Test(std::ifstream& in, char const& delimiter) const override;
    // Adds the body compositions of the file (only the given member's when
    // memberId is not 0) for members that exist, filed under the unassigned
    // class; returns how many were stored. Damaged lines are skipped; flag
    // has no effect.
    int Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                bool const& flag) override;
};
