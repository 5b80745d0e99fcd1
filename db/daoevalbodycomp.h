#pragma once
// CDAOEvalBodyComp: the EvalBodyComps table of members.mdb, the percent fat
// and skin folds taken at an evaluation, keyed by the evaluation id.

#include "daoefset.h"

#include <string>
#include <vector>

#include <istream>

class CDAOEvalBodyComp : public CDAOEFSet {
public:
    CDAOEvalBodyComp() { m_nFields = 9; }

    long EvaluationID = 0;
    double FatPercent = 0;
    double ThighSkinFold = 0;
    double ChestSkinFold = 0;
    double AbSkinFold = 0;
    double TricepSkinFold = 0;
    double SupraSkinFold = 0;
    double MidaxSkinFold = 0;
    double SubscapSkinFold = 0;

    std::string GetDefaultDBName() const override { return GetDBPath() + "members.mdb"; }
    std::string GetDefaultSQL() const override { return "[EvalBodyComps]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    // The body-composition part of one evaluation; returns how many rows matched.
    int FindEvalBodyComp(long const& evaluationId);

    // Adds one record for the evaluation from the eight fields of an
    // evaluation export line that follow the test results; returns 1 when
    // it was stored, 0 when a field is damaged (nothing is written).
    int Restore(std::istream& in, char const& delimiter, long const& evaluationId);
    using CDAOEFSet::Restore;
    // The eight fields in a split line, from index `at`: checked and taken
    // into the current values; false when one is damaged.
    bool TakeFields(std::vector<std::string> const& f, std::size_t at);
    static constexpr std::size_t FieldCount = 8;
};
