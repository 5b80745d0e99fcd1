#pragma once
// Finished kiosk workouts waiting to be written to the Workouts table. Each
// one is also appended to a journal file on disk before the member is told it
// was recorded, so a crash or a locked store never loses a visit: the queue
// is written when the kiosk is idle and at exit, and whatever a previous run
// left in the journal is picked up again at the next start. A workout whose
// row is already in the table (same member, check-in, check-out and class) is
// not written twice.

#include "db/workout.h"
#include "util/facilitylocation.h"

#include <string>
#include <vector>

class CWorkoutQueue {
public:
    // `journalPath` empty: no journal (the queue lives in memory only).
    explicit CWorkoutQueue(std::string journalPath);

    // The journal of this computer's kiosk in JournalFolder().
    static std::string DefaultJournalPath();
    // Beside the store files, or, when the stores are on a server, in this
    // computer's local data folder of the program (created when missing),
    // where it survives the server being away. Ends in '/'.
    static std::string JournalFolder(const vantora::FacilityLocation& location);

    // Appends a copy of the workout and journals it. False, after an
    // "Error: ..." notice, when the journal cannot be written; the workout is
    // still queued.
    bool QueueWorkout(const CWorkout& workout);

    // Writes the queued workouts in order and returns how many reached the
    // table. A workout leaves the queue and the journal only after the
    // commit that holds it has succeeded and is on disk. When the store
    // refuses a write or a commit, that transaction's workouts and the rest
    // stay queued and journaled for the next attempt, and one "Error: ..."
    // notice says so; further failures stay quiet until a flush succeeds.
    int FlushWorkouts();

    // Loads the workouts a previous run left in the journal; returns how many.
    int Recover();

    std::size_t Size() const { return queue_.size(); }
    bool Empty() const { return queue_.empty(); }
    const std::vector<CWorkout>& Pending() const { return queue_; }
    const std::string& JournalPath() const { return journal_; }

    // One journal line and its reading back (false for a damaged line).
    static std::string ToLine(const CWorkout& w);
    static bool FromLine(const std::string& line, CWorkout& w);

private:
    bool Append(const CWorkout& w);
    bool Rewrite();

    std::vector<CWorkout> queue_;
    std::string journal_;
    bool reported_ = false;
};
