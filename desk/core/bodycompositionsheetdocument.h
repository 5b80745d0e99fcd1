#pragma once
// CBodyCompSheetDoc: the body composition sheet without its windows: the
// profile, the values of the record's measuring method with the units they
// were entered in, the percent-fat calculator of each method, the checks
// and the write of the record.

#include "desk/core/memberfacts.h"
#include "desk/core/skinfoldentry.h"

#include "forms/pagedoc.h"
#include "util/efoledatetime.h"

#include <string>

class CDAOBodyComp;

class CBodyCompSheetDoc : public CPageDoc {
public:
    enum field { fldDate, fldClass };

    // A new body composition for the member by the method, or the one at the
    // current row of `record` (which stays positioned for its list).
    CBodyCompSheetDoc(long memberId, int method, CDAOBodyComp* record);

    long MemberID = 0;
    int Method = 0; // CDAOBodyComp::method
    CMemberFacts Member;

    // Profile
    CEFOleDateTime BodyCompDate;
    double Height = 0; // inches
    double Weight = 0; // pounds
    double Waist = 0;  // inches
    double Hip = 0;    // inches
    int ClassIndx = -1;
    int ActivityLevel = 0;
    // Body measurement
    double Wrist = 0; // inches
    // Skin folds
    CSkinFoldEntry SkinFolds;
    // Hydrostatic weighing, each in the unit chosen beside it
    double WaterTemp = 0;
    bool Celsius = false;
    double WetWeight = 0;
    bool WetKilograms = false;
    double TareWeight = 0;
    bool TareKilograms = false;
    bool Brozek = false;
    // Result of every method
    double FatPercent = 0;

    bool IsNew() const { return record_ == nullptr; }
    std::string Title() const;
    // Title of the method's page.
    std::string MethodPageTitle() const;
    // The method's percent-fat calculation (the "Other" method has none).
    void CalculateBodyFat();

    static constexpr const char* MsgClass = "Error: select a category, course, section";
    static constexpr const char* MsgMethod = "Error: select a measurement method";
    static std::string DeleteQuestion(const CDAOBodyComp& bc);
    // Asks and deletes the body composition at the set's current row.
    static bool DeleteBodyComp(CDAOBodyComp& bc);

protected:
    bool Load() override;
    bool Validate() override;
    bool Write() override;

private:
    CDAOBodyComp* record_;
};
