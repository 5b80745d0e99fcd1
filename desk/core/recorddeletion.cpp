#include "desk/core/recorddeletion.h"

#include "db/batchscope.h"
#include "db/daobodycomp.h"
#include "db/daoeval.h"
#include "db/daomem.h"
#include "db/daosmeval.h"
#include "db/daosmmem.h"
#include "db/daowk.h"
#include "desk/core/deskdocument.h"
#include "desk/core/memberrecords.h"
#include "desk/core/membertree.h"
#include "desk/core/progress.h"
#include "util/format.h"
#include "util/notice.h"

#include <memory>
#include <set>
#include <utility>
#include <vector>

using namespace vantora;

namespace {

// The member ID of the set's current record, and whether the set holds
// members (true), evaluations (evaluation ID given) or other records.
struct CurrentRecord {
    long memberId = 0;
    long evaluationId = 0;
};

enum class SetKind { Members, Evaluations, Other };

SetKind KindOfSet(const CDAOEFSet& set) {
    if (dynamic_cast<const CDAOMem*>(&set) || dynamic_cast<const CDAOSmMem*>(&set))
        return SetKind::Members;
    if (dynamic_cast<const CDAOEval*>(&set) || dynamic_cast<const CDAOSmEval*>(&set))
        return SetKind::Evaluations;
    return SetKind::Other;
}

CurrentRecord Current(const CDAOEFSet& set) {
    if (auto* s = dynamic_cast<const CDAOMem*>(&set))
        return {s->MemberID, 0};
    if (auto* s = dynamic_cast<const CDAOSmMem*>(&set))
        return {s->MemberID, 0};
    if (auto* s = dynamic_cast<const CDAOEval*>(&set))
        return {s->MemberID, s->EvaluationID};
    if (auto* s = dynamic_cast<const CDAOSmEval*>(&set))
        return {s->MemberID, s->EvaluationID};
    if (auto* s = dynamic_cast<const CDAOWk*>(&set))
        return {s->MemberID, 0};
    if (auto* s = dynamic_cast<const CDAOBodyComp*>(&set))
        return {s->MemberID, 0};
    return {};
}

long TreeKindOfSet(const CDAOEFSet& set) {
    if (dynamic_cast<const CDAOWk*>(&set))
        return CMainViewTree::WorkoutsValue;
    if (KindOfSet(set) == SetKind::Evaluations)
        return CMainViewTree::EvaluationsValue;
    return CMainViewTree::BodyCompsValue;
}

} // namespace

std::string CRecordDeletion::DialogTitle(RecordKind kind) {
    switch (kind) {
    case RecordKind::Workouts:
        return "Delete Workouts";
    case RecordKind::Evaluations:
        return "Delete Evaluations";
    default:
        return "Delete Body Compositions";
    }
}

bool CRecordDeletion::CheckDeleteMember(long memberId) {
    if (memberId == 0)
        return true;
    CDAOSmMem members;
    const bool found = members.FindMember(CDAOSmMem::idMember, memberId) > 0;
    members.Op(CDAOEFSet::opClose);
    if (!found)
        notice::show(format(MsgNoMember, {memberId}), notice::Icon::Exclamation);
    return found;
}

int CRecordDeletion::DeleteAllRecords(RecordKind kind) {
    if (kind == RecordKind::Members || !VerifyPassword(doc_.Center(), prompts_))
        return 0;
    const std::optional<long> choice = prompts_.DeleteChoice(kind);
    if (!choice)
        return 0;
    const long memberId = *choice;
    CDAOEFSet* set = nullptr;
    switch (kind) {
    case RecordKind::Workouts:
        set = &doc_.Wk();
        doc_.Wk().FindWks(memberId);
        break;
    case RecordKind::Evaluations:
        set = &doc_.SmEval();
        doc_.SmEval().FindEvals(CDAOSmEval::idMember, memberId);
        break;
    default:
        set = &doc_.BodyComp();
        doc_.BodyComp().FindBodyComps(memberId);
        break;
    }
    std::string message;
    int deleted = 0;
    if (set->CountSet() > 0) {
        deleted = DeleteRecords(*set, false);
        message = format("You have deleted %i %s record(s).", {deleted, KindNoun(kind)});
    } else {
        static constexpr const char* plural[] = {"", "workouts", "evaluations",
                                                 "body compositions"};
        const char* noun = plural[static_cast<int>(kind)];
        message = memberId != 0 ? format("No %s are recorded for Member ID %i.", {noun, memberId})
                                : format("No %s have been recorded.", {noun});
    }
    if (memberId != 0)
        doc_.Tree().RefreshMember(memberId, TreeKindOf(kind));
    notice::show(message);
    set->Op(CDAOEFSet::opClose);
    return deleted;
}

int CRecordDeletion::DeleteRecords(CDAOEFSet& set, bool ask) {
    const int count = set.CountSet();
    if (count <= 0)
        return 0;
    if (ask) {
        if (!VerifyPassword(doc_.Center(), prompts_))
            return 0;
        if (notice::ask(MsgSure, notice::Buttons::YesNo) != notice::Answer::Yes)
            return 0;
    }
    CProgressScope progress(doc_.Progress(), "Updating records, please wait...", count);
    const SetKind kind = KindOfSet(set);
    std::set<long> members;
    int deleted = 0;

    if (kind == SetKind::Other) {
        // Workouts and body compositions: delete as the cursor goes, in one
        // batch so that a million rows take seconds, not hours.
        bool failed = false;
        {
            CBatchScope batch(set);
            while (!set.IsEOF()) {
                const long memberId = Current(set).memberId;
                if (memberId != 0) {
                    set.Op(CDAOEFSet::opDelete);
                    if (set.LastOpFailed()) {
                        failed = true;
                        break;
                    }
                    members.insert(memberId);
                    ++deleted;
                }
                set.Op(CDAOEFSet::opMoveNext);
                progress.Step();
            }
            failed = !batch.Finish() || failed;
        }
        // A refused commit gave rows back: count what is really gone.
        if (failed)
            deleted = count - set.OpenSet(true);
    } else {
        // Members and evaluations take rows of other tables along; read the
        // keys first, then remove each record whole.
        std::vector<CurrentRecord> records;
        for (; !set.IsEOF(); set.Op(CDAOEFSet::opMoveNext))
            if (const CurrentRecord r = Current(set); r.memberId != 0)
                records.push_back(r);
        CDAOSmEval evaluations;
        std::unique_ptr<CBatchScope> batch;
        if (kind == SetKind::Evaluations)
            batch = std::make_unique<CBatchScope>(evaluations);
        for (const CurrentRecord& r : records) {
            if (kind == SetKind::Members) {
                if (!CMemberRecords::Delete(r.memberId))
                    break;
            } else if (evaluations.FindEvals(CDAOSmEval::idEvaluation, r.evaluationId) > 0) {
                evaluations.DelCurrent();
                if (evaluations.LastOpFailed())
                    break;
            }
            members.insert(r.memberId);
            ++deleted;
            progress.Step();
        }
        if (batch && !batch->Finish())
            deleted = count - set.OpenSet(true);
        evaluations.Op(CDAOEFSet::opClose);
    }

    for (long memberId : members) {
        if (kind == SetKind::Members)
            doc_.Tree().RemoveMember(memberId);
        else
            doc_.Tree().RefreshMember(memberId, TreeKindOfSet(set));
    }
    return deleted;
}
