#include "db/schema.h"

#include "util/format.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <cctype>

namespace vantora::db::schema {

namespace {

using K = Kind;

// Text limits: where a restore reads a field with a fixed limit, the column
// holds that many characters, so every file the restore accepts fits; the
// other limits are those of the entry fields that write the column.

constexpr Column membersCols[] = {
    {"MemberID", K::Long},         {"Barcode", K::Long},      {"FirstName", K::Text, 13},
    {"MiddleInitial", K::Text, 2}, {"LastName", K::Text, 21}, {"MemberStatus", K::Byte},
};
constexpr Index membersIdx[] = {
    {"ixMembersMemberID", "MemberID"},
    {"ixMembersBarcode", "Barcode"},
    {"ixMembersLastName", "LastName"},
    {"ixMembersStatus", "MemberStatus, LastName"},
};

constexpr Column enrollmentsCols[] = {
    {"MemberID", K::Long},         {"EnrollmentDate", K::DateTime}, {"ExpirationDate", K::DateTime},
    {"EnrollmentPeriod", K::Byte}, {"IncentiveClub", K::Byte},
};
constexpr Index enrollmentsIdx[] = {{"ixEnrollmentsMemberID", "MemberID"}};

constexpr Column profilesCols[] = {
    {"MemberID", K::Long},
    {"Address", K::Text, 29},
    {"City", K::Text, 18},
    {"State", K::Text, 3},
    {"Zip", K::Text, 11},
    {"Phone", K::Text, 15},
    {"Email", K::Text, 33},
    {"EmerContactName", K::Text, 33},
    {"EmerContactPhone", K::Text, 15},
    {"FamilyPhysician", K::Text, 33},
    {"SignedRelease", K::Byte},
    {"Employee", K::Byte},
    {"Birthday", K::DateTime},
    {"Sex", K::Byte},
    {"Goals", K::Long},
    {"MedHistory", K::Long},
};
constexpr Index profilesIdx[] = {{"ixProfilesMemberID", "MemberID"}};

constexpr Column classesCols[] = {
    {"MemberID", K::Long},          {"ClassIndx", K::Byte},          {"Category", K::Text, 29},
    {"Course", K::Text, 29},        {"Section", K::Text, 29},        {"GradeStatus", K::Byte},
    {"OrientationBonus", K::Short}, {"ReEvaluationBonus", K::Short}, {"OtherBonus", K::Short},
};
constexpr Index classesIdx[] = {
    {"ixClassesMember", "MemberID, ClassIndx"},
    {"ixClassesClass", "Category, Course, Section"},
};

constexpr Column workoutsCols[] = {
    {"MemberID", K::Long},    {"WorkoutOK", K::Byte},    {"ClassIndx", K::Byte},
    {"CheckIn", K::DateTime}, {"CheckOut", K::DateTime}, {"Station00", K::Short},
    {"Station01", K::Short},  {"Station02", K::Short},   {"Station03", K::Short},
    {"Station04", K::Short},  {"Station05", K::Short},   {"Station06", K::Short},
    {"Station07", K::Short},  {"Station08", K::Short},   {"Station09", K::Short},
    {"Station10", K::Short},  {"Station11", K::Short},   {"Station12", K::Short},
};
constexpr Index workoutsIdx[] = {
    {"ixWorkoutsMemberCheckIn", "MemberID, CheckIn"},
    {"ixWorkoutsMemberClass", "MemberID, ClassIndx"},
    {"ixWorkoutsCheckIn", "CheckIn"},
    {"ixWorkoutsClass", "ClassIndx"},
};

constexpr Column evaluationsCols[] = {
    {"EvaluationID", K::Long},
    {"MemberID", K::Long},
    {"EvaluationDate", K::DateTime},
    {"ClassIndx", K::Byte},
    {"Height", K::Double},
    {"Weight", K::Double},
    {"ActivityLevel", K::Byte},
    {"RestingHR", K::Long},
    {"RestingBPSystolic", K::Long},
    {"RestingBPDiastolic", K::Long},
    {"TrunkFlex", K::Double},
    {"SitUp", K::Long},
    {"Ab", K::Long},
    {"Step", K::Long},
    {"Run", K::Long},
    {"PulseRecovery", K::Long},
};
constexpr Index evaluationsIdx[] = {
    {"ixEvaluationsID", "EvaluationID"},
    {"ixEvaluationsMemberDate", "MemberID, EvaluationDate"},
    {"ixEvaluationsMemberClass", "MemberID, ClassIndx"},
};

constexpr Column evalBodyCompsCols[] = {
    {"EvaluationID", K::Long},    {"FatPercent", K::Double},    {"ThighSkinFold", K::Double},
    {"ChestSkinFold", K::Double}, {"AbSkinFold", K::Double},    {"TricepSkinFold", K::Double},
    {"SupraSkinFold", K::Double}, {"MidaxSkinFold", K::Double}, {"SubscapSkinFold", K::Double},
};
constexpr Index evalBodyCompsIdx[] = {{"ixEvalBodyCompsID", "EvaluationID"}};

constexpr Column circuitCols[] = {
    {"EvaluationID", K::Long}, {"Station00", K::Double}, {"Station01", K::Double},
    {"Station02", K::Double},  {"Station03", K::Double}, {"Station04", K::Double},
    {"Station05", K::Double},  {"Station06", K::Double}, {"Station07", K::Double},
    {"Station08", K::Double},  {"Station09", K::Double}, {"Station10", K::Double},
    {"Station11", K::Double},  {"Station12", K::Double}, {"Station13", K::Double},
    {"Station14", K::Double},  {"Station15", K::Double}, {"Station16", K::Double},
    {"Station17", K::Double},  {"Station18", K::Double}, {"Station19", K::Double},
    {"Station20", K::Double},  {"Station21", K::Double}, {"Station22", K::Double},
    {"Station23", K::Double},
};
constexpr Index circuitIdx[] = {{"ixCircuitID", "EvaluationID"}};

constexpr Column bodyCompsCols[] = {
    {"MemberID", K::Long},
    {"BodyCompDate", K::DateTime},
    {"ClassIndx", K::Byte},
    {"Height", K::Double},
    {"Weight", K::Double},
    {"ActivityLevel", K::Byte},
    {"Method", K::Byte},
    {"FatPercent", K::Double},
    {"Waist", K::Double},
    {"Wrist", K::Double},
    {"Hip", K::Double},
    {"ThighSkinFold", K::Double},
    {"ChestSkinFold", K::Double},
    {"AbSkinFold", K::Double},
    {"TricepSkinFold", K::Double},
    {"SupraSkinFold", K::Double},
    {"MidaxSkinFold", K::Double},
    {"SubscapSkinFold", K::Double},
    {"WaterTemp", K::Double},
    {"WetWeight", K::Double},
    {"TareWeight", K::Double},
    {"Flags", K::Long},
};
constexpr Index bodyCompsIdx[] = {
    {"ixBodyCompsMemberDate", "MemberID, BodyCompDate"},
    {"ixBodyCompsMemberClass", "MemberID, ClassIndx"},
    {"ixBodyCompsDate", "BodyCompDate"},
};

constexpr Column messagesCols[] = {{"MemberID", K::Long}, {"Msg", K::Text, 200}};
constexpr Index messagesIdx[] = {{"ixMessagesMemberID", "MemberID"}};

constexpr Column centerCols[] = {
    {"Name", K::Text, 48}, {"Addr0", K::Text, 28},   {"Addr1", K::Text, 28}, {"City", K::Text, 16},
    {"St", K::Text, 3},    {"Zip", K::Text, 10},     {"Phone", K::Text, 14}, {"Email", K::Text, 32},
    {"Web", K::Text, 48},  {"Password", K::Text, 8}, {"WkMinMin", K::Short}, {"WkMinCirc", K::Byte},
};

constexpr Column bonusesCols[] = {
    {"OrientBonWk", K::Byte},   {"OrientBonMin", K::Short}, {"ReEvalBonWk", K::Byte},
    {"ReEvalBonMin", K::Short}, {"OtherBonWk", K::Byte},    {"OtherBonMin", K::Short},
};

constexpr Column categoriesCols[] = {{"CatID", K::Long}, {"Cat", K::Text, 4}};
constexpr Index categoriesIdx[] = {
    {"ixCategoriesID", "CatID"},
    {"ixCategoriesName", "Cat"},
};

constexpr Column coursesCols[] = {{"CourID", K::Long}, {"CatID", K::Long}, {"Cour", K::Text, 8}};
constexpr Index coursesIdx[] = {
    {"ixCoursesID", "CourID"},
    {"ixCoursesCategory", "CatID, Cour"},
};

constexpr Column sectionsCols[] = {{"CourID", K::Long}, {"Sec", K::Text, 4}};
constexpr Index sectionsIdx[] = {{"ixSectionsCourse", "CourID, Sec"}};

constexpr Column defaultsCols[] = {
    {"DefExpDate", K::Byte},   {"DefEnrollPer", K::Byte}, {"DefGrdStat", K::Byte},
    {"DefReEvalBon", K::Byte}, {"DefOtherBon", K::Byte},  {"DefFlags", K::Long},
};

constexpr Column stationsCols[] = {{"StnName", K::Text, 24}, {"StnAbbr", K::Text, 4}};

constexpr Column barcodeTouchCols[] = {
    {"CodeLen", K::Byte},       {"CodeMeth", K::Byte},   {"Msg0", K::Text, 48},
    {"Msg1", K::Text, 48},      {"Msg2", K::Text, 48},   {"MsgTime", K::Byte},
    {"NoChkInWkMin", K::Short}, {"LgTxtClr", K::Long},   {"MedTxtClr", K::Long},
    {"SmTxtClr", K::Long},      {"PrimFrmClr", K::Long}, {"SecFrmClr", K::Long},
};

constexpr Column chkInCols[] = {
    {"MemberID", K::Long},     {"Barcode", K::Long},     {"FirstName", K::Text, 13},
    {"LastName", K::Text, 21}, {"CheckIn", K::DateTime}, {"ClassIndx", K::Byte},
};
constexpr Index chkInIdx[] = {
    {"ixChkInMemberID", "MemberID"},
    {"ixChkInBarcode", "Barcode"},
    {"ixChkInCheckIn", "CheckIn"},
};

constexpr Column reportsCols[] = {
    {"ltype", K::Long},    {"lid", K::Long},      {"date0", K::DateTime}, {"date1", K::DateTime},
    {"str0", K::Text, 29}, {"str1", K::Text, 29}, {"str2", K::Text, 29},
};

const Table allTables[] = {
    {"Members", Store::Members, membersCols, membersIdx},
    {"Enrollments", Store::Members, enrollmentsCols, enrollmentsIdx},
    {"Profiles", Store::Members, profilesCols, profilesIdx},
    {"Classes", Store::Members, classesCols, classesIdx},
    {"Workouts", Store::Members, workoutsCols, workoutsIdx},
    {"Evaluations", Store::Members, evaluationsCols, evaluationsIdx},
    {"Circuit", Store::Members, circuitCols, circuitIdx},
    {"EvalBodyComps", Store::Members, evalBodyCompsCols, evalBodyCompsIdx},
    {"BodyComps", Store::Members, bodyCompsCols, bodyCompsIdx},
    {"Messages", Store::Members, messagesCols, messagesIdx},
    {"Center", Store::Center, centerCols, {}},
    {"Bonuses", Store::Center, bonusesCols, {}},
    {"Categories", Store::Center, categoriesCols, categoriesIdx},
    {"Courses", Store::Center, coursesCols, coursesIdx},
    {"Sections", Store::Center, sectionsCols, sectionsIdx},
    {"Defaults", Store::Center, defaultsCols, {}},
    {"Stations", Store::Center, stationsCols, {}},
    {"BarcodeTouch", Store::Center, barcodeTouchCols, {}},
    {"ChkIn", Store::ChkIn, chkInCols, chkInIdx},
    {"Reports", Store::Reports, reportsCols, {}},
};

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
std::string s(const QString& text) {
    return text.toStdString();
}

std::string quoted(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

std::string_view defaultValue(Kind kind) {
    switch (kind) {
    case Kind::Text:
        return "''";
    case Kind::Double:
    case Kind::DateTime:
        return "0.0";
    default:
        return "0";
    }
}

bool onServer(const QSqlDatabase& db) {
    return db.driverName() == QLatin1String("QPSQL");
}

// The server's types: 64-bit integers (the files' INTEGER), text compared
// byte by byte unless a statement asks for the caseless collation, and
// 8-byte floating point (the files' REAL).
std::string_view serverType(Kind kind) {
    switch (kind) {
    case Kind::Text:
        return "TEXT COLLATE \"C\"";
    case Kind::Double:
    case Kind::DateTime:
        return "DOUBLE PRECISION";
    default:
        return "BIGINT";
    }
}

std::string createTable(const Table& t, Engine engine) {
    const bool server = engine == Engine::Server;
    std::string sql = "CREATE TABLE " + quoted(t.name) + " (" + quoted(keyColumn) +
                      (server ? " BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"
                              : " INTEGER PRIMARY KEY AUTOINCREMENT");
    for (const Column& c : t.columns) {
        sql += ", " + quoted(c.name) + " " +
               std::string(server ? serverType(c.kind) : sqlType(c.kind)) + " DEFAULT " +
               std::string(defaultValue(c.kind));
    }
    return sql + ")";
}

std::string createIndex(const Table& t, const Index& ix, Engine engine) {
    std::string cols;
    std::string_view rest = ix.columns;
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        std::string_view one = rest.substr(0, comma);
        while (!one.empty() && one.front() == ' ')
            one.remove_prefix(1);
        while (!one.empty() && one.back() == ' ')
            one.remove_suffix(1);
        if (!cols.empty())
            cols += ", ";
        cols += quoted(one);
        // Text is looked up and sorted without regard to case.
        const Column* column = findColumn(t, one);
        if (engine == Engine::Server && column != nullptr && column->kind == Kind::Text)
            cols += std::string(" COLLATE ") + caselessCollation;
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    }
    // The server ends every index with the hidden key, the order of rows
    // that are equal otherwise, so that sorted lists read the index alone.
    if (engine == Engine::Server)
        cols += ", " + quoted(keyColumn);
    return "CREATE INDEX " + quoted(ix.name) + " ON " + quoted(t.name) + " (" + cols + ")";
}

bool equalNoCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string describe(const QSqlDatabase& db, Store store) {
    QString name = db.databaseName();
    // A file opened through an SQLite URI is named by its path.
    if (name.startsWith(QLatin1String("file:")))
        name = QUrl(name).toLocalFile();
    if (onServer(db))
        return insert("the store %1 in the server database %2", {fileName(store), s(name)});
    return name.isEmpty() ? std::string(fileName(store)) : s(name);
}

// The server's names of the file types.
std::string_view fileType(const QString& serverType) {
    if (serverType == QLatin1String("bigint"))
        return "INTEGER";
    if (serverType == QLatin1String("text"))
        return "TEXT";
    if (serverType == QLatin1String("double precision"))
        return "REAL";
    return "";
}

// Mark and version of a store on a server, from the table of stores; false
// with the server's text when it cannot be read, with 0 when the store has no
// row there.
bool serverMark(QSqlDatabase& db, Store store, long long& appId, long long& storeVersion,
                std::string& error) {
    QSqlQuery query(db);
    appId = 0;
    storeVersion = 0;
    if (!query.exec(q("SELECT to_regclass('" + std::string(storesTable) + "') IS NOT NULL")) ||
        !query.next()) {
        error = s(query.lastError().text());
        return false;
    }
    if (!query.value(0).toBool())
        return true;
    query.prepare(
        q("SELECT application_id, version FROM " + std::string(storesTable) + " WHERE store = ?"));
    query.addBindValue(q(fileName(store)));
    if (!query.exec()) {
        error = s(query.lastError().text());
        return false;
    }
    if (query.next()) {
        appId = query.value(0).toLongLong();
        storeVersion = query.value(1).toLongLong();
    }
    return true;
}

// Runs one pragma that returns a single integer; false with the engine's text
// when the file cannot be read.
bool pragmaValue(QSqlDatabase& db, const char* pragma, long long& value, std::string& error) {
    QSqlQuery query(db);
    if (!query.exec(QString::fromLatin1(pragma)) || !query.next()) {
        error = s(query.lastError().text());
        return false;
    }
    value = query.value(0).toLongLong();
    return true;
}

} // namespace

std::string_view fileName(Store store) {
    switch (store) {
    case Store::Members:
        return "members.mdb";
    case Store::Center:
        return "center.mdb";
    case Store::ChkIn:
        return "chkin.mdb";
    case Store::Reports:
        return "reports.mdb";
    }
    return {};
}

std::optional<Store> storeForFile(std::string_view name) {
    for (Store st : stores) {
        if (fileName(st) == name)
            return st;
    }
    return std::nullopt;
}

std::span<const Table> tables() {
    return allTables;
}

std::vector<const Table*> tables(Store store) {
    std::vector<const Table*> out;
    for (const Table& t : allTables) {
        if (t.store == store)
            out.push_back(&t);
    }
    return out;
}

const Table* findTable(std::string_view name) {
    if (name.size() >= 2 && name.front() == '[' && name.back() == ']')
        name = name.substr(1, name.size() - 2);
    for (const Table& t : allTables) {
        if (t.name == name)
            return &t;
    }
    return nullptr;
}

const Column* findColumn(const Table& table, std::string_view name) {
    for (const Column& c : table.columns) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

int textLimit(std::string_view table, std::string_view column) {
    const Table* t = findTable(table);
    const Column* c = t ? findColumn(*t, column) : nullptr;
    return c && c->kind == Kind::Text ? c->size : 0;
}

int textLength(std::string_view text) {
    int n = 0;
    for (char ch : text) {
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80)
            ++n;
    }
    return n;
}

std::string fitText(std::string_view text, int limit) {
    if (limit <= 0)
        return {};
    int chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && ++chars > limit)
            return std::string(text.substr(0, i));
    }
    return std::string(text);
}

std::string_view sqlType(Kind kind) {
    switch (kind) {
    case Kind::Text:
        return "TEXT";
    case Kind::Double:
    case Kind::DateTime:
        return "REAL";
    default:
        return "INTEGER";
    }
}

std::vector<std::string> statements(Store store, Engine engine) {
    std::vector<std::string> out;
    const auto list = tables(store);
    for (const Table* t : list)
        out.push_back(createTable(*t, engine));
    for (const Table* t : list) {
        for (const Index& ix : t->indexes)
            out.push_back(createIndex(*t, ix, engine));
    }
    return out;
}

std::string createTables(QSqlDatabase& db, Store store) {
    const std::string file = describe(db, store);
    if (!db.isOpen())
        return insert("Error: the store file %1 is not open", {file});
    const bool server = onServer(db);

    QSqlQuery query(db);
    std::vector<std::string> sql;
    if (server) {
        // The store's mark means a facility is there; any of its tables
        // without the mark, something else.
        long long appId = 0, storeVersion = 0;
        std::string why;
        if (!serverMark(db, store, appId, storeVersion, why))
            return insert("Error: cannot read %1 (%2)", {file, why});
        if (appId != 0)
            return insert("Error: %1 already holds a facility; it is not overwritten", {file});
        std::string names;
        for (const Table* t : tables(store))
            names += (names.empty() ? "'" : ", '") + quoted(t->name) + "'";
        if (!query.exec(q("SELECT count(*) FROM unnest(ARRAY[" + names +
                          "]) AS n WHERE to_regclass(n) IS NOT NULL")) ||
            !query.next())
            return insert("Error: cannot read %1 (%2)", {file, s(query.lastError().text())});
        if (query.value(0).toInt() != 0)
            return insert("Error: %1 already holds tables; it is not overwritten", {file});
        query.finish();
        sql.push_back(std::string("CREATE COLLATION IF NOT EXISTS ") + caselessCollation +
                      " (provider = icu, locale = 'und-u-ks-level2', deterministic = false)");
        sql.push_back("CREATE TABLE IF NOT EXISTS " + std::string(storesTable) +
                      " (store TEXT PRIMARY KEY, application_id BIGINT NOT NULL, version "
                      "INTEGER NOT NULL)");
    } else {
        if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next())
            return insert("Error: %1 is not a database file (%2)",
                          {file, s(query.lastError().text())});
        if (query.value(0).toInt() != 0)
            return insert("Error: %1 already holds tables; it is not overwritten", {file});
        query.finish();
    }

    for (std::string& statement : statements(store, server ? Engine::Server : Engine::File))
        sql.push_back(std::move(statement));
    if (server) {
        sql.push_back(
            insert("INSERT INTO %1 (store, application_id, version) VALUES ('%2', %3, %4)",
                   {std::string(storesTable), fileName(store), applicationId, version}));
    } else {
        sql.push_back(format("PRAGMA application_id = %i", {applicationId}));
        sql.push_back(format("PRAGMA user_version = %i", {version}));
    }
    for (const std::string& statement : sql) {
        if (!query.exec(q(statement))) {
            const std::string why = s(query.lastError().text());
            query.finish();
            return insert("Error: cannot create the tables of %1 (%2)", {file, why});
        }
    }
    query.finish();
    return {};
}

std::string create(QSqlDatabase& db, Store store) {
    const std::string file = describe(db, store);
    if (!db.isOpen())
        return insert("Error: the store file %1 is not open", {file});
    if (!db.transaction())
        return insert("Error: cannot write %1 (%2)", {file, s(db.lastError().text())});
    if (std::string error = createTables(db, store); !error.empty()) {
        db.rollback();
        return error;
    }
    if (!db.commit()) {
        const std::string why = s(db.lastError().text());
        db.rollback();
        return insert("Error: cannot write %1 (%2)", {file, why});
    }
    return {};
}

std::string verify(QSqlDatabase& db, Store store) {
    const std::string file = describe(db, store);
    if (!db.isOpen())
        return insert("Error: the store file %1 is not open", {file});

    long long appId = 0;
    long long fileVersion = 0;
    std::string why;
    const bool server = onServer(db);
    if (server ? !serverMark(db, store, appId, fileVersion, why)
               : !pragmaValue(db, "PRAGMA application_id", appId, why) ||
                     !pragmaValue(db, "PRAGMA user_version", fileVersion, why))
        return insert("Error: %1 is not a database file (%2)", {file, why});
    if (server && appId == 0)
        return insert("Error: %1 holds no facility (create one with vantora-setup --server)",
                      {file});
    if (appId != applicationId)
        return insert("Error: %1 is not a Vantora store file", {file});
    if (fileVersion > version)
        return insert("Error: %1 was written by a newer release (store version %2; this release "
                      "reads up to version %3)",
                      {file, fileVersion, version});

    for (const Table* t : tables(store)) {
        QSqlQuery query(db);
        bool read = false;
        if (server) {
            query.prepare(QString::fromLatin1(serverColumnsQuery));
            query.addBindValue(q(t->name));
            read = query.exec();
        } else {
            read = query.exec(q("PRAGMA table_info(" + quoted(t->name) + ")"));
        }
        if (!read)
            return insert("Error: cannot read %1 (%2)", {file, s(query.lastError().text())});
        // Rows of table_info: cid, name, type, notnull, dflt_value, pk; of
        // the server: name and type.
        std::vector<std::pair<std::string, std::string>> found;
        while (query.next()) {
            if (server)
                found.emplace_back(s(query.value(0).toString()),
                                   std::string(fileType(query.value(1).toString())));
            else
                found.emplace_back(s(query.value(1).toString()), s(query.value(2).toString()));
        }
        if (found.empty())
            return insert("Error: %1 has no table %2", {file, t->name});
        if (found[0].first != keyColumn)
            return insert("Error: table %2 of %1 has no key column %3", {file, t->name, keyColumn});
        for (std::size_t i = 0; i < t->columns.size(); ++i) {
            const Column& c = t->columns[i];
            const auto at = std::find_if(found.begin(), found.end(), [&](const auto& f) {
                return equalNoCase(f.first, c.name);
            });
            if (at == found.end())
                return insert("Error: table %2 of %1 has no column %3", {file, t->name, c.name});
            if (static_cast<std::size_t>(at - found.begin()) != i + 1 ||
                !equalNoCase(at->second, sqlType(c.kind)))
                return insert("Error: column %3 of table %2 in %1 is not in its place or not of "
                              "its kind",
                              {file, t->name, c.name});
        }
    }
    return {};
}

} // namespace vantora::db::schema
