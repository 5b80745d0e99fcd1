#include "desk/core/recordrestore.h"

#include "desk/core/deskdocument.h"
#include "desk/core/membertree.h"
#include "desk/core/progress.h"
#include "util/notice.h"

#include <fstream>

using namespace vantora;

int CRecordRestore::RestoreRecords(RecordKind kind) {
    CDAOEFSet* set = nullptr;
    switch (kind) {
    case RecordKind::Members:
        set = &doc_.Mem();
        break;
    case RecordKind::Workouts:
        set = &doc_.Wk();
        break;
    case RecordKind::Evaluations:
        set = &doc_.Eval();
        break;
    case RecordKind::BodyComps:
        set = &doc_.BodyComp();
        break;
    }
    long memberId = 0;
    if (notice::ask(MsgOneMember, notice::Buttons::YesNo) == notice::Answer::Yes) {
        // A member's records other than the member's own need the member.
        const std::optional<long> id = prompts_.MemberId(kind != RecordKind::Members);
        if (!id)
            return 0;
        memberId = *id;
    }
    // Other kinds than members always keep what is stored.
    bool keepExisting = true;
    if (kind == RecordKind::Members)
        keepExisting = notice::ask(MsgOverwrite, notice::Buttons::YesNo) != notice::Answer::Yes;
    const std::string path = prompts_.OpenFile();
    if (path.empty())
        return 0;
    const int count = ReadRecords(*set, memberId, keepExisting, path, kind);
    set->Op(CDAOEFSet::opClose);
    return count;
}

int CRecordRestore::ReadRecords(CDAOEFSet& set, long memberId, bool flag, const std::string& path,
                                RecordKind kind) {
    {
        std::ifstream in(path, std::ios::binary);
        if (!in.is_open()) {
            notice::show(MsgCannotOpen, notice::Icon::Exclamation);
            return 0;
        }
        if (!set.Test(in, '|')) {
            notice::show(MsgWrongFile, notice::Icon::Exclamation);
            return 0;
        }
    }
    int count = 0;
    {
        doc_.Progress().Wait("Restoring, please wait...");
        std::ifstream in(path, std::ios::binary);
        if (!in.is_open()) {
            doc_.Progress().EndWait();
            notice::show(MsgCannotReopen, notice::Icon::Exclamation);
            return 0;
        }
        count = set.Restore(in, '|', memberId, flag);
        if (memberId != 0) {
            if (!doc_.Tree().RefreshMember(memberId, TreeKindOf(kind)))
                doc_.Tree().AddMember(memberId);
        } else {
            doc_.Tree().ResetTree();
        }
        doc_.Progress().EndWait();
    }
    // A store that could not be opened has said so; a count of nothing
    // restored would only be a second box.
    const auto& summary = set.LastRestore();
    if (!(summary.stopped && summary.stoppedAt == 0 && summary.restored == 0))
        notice::show(set.RestoreMessage());
    return count;
}
