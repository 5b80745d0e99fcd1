#pragma once
// Profiles: contact, personal and health data of each member (table Profiles
// of members.mdb), with the goal and medical-history bit sets.

#include "daoefset.h"

#include <cstddef>
#include <string>
#include <vector>

#include <istream>

class CDAOProf : public CDAOEFSet {
public:
    enum goal : long {
        goalStrength = 1,
        goalFlexibility = 2,
        goalGainWeight = 4,
        goalFirmUp = 8,
        goalLoseWeight = 16,
        goalCardio = 32,
        goalReduceStress = 64,
        goalFeelBetter = 128
    };
    enum med : long {
        medDisabilities = 1,
        medCurShoulder = 2,
        medShoulderSurgery = 4,
        medShoulderInjury = 8,
        medCurKnee = 16,
        medKneeSurgery = 32,
        medKneeInjury = 64,
        medCurBack = 128,
        medBackSurgery = 256,
        medBackInjury = 512,
        medBackProblems = 1024,
        medBPHeartMedication = 2048,
        medStroke = 4096,
        medHeartProblem = 8192,
        medDiabetesII = 16384,
        medDiabetesI = 32768,
        medHighBP = 65536,
        medFamilyHeart = 131072,
        medLittleExercise = 262144,
        medOverweight = 524288,
        medTobacco = 1048576
    };

    CDAOProf() { m_nFields = 16; }

    long MemberID = 0;
    std::string Address;
    std::string City;
    std::string State;
    std::string Zip;
    std::string Phone;
    std::string Email;
    std::string EmerContactName;
    std::string EmerContactPhone;
    std::string FamilyPhysician;
    unsigned char SignedRelease = 0;
    unsigned char Employee = 0;
    CEFOleDateTime Birthday;
    unsigned char Sex = 0;
    long Goals = 0;
    long MedHistory = 0;

    std::string GetDefaultDBName() const override { return GetDBPath() + "members.mdb"; }
    std::string GetDefaultSQL() const override { return "[Profiles]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    int FindProfile(long const& memberId);

    // Whether any of the bits is set; set and clear them.
    bool GetGoalFlag(long g) const { return (Goals & g) != 0; }
    void SetGoalFlag(long g) { Goals |= g; }
    void ClrGoalFlag(long g) { Goals &= ~g; }
    bool GetMedHistFlag(long m) const { return (MedHistory & m) != 0; }
    void SetMedHistFlag(long m) { MedHistory |= m; }
    void ClrMedHistFlag(long m) { MedHistory &= ~m; }

    // The captions of one goal or medical-history item; empty for anything
    // but a single defined bit.
    static std::string GetGoalStr(long g);
    static std::string GetMedHistStr(long m);

    // Restores the profile fields of an export line (contact data through
    // medical history); with replace the member's record is rewritten, else a
    // new one added.
    int Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                bool const& replace) override;
    // The fields of this table in a split member line from index `at`:
    // checked and taken into the current values; false when one does not
    // parse or lies outside its column's range.
    bool TakeFields(std::vector<std::string> const& f, std::size_t at);
    // Writes them for the member: over its record when replace and it has
    // one, else as a new record; the set stays open for the next line.
    // 1 when stored.
    int StoreFields(std::vector<std::string> const& f, std::size_t at, long const& memberId,
                    bool const& replace);
    static constexpr std::size_t FieldCount = 15;
};
