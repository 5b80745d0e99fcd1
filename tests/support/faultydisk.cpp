#include "support/faultydisk.h"

#include <sqlite3.h>

#include <cstring>
#include <mutex>
#include <new>
#include <stdexcept>

namespace vantora::test {

namespace {

enum class Mode { Off, Write, Commit };

// The disk's state, shared by every connection of the process.
struct State {
    std::mutex mutex;
    Mode mode = Mode::Off;
    std::string file;
    long target = 0;
    long writes = 0;
    long commits = 0;
    bool tripped = false;
};

State& state() {
    static State s;
    return s;
}

sqlite3_vfs* g_real = nullptr;

struct ShimFile {
    sqlite3_file base;
    sqlite3_file* real;
    const char* name; // valid until xClose
    bool wal;
};

sqlite3_file* realOf(sqlite3_file* f) {
    return reinterpret_cast<ShimFile*>(f)->real;
}

// In write-ahead logging, a frame header is a 24-byte write; its second
// big-endian word (the database size after the commit) is set only on the
// last frame of a transaction.
bool isCommitFrame(const ShimFile& f, const void* data, int amount) {
    if (!f.wal || amount != 24)
        return false;
    const auto* b = static_cast<const unsigned char*>(data);
    return (b[4] | b[5] | b[6] | b[7]) != 0;
}

int shimWrite(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
    const auto& f = *reinterpret_cast<ShimFile*>(file);
    {
        State& s = state();
        std::lock_guard<std::mutex> lock(s.mutex);
        const bool matches = s.mode != Mode::Off &&
                             (s.file.empty() || (f.name && std::strstr(f.name, s.file.c_str())));
        if (matches) {
            if (s.tripped)
                return SQLITE_FULL;
            ++s.writes;
            const bool commit = isCommitFrame(f, data, amount);
            if (commit)
                ++s.commits;
            if ((s.mode == Mode::Write && s.writes == s.target) ||
                (s.mode == Mode::Commit && commit && s.commits == s.target)) {
                s.tripped = true;
                return SQLITE_FULL;
            }
        }
    }
    return f.real->pMethods->xWrite(f.real, data, amount, offset);
}

int shimClose(sqlite3_file* file) {
    sqlite3_file* real = realOf(file);
    const int rc = real->pMethods ? real->pMethods->xClose(real) : SQLITE_OK;
    file->pMethods = nullptr;
    return rc;
}

int shimRead(sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
    return realOf(f)->pMethods->xRead(realOf(f), data, amount, offset);
}
int shimTruncate(sqlite3_file* f, sqlite3_int64 size) {
    return realOf(f)->pMethods->xTruncate(realOf(f), size);
}
int shimSync(sqlite3_file* f, int flags) {
    return realOf(f)->pMethods->xSync(realOf(f), flags);
}
int shimFileSize(sqlite3_file* f, sqlite3_int64* size) {
    return realOf(f)->pMethods->xFileSize(realOf(f), size);
}
int shimLock(sqlite3_file* f, int level) {
    return realOf(f)->pMethods->xLock(realOf(f), level);
}
int shimUnlock(sqlite3_file* f, int level) {
    return realOf(f)->pMethods->xUnlock(realOf(f), level);
}
int shimCheckReservedLock(sqlite3_file* f, int* out) {
    return realOf(f)->pMethods->xCheckReservedLock(realOf(f), out);
}
int shimFileControl(sqlite3_file* f, int op, void* arg) {
    return realOf(f)->pMethods->xFileControl(realOf(f), op, arg);
}
int shimSectorSize(sqlite3_file* f) {
    return realOf(f)->pMethods->xSectorSize(realOf(f));
}
int shimDeviceCharacteristics(sqlite3_file* f) {
    return realOf(f)->pMethods->xDeviceCharacteristics(realOf(f));
}
int shimShmMap(sqlite3_file* f, int region, int size, int extend, void volatile** out) {
    return realOf(f)->pMethods->xShmMap(realOf(f), region, size, extend, out);
}
int shimShmLock(sqlite3_file* f, int offset, int n, int flags) {
    return realOf(f)->pMethods->xShmLock(realOf(f), offset, n, flags);
}
void shimShmBarrier(sqlite3_file* f) {
    realOf(f)->pMethods->xShmBarrier(realOf(f));
}
int shimShmUnmap(sqlite3_file* f, int deleteFlag) {
    return realOf(f)->pMethods->xShmUnmap(realOf(f), deleteFlag);
}

// Methods of the version the real file offers; memory mapping is left out
// so that every write goes through xWrite.
sqlite3_io_methods makeMethods(int version) {
    sqlite3_io_methods m{};
    m.iVersion = version < 2 ? version : 2;
    m.xClose = shimClose;
    m.xRead = shimRead;
    m.xWrite = shimWrite;
    m.xTruncate = shimTruncate;
    m.xSync = shimSync;
    m.xFileSize = shimFileSize;
    m.xLock = shimLock;
    m.xUnlock = shimUnlock;
    m.xCheckReservedLock = shimCheckReservedLock;
    m.xFileControl = shimFileControl;
    m.xSectorSize = shimSectorSize;
    m.xDeviceCharacteristics = shimDeviceCharacteristics;
    if (version >= 2) {
        m.xShmMap = shimShmMap;
        m.xShmLock = shimShmLock;
        m.xShmBarrier = shimShmBarrier;
        m.xShmUnmap = shimShmUnmap;
    }
    return m;
}

sqlite3_io_methods g_methods1 = makeMethods(1);
sqlite3_io_methods g_methods2 = makeMethods(2);

constexpr int realOffset() {
    return static_cast<int>((sizeof(ShimFile) + 7) & ~static_cast<std::size_t>(7));
}

int shimOpen(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    auto* f = reinterpret_cast<ShimFile*>(file);
    f->base.pMethods = nullptr;
    f->real = reinterpret_cast<sqlite3_file*>(reinterpret_cast<char*>(file) + realOffset());
    f->name = name;
    f->wal = (flags & SQLITE_OPEN_WAL) != 0;
    const int rc = g_real->xOpen(g_real, name, f->real, flags, outFlags);
    if (f->real->pMethods)
        f->base.pMethods = f->real->pMethods->iVersion >= 2 ? &g_methods2 : &g_methods1;
    return rc;
}

int shimDelete(sqlite3_vfs*, const char* name, int syncDir) {
    return g_real->xDelete(g_real, name, syncDir);
}
int shimAccess(sqlite3_vfs*, const char* name, int flags, int* out) {
    return g_real->xAccess(g_real, name, flags, out);
}
int shimFullPathname(sqlite3_vfs*, const char* name, int n, char* out) {
    return g_real->xFullPathname(g_real, name, n, out);
}
void* shimDlOpen(sqlite3_vfs*, const char* name) {
    return g_real->xDlOpen(g_real, name);
}
void shimDlError(sqlite3_vfs*, int n, char* out) {
    g_real->xDlError(g_real, n, out);
}
void (*shimDlSym(sqlite3_vfs*, void* handle, const char* symbol))(void) {
    return g_real->xDlSym(g_real, handle, symbol);
}
void shimDlClose(sqlite3_vfs*, void* handle) {
    g_real->xDlClose(g_real, handle);
}
int shimRandomness(sqlite3_vfs*, int n, char* out) {
    return g_real->xRandomness(g_real, n, out);
}
int shimSleep(sqlite3_vfs*, int microseconds) {
    return g_real->xSleep(g_real, microseconds);
}
int shimCurrentTime(sqlite3_vfs*, double* out) {
    return g_real->xCurrentTime(g_real, out);
}
int shimGetLastError(sqlite3_vfs*, int n, char* out) {
    return g_real->xGetLastError ? g_real->xGetLastError(g_real, n, out) : 0;
}
int shimCurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* out) {
    return g_real->xCurrentTimeInt64(g_real, out);
}

sqlite3_vfs g_shim{};

void install() {
    static std::once_flag once;
    std::call_once(once, [] {
        sqlite3_initialize();
        g_real = sqlite3_vfs_find(nullptr);
        if (!g_real)
            throw std::runtime_error("SQLite has no default file system");
        g_shim.iVersion = g_real->iVersion >= 2 ? 2 : 1;
        g_shim.szOsFile = realOffset() + g_real->szOsFile;
        g_shim.mxPathname = g_real->mxPathname;
        g_shim.zName = "vantora-faulty-disk";
        g_shim.xOpen = shimOpen;
        g_shim.xDelete = shimDelete;
        g_shim.xAccess = shimAccess;
        g_shim.xFullPathname = shimFullPathname;
        g_shim.xDlOpen = shimDlOpen;
        g_shim.xDlError = shimDlError;
        g_shim.xDlSym = shimDlSym;
        g_shim.xDlClose = shimDlClose;
        g_shim.xRandomness = shimRandomness;
        g_shim.xSleep = shimSleep;
        g_shim.xCurrentTime = shimCurrentTime;
        g_shim.xGetLastError = shimGetLastError;
        if (g_shim.iVersion >= 2)
            g_shim.xCurrentTimeInt64 = shimCurrentTimeInt64;
        if (sqlite3_vfs_register(&g_shim, 1) != SQLITE_OK)
            throw std::runtime_error("cannot register the faulty disk with SQLite");
    });
}

void arm(Mode mode, const std::string& file, long n) {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.mode = mode;
    s.file = file;
    s.target = n;
    s.writes = 0;
    s.commits = 0;
    s.tripped = false;
}

} // namespace

FaultyDisk::FaultyDisk() {
    install();
    Heal();
}

FaultyDisk::~FaultyDisk() {
    Heal();
}

void FaultyDisk::FailWrite(const std::string& file, long n) {
    arm(Mode::Write, file, n);
}

void FaultyDisk::FailCommit(const std::string& file, long n) {
    arm(Mode::Commit, file, n);
}

void FaultyDisk::Heal() {
    arm(Mode::Off, std::string(), 0);
}

bool FaultyDisk::Tripped() const {
    std::lock_guard<std::mutex> lock(state().mutex);
    return state().tripped;
}

long FaultyDisk::Writes() const {
    std::lock_guard<std::mutex> lock(state().mutex);
    return state().writes;
}

long FaultyDisk::Commits() const {
    std::lock_guard<std::mutex> lock(state().mutex);
    return state().commits;
}

} // namespace vantora::test
