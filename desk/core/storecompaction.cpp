#include "desk/core/storecompaction.h"

#include "db/connection.h"
#include "db/daocenter.h"
#include "db/daochkin.h"
#include "db/daomem.h"
#include "db/daoreport.h"
#include "desk/core/deskapplication.h"
#include "desk/core/deskdocument.h"
#include "desk/core/progress.h"
#include "util/facilitylocation.h"
#include "util/format.h"
#include "util/notice.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <filesystem>
#include <system_error>

using namespace vantora;
namespace fs = std::filesystem;

namespace {

constexpr const char* SideSuffixes[] = {"-wal", "-shm", "-journal"};

// A connection of its own to one file, closed and removed when it ends.
class RawConnection {
public:
    RawConnection(const std::string& path, int busyMs, bool readOnly)
        : name_(QStringLiteral("vantora-compaction")) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(QString::fromStdString(path));
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyMs);
        if (readOnly)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
        open_ = db.open();
        if (!open_)
            error_ = db.lastError().text().toStdString();
    }
    ~RawConnection() {
        {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    // Runs one statement; its first value, or nothing after an error.
    bool Exec(const QString& sql, QString* value = nullptr) {
        if (!open_)
            return false;
        QSqlQuery q(QSqlDatabase::database(name_, false));
        if (!q.exec(sql)) {
            error_ = q.lastError().databaseText().toStdString();
            return false;
        }
        if (value != nullptr && q.next())
            *value = q.value(0).toString();
        return true;
    }
    const std::string& Error() const { return error_; }

private:
    QString name_;
    bool open_ = false;
    std::string error_;
};

void RemoveWithSides(const std::string& path) {
    std::error_code ec;
    fs::remove(path, ec);
    for (const char* side : SideSuffixes)
        fs::remove(path + side, ec);
}

// Moves the file and whichever side files it has; false when the file
// itself could not be moved.
bool MoveWithSides(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec)
        return false;
    for (const char* side : SideSuffixes) {
        if (fs::exists(from + side, ec))
            fs::rename(from + side, to + side, ec);
    }
    return true;
}

} // namespace

std::vector<std::string> CStoreCompaction::StoreFiles() const {
    CDAOChkIn checkIns;
    CDAOReport reports;
    CDAOCenter center;
    CDAOMem members;
    return {checkIns.GetDefaultDBName(), reports.GetDefaultDBName(), center.GetDefaultDBName(),
            members.GetDefaultDBName()};
}

std::string CStoreCompaction::OldName(const std::string& path) {
    const std::string mdb = ".mdb";
    if (path.size() >= mdb.size() && path.compare(path.size() - mdb.size(), mdb.size(), mdb) == 0)
        return path.substr(0, path.size() - mdb.size()) + ".old";
    return path + ".old";
}

bool CStoreCompaction::OnServer() {
    const FacilityLocation location = FacilityLocation::current();
    if (!location.onServer())
        return false;
    notice::show(insert(MsgOnServer, {location.shownStores()}), notice::Icon::Information);
    return true;
}

bool CStoreCompaction::CompactDatabase() {
    if (OnServer())
        return false;
    if (notice::ask(MsgQuestion, notice::Buttons::OkCancel, notice::Icon::Exclamation) !=
        notice::Answer::Ok)
        return false;
    doc_.Progress().Wait("Compacting database, please wait...");
    const bool done = CompactStores();
    doc_.Progress().EndWait();
    if (done)
        notice::show(MsgDone);
    return done;
}

bool CStoreCompaction::TakeOver(const std::string& path, int waitMs, std::string& why) {
    if (!db::closeStore(path)) {
        why = "this program still uses it";
        return false;
    }
    RawConnection connection(path, waitMs, false);
    QString mode;
    // Leaving write-ahead logging needs the file to itself: it fails while
    // any other connection is open, and it checkpoints the log into the file.
    if (!connection.Exec(QStringLiteral("PRAGMA journal_mode = DELETE"), &mode) ||
        mode.compare(QStringLiteral("delete"), Qt::CaseInsensitive) != 0) {
        why = connection.Error();
        return false;
    }
    return true;
}

bool CStoreCompaction::CompactStores() {
    if (OnServer())
        return false;
    const std::vector<std::string> stores = StoreFiles();
    for (const std::string& path : stores) {
        if (path.empty())
            return false; // the missing folder variable was reported
    }
    if (app_ != nullptr)
        app_->StopReportServer();
    // Everything is checked before anything changes; the report server gets
    // a few seconds to let go of its store.
    for (const std::string& path : stores) {
        std::string why;
        if (!TakeOver(path, 5000, why)) {
            notice::show(insert(MsgInUse, {path}), notice::Icon::Exclamation);
            return false;
        }
    }
    {
        CDAOChkIn checkIns;
        if (checkIns.FindChkIns() > 0 || checkIns.CountSet() > 0)
            checkIns.DelAll();
        checkIns.Op(CDAOEFSet::opClose);
        CDAOReport reports;
        if (reports.FindReports() > 0 || reports.CountSet() > 0)
            reports.DelAll();
        reports.Op(CDAOEFSet::opClose);
    }
    bool all = true;
    for (const std::string& path : stores)
        all = CompactOne(path) && all;
    return all;
}

bool CStoreCompaction::CompactOne(const std::string& path) {
    std::string why;
    if (!TakeOver(path, 0, why)) {
        notice::show(insert(MsgInUse, {path}), notice::Icon::Exclamation);
        return false;
    }
    const std::string old = OldName(path);
    RemoveWithSides(old);
    if (!MoveWithSides(path, old))
        return true; // left uncompacted, as it was
    std::string failure;
    {
        RawConnection source(old, 0, true);
        QString target = QString::fromStdString(path);
        target.replace(QLatin1Char('\''), QStringLiteral("''"));
        if (!source.Exec(QStringLiteral("VACUUM INTO '%1'").arg(target)))
            failure = source.Error();
    }
    if (failure.empty()) {
        RawConnection fresh(path, 0, false);
        if (!fresh.Exec(QStringLiteral("PRAGMA journal_mode = WAL")))
            failure = fresh.Error();
    }
    if (!failure.empty()) {
        // The previous file goes back under its name, whole.
        RemoveWithSides(path);
        MoveWithSides(old, path);
        notice::show(insert(MsgFailed, {path, failure}), notice::Icon::Exclamation);
        return false;
    }
    return true;
}
