#include "desk/core/workoutlist.h"

#include "desk/core/entrydate.h"
#include "desk/core/memberidcheck.h"

#include "db/daosmmem.h"
#include "util/format.h"
#include "util/notice.h"

#include <algorithm>

using namespace vantora;

bool CFindWorkoutsCriteria::Validate() {
    for (auto [date, field] : {std::pair{&From, fldFrom}, std::pair{&To, fldTo}}) {
        if (!CheckEntryDate(*date)) {
            Focus = field;
            return false;
        }
    }
    CEFOleDateTime from = From, to = To;
    from.Midnight();
    to.Midnight();
    if (to < from) {
        Focus = fldTo;
        notice::show(MsgOrder, notice::Icon::Exclamation);
        return false;
    }
    if (OneMember && !CMemberIdCheck::Check(MemberID, true)) {
        Focus = fldMember;
        return false;
    }
    return true;
}

std::string CFindWorkoutsCriteria::Title() const {
    std::string title = "Workouts for ";
    if (OneMember)
        title += format("Member ID %i - ", {MemberID});
    if (From.IsSameDay(To))
        return title + From.DateStrLongYear();
    return title + insert("%1 to %2", {From.DateStrLongYear(), To.DateStrLongYear()});
}

CWorkoutList::CWorkoutList(std::vector<std::string> stationNames)
    : stationNames_(std::move(stationNames)) {}

int CWorkoutList::QueryMember(long memberId, unsigned char classIndx,
                              const std::string& classText) {
    SetMemberTitle(memberId, classText);
    return Fill(classIndx == CDAOWk::ClassAll ? set_.FindWks(memberId)
                                              : set_.FindWks(memberId, classIndx));
}

int CWorkoutList::QueryFound(CFindWorkoutsCriteria& criteria) {
    const long member = criteria.OneMember ? criteria.MemberID : 0;
    // The search has run the query; running it again to count would double
    // the time of a long list.
    const int found = set_.FindWks(member, criteria.From, criteria.To, criteria.Okay);
    Title = criteria.Title();
    return Fill(found);
}

int CWorkoutList::Refill() {
    return Fill(set_.OpenSet(true));
}

int CWorkoutList::Fill(int found) {
    rows_.assign(static_cast<std::size_t>(std::max(0, found)), std::nullopt);
    return Count();
}

const CWorkoutList::Row& CWorkoutList::RowAt(int row) const {
    std::optional<Row>& r = rows_.at(static_cast<std::size_t>(row));
    if (!r) {
        set_.MoveSet(row);
        r = Row{set_.MemberID, set_.WorkoutOK != 0, set_.CheckIn,
                set_.CheckOut, set_.TotalMinutes(), {}};
        for (int i = 0; i < CDAOWk::StationCount; ++i)
            r->Values[static_cast<std::size_t>(i)] = set_.GetStnVal(i);
    }
    return *r;
}

std::vector<CListColumn> CWorkoutList::Columns() const {
    std::vector<CListColumn> columns{{"Name", 150, bitName}, {"ID #", 70, bitId},
                                     {"Date", 65, bitDate},  {"In", 45, bitIn},
                                     {"Out", 45, bitOut},    {"Min", 45, bitMin}};
    for (std::size_t i = 0; i < stationNames_.size() && i < CDAOWk::StationCount; ++i)
        columns.push_back({stationNames_[i], 45, bitOptions});
    return columns;
}

std::string CWorkoutList::Cell(int row, int column) const {
    const Row& r = RowAt(row);
    switch (column) {
    case 0:
        return NameOf(r.MemberID);
    case 1:
        return std::to_string(r.MemberID);
    case 2:
        return r.CheckIn.DateStrShortYear();
    case 3:
        return r.CheckIn.TimeStrHourMinute();
    case 4:
        return r.CheckOut.TimeStrHourMinute();
    case 5:
        return std::to_string(r.Minutes);
    default: {
        const auto i = static_cast<std::size_t>(column - 6);
        return i < r.Values.size() ? std::to_string(r.Values[i]) : std::string();
    }
    }
}

int CWorkoutList::Image(int row) const {
    return RowAt(row).Okay ? imgOkay : imgNotOkay;
}

std::string CWorkoutList::EditHint() const {
    return "To edit a workout, you must first click on the workout,\nthen click \"Edit.\"";
}

std::string CWorkoutList::DeleteHint() const {
    return "To delete a workout, you must first click on the workout,\nthen click \"Delete.\"";
}
