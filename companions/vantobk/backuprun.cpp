#include "companions/vantobk/backuprun.h"

#include "db/connection.h"
#include "db/daobodycomp.h"
#include "db/daoeval.h"
#include "db/daomem.h"
#include "db/daosmeval.h"
#include "db/daowk.h"
#include "desk/core/recordbackup.h"
#include "util/efoledatetime.h"
#include "util/format.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>

namespace fs = std::filesystem;
using vantora::insert;

namespace {

using vantora::FacilityLocation;

struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using SqliteHandle = std::unique_ptr<sqlite3, SqliteCloser>;

SqliteHandle OpenFile(const std::string& path, int flags, std::string& error) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    SqliteHandle handle(db);
    if (rc != SQLITE_OK)
        error = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    else
        sqlite3_busy_timeout(db, 10000);
    return handle;
}

} // namespace

CBackupRun::CBackupRun() : CBackupRun(FacilityLocation::current()) {}

CBackupRun::CBackupRun(const FacilityLocation& location)
    : location_(location), dbFolder_(location.onServer() ? std::string() : location.stores()),
      backFolder_(location.backFolder()) {}

std::vector<std::string> CBackupRun::StoreNames() {
    return {"members.mdb", "center.mdb", "chkin.mdb", "reports.mdb"};
}

std::string CBackupRun::Summary() const {
    if (!error_.empty())
        return "Backup failed; earlier backups are untouched. " + error_;
    const char* kinds[] = {"members", "workouts", "evaluations", "body compositions"};
    std::string text = "Backed up";
    for (std::size_t i = 0; i < counts_.size() && i < 4; ++i)
        text += insert("%1 %2 %3", {i == 0 ? "" : ",", counts_[i], kinds[i]});
    text += " into " + backFolder_;
    if (location_.onServer())
        return text + "; no snapshot: the stores are on the server " + location_.shownStores() +
               ", whose own backups are its snapshots";
    return text + "; snapshot " + snapshot_;
}

bool CBackupRun::Fail(const std::string& why) {
    error_ = why;
    files_.clear();
    snapshot_.clear();
    return false;
}

bool CBackupRun::Run(CProgress& progress) {
    error_.clear();
    files_.clear();
    counts_.clear();
    snapshot_.clear();
    if (!location_.storesSet() || backFolder_.empty()) {
        Fail(!location_.storesSet() ? CDAOEFSet::MsgNoDB : CDAOEFSet::MsgNoBack);
        Log();
        return false;
    }

    CEFOleDateTime now;
    now.Current();
    const std::string stamp = now.Format("%Y%m%d-%H%M%S");
    // Staged where the snapshot goes, so that it moves there by a rename; a
    // server's export files have no snapshot beside them.
    const std::string parent =
        location_.onServer() ? backFolder_ : backFolder_ + SnapshotFolder + '/';
    const std::string staging =
        parent + ".partial-" + stamp + "-" + std::to_string(::getpid()) + '/';
    std::error_code ec;
    fs::create_directories(staging + "export", ec);
    bool done = false;
    if (ec)
        Fail(insert("Error: cannot create the folder \"%1\": %2", {staging, ec.message()}));
    else if (location_.onServer())
        done = WriteExports(location_, staging + "export/", progress) && Publish(staging, stamp);
    else
        done = TakeSnapshot(staging, progress) &&
               WriteSnapshotExports(staging, staging + "export/", progress) &&
               Publish(staging, stamp);
    if (!done)
        fs::remove_all(staging, ec); // only what this run wrote
    else
        Prune();
    Log();
    return done;
}

bool CBackupRun::TakeSnapshot(const std::string& folder, CProgress& progress) {
    CProgressScope scope(progress, "Copying the database, please wait...",
                         static_cast<int>(StoreNames().size()));
    for (const std::string& name : StoreNames()) {
        std::string error;
        SqliteHandle source = OpenFile(dbFolder_ + name, SQLITE_OPEN_READONLY, error);
        if (!error.empty())
            return Fail(insert("Error: cannot read the database file \"%1\": %2",
                               {dbFolder_ + name, error}));
        SqliteHandle target =
            OpenFile(folder + name, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, error);
        if (!error.empty())
            return Fail(insert("Error: cannot create \"%1\": %2", {folder + name, error}));
        // One step copies every page inside one read transaction: a
        // consistent copy, while writers go on in the write-ahead log.
        sqlite3_backup* backup = sqlite3_backup_init(target.get(), "main", source.get(), "main");
        if (backup == nullptr)
            return Fail(insert("Error: cannot copy \"%1\": %2",
                               {dbFolder_ + name, sqlite3_errmsg(target.get())}));
        int rc = SQLITE_OK;
        do {
            rc = sqlite3_backup_step(backup, -1);
            if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
                sqlite3_sleep(50);
        } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
        sqlite3_backup_finish(backup);
        if (rc != SQLITE_DONE)
            return Fail(insert("Error: cannot copy \"%1\" into \"%2\": %3",
                               {dbFolder_ + name, folder, sqlite3_errstr(rc)}));
        scope.Step();
    }
    return true;
}

bool CBackupRun::WriteSnapshotExports(const std::string& snapshot, const std::string& staging,
                                      CProgress& progress) {
    FacilityLocation copy = location_;
    copy.setStores(snapshot);
    const bool ok = WriteExports(copy, staging, progress);
    for (const std::string& name : StoreNames())
        vantora::db::closeStore(snapshot + name);
    return ok;
}

bool CBackupRun::WriteExports(const FacilityLocation& stores, const std::string& staging,
                              CProgress& progress) {
    vantora::ScopedFacilityLocation installed(stores);
    CDAOMem members;
    CDAOWk workouts;
    CDAOEval evaluations;
    CDAOBodyComp bodyComps;
    struct Export {
        CDAOEFSet& set;
        std::string name;
        const char* text;
    };
    members.FindAllMembers(false);
    workouts.FindWks(0);
    evaluations.FindEvals(CDAOSmEval::idMember, 0);
    bodyComps.FindBodyComps(0);
    const Export exports[] = {
        {members, members.GetDefaultPathFileName(), "Backing up members, please wait..."},
        {workouts, workouts.GetDefaultPathFileName(), "Backing up workouts, please wait..."},
        {evaluations, evaluations.GetDefaultPathFileName(),
         "Backing up evaluations, please wait..."},
        {bodyComps, bodyComps.GetDefaultPathFileName(),
         "Backing up body compositions, please wait..."}};
    bool ok = true;
    for (const Export& e : exports) {
        const std::string path = staging + fs::path(e.name).filename().string();
        int written = 0;
        if (!e.set.IsOpen()) {
            ok = Fail(
                insert("Error: cannot read the stores %1 to back them up", {stores.shownStores()}));
            break;
        }
        if (!CRecordBackup::ExportSet(e.set, path, progress, e.text, written)) {
            ok = Fail(insert("Error: cannot write the export file \"%1\" (the disk may be full "
                             "or the folder read-only)",
                             {path}));
            break;
        }
        counts_.push_back(written);
        files_.push_back(path);
    }
    for (const Export& e : exports)
        e.set.Op(CDAOEFSet::opClose);
    return ok;
}

bool CBackupRun::Publish(const std::string& staging, const std::string& stamp) {
    std::error_code ec;
    std::vector<std::string> targets;
    for (const std::string& file : files_) {
        const std::string target = backFolder_ + fs::path(file).filename().string();
        if (fs::exists(target, ec))
            return Fail(
                insert("Error: the export file \"%1\" exists already; it is kept", {target}));
        targets.push_back(target);
    }
    const std::string snapshot =
        location_.onServer() ? std::string() : backFolder_ + SnapshotFolder + '/' + stamp;
    if (!snapshot.empty() && fs::exists(snapshot, ec))
        return Fail(insert("Error: the snapshot \"%1\" exists already; it is kept", {snapshot}));
    for (std::size_t i = 0; i < files_.size(); ++i) {
        fs::rename(files_[i], targets[i], ec);
        if (ec) {
            const std::string why = ec.message();
            for (std::size_t j = 0; j < i; ++j)
                fs::rename(targets[j], files_[j], ec);
            return Fail(
                insert("Error: cannot move the export file into \"%1\": %2", {backFolder_, why}));
        }
    }
    fs::remove_all(staging + "export", ec);
    if (snapshot.empty()) {
        fs::remove_all(staging, ec);
        files_ = targets;
        return true;
    }
    fs::rename(staging, snapshot, ec);
    if (ec) {
        const std::string why = ec.message();
        for (std::size_t j = 0; j < files_.size(); ++j)
            fs::rename(targets[j], files_[j], ec);
        return Fail(insert("Error: cannot keep the snapshot \"%1\": %2", {snapshot, why}));
    }
    files_ = targets;
    snapshot_ = snapshot;
    return true;
}

void CBackupRun::Prune() {
    std::error_code ec;
    std::vector<fs::path> kept;
    for (const auto& entry : fs::directory_iterator(backFolder_ + SnapshotFolder, ec)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory() && !name.empty() && name.front() != '.')
            kept.push_back(entry.path());
    }
    // The names are date and time stamps: their order is their age.
    std::sort(kept.begin(), kept.end());
    for (std::size_t i = 0; i + KeptSnapshots < kept.size(); ++i)
        fs::remove_all(kept[i], ec);
}

void CBackupRun::Log() const {
    std::error_code ec;
    if (backFolder_.empty() || !fs::is_directory(backFolder_, ec))
        return;
    std::ofstream log(backFolder_ + LogName, std::ios::app);
    CEFOleDateTime now;
    now.Current();
    log << now.Format("%Y-%m-%d %H:%M:%S") << ' ' << Summary() << '\n';
}
