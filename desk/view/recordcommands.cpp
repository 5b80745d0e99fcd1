#include "desk/view/recordcommands.h"

#include "desk/core/bodycompositionlist.h"
#include "desk/core/deskdocument.h"
#include "desk/core/evaluationlist.h"
#include "desk/core/memberclasschoice.h"
#include "desk/core/membertree.h"
#include "desk/core/progress.h"
#include "desk/core/quickstatistics.h"
#include "desk/core/workoutlist.h"
#include "desk/view/bodycompositionsheet.h"
#include "desk/view/evaluationsheet.h"
#include "desk/view/findworkoutsdialog.h"
#include "desk/view/memberclassdialog.h"
#include "desk/view/memberidprompt.h"
#include "desk/view/quickstatisticsdialog.h"
#include "desk/view/recordlistdialog.h"
#include "desk/view/workoutdetailsdialog.h"

#include "util/notice.h"

#include <QWidget>

using namespace vantora;

namespace {

// The wait window around one load or save.
class WaitScope {
public:
    WaitScope(CProgress& progress, const char* text) : progress_(progress) { progress_.Wait(text); }
    ~WaitScope() { progress_.EndWait(); }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

private:
    CProgress& progress_;
};

} // namespace

CRecordCommands::CRecordCommands(CVantoraDoc& doc, QWidget* parent)
    : QObject(parent), doc_(doc), parent_(parent) {}

void CRecordCommands::Refresh(long memberId, long kind) {
    doc_.Tree().RefreshMember(memberId, kind);
}

bool CRecordCommands::AskMemberClass(long& memberId, unsigned char& classIndx,
                                     std::string& classText) {
    memberId = 0;
    if (!CMemberIdDlg::Ask(parent_, memberId, true))
        return false;
    const CMemberClassChoice choice(memberId);
    int row = choice.Preset();
    if (!CMemberClassDlg::Ask(parent_, choice, row))
        return false;
    classIndx = choice.Items()[static_cast<std::size_t>(row)].index;
    classText = choice.Items()[static_cast<std::size_t>(row)].text;
    return true;
}

// ---- workouts -------------------------------------------------------------------------

bool CRecordCommands::EditWorkout(CDAOWk* record) {
    long memberId = 0;
    if (!record && !CMemberIdDlg::Ask(parent_, memberId, true))
        return false;
    CWorkoutDetailsDoc doc(memberId, record, doc_.StationNames());
    doc.Activate();
    CWorkoutDetailsDlg dialog(parent_, doc);
    if (dialog.exec() != QDialog::Accepted || !doc.Written())
        return false;
    Refresh(doc.MemberID, CMainViewTree::WorkoutsValue);
    return true;
}

bool CRecordCommands::DeleteWorkout(CDAOWk& record) {
    const long memberId = record.MemberID;
    if (!CWorkoutDetailsDoc::DeleteWorkout(record))
        return false;
    Refresh(memberId, CMainViewTree::WorkoutsValue);
    return true;
}

void CRecordCommands::AddWorkout() {
    EditWorkout(nullptr);
}

namespace {

void ShowWorkoutList(QWidget* parent, CWorkoutList& list, CRecordCommands& commands) {
    CRecordListDlg dialog(parent, list,
                          {QString::fromLatin1(CWorkoutList::LegendNotOkay),
                           QString::fromLatin1(CWorkoutList::LegendOkay)});
    dialog.SetEdit([&](int) { return commands.EditWorkout(&list.Set()); });
    dialog.SetDelete([&](int) { return commands.DeleteWorkout(list.Set()); });
    dialog.exec();
}

} // namespace

void CRecordCommands::EditWorkouts() {
    long memberId = 0;
    unsigned char classIndx = 0;
    std::string classText;
    if (!AskMemberClass(memberId, classIndx, classText))
        return;
    CWorkoutList list(doc_.StationNames());
    if (list.QueryMember(memberId, classIndx, classText) == 0) {
        notice::show(list.NoneForMember(memberId, classText), notice::Icon::Information);
        return;
    }
    ShowWorkoutList(parent_, list, *this);
}

void CRecordCommands::FindWorkouts() {
    CFindWorkoutsCriteria criteria;
    criteria.From.Current();
    criteria.To.Current();
    CFindWorkoutsDlg dialog(parent_, criteria);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CWorkoutList list(doc_.StationNames());
    {
        WaitScope wait(doc_.Progress(), "Loading workouts, please wait...");
        list.QueryFound(criteria);
    }
    if (list.Count() == 0) {
        notice::show(CFindWorkoutsCriteria::MsgNone, notice::Icon::Information);
        return;
    }
    ShowWorkoutList(parent_, list, *this);
}

// ---- evaluations ----------------------------------------------------------------------

bool CRecordCommands::EditEvaluation(long evaluationId) {
    long memberId = 0;
    if (evaluationId == 0 && !CMemberIdDlg::Ask(parent_, memberId, true))
        return false;
    CEvaluationSheetDoc doc(memberId, evaluationId, doc_.Circuit());
    {
        WaitScope wait(doc_.Progress(), "Loading data, please wait...");
        doc.Activate();
    }
    CEvaluationSheet sheet(parent_, doc);
    if (sheet.exec() != QDialog::Accepted)
        return false;
    Refresh(doc.MemberID, CMainViewTree::EvaluationsValue);
    return true;
}

bool CRecordCommands::DeleteEvaluation(long memberId, long evaluationId) {
    CDAOSmEval eval;
    bool deleted = false;
    if (eval.FindEvals(CDAOSmEval::idEvaluation, evaluationId) > 0 &&
        notice::ask(CEvaluationSheetDoc::DeleteQuestion(memberId, eval.EvaluationDate),
                    notice::Buttons::YesNo) == notice::Answer::Yes) {
        // Deleting the evaluation takes its circuit and skin-fold records along.
        eval.DelCurrent();
        deleted = !eval.LastOpFailed();
    }
    eval.Op(CDAOEFSet::opClose);
    if (deleted)
        Refresh(memberId, CMainViewTree::EvaluationsValue);
    return deleted;
}

void CRecordCommands::AddEvaluation() {
    EditEvaluation(0);
}

void CRecordCommands::EditEvaluations() {
    long memberId = 0;
    unsigned char classIndx = 0;
    std::string classText;
    if (!AskMemberClass(memberId, classIndx, classText))
        return;
    CEvaluationList list(doc_.Circuit());
    if (list.QueryMember(memberId, classIndx, classText) == 0) {
        notice::show(list.NoneForMember(memberId, classText), notice::Icon::Information);
        return;
    }
    doc_.SetEvalFilter(memberId, classIndx);
    CRecordListDlg dialog(parent_, list);
    dialog.SetEdit([&](int row) { return EditEvaluation(list.EvaluationOf(row)); });
    dialog.SetDelete(
        [&](int row) { return DeleteEvaluation(list.MemberOf(row), list.EvaluationOf(row)); });
    dialog.SetAnalyze([&](int row) {
        doc_.QueueReport(9, list.MemberOf(row), list.DateOf(row), list.DateOf(row), "", "", "");
        return false;
    });
    dialog.exec();
}

// ---- body compositions ----------------------------------------------------------------

bool CRecordCommands::EditBodyComp(CDAOBodyComp* record) {
    long memberId = 0;
    int method = 0;
    if (!record) {
        if (!CMemberIdDlg::Ask(parent_, memberId, true))
            return false;
        CBodyCompMethodDlg methods(parent_);
        if (methods.exec() != QDialog::Accepted)
            return false;
        method = methods.Method();
    }
    CBodyCompSheetDoc doc(memberId, method, record);
    {
        WaitScope wait(doc_.Progress(), "Loading data, please wait...");
        doc.Activate();
    }
    CBodyCompSheet sheet(parent_, doc);
    if (sheet.exec() != QDialog::Accepted)
        return false;
    Refresh(doc.MemberID, CMainViewTree::BodyCompsValue);
    return true;
}

bool CRecordCommands::DeleteBodyComp(CDAOBodyComp& record) {
    const long memberId = record.MemberID;
    if (!CBodyCompSheetDoc::DeleteBodyComp(record))
        return false;
    Refresh(memberId, CMainViewTree::BodyCompsValue);
    return true;
}

void CRecordCommands::AddBodyComp() {
    EditBodyComp(nullptr);
}

void CRecordCommands::EditBodyComps() {
    long memberId = 0;
    unsigned char classIndx = 0;
    std::string classText;
    if (!AskMemberClass(memberId, classIndx, classText))
        return;
    CBodyCompList list;
    if (list.QueryMember(memberId, classIndx, classText) == 0) {
        notice::show(list.NoneForMember(memberId, classText), notice::Icon::Information);
        return;
    }
    CRecordListDlg dialog(parent_, list);
    dialog.SetEdit([&](int) { return EditBodyComp(&list.Set()); });
    dialog.SetDelete([&](int) { return DeleteBodyComp(list.Set()); });
    dialog.SetAnalyze([&](int row) {
        doc_.QueueReport(11, list.MemberOf(row), list.DateOf(row), list.DateOf(row), "", "", "");
        return false;
    });
    dialog.exec();
}

// ---- statistics and the tree --------------------------------------------------------------

void CRecordCommands::QuickStatistics() {
    CQuickStatistics counts;
    {
        WaitScope wait(doc_.Progress(), "Compiling statistics, please wait...");
        counts.Count();
    }
    CQuickStatisticsDlg dialog(parent_, counts);
    dialog.exec();
}

bool CRecordCommands::OpenTreeRecord(const CTreeRecord& record) {
    CEFOleDateTime when = record.when;
    switch (record.kind) {
    case CTreeRecord::Workout: {
        CDAOWk wk;
        const bool found = wk.FindWks(record.memberId, when) > 0;
        const bool saved = found && EditWorkout(&wk);
        wk.Op(CDAOEFSet::opClose);
        return saved;
    }
    case CTreeRecord::Evaluation: {
        CDAOSmEval eval;
        const long id = eval.FindEvals(record.memberId, when) > 0 ? eval.EvaluationID : 0;
        eval.Op(CDAOEFSet::opClose);
        return id != 0 && EditEvaluation(id);
    }
    case CTreeRecord::BodyComp: {
        CDAOBodyComp bc;
        const bool found = bc.FindBodyComps(record.memberId, when) > 0;
        const bool saved = found && EditBodyComp(&bc);
        bc.Op(CDAOEFSet::opClose);
        return saved;
    }
    default:
        return false;
    }
}

bool CRecordCommands::DeleteTreeRecord(const CTreeRecord& record) {
    CEFOleDateTime when = record.when;
    switch (record.kind) {
    case CTreeRecord::Workout: {
        CDAOWk wk;
        const bool deleted = wk.FindWks(record.memberId, when) > 0 && DeleteWorkout(wk);
        wk.Op(CDAOEFSet::opClose);
        return deleted;
    }
    case CTreeRecord::Evaluation: {
        CDAOSmEval eval;
        const long id = eval.FindEvals(record.memberId, when) > 0 ? eval.EvaluationID : 0;
        eval.Op(CDAOEFSet::opClose);
        return id != 0 && DeleteEvaluation(record.memberId, id);
    }
    case CTreeRecord::BodyComp: {
        CDAOBodyComp bc;
        const bool deleted = bc.FindBodyComps(record.memberId, when) > 0 && DeleteBodyComp(bc);
        bc.Op(CDAOEFSet::opClose);
        return deleted;
    }
    default:
        return false;
    }
}
