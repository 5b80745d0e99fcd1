#pragma once
// CDAOSmEval: the Evaluations table of members.mdb, the test results of one
// fitness evaluation. Its circuit results (CDAOCirc) and skin folds
// (CDAOEvalBodyComp) share its evaluation id; CDAOEval reads the three joined.

#include "daoefset.h"

#include <istream>
#include <string>
#include <vector>

class CDAOSmEval : public CDAOEFSet {
public:
    // Which key FindEvals selects by.
    enum id { idMember = 0, idEvaluation = 1 };

    // Class index of the unassigned class.
    static constexpr unsigned char ClassUnknown = 99;

    CDAOSmEval() { m_nFields = 16; }

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
    long Run = 0; // 1.5-mile run time in seconds
    long PulseRecovery = 0;

    std::string GetDefaultDBName() const override { return GetDBPath() + "members.mdb"; }
    std::string GetDefaultSQL() const override { return "[Evaluations]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    // By member (idMember) or by evaluation id (idEvaluation); every
    // evaluation when value is 0. Newest first.
    int FindEvals(int id, long const& value);
    // A member's evaluations in one class, newest first.
    int FindEvals(long const& memberId, unsigned char const& classIndx);
    // The member's evaluation taken at exactly this date and time.
    int FindEvals(long const& memberId, CEFOleDateTime& date);

    // A new evaluation id: one more than the highest id in use. Ids left
    // behind in the circuit or skin-fold tables count as in use, so a new
    // evaluation never picks up another one's results.
    long GenerateIDNum() const;
    // Whether any of the three evaluation tables holds the id.
    static bool IsIDInUse(long const& evaluationId);

    // Deleting an evaluation also deletes its circuit and skin-fold records.
    void DelCurrent() override;
    int DelAll() override;
    // Deletes the evaluation with this id from all three tables; returns
    // whether the Evaluations record was there.
    static bool RemoveEvaluation(long const& evaluationId);

    // Adds one record for the member and evaluation id from the test-result
    // fields of an evaluation export line (class index to pulse recovery;
    // the class field is checked and the record filed under the unassigned
    // class); returns 1 when stored, 0 when a field is damaged (nothing is
    // written) or the store refused it.
    int Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                long const& evaluationId);
    using CDAOEFSet::Restore;
    // The fields of those columns in a split line, from index `at`:
    // checked and taken into the current values; false when one is damaged.
    bool TakeFields(std::vector<std::string> const& f, std::size_t at);
    static constexpr std::size_t FieldCount = 14;

private:
    bool DeleteWithParts();
    static void DelDependents(long const& evaluationId);
};
