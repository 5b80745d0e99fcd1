#pragma once
// A disk that fills up on cue, for SQLite stores.
//
// FaultyDisk wraps SQLite's default file system (its VFS) with a shim that
// passes every call through until it is armed; then a chosen write, or the
// write that completes a chosen commit, and every write after it fail the
// way a full disk fails them (SQLITE_FULL), until the disk is healed. The
// shim is registered as SQLite's default file system on first use and stays
// for the life of the process, so it applies to every connection opened
// afterwards, Qt Sql's included: create the FaultyDisk before the stores
// under test are first opened (before the facility fixture, for example).
//
// Writes and commits are counted on the files whose name contains the
// armed file name ("members.mdb" also covers its -wal and -journal files);
// an empty name counts every file. Commits are recognised in write-ahead
// logging mode, where each commit writes a frame marked as the last of its
// transaction.
//
//   vantora::test::FaultyDisk disk;
//   vantora::test::Facility facility;
//   disk.FailCommit("members.mdb", 3); // commits 1 and 2 succeed
//   ... restore ...
//   EXPECT_TRUE(disk.Tripped());

#include <string>

namespace vantora::test {

class FaultyDisk {
public:
    // Installs the shim (once per process) and leaves it disarmed.
    FaultyDisk();
    // Heals the disk.
    ~FaultyDisk();
    FaultyDisk(const FaultyDisk&) = delete;
    FaultyDisk& operator=(const FaultyDisk&) = delete;

    // The nth write from now (1 = the next one) on a matching file fails, and
    // every write after it.
    void FailWrite(const std::string& file, long n);
    // The nth commit from now on a matching file fails, and every write
    // after it.
    void FailCommit(const std::string& file, long n);
    // Space again: every write succeeds; the counts start again from 0.
    void Heal();

    // Whether a write has failed since the disk was last armed.
    bool Tripped() const;
    // Writes and commits on matching files since the disk was last armed
    // (failed ones included); 0 while it is healed.
    long Writes() const;
    long Commits() const;
};

} // namespace vantora::test
