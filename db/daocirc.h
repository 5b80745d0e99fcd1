#pragma once
// CDAOCirc: the Circuit table of members.mdb, an evaluation's results on the
// 24 stations of the strength circuit, keyed by the evaluation id.

#include "daoefset.h"

#include <string>
#include <vector>

#include <istream>

class CDAOCirc : public CDAOEFSet {
public:
    static constexpr int StationCount = 24;

    CDAOCirc();

    long EvaluationID = 0;
    double Station00 = 0, Station01 = 0, Station02 = 0, Station03 = 0, Station04 = 0, Station05 = 0,
           Station06 = 0, Station07 = 0, Station08 = 0, Station09 = 0, Station10 = 0, Station11 = 0,
           Station12 = 0, Station13 = 0, Station14 = 0, Station15 = 0, Station16 = 0, Station17 = 0,
           Station18 = 0, Station19 = 0, Station20 = 0, Station21 = 0, Station22 = 0, Station23 = 0;

    std::string GetDefaultDBName() const override { return GetDBPath() + "members.mdb"; }
    std::string GetDefaultSQL() const override { return "[Circuit]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    // The circuit results of one evaluation; returns how many rows matched.
    int FindCircuit(long const& evaluationId);

    // Station value at index 0..23; 0.0, or no change, for any other index.
    double GetStnVal(int const& i) const;
    void SetStnVal(int const& i, double const& v);

    // Adds one record for the evaluation from the 24 station fields of an
    // evaluation export line (the last one up to the line end); returns 1
    // when it was stored, 0 when a field is damaged (nothing is written).
    int Restore(std::istream& in, char const& delimiter, long const& evaluationId);
    using CDAOEFSet::Restore;
    // The 24 station fields in a split line, from index `at`: checked and
    // taken into the current values; false when one is damaged.
    bool TakeFields(std::vector<std::string> const& f, std::size_t at);

    // The column name of station i ("Station07"), for the joined view.
    static const char* StationColumn(int const& i);
};
