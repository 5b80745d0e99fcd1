#include "desk/core/workoutdetailsdocument.h"

#include "desk/core/entrydate.h"

#include "db/daocenter.h"
#include "db/daowk.h"
#include "util/format.h"
#include "util/notice.h"

using namespace vantora;

CWorkoutDetailsDoc::CWorkoutDetailsDoc(long memberId, CDAOWk* record,
                                       std::vector<std::string> stationNames)
    : MemberID(record ? record->MemberID : memberId), record_(record),
      stationNames_(std::move(stationNames)) {}

std::string CWorkoutDetailsDoc::Title() const {
    return format(IsNew() ? "Add Workout for Member ID %i" : "Edit Workout for Member ID %i",
                  {MemberID});
}

std::string CWorkoutDetailsDoc::Label(int i) const {
    return i >= 0 && i < static_cast<int>(stationNames_.size())
               ? stationNames_[static_cast<std::size_t>(i)]
               : std::string();
}

bool CWorkoutDetailsDoc::Load() {
    CDAOCenter center;
    if (center.OpenSet(true) > 0) {
        MinCircuits = center.WkMinCirc;
        MinMinutes = center.WkMinMin;
    }
    center.Op(CDAOEFSet::opClose);
    Member.Read(MemberID);
    if (IsNew()) {
        CheckIn.Current();
        CheckOut = CheckIn;
        ClassIndx = Member.Classes.size() == 1 ? Member.Classes.front().ClassIndx : -1;
        return true;
    }
    position_ = static_cast<int>(record_->GetAbsolutePosition());
    WorkoutOK = record_->WorkoutOK != 0;
    CheckIn = record_->CheckIn;
    CheckOut = record_->CheckOut;
    ClassIndx = record_->ClassIndx;
    Member.KeepChoice(record_->ClassIndx);
    for (int i = 0; i < OptionCount; ++i)
        Values[static_cast<std::size_t>(i)] = record_->GetStnVal(i);
    return true;
}

bool CWorkoutDetailsDoc::CheckFields() {
    if (!CheckEntryDate(CheckIn)) {
        focus_ = fldCheckIn;
        return false;
    }
    if (!CheckEntryDate(CheckOut)) {
        focus_ = fldCheckOut;
        return false;
    }
    if (CheckOut < CheckIn) {
        focus_ = fldCheckOut;
        notice::show(MsgOrder, notice::Icon::Exclamation);
        return false;
    }
    if (ClassIndx < 0 || Member.ChoiceOf(ClassIndx) < 0) {
        focus_ = fldClass;
        notice::show(MsgClass, notice::Icon::Exclamation);
        return false;
    }
    return true;
}

bool CWorkoutDetailsDoc::Validate() {
    if (!CheckFields())
        return false;
    CDAOCenter center;
    center.WkMinCirc = static_cast<unsigned char>(MinCircuits);
    center.WkMinMin = static_cast<short>(MinMinutes);
    const bool meets = center.VerifyWk(Values[0], CheckIn, CheckOut);
    if (meets == WorkoutOK)
        return true;
    const std::string head =
        format(meets ? "This workout meets the minimum requirements of\n%i circuit(s) and/or %i "
                       "total minute(s)."
                     : "This workout does not meet the minimum requirements of\n%i circuit(s) "
                       "and/or %i total minute(s).",
               {MinCircuits, MinMinutes});
    const char* tail =
        WorkoutOK ? " Do you still want\nto enter it with a designation of \"Workout Okay\"?"
                  : " Do you still want\nto enter it with a designation of \"Workout Not "
                    "Okay\"?";
    if (notice::ask(head + tail, notice::Buttons::YesNo) == notice::Answer::Yes)
        return true;
    WorkoutOK = !WorkoutOK;
    focus_ = fldOkay;
    return false;
}

bool CWorkoutDetailsDoc::Write() {
    if (!CheckFields())
        return false;
    CDAOWk added;
    CDAOWk& wk = IsNew() ? added : *record_;
    if (IsNew()) {
        wk.FindWks(MemberID);
        wk.Op(CDAOEFSet::opAddNew);
    } else {
        if (wk.GetAbsolutePosition() != position_)
            wk.MoveSet(position_);
        wk.Op(CDAOEFSet::opEdit);
    }
    if (wk.LastOpFailed())
        return false;
    wk.MemberID = MemberID;
    wk.WorkoutOK = WorkoutOK ? 1 : 0;
    wk.ClassIndx = static_cast<unsigned char>(ClassIndx);
    wk.CheckIn = CheckIn;
    wk.CheckOut = CheckOut;
    for (int i = 0; i < OptionCount; ++i)
        wk.SetStnVal(i, static_cast<short>(Values[static_cast<std::size_t>(i)]));
    wk.Op(CDAOEFSet::opUpdate);
    written_ = !wk.LastOpFailed();
    if (IsNew())
        wk.Op(CDAOEFSet::opClose);
    return written_;
}

std::string CWorkoutDetailsDoc::DeleteQuestion(const CDAOWk& wk) {
    return format("Are you sure you want to delete the workout\nfor Member ID: %i dated ",
                  {wk.MemberID}) +
           wk.CheckIn.DateStrLongYear() + "?";
}

bool CWorkoutDetailsDoc::DeleteWorkout(CDAOWk& wk) {
    const int position = static_cast<int>(wk.GetAbsolutePosition());
    if (notice::ask(DeleteQuestion(wk), notice::Buttons::YesNo) != notice::Answer::Yes)
        return false;
    if (wk.GetAbsolutePosition() != position)
        wk.MoveSet(position);
    wk.DelCurrent();
    return !wk.LastOpFailed();
}
