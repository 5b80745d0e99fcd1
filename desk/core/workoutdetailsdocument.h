#pragma once
// CWorkoutDetailsDoc: the Workout Details dialog without its window. It
// loads a recorded workout (or starts a new one for a member), checks the
// entries and asks the two verification questions, and writes the workout.
// The checks run again inside Write, so no caller can store a check-out
// before its check-in or a time after today.

#include "desk/core/memberfacts.h"

#include "forms/pagedoc.h"
#include "util/efoledatetime.h"

#include <array>
#include <string>
#include <vector>

class CDAOWk;

class CWorkoutDetailsDoc : public CPageDoc {
public:
    enum field { fldCheckIn, fldCheckOut, fldClass, fldOkay };
    static constexpr int OptionCount = 13; // index 0: circuits completed

    // A new workout for the member, or the workout at the current row of
    // `record` (which stays positioned for its list or tree).
    CWorkoutDetailsDoc(long memberId, CDAOWk* record, std::vector<std::string> stationNames);

    long MemberID = 0;
    bool WorkoutOK = true;
    CEFOleDateTime CheckIn;
    CEFOleDateTime CheckOut;
    int ClassIndx = -1; // -1: no class chosen
    std::array<int, OptionCount> Values{};
    CMemberFacts Member;
    // Facility minimums, read with the workout.
    int MinCircuits = 0;
    int MinMinutes = 0;

    bool IsNew() const { return record_ == nullptr; }
    // "Add Workout for Member ID %i" or "Edit Workout for Member ID %i".
    std::string Title() const;
    // Label of option i (0: circuits); empty when the station list has none.
    std::string Label(int i) const;
    // The circuits field and the options group are shown only with names.
    bool ShowOptions() const { return !stationNames_.empty(); }

    // True after a write: the record that was stored.
    bool Written() const { return written_; }

    static constexpr const char* MsgOrder = "Error: check out cannot precede check in";
    static constexpr const char* MsgClass = "Error: select a category, course, section";

    // The question asked before deleting the workout at the set's current row.
    static std::string DeleteQuestion(const CDAOWk& wk);
    // Asks it and deletes; true when the workout was deleted.
    static bool DeleteWorkout(CDAOWk& wk);

protected:
    bool Load() override;
    // The field checks, then the verification question that fits the flag;
    // a "No" switches the flag and keeps the dialog open (focus on it).
    bool Validate() override;
    bool Write() override;

private:
    bool CheckFields();

    CDAOWk* record_;
    // The record's row in its set: a list that reads its rows as they are
    // shown may move the set while the dialog is open.
    int position_ = -1;
    std::vector<std::string> stationNames_;
    bool written_ = false;
};
