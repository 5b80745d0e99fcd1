#pragma once
// CDAOEval: one fitness evaluation read whole, the Evaluations record joined
// with its circuit results (Circuit) and skin folds (EvalBodyComps) by the
// evaluation id, and the evaluation export line ("%1eval%2.dat"). An
// evaluation that lacks one of its parts is not seen through this view.

#include "daoefset.h"

class CDAOEval : public CDAOEFSet {
public:
    static constexpr int StationCount = 24;
    // Fields of one export line: 16 test results, 8 skin-fold values, 24 stations.
    static constexpr int LineFields = 48;
    // Limits the export test holds the line to.
    static constexpr unsigned char MaxActivityLevel = 4;
    static constexpr long MaxStationValue = 5000;

    CDAOEval();

    // EvalBodyComps
    long EvalBodyCompEvaluationID = 0;
    double FatPercent = 0;
    double ThighSkinFold = 0;
    double ChestSkinFold = 0;
    double AbSkinFold = 0;
    double TricepSkinFold = 0;
    double SupraSkinFold = 0;
    double MidaxSkinFold = 0;
    double SubscapSkinFold = 0;
    // Circuit
    long CircuitEvaluationID = 0;
    double Station00 = 0, Station01 = 0, Station02 = 0, Station03 = 0, Station04 = 0, Station05 = 0,
           Station06 = 0, Station07 = 0, Station08 = 0, Station09 = 0, Station10 = 0, Station11 = 0,
           Station12 = 0, Station13 = 0, Station14 = 0, Station15 = 0, Station16 = 0, Station17 = 0,
           Station18 = 0, Station19 = 0, Station20 = 0, Station21 = 0, Station22 = 0, Station23 = 0;
    // Evaluations
    long EvaluationID = 0;
    long MemberID = 0;
    CEFOleDateTime EvaluationDate;
    unsigned char ClassIndx = 0;
    double Height = 0;
    double Weight = 0;
    unsigned char ActivityLevel = 0;
    long RestingHR = 0;
    long RestingBPSystolic = 0;
    long RestingBPDiastolic = 0;
    double TrunkFlex = 0;
    long SitUp = 0;
    long Ab = 0;
    long Step = 0;
    long Run = 0;
    long PulseRecovery = 0;

    std::string GetDefaultDBName() const override { return GetDBPath() + "members.mdb"; }
    std::string GetDefaultSQL() const override { return "[EvalBodyComps],[Circuit],[Evaluations]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    // By member (CDAOSmEval::idMember) or by evaluation id
    // (CDAOSmEval::idEvaluation); every evaluation when value is 0. Newest first.
    int FindEvals(int id, long const& value);
    // A member's evaluations in one class, newest first.
    int FindEvals(long const& memberId, unsigned char const& classIndx);
    // The member's evaluation taken at exactly this date and time.
    int FindEvals(long const& memberId, CEFOleDateTime& date);

    // Station value at index 0..23; 0.0 for any other index.
    double GetStnVal(int const& i) const;

    // Deleting through the view deletes the evaluation with all its parts.
    void DelCurrent() override;
    int DelAll() override;

    // Export file name in the backup folder, stamped with the current time.
    std::string GetDefaultPathFileName() const;
    // One export line of 48 fields, the last followed by the newline.
    void Save(CText* text) const override;
    // Whether the next line of the stream is an evaluation line.
    bool Test(std::ifstream& in, char const& delimiter) const override;
    // Adds the evaluations of the file (only the given member's when
    // memberId is not 0) for members that exist, filed under the unassigned
    // class; an evaluation id already in use is replaced by a new one.
    // Returns how many evaluations were stored; damaged lines are skipped.
    // flag has no effect.
    int Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                bool const& flag) override;

private:
    // The join of the three tables, with which every filter starts or ends.
    static constexpr const char* Join = "Circuit.EvaluationID = Evaluations.EvaluationID AND "
                                        "EvalBodyComps.EvaluationID = Evaluations.EvaluationID";
};
