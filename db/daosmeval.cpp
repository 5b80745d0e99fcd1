#include "daosmeval.h"

#include "batchscope.h"
#include "daocirc.h"
#include "daoevalbodycomp.h"

#include <algorithm>
#include <climits>
#include <sstream>
#include <vector>

namespace {

// The highest evaluation id of one table, 0 when it is empty.
template <typename Set> long HighestID() {
    Set set;
    set.m_strFilter.clear();
    set.m_strSort = "EvaluationID DESC";
    set.SetMaxRecords(1);
    const long id = set.OpenSet(true) > 0 ? set.EvaluationID : 0;
    set.Op(CDAOEFSet::opClose);
    return id;
}

} // namespace

void CDAOSmEval::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Long("[EvaluationID]", EvaluationID);
    fx.Long("[MemberID]", MemberID);
    fx.DateTime("[EvaluationDate]", EvaluationDate);
    fx.Byte("[ClassIndx]", ClassIndx);
    fx.Double("[Height]", Height);
    fx.Double("[Weight]", Weight);
    fx.Byte("[ActivityLevel]", ActivityLevel);
    fx.Long("[RestingHR]", RestingHR);
    fx.Long("[RestingBPSystolic]", RestingBPSystolic);
    fx.Long("[RestingBPDiastolic]", RestingBPDiastolic);
    fx.Double("[TrunkFlex]", TrunkFlex);
    fx.Long("[SitUp]", SitUp);
    fx.Long("[Ab]", Ab);
    fx.Long("[Step]", Step);
    fx.Long("[Run]", Run);
    fx.Long("[PulseRecovery]", PulseRecovery);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOSmEval::FindEvals(int id, long const& value) {
    if (value != 0) {
        lParam0 = value;
        m_strFilter = id == idEvaluation ? "EvaluationID = lParam0" : "MemberID = lParam0";
    } else {
        m_strFilter.clear();
    }
    m_strSort = "EvaluationDate DESC";
    return OpenSet(true);
}

int CDAOSmEval::FindEvals(long const& memberId, unsigned char const& classIndx) {
    lParam0 = memberId;
    byteParam0 = classIndx;
    m_strFilter = "MemberID = lParam0 AND ClassIndx = byteParam0";
    m_strSort = "EvaluationDate DESC";
    return OpenSet(true);
}

int CDAOSmEval::FindEvals(long const& memberId, CEFOleDateTime& date) {
    lParam0 = memberId;
    datetimeParam0 = date;
    m_strFilter = "MemberID = lParam0 AND EvaluationDate = datetimeParam0";
    m_strSort = "EvaluationDate DESC";
    return OpenSet(true);
}

long CDAOSmEval::GenerateIDNum() const {
    const long highest =
        std::max({HighestID<CDAOSmEval>(), HighestID<CDAOCirc>(), HighestID<CDAOEvalBodyComp>()});
    return highest + 1;
}

bool CDAOSmEval::IsIDInUse(long const& evaluationId) {
    CDAOSmEval evals;
    if (evals.FindEvals(idEvaluation, evaluationId) > 0)
        return true;
    CDAOCirc circuit;
    if (circuit.FindCircuit(evaluationId) > 0)
        return true;
    CDAOEvalBodyComp bodyComp;
    return bodyComp.FindEvalBodyComp(evaluationId) > 0;
}

void CDAOSmEval::DelDependents(long const& evaluationId) {
    CDAOCirc circuit;
    if (circuit.FindCircuit(evaluationId) > 0)
        circuit.DelAll();
    circuit.Op(opClose);
    CDAOEvalBodyComp bodyComp;
    if (bodyComp.FindEvalBodyComp(evaluationId) > 0)
        bodyComp.DelAll();
    bodyComp.Op(opClose);
}

// The Evaluations record goes first: should that fail, the evaluation keeps
// all of its parts.
bool CDAOSmEval::DeleteWithParts() {
    if (!IsOpen() || IsEOF() || IsDeleted())
        return false;
    const long id = EvaluationID;
    Op(opDelete);
    if (!IsDeleted())
        return false;
    DelDependents(id);
    return true;
}

void CDAOSmEval::DelCurrent() {
    DeleteWithParts();
    Op(opMoveNext);
}

int CDAOSmEval::DelAll() {
    if (!IsOpen())
        return 0;
    CBatchScope batch(*this);
    int deleted = 0;
    Op(opMoveFirst);
    while (!IsEOF()) {
        if (IsDeleted()) {
            Op(opMoveNext);
            continue;
        }
        if (DeleteWithParts())
            ++deleted;
        Op(opMoveNext);
    }
    return deleted;
}

bool CDAOSmEval::RemoveEvaluation(long const& evaluationId) {
    CDAOSmEval evals;
    bool found = false;
    if (evals.FindEvals(idEvaluation, evaluationId) > 0) {
        found = true;
        evals.DelAll();
    } else {
        // No Evaluations record: still clear what another part left behind.
        DelDependents(evaluationId);
    }
    evals.Op(opClose);
    return found;
}

bool CDAOSmEval::TakeFields(std::vector<std::string> const& f, std::size_t at) {
    if (f.size() < at + FieldCount)
        return false;
    unsigned char cls = 0;
    const auto* v = &f[at];
    auto count = [](std::string const& t, long& out) { return ParseLong(t, 0, LONG_MAX, out); };
    if (!ParseByte(v[0], 0, 255, cls) || !ParseDateTime(v[1], false, EvaluationDate) ||
        !ParseDouble(v[2], 0, MaxMeasure, Height) || !ParseDouble(v[3], 0, MaxMeasure, Weight) ||
        !ParseByte(v[4], 0, 4 /* training */, ActivityLevel) || !count(v[5], RestingHR) ||
        !count(v[6], RestingBPSystolic) || !count(v[7], RestingBPDiastolic) ||
        !ParseDouble(v[8], -MaxMeasure, MaxMeasure, TrunkFlex) || !count(v[9], SitUp) ||
        !count(v[10], Ab) || !count(v[11], Step) || !count(v[12], Run) ||
        !count(v[13], PulseRecovery))
        return false;
    ClassIndx = ClassUnknown; // the class of another facility means nothing here
    return true;
}

int CDAOSmEval::Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                        long const& evaluationId) {
    if (!in.is_open() || !RestoreStoreReady())
        return 0;
    // This record's fields, as one line through the restore routine.
    std::string fields;
    for (std::size_t i = 0; i < FieldCount; ++i)
        fields += (i ? std::string(1, delimiter) : std::string()) + ReadField(in, delimiter);
    std::istringstream line(fields);
    OpenSet(false);
    std::vector<std::string> f;
    const int stored = RestoreRecords(line, nullptr, memberId, 0, [&](std::string const& text) {
        if (!SplitFields(text, delimiter, FieldCount, f) || !TakeFields(f, 0))
            return lineDamaged;
        AddNewAsIs();
        MemberID = memberId;
        EvaluationID = evaluationId;
        Op(opUpdate);
        return LastOpFailed() ? lineFailed : lineStoredLast;
    });
    Op(opClose);
    return stored;
}
