#include "kiosk/workoutqueue.h"

#include "db/connection.h"
#include "db/daowk.h"
#include "kiosk/gatherederrors.h"
#include "util/format.h"
#include "util/notice.h"
#include "vantoapi/appinstance.h"

#include <QSaveFile>
#include <QString>
#include <QSysInfo>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

// Workouts written in one transaction.
constexpr std::size_t FlushChunk = 256;

// Writes and forces the text to disk; false on any failure.
bool WriteDurably(const std::string& path, const std::string& text, const char* mode) {
    FILE* f = std::fopen(path.c_str(), mode);
    if (!f)
        return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

// Forces the folder's entries (a file created or renamed in it) to disk.
bool SyncFolder(const std::string& file) {
    const std::string folder = std::filesystem::path(file).parent_path().string();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// True when the workout's row is already in the table.
bool IsStored(CDAOWk& wk, const CWorkout& w) {
    CEFOleDateTime checkIn = w.checkIn;
    const int found = wk.FindWks(w.memberId, checkIn);
    for (int i = 0; i < found; ++i) {
        if (!wk.MoveSet(i))
            break;
        if (wk.ClassIndx == w.classIndx && wk.CheckOut.Linear() == w.checkOut.Linear())
            return true;
    }
    return false;
}

} // namespace

CWorkoutQueue::CWorkoutQueue(std::string journalPath) : journal_(std::move(journalPath)) {}

std::string CWorkoutQueue::JournalFolder(const vantora::FacilityLocation& location) {
    if (!location.onServer())
        return location.storesSet() ? location.stores() : std::string("./");
    // The journal must outlive a server that cannot be reached: it stays on
    // this computer.
    return CAppInstance::localDataFolder();
}

std::string CWorkoutQueue::DefaultJournalPath() {
    const std::string folder = JournalFolder(vantora::FacilityLocation::current());
    std::string host = QSysInfo::machineHostName().toStdString();
    for (char& c : host)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-')
            c = '_';
    return folder + "touch-" + (host.empty() ? std::string("kiosk") : host) + ".journal";
}

std::string CWorkoutQueue::ToLine(const CWorkout& w) {
    std::string line = vantora::format("%i|%i|%i|%i|",
                                       {w.memberId, w.barcode, int(w.workoutOK), int(w.classIndx)});
    // Day counts with every digit, so the times come back exactly.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g|%.17g", double(w.checkIn), double(w.checkOut));
    line += buf;
    for (int i = 0; i < CWorkout::StationCount; ++i)
        line += vantora::format("|%i", {w.GetStnVal(i)});
    return line + '\n';
}

bool CWorkoutQueue::FromLine(const std::string& line, CWorkout& w) {
    std::vector<std::string> f;
    std::stringstream in(line);
    for (std::string part; std::getline(in, part, '|');)
        f.push_back(part);
    if (f.size() != 6 + CWorkout::StationCount)
        return false;
    try {
        std::size_t used = 0;
        auto whole = [&](const std::string& s) {
            const long v = std::stol(s, &used);
            if (used != s.size())
                throw std::invalid_argument(s);
            return v;
        };
        auto real = [&](const std::string& s) {
            const double v = std::stod(s, &used);
            if (used != s.size())
                throw std::invalid_argument(s);
            return v;
        };
        CWorkout r;
        r.memberId = whole(f[0]);
        r.barcode = whole(f[1]);
        const long ok = whole(f[2]);
        const long cls = whole(f[3]);
        if (ok < 0 || ok > 1 || cls < 0 || cls > 255)
            return false;
        r.workoutOK = static_cast<unsigned char>(ok);
        r.classIndx = static_cast<unsigned char>(cls);
        r.checkIn = real(f[4]);
        r.checkOut = real(f[5]);
        for (int i = 0; i < CWorkout::StationCount; ++i)
            r.SetStnVal(i, whole(f[6 + i]));
        w = r;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool CWorkoutQueue::Append(const CWorkout& w) {
    if (journal_.empty())
        return true;
    // A journal created now is on disk only once its folder entry is.
    std::error_code ec;
    const bool created = !std::filesystem::exists(journal_, ec);
    return WriteDurably(journal_, ToLine(w), "a") && (!created || SyncFolder(journal_));
}

bool CWorkoutQueue::Rewrite() {
    if (journal_.empty())
        return true;
    if (queue_.empty()) {
        std::error_code ec;
        std::filesystem::remove(journal_, ec);
        return !ec;
    }
    // The new journal replaces the old one whole or not at all. Its contents
    // are forced to disk here, so that a failing sync fails the rewrite
    // (commit() syncs too, but ignores the outcome).
    QSaveFile file(QString::fromStdString(journal_));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    std::string text;
    for (const CWorkout& w : queue_)
        text += ToLine(w);
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.flush() || ::fsync(file.handle()) != 0)
        file.cancelWriting();
    // Workouts appended later go to the renamed file: its entry must hold.
    return file.commit() && SyncFolder(journal_);
}

bool CWorkoutQueue::QueueWorkout(const CWorkout& workout) {
    queue_.push_back(workout);
    if (Append(workout))
        return true;
    vantora::notice::show(vantora::insert("Error: cannot write the workout journal %1: %2",
                                          {journal_, std::strerror(errno)}),
                          vantora::notice::Icon::Exclamation);
    return false;
}

int CWorkoutQueue::FlushWorkouts() {
    if (queue_.empty())
        return 0;
    int written = 0;
    bool failed = false;
    std::string reason;
    {
        // The errors of one attempt are told in one message.
        CGatheredErrors errors;
        CDAOWk wk;
        const std::string path = wk.GetDefaultDBName();
        // A server's commit is durable when it returns; a store file's
        // needs a full sync.
        const bool file = !vantora::FacilityLocation::isServerUri(path);
        if (const auto store = vantora::db::openStore(path)) {
            // With synchronous=NORMAL a commit reaches the disk only at the
            // next checkpoint; a workout leaves the journal only once its
            // commit is on disk, so these commits wait for a full sync.
            if (file)
                store->exec(QStringLiteral("PRAGMA synchronous = FULL"));
            while (!queue_.empty() && !errors.Any() && store->lock()) {
                const std::size_t chunk = std::min(queue_.size(), FlushChunk);
                std::size_t done = 0;
                int added = 0;
                for (; done < chunk; ++done) {
                    const CWorkout& w = queue_[done];
                    const bool stored = IsStored(wk, w); // written before a crash, or twice
                    if (errors.Any())
                        break;
                    if (stored)
                        continue;
                    wk.Op(CDAOEFSet::opAddNew);
                    wk.MemberID = w.memberId;
                    wk.WorkoutOK = w.workoutOK;
                    wk.ClassIndx = w.classIndx;
                    wk.CheckIn = w.checkIn;
                    wk.CheckOut = w.checkOut;
                    for (int i = 0; i < CWorkout::StationCount; ++i)
                        wk.SetStnVal(i, static_cast<short>(w.GetStnVal(i)));
                    wk.Op(CDAOEFSet::opUpdate);
                    if (errors.Any())
                        break;
                    ++added;
                }
                // The commit decides: when it fails, none of this
                // transaction's workouts is stored and all stay queued.
                if (!store->unlock())
                    break;
                queue_.erase(queue_.begin(), queue_.begin() + static_cast<long>(done));
                written += added;
                Rewrite();
            }
            wk.Op(CDAOEFSet::opClose);
            if (file)
                store->exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
        }
        failed = errors.Any();
        reason = errors.FirstReason();
    }
    if (!failed || queue_.empty()) {
        reported_ = false;
        return written;
    }
    // One message while the store keeps refusing; the idle flush tries again.
    if (!reported_) {
        vantora::notice::show(
            vantora::insert("Error: %1 workout(s) could not be written to the Workouts table: "
                            "%2\nThey are kept and will be written later.",
                            {static_cast<long>(queue_.size()), reason}),
            vantora::notice::Icon::Exclamation);
        reported_ = true;
    }
    return written;
}

int CWorkoutQueue::Recover() {
    if (journal_.empty())
        return 0;
    std::ifstream in(journal_);
    if (!in)
        return 0;
    int n = 0;
    for (std::string line; std::getline(in, line);) {
        CWorkout w;
        if (FromLine(line, w)) {
            queue_.push_back(w);
            ++n;
        }
    }
    return n;
}
