#include "desk/core/evaluationsheetdocument.h"

#include "desk/core/entrydate.h"
#include "desk/core/storetransaction.h"

#include "custom/circuit.h"
#include "db/daocirc.h"
#include "db/daoevalbodycomp.h"
#include "db/daosmeval.h"
#include "util/format.h"
#include "util/heartrate.h"
#include "util/notice.h"

#include <algorithm>

using namespace vantora;

namespace {

// Positions the set on the evaluation's row for editing, or starts the row
// when the set found none (a new evaluation, or a part that went missing).
void StartRow(CDAOEFSet& set, int found) {
    set.Op(found > 0 ? CDAOEFSet::opEdit : CDAOEFSet::opAddNew);
}

} // namespace

CEvaluationSheetDoc::CEvaluationSheetDoc(long memberId, long evaluationId, CCircuit& circuit)
    : MemberID(memberId), EvaluationID(evaluationId), circuit_(circuit) {}

std::string CEvaluationSheetDoc::Title() const {
    return format(IsNew() ? "Add Evaluation for Member ID %i" : "Edit Evaluation for Member ID %i",
                  {MemberID});
}

int CEvaluationSheetDoc::StationCount() const {
    return std::min(circuit_.GetNumStations(), Stations);
}

std::string CEvaluationSheetDoc::StationName(int i) const {
    const char* name = circuit_.GetName(i);
    return name ? name : "";
}

void CEvaluationSheetDoc::SetRunTime(long seconds) {
    RunMinutes = static_cast<int>(seconds / 60);
    RunSeconds = static_cast<int>(seconds % 60);
}

bool CEvaluationSheetDoc::Load() {
    if (!IsNew()) {
        CDAOSmEval eval;
        if (eval.FindEvals(CDAOSmEval::idEvaluation, EvaluationID) > 0) {
            MemberID = eval.MemberID;
            EvaluationDate = eval.EvaluationDate;
            ClassIndx = eval.ClassIndx;
            Height = eval.Height;
            Weight = eval.Weight;
            ActivityLevel = eval.ActivityLevel;
            RestingHR = static_cast<int>(eval.RestingHR);
            Systolic = static_cast<int>(eval.RestingBPSystolic);
            Diastolic = static_cast<int>(eval.RestingBPDiastolic);
            TrunkFlex = eval.TrunkFlex;
            SitUps = static_cast<int>(eval.SitUp);
            AbCrunches = static_cast<int>(eval.Ab);
            Step = static_cast<int>(eval.Step);
            SetRunTime(eval.Run);
            PulseRecovery = static_cast<int>(eval.PulseRecovery);
        }
        eval.Op(CDAOEFSet::opClose);
        CDAOCirc circ;
        if (circ.FindCircuit(EvaluationID) > 0)
            for (int i = 0; i < Stations; ++i)
                ProgLift[static_cast<std::size_t>(i)] = static_cast<int>(circ.GetStnVal(i));
        circ.Op(CDAOEFSet::opClose);
        CDAOEvalBodyComp body;
        if (body.FindEvalBodyComp(EvaluationID) > 0) {
            FatPercent = body.FatPercent;
            SkinFolds.Folds = {body.TricepSkinFold, body.SupraSkinFold, body.ThighSkinFold,
                               body.ChestSkinFold,  body.AbSkinFold,    body.MidaxSkinFold,
                               body.SubscapSkinFold};
            SkinFolds.Sites = CSkinFoldEntry::SitesOf(SkinFolds.Folds);
        }
        body.Op(CDAOEFSet::opClose);
    } else {
        EvaluationDate.Current();
    }
    const bool found = Member.Read(MemberID);
    if (!IsNew())
        Member.KeepChoice(static_cast<unsigned char>(ClassIndx));
    else if (Member.Classes.size() == 1)
        ClassIndx = Member.Classes.front().ClassIndx;
    if (RestingHR > 0)
        CalculateTrainingRange();
    return found;
}

void CEvaluationSheetDoc::CalculateTrainingRange() {
    const CHeartRate hr(Member.Sex == 1 ? CHeartRate::male : CHeartRate::female, Member.Age,
                        static_cast<double>(RestingHR));
    PredictedMax = static_cast<int>(hr.PredictedMaximum());
    LowerLevel = static_cast<int>(hr.LowerLevel());
    UpperLevel = static_cast<int>(hr.UpperLevel());
    SafeMax = static_cast<int>(hr.SafeMaximum());
}

void CEvaluationSheetDoc::CalculateBodyFat() {
    const double fat = SkinFolds.PercentFat(Member.Sex, Member.Age, Weight, Height);
    if (fat > 0)
        FatPercent = fat;
}

void CEvaluationSheetDoc::CalculateWorkWeights(int percent) {
    for (int i = 0; i < StationCount(); ++i) {
        const auto s = static_cast<std::size_t>(i);
        WorkWeight[s] = static_cast<int>(circuit_.GetWorkWeight(i, ProgLift[s], percent));
    }
}

bool CEvaluationSheetDoc::Fail(int page, int field) {
    focusPage_ = page;
    focus_ = field;
    return false;
}

bool CEvaluationSheetDoc::Validate() {
    if (!CheckEntryDate(EvaluationDate))
        return Fail(pgProfile, fldDate);
    if (ClassIndx < 0 || Member.ChoiceOf(ClassIndx) < 0) {
        notice::show(MsgClass, notice::Icon::Exclamation);
        return Fail(pgProfile, fldClass);
    }
    for (int i = 0; i < StationCount(); ++i)
        if (!circuit_.Verify(i, ProgLift[static_cast<std::size_t>(i)]))
            return Fail(pgWorkWeights, fldStation + i);
    return true;
}

bool CEvaluationSheetDoc::Write() {
    CDAOSmEval eval;
    CDAOCirc circ;
    CDAOEvalBodyComp body;
    CStoreTransaction all(eval);
    if (!all.Begin())
        return false;
    // The new id is taken inside the transaction, so two desks saving at
    // once cannot both take it.
    const long id = IsNew() ? eval.GenerateIDNum() : EvaluationID;

    StartRow(eval, eval.FindEvals(CDAOSmEval::idEvaluation, id));
    eval.EvaluationID = id;
    eval.MemberID = MemberID;
    eval.EvaluationDate = EvaluationDate;
    eval.ClassIndx = static_cast<unsigned char>(ClassIndx);
    eval.Height = Height;
    eval.Weight = Weight;
    eval.ActivityLevel = static_cast<unsigned char>(ActivityLevel);
    eval.RestingHR = RestingHR;
    eval.RestingBPSystolic = Systolic;
    eval.RestingBPDiastolic = Diastolic;
    eval.TrunkFlex = TrunkFlex;
    eval.SitUp = SitUps;
    eval.Ab = AbCrunches;
    eval.Step = Step;
    eval.Run = RunTime();
    eval.PulseRecovery = PulseRecovery;
    eval.Op(CDAOEFSet::opUpdate);
    if (eval.LastOpFailed())
        return false;

    StartRow(circ, circ.FindCircuit(id));
    circ.EvaluationID = id;
    for (int i = 0; i < Stations; ++i)
        circ.SetStnVal(i, ProgLift[static_cast<std::size_t>(i)]);
    circ.Op(CDAOEFSet::opUpdate);
    if (circ.LastOpFailed())
        return false;

    StartRow(body, body.FindEvalBodyComp(id));
    const auto& f = SkinFolds.Folds;
    body.EvaluationID = id;
    body.FatPercent = FatPercent;
    body.TricepSkinFold = f[CSkinFoldEntry::Triceps];
    body.SupraSkinFold = f[CSkinFoldEntry::Suprailiac];
    body.ThighSkinFold = f[CSkinFoldEntry::Thigh];
    body.ChestSkinFold = f[CSkinFoldEntry::Chest];
    body.AbSkinFold = f[CSkinFoldEntry::Abdomen];
    body.MidaxSkinFold = f[CSkinFoldEntry::Midaxillary];
    body.SubscapSkinFold = f[CSkinFoldEntry::Subscapular];
    body.Op(CDAOEFSet::opUpdate);
    if (body.LastOpFailed() || !all.Commit())
        return false;
    EvaluationID = id;
    return true;
}

std::string CEvaluationSheetDoc::DeleteQuestion(long memberId, const CEFOleDateTime& date) {
    return format("Are you sure you want to delete the evaluation\nfor Member ID: %i dated ",
                  {memberId}) +
           date.DateStrLongYear() + "?";
}
