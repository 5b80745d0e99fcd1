#include "workout.h"

#include "daochkin.h"
#include "daomem.h"
#include "util/notice.h"

namespace {

CEFOleDateTime now() {
    CEFOleDateTime t;
    t.Current();
    return t;
}

} // namespace

void CWorkout::Set(long const& id, long const& code, char const* first, char const* last,
                   unsigned char const& ok, CEFOleDateTime const& in, CEFOleDateTime const& out,
                   unsigned char const& cls) {
    memberId = id;
    barcode = code;
    firstName = first ? first : "";
    lastName = last ? last : "";
    workoutOK = ok;
    checkIn = in;
    checkOut = out;
    classIndx = cls;
    ResetStations();
}

void CWorkout::Set(CDAOChkIn const* chkIn) {
    if (!chkIn)
        return;
    Set(chkIn->MemberID, chkIn->Barcode, chkIn->FirstName.c_str(), chkIn->LastName.c_str(), 0,
        chkIn->CheckIn, now(), chkIn->ClassIndx);
}

void CWorkout::Set(CDAOMem const* member) {
    if (!member)
        return;
    const CEFOleDateTime t = now();
    Set(member->MemberID, member->Barcode, member->FirstName.c_str(), member->LastName.c_str(), 0,
        t, t, 0);
}

long CWorkout::GetStnVal(int const& i) const {
    return i >= 0 && i < StationCount ? stations_[static_cast<std::size_t>(i)] : 0;
}

void CWorkout::SetStnVal(int const& i, long const& v) {
    if (i >= 0 && i < StationCount)
        stations_[static_cast<std::size_t>(i)] = v;
}

int CWorkout::TotalMinutes() const {
    int minutes = 0;
    SpanMinutes(checkIn, checkOut, minutes);
    return minutes;
}

bool CWorkout::SpanMinutes(CEFOleDateTime const& in, CEFOleDateTime const& out, int& minutes) {
    minutes = 0;
    if (in.GetStatus() != COleDateTime::valid || out.GetStatus() != COleDateTime::valid) {
        vantora::notice::show(MsgInvalidTimes, vantora::notice::Icon::Exclamation);
        return false;
    }
    constexpr double HalfSecond = 1.0 / 172800.0;
    const double span = (out - in).GetTotalDays();
    const double rounded = span >= 0.0 ? span + HalfSecond : span - HalfSecond;
    minutes = static_cast<int>(rounded * 1440.0);
    return true;
}
