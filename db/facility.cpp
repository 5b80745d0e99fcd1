#include "db/facility.h"

#include "db/connection.h"
#include "db/schema.h"
#include "db/serverconnection.h"
#include "util/facilitylocation.h"
#include "util/format.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <atomic>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace vantora::db::facility {

namespace fs = std::filesystem;

namespace {

using Row = std::vector<std::pair<const char*, QVariant>>;

struct Fill {
    const char* table;
    std::vector<Row> rows;
};

// Colours are red + 256 * green + 65536 * blue. Each default has equal red
// and blue parts, so it reads the same in either byte order.
constexpr long long darkGreen = 0x006400;
constexpr long long black = 0x000000;
constexpr long long darkGrey = 0x404040;
constexpr long long paleGreen = 0xE0F5E0;
constexpr long long green = 0x3CB43C;

// Bits of the defaults record's flags.
constexpr long long defOrientationBonus = 32;
constexpr long long defCurrentMember = 128;
constexpr long long defBlinkMessages = 256;
constexpr long long defRecordDetails = 512;

QVariant text(const char* s) {
    return QVariant(QString::fromUtf8(s));
}
QVariant text(const std::string& s) {
    return QVariant(QString::fromStdString(s));
}
QVariant number(long long v) {
    return QVariant(v);
}

std::vector<Fill> centerRows(const Settings& settings) {
    std::vector<Fill> fills;
    fills.push_back({"Center",
                     {{{"Name", text(settings.name)},
                       {"Addr0", text("")},
                       {"Addr1", text("")},
                       {"City", text("")},
                       {"St", text("")},
                       {"Zip", text("")},
                       {"Phone", text("")},
                       {"Email", text("")},
                       {"Web", text("")},
                       {"Password", text(settings.password)},
                       {"WkMinMin", number(30)},
                       {"WkMinCirc", number(2)}}}});
    fills.push_back({"Bonuses",
                     {{{"OrientBonWk", number(1)},
                       {"OrientBonMin", number(30)},
                       {"ReEvalBonWk", number(1)},
                       {"ReEvalBonMin", number(30)},
                       {"OtherBonWk", number(1)},
                       {"OtherBonMin", number(15)}}}});
    fills.push_back({"Defaults",
                     {{{"DefExpDate", number(4)},
                       {"DefEnrollPer", number(2)}, // fall
                       {"DefGrdStat", number(0)},   // grade
                       {"DefReEvalBon", number(0)},
                       {"DefOtherBon", number(0)},
                       {"DefFlags", number(defOrientationBonus | defCurrentMember |
                                           defBlinkMessages | defRecordDetails)}}}});
    fills.push_back({"BarcodeTouch",
                     {{{"CodeLen", number(6)},
                       {"CodeMeth", number(1)}, // touch screen
                       {"Msg0", text("Enter the circuits and each option you did,")},
                       {"Msg1", text("pressing Enter after each value.")},
                       {"Msg2", text("Enter 0 for an option you did not do.")},
                       {"MsgTime", number(5)},
                       {"NoChkInWkMin", number(30)},
                       {"LgTxtClr", number(darkGreen)},
                       {"MedTxtClr", number(black)},
                       {"SmTxtClr", number(darkGrey)},
                       {"PrimFrmClr", number(paleGreen)},
                       {"SecFrmClr", number(green)}}}});

    static constexpr std::pair<const char*, const char*> options[] = {
        {"Circuit", "Circ"},
        {"Treadmill (min)", "Trd"},
        {"Stationary Bike (min)", "Bike"},
        {"Rowing Machine (min)", "Row"},
        {"Stair Climber (min)", "Stpr"},
        {"Elliptical (min)", "Ellp"},
        {"Free Weights (min)", "FrWt"},
        {"Stretching (min)", "Strc"},
        {"Abdominal Crunches", "Abs"},
        {"Push-Ups", "PshU"},
        {"Walking Track (laps)", "Walk"},
        {"Swimming (laps)", "Swim"},
        {"Aerobics Class (min)", "Aero"},
    };
    Fill stations{"Stations", {}};
    for (const auto& [name, abbr] : options)
        stations.rows.push_back({{"StnName", text(name)}, {"StnAbbr", text(abbr)}});
    fills.push_back(std::move(stations));

    fills.push_back({"Categories", {{{"CatID", number(1)}, {"Cat", text("FIT")}}}});
    fills.push_back(
        {"Courses", {{{"CourID", number(1)}, {"CatID", number(1)}, {"Cour", text("FIT 101")}}}});
    fills.push_back({"Sections", {{{"CourID", number(1)}, {"Sec", text("01")}}}});
    return fills;
}

std::string insertRows(QSqlDatabase& db, const Fill& fill) {
    for (const Row& row : fill.rows) {
        QString columns;
        QString values;
        for (const auto& [name, value] : row) {
            if (!columns.isEmpty()) {
                columns += QStringLiteral(", ");
                values += QStringLiteral(", ");
            }
            columns += QStringLiteral("\"%1\"").arg(QString::fromLatin1(name));
            values += QStringLiteral(":%1").arg(QString::fromLatin1(name));
        }
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                          .arg(QString::fromLatin1(fill.table), columns, values));
        for (const auto& [name, value] : row)
            query.bindValue(QStringLiteral(":%1").arg(QString::fromLatin1(name)), value);
        if (!query.exec())
            return insert("Error: cannot fill the table %1 (%2)",
                          {fill.table, query.lastError().text().toStdString()});
    }
    return {};
}

// Writes one store file; the connection is removed before returning.
std::string writeStore(const fs::path& file, schema::Store store, const std::vector<Fill>& fills) {
    static std::atomic<int> serial{0};
    const QString connection = QStringLiteral("vantora-facility-create-%1").arg(++serial);
    std::string error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QString::fromStdString(file.string()));
        if (!db.open()) {
            error = insert("Error: cannot create %1 (%2)",
                           {file.string(), db.lastError().text().toStdString()});
        } else {
            // Born in write-ahead logging, the mode every program uses, so
            // that no program has to switch it later while others write.
            QSqlQuery wal(db);
            if (!wal.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !wal.next() ||
                wal.value(0).toString() != QStringLiteral("wal"))
                error = insert("Error: cannot create %1 (%2)",
                               {file.string(), "write-ahead logging is not available"});
            wal.finish();
            if (error.empty())
                error = schema::create(db, store);
            if (error.empty() && !fills.empty()) {
                if (!db.transaction()) {
                    error = insert("Error: cannot write %1 (%2)",
                                   {file.string(), db.lastError().text().toStdString()});
                }
                for (const Fill& fill : fills) {
                    if (error.empty())
                        error = insertRows(db, fill);
                }
                if (error.empty() && !db.commit())
                    error = insert("Error: cannot write %1 (%2)",
                                   {file.string(), db.lastError().text().toStdString()});
                if (!error.empty())
                    db.rollback();
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return error;
}

bool hasControlCharacter(const std::string& s) {
    for (unsigned char ch : s) {
        if (ch < 0x20 || ch == 0x7F)
            return true;
    }
    return false;
}

} // namespace

std::string check(const Settings& settings) {
    const int nameLimit = schema::textLimit("Center", "Name");
    const int passwordLimit = schema::textLimit("Center", "Password");
    if (settings.name.empty() || schema::textLength(settings.name) > nameLimit)
        return insert("Error: the facility name must have 1 to %1 characters", {nameLimit});
    if (hasControlCharacter(settings.name))
        return "Error: the facility name cannot hold line breaks or control characters";
    if (settings.password.empty() || schema::textLength(settings.password) > passwordLimit)
        return insert("Error: the password must have 1 to %1 characters", {passwordLimit});
    if (hasControlCharacter(settings.password))
        return "Error: the password cannot hold line breaks or control characters";
    return {};
}

bool exists(const std::string& folder) {
    for (schema::Store store : schema::stores) {
        std::error_code ec;
        if (fs::exists(fs::path(folder) / schema::fileName(store), ec))
            return true;
    }
    return false;
}

namespace {

// Creates the four stores as tables of the database a URI names, all in one
// transaction: a failure leaves the database as it was.
std::string createOnServer(const std::string& uri, const Settings& settings) {
    static std::atomic<int> serial{0};
    const QString connection = QStringLiteral("vantora-facility-server-%1").arg(++serial);
    const std::string shown = FacilityLocation::withoutPassword(uri);
    std::string error;
    {
        const server::Opened opened = server::open(connection, uri);
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        if (opened.unreachable)
            error = insert("Error: the database server of %1 cannot be reached (%2)",
                           {shown, opened.error});
        else
            error = opened.error;
        if (error.empty() && !db.transaction())
            error = insert("Error: cannot write to %1 (%2)", {shown, errorText(db.lastError())});
        if (error.empty()) {
            for (schema::Store store : schema::stores) {
                if (error.empty())
                    error = schema::createTables(db, store);
            }
            for (const Fill& fill : centerRows(settings)) {
                if (error.empty())
                    error = insertRows(db, fill);
            }
            if (error.empty() && !db.commit())
                error =
                    insert("Error: cannot write to %1 (%2)", {shown, errorText(db.lastError())});
            if (!error.empty())
                db.rollback();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return error;
}

} // namespace

std::string create(const std::string& folder, const Settings& settings) {
    if (std::string error = check(settings); !error.empty())
        return error;
    if (folder.empty())
        return "Error: no facility folder given";
    if (FacilityLocation::isServerUri(folder))
        return createOnServer(folder, settings);

    const fs::path path(folder);
    std::error_code ec;
    if (fs::exists(path, ec)) {
        if (!fs::is_directory(path, ec))
            return insert("Error: %1 is not a folder", {folder});
    } else if (!fs::create_directories(path, ec) && ec) {
        return insert("Error: cannot create the folder %1 (%2)", {folder, ec.message()});
    }
    if (exists(folder))
        return insert("Error: %1 already holds a facility; it is not overwritten", {folder});

    const std::vector<Fill> centerFills = centerRows(settings);
    for (schema::Store store : schema::stores) {
        const std::string error =
            writeStore(path / schema::fileName(store), store,
                       store == schema::Store::Center ? centerFills : std::vector<Fill>{});
        if (!error.empty()) {
            remove(folder);
            return error;
        }
    }
    return {};
}

void remove(const std::string& folder) {
    for (schema::Store store : schema::stores) {
        const fs::path file = fs::path(folder) / schema::fileName(store);
        std::error_code ec;
        for (const char* suffix : {"", "-journal", "-wal", "-shm"})
            fs::remove(fs::path(file.string() + suffix), ec);
    }
}

} // namespace vantora::db::facility
