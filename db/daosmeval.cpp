#include "daosmeval.h"

#include "batchscope.h"
#include "daocirc.h"
#include "daoevalbodycomp.h"

#include <algorithm>

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

void CDAOSmEval::ReadFields(std::istream& in, char const& delimiter) {
    ReadField(in, delimiter); // the class of another facility means nothing here
    ClassIndx = ClassUnknown;
    EvaluationDate = ToDateTime(ReadField(in, delimiter));
    Height = ToDouble(ReadField(in, delimiter));
    Weight = ToDouble(ReadField(in, delimiter));
    ActivityLevel = ToByte(ReadField(in, delimiter));
    RestingHR = ToLong(ReadField(in, delimiter));
    RestingBPSystolic = ToLong(ReadField(in, delimiter));
    RestingBPDiastolic = ToLong(ReadField(in, delimiter));
    TrunkFlex = ToDouble(ReadField(in, delimiter));
    SitUp = ToLong(ReadField(in, delimiter));
    Ab = ToLong(ReadField(in, delimiter));
    Step = ToLong(ReadField(in, delimiter));
    Run = ToLong(ReadField(in, delimiter));
    PulseRecovery = ToLong(ReadField(in, delimiter));
}

int CDAOSmEval::Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                        long const& evaluationId) {
    OpenSet(false);
    const long before = GetRecordCount();
    Op(opAddNew);
    MemberID = memberId;
    EvaluationID = evaluationId;
    ReadFields(in, delimiter);
    Op(opUpdate);
    const bool stored = GetRecordCount() > before;
    Op(opClose);
    return stored ? 1 : 0;
}
