#include "daowk.h"

#include "batchscope.h"
#include "daosmmem.h"
#include "membercache.h"
#include "util/format.h"
#include "util/notice.h"
#include "util/text.h"
#include "workout.h"

#include <array>
#include <climits>
#include <unordered_map>
#include <vector>

namespace {

constexpr std::array<short CDAOWk::*, CDAOWk::StationCount> Stations = {
    &CDAOWk::Station00, &CDAOWk::Station01, &CDAOWk::Station02, &CDAOWk::Station03,
    &CDAOWk::Station04, &CDAOWk::Station05, &CDAOWk::Station06, &CDAOWk::Station07,
    &CDAOWk::Station08, &CDAOWk::Station09, &CDAOWk::Station10, &CDAOWk::Station11,
    &CDAOWk::Station12};

constexpr int LineFields = 5 + CDAOWk::StationCount;

bool InRange(long v, long lo, long hi) {
    return v >= lo && v <= hi;
}

} // namespace

CDAOWk::CDAOWk() {
    m_nFields = LineFields;
}

void CDAOWk::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Long("[MemberID]", MemberID);
    fx.Byte("[WorkoutOK]", WorkoutOK);
    fx.Byte("[ClassIndx]", ClassIndx);
    fx.DateTime("[CheckIn]", CheckIn);
    fx.DateTime("[CheckOut]", CheckOut);
    static const std::array<const char*, StationCount> names = {
        "[Station00]", "[Station01]", "[Station02]", "[Station03]", "[Station04]",
        "[Station05]", "[Station06]", "[Station07]", "[Station08]", "[Station09]",
        "[Station10]", "[Station11]", "[Station12]"};
    for (int i = 0; i < StationCount; ++i)
        fx.Short(names[static_cast<std::size_t>(i)], this->*Stations[static_cast<std::size_t>(i)]);
    CDAOEFSet::DoFieldExchange(fx);
}

short CDAOWk::GetStnVal(int const& i) const {
    return i >= 0 && i < StationCount ? this->*Stations[static_cast<std::size_t>(i)] : 0;
}

void CDAOWk::SetStnVal(int const& i, short const& v) {
    if (i >= 0 && i < StationCount)
        this->*Stations[static_cast<std::size_t>(i)] = v;
}

int CDAOWk::FindWks(long const& memberId) {
    sweepValid_ = false;
    if (memberId != 0) {
        lParam0 = memberId;
        m_strFilter = "MemberID = lParam0";
    } else {
        m_strFilter.clear();
    }
    m_strSort = "CheckIn DESC";
    return OpenSet(true);
}

int CDAOWk::FindAllWks() {
    sweepValid_ = false;
    m_strFilter.clear();
    m_strSort = "MemberID, ClassIndx";
    return OpenSet(true);
}

int CDAOWk::FindWks(long const& memberId, unsigned char const& classIndx) {
    sweepValid_ = false;
    byteParam0 = classIndx;
    if (memberId != 0) {
        lParam0 = memberId;
        m_strFilter = "MemberID = lParam0 AND ClassIndx = byteParam0";
    } else {
        m_strFilter = "ClassIndx = byteParam0";
    }
    m_strSort = "CheckIn DESC";
    return OpenSet(true);
}

int CDAOWk::FindWks(long const& memberId, CEFOleDateTime& checkIn) {
    sweepValid_ = false;
    lParam0 = memberId;
    datetimeParam0 = checkIn;
    m_strFilter = "MemberID = lParam0 AND CheckIn = datetimeParam0";
    m_strSort = "CheckIn DESC";
    return OpenSet(true);
}

int CDAOWk::FindWks(long const& memberId, CEFOleDateTime& from, CEFOleDateTime& to, int ok) {
    sweepValid_ = false;
    if (!BindDayRange(from, to))
        return 0;
    if (memberId != 0) {
        lParam0 = memberId;
        m_strFilter = "MemberID = lParam0 AND CheckIn >= datetimeParam0 AND CheckOut <= "
                      "datetimeParam1";
    } else {
        m_strFilter = "CheckIn >= datetimeParam0 AND CheckOut <= datetimeParam1";
    }
    if (ok != okAll) {
        byteParam0 = static_cast<unsigned char>(ok);
        m_strFilter += " AND WorkoutOK = byteParam0";
    }
    m_strSort = "MemberID, ClassIndx";
    return OpenSet(true);
}

int CDAOWk::TotalMinutes() const {
    int minutes = 0;
    CWorkout::SpanMinutes(CheckIn, CheckOut, minutes);
    return minutes;
}

void CDAOWk::TotalMember(CWorkout* totals, long const& memberId, unsigned char const& classIndx) {
    if (!totals)
        return;
    // Ordered by member id, every row before the place where the previous
    // call stopped belongs to an earlier member: go on from there.
    const bool ordered = m_strSort.rfind("MemberID", 0) == 0;
    const bool resume = ordered && sweepValid_ && sweepMember_ < memberId && IsOpen() &&
                        GetAbsolutePosition() == sweepPos_;
    if (!resume)
        Op(opMoveFirst);
    while (!IsEOF() && MemberID != memberId) {
        if (ordered && !IsDeleted() && MemberID > memberId)
            break;
        Op(opMoveNext);
    }
    totals->memberId = memberId;
    while (!IsEOF() && (IsDeleted() || MemberID == memberId)) {
        if (!IsDeleted() && (classIndx == ClassAll || classIndx == ClassIndx)) {
            ++totals->workoutCount;
            if (WorkoutOK)
                ++totals->okCount;
            totals->totalMinutes += TotalMinutes();
            for (int i = 0; i < StationCount; ++i)
                totals->SetStnVal(i, totals->GetStnVal(i) + GetStnVal(i));
        }
        Op(opMoveNext);
    }
    sweepValid_ = ordered;
    sweepPos_ = GetAbsolutePosition();
    sweepMember_ = memberId;
}

int CDAOWk::CountToday() {
    sweepValid_ = false;
    if (CountSet() == 0)
        return 0;
    CEFOleDateTime today;
    today.Current();
    today.Midnight();
    if (today.GetStatus() != COleDateTime::valid) {
        vantora::notice::show(CEFOleDateTime::MsgInvalidSystem, vantora::notice::Icon::Exclamation);
        return 0;
    }
    int count = 0;
    while (!IsEOF()) {
        if (!IsDeleted() && CheckIn.GetStatus() == COleDateTime::valid) {
            if (CheckIn.IsSameDay(today))
                ++count;
            if (CheckIn < today)
                break;
        }
        Op(opMoveNext);
    }
    Op(opMoveFirst);
    return count;
}

std::string CDAOWk::GetDefaultPathFileName() const {
    return ExportPathFileName("%1wk%2.dat");
}

void CDAOWk::Save(CText* text) const {
    if (!text)
        return;
    text->put(MemberID, true);
    text->put(ClassIndx, true);
    text->put(WorkoutOK, true);
    text->put(CheckIn, true);
    text->put(CheckOut, true);
    for (int i = 0; i < StationCount; ++i)
        text->put(GetStnVal(i), i + 1 < StationCount);
    text->put("\n", false);
}

bool CDAOWk::Test(std::ifstream& in, char const& delimiter) const {
    if (!in.is_open() || !in.good())
        return false;
    std::string line;
    std::vector<std::string> f;
    if (!ReadLine(in, line) || !SplitFields(line, delimiter, LineFields, f))
        return false;
    if (!InRange(ToLong(f[0]), 1, 999999999) || !InRange(ToLong(f[1]), 0, ClassUnknown) ||
        !InRange(ToLong(f[2]), 0, 1))
        return false;
    if (ToDateTime(f[3]).GetStatus() != COleDateTime::valid ||
        ToDateTime(f[4]).GetStatus() != COleDateTime::valid)
        return false;
    for (int i = 5; i < LineFields; ++i)
        if (!InRange(ToLong(f[static_cast<std::size_t>(i)]), 0, MaxStationValue))
            return false;
    return true;
}

int CDAOWk::Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                    bool const& flag) {
    if (!in.is_open() || !RestoreStoreReady())
        return 0;
    // The set starts over no rows; the restored rows join it.
    lParam0 = 0;
    m_strFilter = "MemberID = lParam0";
    m_strSort.clear();
    OpenSet(false);
    CMemberCache members;
    std::vector<std::string> f;
    const int count = RestoreRecords(in, "wk", memberId, flag, [&](std::string const& line) {
        long id = 0;
        unsigned char cls = 0;
        unsigned char ok = 0;
        CEFOleDateTime checkIn, checkOut;
        if (!SplitFields(line, delimiter, LineFields, f) || !ParseLong(f[0], 1, 999999999, id) ||
            !ParseByte(f[1], 0, 255, cls) || !ParseByte(f[2], 0, 1, ok) ||
            !ParseDateTime(f[3], false, checkIn) || !ParseDateTime(f[4], false, checkOut))
            return lineDamaged;
        for (int i = 0; i < StationCount; ++i) {
            short v = 0;
            if (!ParseShort(f[static_cast<std::size_t>(5 + i)], 0, SHRT_MAX, v))
                return lineDamaged;
            SetStnVal(i, v);
        }
        if (memberId != 0 && id != memberId)
            return linePassed;
        if (!members.Exists(id))
            return members.Failed() ? lineFailed : linePassed;
        AddNewAsIs();
        MemberID = id;
        ClassIndx = ClassUnknown; // the class of another facility means nothing here
        WorkoutOK = ok;
        CheckIn = checkIn;
        CheckOut = checkOut;
        Op(opUpdate);
        return LastOpFailed() ? lineFailed : lineStored;
    });
    Op(opClose);
    return count;
}
