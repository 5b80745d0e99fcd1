#pragma once
// CEvaluationSheetDoc: the evaluation sheet without its windows. It loads an
// evaluation with its circuit results and skin folds, runs the calculators
// of the pages (training range, percent fat, work weights), checks the
// entries and writes the three records of the evaluation in one transaction,
// so that an evaluation is stored whole or not at all.

#include "desk/core/memberfacts.h"
#include "desk/core/skinfoldentry.h"

#include "forms/pagedoc.h"
#include "util/efoledatetime.h"

#include <array>
#include <string>

class CCircuit;

class CEvaluationSheetDoc : public CPageDoc {
public:
    static constexpr int Stations = 24;
    // Pages and the fields that can take the cursor after a failed check.
    enum page { pgProfile, pgTrainingRange, pgFitnessTests, pgBodyComp, pgWorkWeights };
    enum field { fldDate, fldClass, fldStation = 100 }; // fldStation + station index

    // A new evaluation for the member (evaluationId 0) or the stored one.
    CEvaluationSheetDoc(long memberId, long evaluationId, CCircuit& circuit);

    long MemberID = 0;
    long EvaluationID = 0;
    CMemberFacts Member;

    // Profile
    CEFOleDateTime EvaluationDate;
    double Height = 0;
    double Weight = 0;
    int ClassIndx = -1; // -1: no class chosen
    int ActivityLevel = 0;
    // Training range
    int RestingHR = 0;
    int Systolic = 0;
    int Diastolic = 0;
    int PredictedMax = 0, SafeMax = 0, UpperLevel = 0, LowerLevel = 0;
    // Fitness tests; the run is entered as minutes and seconds
    double TrunkFlex = 0;
    int SitUps = 0;
    int AbCrunches = 0;
    int Step = 0;
    int RunMinutes = 0;
    int RunSeconds = 0;
    int PulseRecovery = 0;
    // Skin folds
    CSkinFoldEntry SkinFolds;
    double FatPercent = 0;
    // Work weights
    std::array<int, Stations> ProgLift{};
    std::array<int, Stations> WorkWeight{};

    bool IsNew() const { return EvaluationID == 0; }
    std::string Title() const;
    // Page and field that should take the cursor after a failed Apply.
    int FocusPage() const { return focusPage_; }
    int StationCount() const;
    std::string StationName(int i) const;

    // The calculator buttons.
    void CalculateTrainingRange();
    void CalculateBodyFat();
    void CalculateWorkWeights(int percent);

    // The run in seconds as stored, and back.
    int RunTime() const { return RunMinutes * 60 + RunSeconds; }
    void SetRunTime(long seconds);

    static constexpr const char* MsgClass = "Error: select a category, course, section";
    static std::string DeleteQuestion(long memberId, const CEFOleDateTime& date);

protected:
    bool Load() override;
    bool Validate() override;
    bool Write() override;

private:
    bool Fail(int page, int field);

    CCircuit& circuit_;
    int focusPage_ = pgProfile;
};
