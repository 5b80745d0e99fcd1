#pragma once
// CRecordBackup: backup and archive of records into a new export file. A
// backup copies the records of a set into the file; an archive copies them
// and then deletes them from the store, but only once every record reached
// the file. The file is always created new: an existing file is never
// overwritten or appended to.
//
// Removable disks are mounted folders on this platform, chosen in the save
// dialog like any other folder, so every backup is one file whatever its
// size; a medium that fills up is a write error like any other.

#include "desk/core/recordprompts.h"

#include <string>

class CDAOEFSet;
class CProgress;
class CVantoraDoc;

class CRecordBackup {
public:
    enum mode { backup = 0, archive = 1 };

    CRecordBackup(CVantoraDoc& doc, CRecordPrompts& prompts) : doc_(doc), prompts_(prompts) {}

    // The File menu's Backup and Archive items of one kind: every record of
    // the kind (members after the archive preconditions).
    int BackupKind(RecordKind kind, int mode);
    // The lists' Backup and Archive buttons and the File menu: the set as it
    // stands; returns how many records were written.
    int BackupRecords(CDAOEFSet* set, int mode);
    // Writes the set into a new file at path (and deletes the records when
    // archiving and every one was written); returns how many were written,
    // 0 after a message when the file could not be created or completed.
    int WriteRecords(CDAOEFSet& set, int mode, const std::string& path);

    // Writes every record of the set, from its first, into a new file
    // (refused when the file exists) and puts it on the disk; false when the
    // file could not be created or completed. No message: callers say it.
    static bool ExportSet(CDAOEFSet& set, const std::string& path, CProgress& progress,
                          const std::string& text, int& written);

    // Members are archived only after every evaluation, body composition
    // and workout; false after the message of the first kind still stored.
    static bool MembersMayBeArchived();

    static constexpr const char* MsgArchiveWarning =
        "Warning: archiving records will permanently remove\nthe records from the database. Do "
        "you still want to\nproceed with the archive?";
    static constexpr const char* MsgCannotCreate =
        "Error: file already exists\nor cannot write to file";
    static constexpr const char* MsgWriteFailed =
        "Error: the file \"%1\" could not be written completely (the disk may be full);\nit is "
        "not a complete copy of the %2 record(s), and no record was removed from the database.";
    static constexpr const char* MsgNotRemoved =
        "Error: the file \"%1\" holds all %2 record(s), but %3 of them could not be removed "
        "from the\ndatabase (the disk may be full). They are still in the database: archive "
        "them again\ninto a new file once the disk has room, and keep this file only as a backup.";

private:
    CVantoraDoc& doc_;
    CRecordPrompts& prompts_;
};
