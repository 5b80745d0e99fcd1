#include "desk/core/recordbackup.h"

#include "db/daobodycomp.h"
#include "db/daoeval.h"
#include "db/daomem.h"
#include "db/daosmeval.h"
#include "db/daosmmem.h"
#include "db/daowk.h"
#include "desk/core/deskdocument.h"
#include "desk/core/progress.h"
#include "desk/core/recorddeletion.h"
#include "util/format.h"
#include "util/notice.h"
#include "util/text.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

using namespace vantora;

namespace {

// Creates the file, failing when it exists already; the one way to be sure
// that a backup never replaces or extends another file.
bool CreateNew(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

// Puts what was written on the disk itself before records are removed.
bool SyncFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

bool AnyRecord(CDAOEFSet& set, const std::function<void()>& find) {
    set.SetMaxRecords(1);
    find();
    const bool any = set.CountSet() > 0;
    set.Op(CDAOEFSet::opClose);
    return any;
}

bool IsMemberSet(const CDAOEFSet& set) {
    return dynamic_cast<const CDAOMem*>(&set) || dynamic_cast<const CDAOSmMem*>(&set);
}

} // namespace

bool CRecordBackup::MembersMayBeArchived() {
    CDAOSmEval evaluations;
    CDAOBodyComp bodyComps;
    CDAOWk workouts;
    const std::pair<bool, const char*> checks[] = {
        {AnyRecord(evaluations, [&] { evaluations.FindEvals(CDAOSmEval::idMember, 0); }),
         "All evaluation records must be archived before archiving members."},
        {AnyRecord(bodyComps, [&] { bodyComps.FindBodyComps(0); }),
         "All body composition records must be archived before archiving members."},
        {AnyRecord(workouts, [&] { workouts.FindWks(0); }),
         "All workout records must be archived before archiving members."}};
    for (const auto& [stored, message] : checks) {
        if (stored) {
            notice::show(message);
            return false;
        }
    }
    return true;
}

int CRecordBackup::BackupKind(RecordKind kind, int mode) {
    if (kind == RecordKind::Members && mode == archive && !MembersMayBeArchived())
        return 0;
    static constexpr const char* retrieving[] = {
        "Retrieving members, please wait...", "Retrieving workouts, please wait...",
        "Retrieving evaluations, please wait...", "Retrieving body compositions, please wait..."};
    CDAOEFSet* set = nullptr;
    int count = 0;
    doc_.Progress().Wait(retrieving[static_cast<int>(kind)]);
    switch (kind) {
    case RecordKind::Members:
        set = &doc_.Mem();
        count = doc_.Mem().FindAllMembers(true);
        break;
    case RecordKind::Workouts:
        set = &doc_.Wk();
        doc_.Wk().FindWks(0);
        count = set->CountSet();
        break;
    case RecordKind::Evaluations:
        set = &doc_.Eval();
        doc_.Eval().FindEvals(CDAOSmEval::idMember, 0);
        count = set->CountSet();
        break;
    case RecordKind::BodyComps:
        set = &doc_.BodyComp();
        doc_.BodyComp().FindBodyComps(0);
        count = set->CountSet();
        break;
    }
    doc_.Progress().EndWait();
    int written = 0;
    if (count <= 0)
        notice::show(std::string("No records are available for ") +
                     (mode == archive ? "archive." : "backup."));
    else
        written = BackupRecords(set, mode);
    set->Op(CDAOEFSet::opClose);
    return written;
}

int CRecordBackup::BackupRecords(CDAOEFSet* set, int mode) {
    if (set == nullptr)
        return 0;
    if (mode == archive) {
        // Members leave only after the records kept under their IDs.
        if (IsMemberSet(*set) && !MembersMayBeArchived())
            return 0;
        if (!VerifyPassword(doc_.Center(), prompts_))
            return 0;
        if (notice::ask(MsgArchiveWarning, notice::Buttons::YesNo, notice::Icon::Exclamation) !=
            notice::Answer::Yes)
            return 0;
    }
    const std::string path = prompts_.SaveFile();
    if (path.empty())
        return 0;
    const int written = WriteRecords(*set, mode, path);
    if (written == 0)
        return 0;
    notice::show(format(mode == archive ? "You have archived %i record(s)."
                                        : "You have backed up %i record(s).",
                        {written}));
    return written;
}

bool CRecordBackup::ExportSet(CDAOEFSet& set, const std::string& path, CProgress& progress,
                              const std::string& text, int& written) {
    written = 0;
    const int count = set.CountSet();
    if (count < 0 || !CreateNew(path))
        return false;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    bool failed = !out.is_open();
    {
        CProgressScope scope(progress, text, count);
        CText writer(&out, '|');
        while (!failed && !set.IsEOF()) {
            set.Save(&writer);
            if (!out.good())
                break;
            ++written;
            scope.Step();
            set.Op(CDAOEFSet::opMoveNext);
            failed = set.LastOpFailed();
        }
        out.flush();
        failed = failed || !out.good();
        out.close();
        failed = failed || out.fail() || !SyncFile(path);
    }
    return !failed && written == count;
}

int CRecordBackup::WriteRecords(CDAOEFSet& set, int mode, const std::string& path) {
    const int count = set.CountSet();
    if (count <= 0)
        return 0;
    if (!CreateNew(path)) {
        notice::show(MsgCannotCreate, notice::Icon::Exclamation);
        return 0;
    }
    // ExportSet creates the file anew.
    std::error_code ec;
    std::filesystem::remove(path, ec);
    int written = 0;
    if (!ExportSet(set, path, doc_.Progress(),
                   mode == archive ? "Archiving, please wait..." : "Backing up, please wait...",
                   written)) {
        // Lines that reached the file stay there, but nothing is removed
        // from the store: the file is not a complete copy.
        notice::show(insert(MsgWriteFailed, {path, count}), notice::Icon::Exclamation);
        return 0;
    }
    if (mode == archive) {
        CRecordDeletion deletion(doc_, prompts_);
        const int deleted = deletion.DeleteRecords(set, false);
        if (deleted != written) {
            notice::show(insert(MsgNotRemoved, {path, written, written - deleted}),
                         notice::Icon::Exclamation);
            return 0;
        }
    }
    return written;
}
