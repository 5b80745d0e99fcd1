#include "daoeval.h"

#include "batchscope.h"
#include "daocirc.h"
#include "daoevalbodycomp.h"
#include "daosmeval.h"
#include "daosmmem.h"
#include "membercache.h"
#include "util/format.h"
#include "util/text.h"

#include <array>
#include <climits>
#include <cstddef>
#include <initializer_list>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr std::array<double CDAOEval::*, CDAOEval::StationCount> Stations = {
    &CDAOEval::Station00, &CDAOEval::Station01, &CDAOEval::Station02, &CDAOEval::Station03,
    &CDAOEval::Station04, &CDAOEval::Station05, &CDAOEval::Station06, &CDAOEval::Station07,
    &CDAOEval::Station08, &CDAOEval::Station09, &CDAOEval::Station10, &CDAOEval::Station11,
    &CDAOEval::Station12, &CDAOEval::Station13, &CDAOEval::Station14, &CDAOEval::Station15,
    &CDAOEval::Station16, &CDAOEval::Station17, &CDAOEval::Station18, &CDAOEval::Station19,
    &CDAOEval::Station20, &CDAOEval::Station21, &CDAOEval::Station22, &CDAOEval::Station23};

bool InRange(long v, long lo, long hi) {
    return v >= lo && v <= hi;
}

} // namespace

CDAOEval::CDAOEval() {
    m_nFields = 50;
}

void CDAOEval::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Long("[EvalBodyComps].[EvaluationID]", EvalBodyCompEvaluationID);
    fx.Double("[EvalBodyComps].[FatPercent]", FatPercent);
    fx.Double("[EvalBodyComps].[ThighSkinFold]", ThighSkinFold);
    fx.Double("[EvalBodyComps].[ChestSkinFold]", ChestSkinFold);
    fx.Double("[EvalBodyComps].[AbSkinFold]", AbSkinFold);
    fx.Double("[EvalBodyComps].[TricepSkinFold]", TricepSkinFold);
    fx.Double("[EvalBodyComps].[SupraSkinFold]", SupraSkinFold);
    fx.Double("[EvalBodyComps].[MidaxSkinFold]", MidaxSkinFold);
    fx.Double("[EvalBodyComps].[SubscapSkinFold]", SubscapSkinFold);
    fx.Long("[Circuit].[EvaluationID]", CircuitEvaluationID);
    for (int i = 0; i < StationCount; ++i)
        fx.Double(std::string("[Circuit].[") + CDAOCirc::StationColumn(i) + "]",
                  this->*Stations[static_cast<std::size_t>(i)]);
    fx.Long("[Evaluations].[EvaluationID]", EvaluationID);
    fx.Long("[Evaluations].[MemberID]", MemberID);
    fx.DateTime("[Evaluations].[EvaluationDate]", EvaluationDate);
    fx.Byte("[Evaluations].[ClassIndx]", ClassIndx);
    fx.Double("[Evaluations].[Height]", Height);
    fx.Double("[Evaluations].[Weight]", Weight);
    fx.Byte("[Evaluations].[ActivityLevel]", ActivityLevel);
    fx.Long("[Evaluations].[RestingHR]", RestingHR);
    fx.Long("[Evaluations].[RestingBPSystolic]", RestingBPSystolic);
    fx.Long("[Evaluations].[RestingBPDiastolic]", RestingBPDiastolic);
    fx.Double("[Evaluations].[TrunkFlex]", TrunkFlex);
    fx.Long("[Evaluations].[SitUp]", SitUp);
    fx.Long("[Evaluations].[Ab]", Ab);
    fx.Long("[Evaluations].[Step]", Step);
    fx.Long("[Evaluations].[Run]", Run);
    fx.Long("[Evaluations].[PulseRecovery]", PulseRecovery);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOEval::FindEvals(int id, long const& value) {
    if (value != 0) {
        lParam0 = value;
        m_strFilter =
            std::string(id == CDAOSmEval::idEvaluation ? "Evaluations.EvaluationID" : "MemberID") +
            " = lParam0 AND " + Join;
    } else {
        m_strFilter = Join;
    }
    m_strSort = "EvaluationDate DESC";
    return OpenSet(true);
}

int CDAOEval::FindEvals(long const& memberId, unsigned char const& classIndx) {
    lParam0 = memberId;
    byteParam0 = classIndx;
    m_strFilter = std::string("Evaluations.MemberID = lParam0 AND ") + Join +
                  " AND Evaluations.ClassIndx = byteParam0";
    m_strSort = "EvaluationDate DESC";
    return OpenSet(true);
}

int CDAOEval::FindEvals(long const& memberId, CEFOleDateTime& date) {
    lParam0 = memberId;
    datetimeParam0 = date;
    m_strFilter = std::string("Evaluations.MemberID = lParam0 AND ") + Join +
                  " AND Evaluations.EvaluationDate = datetimeParam0";
    m_strSort = "EvaluationDate DESC";
    return OpenSet(true);
}

double CDAOEval::GetStnVal(int const& i) const {
    return i >= 0 && i < StationCount ? this->*Stations[static_cast<std::size_t>(i)] : 0.0;
}

void CDAOEval::DelCurrent() {
    if (IsOpen() && !IsEOF() && !IsDeleted())
        CDAOSmEval::RemoveEvaluation(EvaluationID);
    Op(opMoveNext);
}

int CDAOEval::DelAll() {
    if (!IsOpen())
        return 0;
    CBatchScope batch(*this);
    int deleted = 0;
    Op(opMoveFirst);
    while (!IsEOF()) {
        if (!IsDeleted() && CDAOSmEval::RemoveEvaluation(EvaluationID))
            ++deleted;
        Op(opMoveNext);
    }
    return deleted;
}

std::string CDAOEval::GetDefaultPathFileName() const {
    return ExportPathFileName("%1eval%2.dat");
}

void CDAOEval::Save(CText* text) const {
    if (!text)
        return;
    text->put(MemberID, true);
    text->put(EvaluationID, true);
    text->put(ClassIndx, true);
    text->put(EvaluationDate, true);
    text->put(Height, true);
    text->put(Weight, true);
    text->put(ActivityLevel, true);
    text->put(RestingHR, true);
    text->put(RestingBPSystolic, true);
    text->put(RestingBPDiastolic, true);
    text->put(TrunkFlex, true);
    text->put(SitUp, true);
    text->put(Ab, true);
    text->put(Step, true);
    text->put(Run, true);
    text->put(PulseRecovery, true);
    for (double v : {FatPercent, ThighSkinFold, ChestSkinFold, AbSkinFold, TricepSkinFold,
                     SupraSkinFold, MidaxSkinFold, SubscapSkinFold})
        text->put(v, true);
    for (int i = 0; i < StationCount; ++i)
        text->put(GetStnVal(i), i + 1 < StationCount);
    text->put("\n", false);
}

bool CDAOEval::Test(std::ifstream& in, char const& delimiter) const {
    if (!in.is_open() || !in.good())
        return false;
    std::string line;
    std::vector<std::string> f;
    if (!ReadLine(in, line) || !SplitFields(line, delimiter, LineFields, f))
        return false;
    if (!InRange(ToLong(f[0]), 1, 999999999) || !InRange(ToLong(f[2]), 0, 99))
        return false;
    if (ToDateTime(f[3]).GetStatus() != COleDateTime::valid)
        return false;
    if (!InRange(ToLong(f[6]), 0, MaxActivityLevel))
        return false;
    const std::string& last = f[LineFields - 1];
    return ToDouble(last) >= 0.0 && ToLong(last) <= MaxStationValue;
}

int CDAOEval::Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                      bool const& flag) {
    if (!in.is_open() || !RestoreStoreReady())
        return 0;
    CDAOSmEval evals;
    CDAOEvalBodyComp bodyComps;
    CDAOCirc circuit;
    // The three sets start over no rows; the restored rows join them.
    evals.lParam0 = 0;
    evals.m_strFilter = "EvaluationID = lParam0";
    evals.OpenSet(false);
    bodyComps.lParam0 = 0;
    bodyComps.m_strFilter = "EvaluationID = lParam0";
    bodyComps.OpenSet(false);
    circuit.lParam0 = 0;
    circuit.m_strFilter = "EvaluationID = lParam0";
    circuit.OpenSet(false);
    CMemberCache members;
    // New ids for ids in use start above every id of the three tables and
    // stay above every id this restore writes.
    long nextId = 0;
    constexpr std::size_t Parts = 2 + CDAOSmEval::FieldCount;
    constexpr std::size_t Stations = Parts + CDAOEvalBodyComp::FieldCount;

    std::vector<std::string> f;
    const int count = RestoreRecords(in, "eval", memberId, flag, [&](std::string const& line) {
        long id = 0;
        long evaluationId = 0;
        if (!SplitFields(line, delimiter, LineFields, f) || !ParseLong(f[0], 1, 999999999, id) ||
            !ParseLong(f[1], 0, LONG_MAX, evaluationId) || !evals.TakeFields(f, 2) ||
            !bodyComps.TakeFields(f, Parts) || !circuit.TakeFields(f, Stations))
            return lineDamaged;
        if (memberId != 0 && id != memberId)
            return linePassed;
        if (!members.Exists(id))
            return members.Failed() ? lineFailed : linePassed;
        if (evaluationId == 0 || CDAOSmEval::IsIDInUse(evaluationId)) {
            if (nextId == 0)
                nextId = evals.GenerateIDNum();
            evaluationId = nextId++;
        } else if (nextId != 0 && evaluationId >= nextId) {
            nextId = evaluationId + 1;
        }
        // The three parts are one record: a failure of any rolls back all.
        for (CDAOEFSet* part : std::initializer_list<CDAOEFSet*>{&evals, &bodyComps, &circuit}) {
            part->AddNewAsIs();
            if (part == &evals) {
                evals.MemberID = id;
                evals.EvaluationID = evaluationId;
            } else if (part == &bodyComps) {
                bodyComps.EvaluationID = evaluationId;
            } else {
                circuit.EvaluationID = evaluationId;
            }
            part->Op(opUpdate);
            if (part->LastOpFailed())
                return lineFailed;
        }
        return lineStored;
    });
    evals.Op(opClose);
    bodyComps.Op(opClose);
    circuit.Op(opClose);
    return count;
}
