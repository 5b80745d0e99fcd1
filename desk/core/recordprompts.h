#pragma once
// CRecordPrompts: what backup, archive, restore and deletion ask the user
// besides yes/no questions (those go through the notice façade): the
// password, the file to write or read, a member ID and the Delete dialog.
// The frame answers with its dialogs; tests answer from a script.

#include <optional>
#include <string>

class CDAOCenter;

// The four kinds of record that move between the stores and export files.
enum class RecordKind { Members, Workouts, Evaluations, BodyComps };

class CRecordPrompts {
public:
    virtual ~CRecordPrompts() = default;
    // The "Enter Password" dialog; nothing for Cancel.
    virtual std::optional<std::string> Password() = 0;
    // The save dialog of backup and archive; empty for Cancel.
    virtual std::string SaveFile() = 0;
    // The open dialog of restore; empty for Cancel.
    virtual std::string OpenFile() = 0;
    // The Member ID prompt; with mustExist the member must be stored.
    // Nothing for Cancel.
    virtual std::optional<long> MemberId(bool mustExist) = 0;
    // The Delete dialog of one kind: 0 for all members, else a member ID
    // that exists (the dialog checks it with CheckDeleteMember). Nothing for
    // Cancel.
    virtual std::optional<long> DeleteChoice(RecordKind kind) = 0;

    // The filter of both file dialogs.
    static constexpr const char* FileFilter =
        "Data Files (*.dat);;Text Files (*.txt);;Backup Files (*.bak);;All Files (*)";
};

// Asks for the facility password until it is right (true) or the user
// cancels, in the prompt or after "Sorry, you have entered an incorrect
// password" (false).
bool VerifyPassword(const CDAOCenter& center, CRecordPrompts& prompts);

// The member-tree kind of a record kind (-9 workouts, -8 evaluations, -7
// body compositions; members refresh the member itself).
long TreeKindOf(RecordKind kind);
// "workout", "evaluation", "body composition" or "member".
const char* KindNoun(RecordKind kind);
