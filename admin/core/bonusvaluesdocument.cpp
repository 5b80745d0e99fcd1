#include "admin/core/bonusvaluesdocument.h"

#include "db/settingsrecord.h"
#include "forms/fieldcheck.h"

#include "db/daobon.h"
#include "util/notice.h"

using namespace vantora;

namespace {
const char* const BonusNames[3] = {"orientation bonus", "re-evaluation bonus", "other bonus"};
}

bool CBonuDoc::Load() {
    CDAOBon b;
    const bool ok = settings::ReadRecord(b);
    Values[bonOrient] = ok ? Worth{b.OrientBonWk, b.OrientBonMin} : Worth{};
    Values[bonReEval] = ok ? Worth{b.ReEvalBonWk, b.ReEvalBonMin} : Worth{};
    Values[bonOther] = ok ? Worth{b.OtherBonWk, b.OtherBonMin} : Worth{};
    if (!ok)
        notice::show(MsgLoad, notice::Icon::Exclamation);
    return ok;
}

bool CBonuDoc::Validate() {
    for (int i = 0; i < 3; ++i) {
        const std::string name = BonusNames[i];
        if (!fields::CheckRange("workouts of the " + name, Values[i].workouts, 0, 99)) {
            focus_ = WorkoutsField(i);
            return false;
        }
        if (!fields::CheckRange("total minutes of the " + name, Values[i].minutes, 0, 999)) {
            focus_ = MinutesField(i);
            return false;
        }
    }
    return true;
}

bool CBonuDoc::Write() {
    CDAOBon b;
    const bool ok = settings::EditRecord(b, [this](CDAOBon& r) {
        r.OrientBonWk = static_cast<unsigned char>(Values[bonOrient].workouts);
        r.OrientBonMin = static_cast<short>(Values[bonOrient].minutes);
        r.ReEvalBonWk = static_cast<unsigned char>(Values[bonReEval].workouts);
        r.ReEvalBonMin = static_cast<short>(Values[bonReEval].minutes);
        r.OtherBonWk = static_cast<unsigned char>(Values[bonOther].workouts);
        r.OtherBonMin = static_cast<short>(Values[bonOther].minutes);
    });
    if (!ok)
        notice::show(MsgWrite, notice::Icon::Exclamation);
    return ok;
}
