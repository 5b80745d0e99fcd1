#include "desk/core/recordprompts.h"

#include "db/daocenter.h"
#include "desk/core/membertree.h"
#include "util/notice.h"

using namespace vantora;

bool VerifyPassword(const CDAOCenter& center, CRecordPrompts& prompts) {
    for (;;) {
        const std::optional<std::string> entry = prompts.Password();
        if (!entry)
            return false;
        if (center.ChkPassword(entry->c_str()))
            return true;
        if (notice::ask("Sorry, you have entered an incorrect password",
                        notice::Buttons::RetryCancel,
                        notice::Icon::Exclamation) != notice::Answer::Retry)
            return false;
    }
}

long TreeKindOf(RecordKind kind) {
    switch (kind) {
    case RecordKind::Workouts:
        return CMainViewTree::WorkoutsValue;
    case RecordKind::Evaluations:
        return CMainViewTree::EvaluationsValue;
    case RecordKind::BodyComps:
        return CMainViewTree::BodyCompsValue;
    case RecordKind::Members:
        break;
    }
    return CMainViewTree::RootValue;
}

const char* KindNoun(RecordKind kind) {
    switch (kind) {
    case RecordKind::Workouts:
        return "workout";
    case RecordKind::Evaluations:
        return "evaluation";
    case RecordKind::BodyComps:
        return "body composition";
    case RecordKind::Members:
        break;
    }
    return "member";
}
