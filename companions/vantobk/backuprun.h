#pragma once
// CBackupRun: one run of the backup utility. It takes a snapshot of the four
// store files through SQLite's online backup (each a consistent copy while
// the other programs go on working), writes the four export files with their
// default names from that snapshot, so that files and snapshot agree, and
// only then moves them into the backup folder: the export files beside the
// earlier ones, the snapshot into "snapshots/<date and time>". The ten
// newest snapshots are kept. When the stores are on a server there is no
// file to copy: the export files are read from the server's tables, and the
// server's own backups are the snapshots. A run that fails removes only what
// it wrote itself and says why; earlier backups stay untouched. Every run
// adds its outcome to "vantobk.log" in the backup folder.

#include "desk/core/progress.h"
#include "util/facilitylocation.h"

#include <string>
#include <vector>

class CBackupRun {
public:
    // Snapshots kept in the backup folder.
    static constexpr int KeptSnapshots = 10;
    static constexpr const char* LogName = "vantobk.log";
    static constexpr const char* SnapshotFolder = "snapshots";

    // The stores and the backup folder of the facility's location.
    CBackupRun();
    explicit CBackupRun(const vantora::FacilityLocation& location);

    // Runs the backup; false after Error() says why.
    bool Run(CProgress& progress);

    const std::string& Error() const { return error_; }
    // The export files written, full paths, and the snapshot folder.
    const std::vector<std::string>& Files() const { return files_; }
    const std::string& Snapshot() const { return snapshot_; }
    // Records written per kind: members, workouts, evaluations, body compositions.
    const std::vector<int>& Counts() const { return counts_; }
    // One line describing the outcome, as written to the log.
    std::string Summary() const;

    // The four store files, in snapshot order.
    static std::vector<std::string> StoreNames();

private:
    bool Fail(const std::string& why);
    bool TakeSnapshot(const std::string& folder, CProgress& progress);
    // Writes the export files of the stores of a location.
    bool WriteExports(const vantora::FacilityLocation& stores, const std::string& staging,
                      CProgress& progress);
    // The same, read from the snapshot just taken, so that files and
    // snapshot agree.
    bool WriteSnapshotExports(const std::string& snapshot, const std::string& staging,
                              CProgress& progress);
    bool Publish(const std::string& staging, const std::string& stamp);
    void Prune();
    void Log() const;

    vantora::FacilityLocation location_;
    std::string dbFolder_, backFolder_;
    std::string error_;
    std::string snapshot_;
    std::vector<std::string> files_;
    std::vector<int> counts_;
};
