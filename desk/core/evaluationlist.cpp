#include "desk/core/evaluationlist.h"

#include "custom/circuit.h"
#include "db/daobodycomp.h"
#include "db/daocls.h"
#include "db/daosmeval.h"
#include "util/format.h"

#include <algorithm>

using namespace vantora;

namespace {
// Columns before the six test columns and before the stations.
constexpr int TestsStart = 8;
constexpr int FatColumn = TestsStart + 6;
constexpr int StationsStart = FatColumn + 1;
} // namespace

CEvaluationList::CEvaluationList(const CCircuit& circuit) : circuit_(circuit) {}

int CEvaluationList::QueryMember(long memberId, unsigned char classIndx,
                                 const std::string& classText) {
    SetMemberTitle(memberId, classText);
    if (classIndx == CDAOCls::AllClasses)
        set_.FindEvals(CDAOSmEval::idMember, memberId);
    else
        set_.FindEvals(memberId, classIndx);
    return Refill();
}

int CEvaluationList::Refill() {
    rows_.clear();
    set_.OpenSet(true);
    for (; !set_.IsEOF(); set_.Op(CDAOEFSet::opMoveNext)) {
        Row r{set_.MemberID,
              set_.EvaluationID,
              set_.EvaluationDate,
              set_.Height,
              set_.Weight,
              set_.ActivityLevel,
              set_.RestingHR,
              set_.RestingBPSystolic,
              set_.RestingBPDiastolic,
              set_.TrunkFlex,
              set_.SitUp,
              set_.Ab,
              set_.Step,
              set_.Run,
              set_.PulseRecovery,
              set_.FatPercent,
              {}};
        for (int i = 0; i < CDAOEval::StationCount; ++i)
            r.Stations[static_cast<std::size_t>(i)] = set_.GetStnVal(i);
        rows_.push_back(r);
    }
    return Count();
}

std::vector<CListColumn> CEvaluationList::Columns() const {
    std::vector<CListColumn> columns{{"Name", 150, bitName},
                                     {"ID #", 70, bitId},
                                     {"Date", 65, bitDate},
                                     {"Ht", 40, bitHt},
                                     {"Wt", 50, bitWt},
                                     {"Activity Level", 85, bitActivity},
                                     {"HR", 30, bitHR},
                                     {"BP", 50, bitBP},
                                     {"Trunk Flexion", 50, bitTests},
                                     {"Sit-Ups", 50, bitTests},
                                     {"Ab Crunches", 50, bitTests},
                                     {"Step", 50, bitTests},
                                     {"Run", 50, bitTests},
                                     {"Ergometer", 50, bitTests},
                                     {"Fat %", 50, bitFat}};
    const int stations = std::min(circuit_.GetNumStations(), CDAOEval::StationCount);
    for (int i = 0; i < stations; ++i) {
        const char* name = circuit_.GetName(i);
        columns.push_back({name ? name : "", 50, bitStations});
    }
    return columns;
}

std::string CEvaluationList::Cell(int row, int column) const {
    const Row& r = rows_.at(static_cast<std::size_t>(row));
    switch (column) {
    case 0:
        return NameOf(r.MemberID);
    case 1:
        return std::to_string(r.MemberID);
    case 2:
        return r.Date.DateStrShortYear();
    case 3:
        return format("%.1f", {r.Height});
    case 4:
        return format("%.1f", {r.Weight});
    case 5:
        return CDAOBodyComp::GetActLevelStrAbbr(r.Activity);
    case 6:
        return std::to_string(r.HR);
    case 7:
        return format("%i/%i", {r.Systolic, r.Diastolic});
    case TestsStart:
        return format("%04.1f", {r.TrunkFlex});
    case TestsStart + 1:
        return std::to_string(r.SitUp);
    case TestsStart + 2:
        return std::to_string(r.Ab);
    case TestsStart + 3:
        return std::to_string(r.Step);
    case TestsStart + 4:
        return format("%i:%02i", {r.Run / 60, r.Run % 60});
    case TestsStart + 5:
        return std::to_string(r.PulseRecovery);
    case FatColumn:
        return format("%05.2f", {r.Fat});
    default: {
        const auto i = static_cast<std::size_t>(column - StationsStart);
        return i < r.Stations.size() ? format("%.0f", {r.Stations[i]}) : std::string();
    }
    }
}

std::string CEvaluationList::EditHint() const {
    return "To edit an evaluation, you must first click on the evaluation,\nthen click \"Edit.\"";
}

std::string CEvaluationList::DeleteHint() const {
    return "To delete an evaluation, you must first click on the evaluation,\nthen click "
           "\"Delete.\"";
}

std::string CEvaluationList::AnalyzeHint() const {
    return "To print a test results analysis, you must first click on the evaluation,\nthen "
           "click \"Analyze.\"";
}
