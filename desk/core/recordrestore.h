#pragma once
// CRecordRestore: reading an export file back into the store, for all
// members in the file or one member. The file's first line must be a record
// of the kind chosen; the records are then stored through the set's own
// restore, which stores each record whole and goes on after its last
// committed line when the same restore is run again.

#include "desk/core/recordprompts.h"

#include <string>

class CDAOEFSet;
class CVantoraDoc;

class CRecordRestore {
public:
    CRecordRestore(CVantoraDoc& doc, CRecordPrompts& prompts) : doc_(doc), prompts_(prompts) {}

    // The File menu's Restore items; returns how many records were restored.
    int RestoreRecords(RecordKind kind);
    // Restores the file at path into the set's table; returns the count.
    // flag keeps existing members (members only).
    int ReadRecords(CDAOEFSet& set, long memberId, bool flag, const std::string& path,
                    RecordKind kind);

    static constexpr const char* MsgOneMember =
        "Do you want to restore records for a specific member?";
    static constexpr const char* MsgOverwrite =
        "In the case of duplicate members, do you want to overwrite existing members?";
    static constexpr const char* MsgCannotOpen =
        "Error: file does not exist\nor cannot read from file";
    static constexpr const char* MsgWrongFile =
        "Error: empty file, incompatible file format, or corrupt data";
    static constexpr const char* MsgCannotReopen = "Error: cannot read from file";

private:
    CVantoraDoc& doc_;
    CRecordPrompts& prompts_;
};
