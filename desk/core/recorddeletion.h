#pragma once
// CRecordDeletion: deleting records in bulk behind the password: every
// workout, evaluation or body composition of one member or of all
// (Delete All of the menus), and every record of a set (archive and the
// lists' Delete All buttons). Evaluations go through the evaluations table,
// so their circuit and skin-fold rows go along; members go with everything
// stored under their ID.

#include "desk/core/recordprompts.h"

#include <string>

class CDAOEFSet;
class CVantoraDoc;

class CRecordDeletion {
public:
    CRecordDeletion(CVantoraDoc& doc, CRecordPrompts& prompts) : doc_(doc), prompts_(prompts) {}

    // The Delete All items of the Workouts, Evaluations and Body
    // Compositions menus; returns how many records were deleted.
    int DeleteAllRecords(RecordKind kind);
    // Deletes every record of the set (after the password and a question
    // when ask); returns how many. A delete the store refuses ends the run
    // after its message; what was deleted before stays deleted.
    int DeleteRecords(CDAOEFSet& set, bool ask);

    // The Delete dialog's check of a member ID: 0 or a stored member; false
    // after "Sorry, there is no member in the database\nthat matches ID %i."
    static bool CheckDeleteMember(long memberId);

    static constexpr const char* MsgSure =
        "Are you sure you want to permanently\ndelete all of the records?";
    static constexpr const char* MsgNoMember =
        "Sorry, there is no member in the database\nthat matches ID %i.";
    // The Delete dialog's title and its four warning lines.
    static std::string DialogTitle(RecordKind kind);
    static constexpr const char* WarningLines[4] = {
        "Deleted records are permanently removed", "from the database.  You may want to click",
        "Cancel and back up the records before", "continuing with this deletion operation."};

private:
    CVantoraDoc& doc_;
    CRecordPrompts& prompts_;
};
