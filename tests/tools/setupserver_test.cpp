// Facilities created on and copied to the test server. Every test here needs
// the server, so it runs in the server copy of the program only.

#include "db/networkfolder.h"
#include "db/schema.h"
#include "db/serverconnection.h"
#include "db/storecopy.h"
#include "setupprogram.h"
#include "support/testserver.h"
#include "support/testsupport.h"
#include "tools/demofacility.h"
#include "util/facilitylocation.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using vantora::test::runSetup;
using vantora::test::ScratchDatabase;
using vantora::test::setupArgs;
using vantora::test::SetupOutcome;
using vantora::test::TempDir;
namespace fs = std::filesystem;
namespace schema = vantora::db::schema;
namespace storecopy = vantora::db::storecopy;

namespace {

#define NEEDS_SERVER()                                                                             \
    do {                                                                                           \
        if (!vantora::test::serverRun())                                                           \
            GTEST_SKIP() << "needs the test server: runs in the _server copy";                     \
    } while (false)

using Row = std::vector<QVariant>;

// A connection of the test's own to a store file or a server database.
class Sql {
public:
    explicit Sql(const std::string& where) {
        static std::atomic<int> serial{0};
        name_ = QStringLiteral("setup-server-test-%1").arg(++serial);
        if (vantora::FacilityLocation::isServerUri(where)) {
            const std::string error = vantora::db::server::open(name_, where).error;
            EXPECT_EQ(error, "") << where;
        } else {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
            db.setDatabaseName(QString::fromStdString(where));
            EXPECT_TRUE(db.open()) << where;
        }
    }
    ~Sql() {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    Sql(const Sql&) = delete;
    Sql& operator=(const Sql&) = delete;

    std::vector<Row> rows(const std::string& sql) const {
        QSqlQuery query(QSqlDatabase::database(name_, false));
        std::vector<Row> out;
        if (!query.exec(QString::fromStdString(sql))) {
            ADD_FAILURE() << sql << ": " << query.lastError().text().toStdString();
            return out;
        }
        while (query.next()) {
            Row row;
            for (int i = 0; i < query.record().count(); ++i)
                row.push_back(query.value(i));
            out.push_back(std::move(row));
        }
        return out;
    }
    long long number(const std::string& sql) const {
        const auto all = rows(sql);
        return all.empty() || all[0].empty() ? 0 : all[0][0].toLongLong();
    }

private:
    QString name_;
};

std::string quoted(std::string_view name) {
    return '"' + std::string(name) + '"';
}

// Every column of a table, the key first.
std::string selectAll(const schema::Table& table) {
    std::string columns = quoted(schema::keyColumn);
    for (const schema::Column& c : table.columns)
        columns += ", " + quoted(c.name);
    return "SELECT " + columns + " FROM " + quoted(table.name) + " ORDER BY 1";
}

// Values equal as the record sets read them: numbers by value, text by text.
bool sameValue(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    if (a.typeId() == QMetaType::Double || b.typeId() == QMetaType::Double)
        return a.toDouble() == b.toDouble();
    return a.toString() == b.toString();
}

long long serverTables(const std::string& uri) {
    return Sql(uri).number("SELECT count(*) FROM pg_tables WHERE schemaname = current_schema()");
}

// The demo facility in store files, made once; each test copies its folder.
class CopyToServer : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!vantora::test::serverRun())
            return;
        demo_ = std::make_unique<TempDir>();
        vantora::test::FakeClock clock(2026, 10, 14, 17, 30, 0);
        ASSERT_EQ(vantora::tools::createDemoFacility(demo_->file("db"), {}), "");
    }
    static void TearDownTestSuite() { demo_.reset(); }

    void SetUp() override {
        NEEDS_SERVER();
        ASSERT_NE(demo_, nullptr);
        fs::copy(demo_->file("db"), folder());
    }
    std::string folder() const { return dir_.file("db"); }
    std::string file(std::string_view store) const { return folder() + '/' + std::string(store); }

    static std::unique_ptr<TempDir> demo_;
    TempDir dir_;
};

std::unique_ptr<TempDir> CopyToServer::demo_;

TEST_F(CopyToServer, EveryRowArrivesWithItsKeyAndNewRowsGetKeysPastTheFiles) {
    // A deleted last workout: its key stays used on the server too. Quotes,
    // backslashes, accents and NULL arrive as they are.
    const Sql members(file("members.mdb"));
    members.rows("DELETE FROM Workouts WHERE _key = (SELECT max(_key) FROM Workouts)");
    members.rows("UPDATE Members SET LastName = 'O''Brien \\ \"Zoë\" {x}', MiddleInitial = NULL "
                 "WHERE _key = 2");
    // A facility moves from a network folder, where the programs refuse its
    // files, too.
    vantora::db::network::setProbe([](const std::string&) { return std::string("NFS"); });
    struct ProbeBack {
        ~ProbeBack() { vantora::db::network::setProbe({}); }
    } probeBack;
    ScratchDatabase scratch;
    std::vector<std::string> told;
    const storecopy::Result result =
        storecopy::copyToServer(folder(), scratch.uri(), [&](const std::string& table, long long) {
            told.push_back(table);
        });
    ASSERT_EQ(result.error, "");

    ASSERT_EQ(result.counts.size(), schema::tables().size());
    ASSERT_EQ(told.size(), schema::tables().size());
    Sql server(scratch.uri());
    for (std::size_t t = 0; t < schema::tables().size(); ++t) {
        const schema::Table& table = schema::tables()[t];
        SCOPED_TRACE(std::string(table.name));
        const Sql source(file(schema::fileName(table.store)));
        const std::vector<Row> files = source.rows(selectAll(table));
        const std::vector<Row> copied = server.rows(selectAll(table));
        EXPECT_EQ(told[t], table.name);
        EXPECT_EQ(result.counts[t].table, table.name);
        EXPECT_EQ(result.counts[t].files, static_cast<long long>(files.size()));
        EXPECT_EQ(result.counts[t].server, static_cast<long long>(files.size()));
        ASSERT_EQ(copied.size(), files.size());
        for (std::size_t r = 0; r < files.size(); ++r) {
            for (std::size_t c = 0; c < files[r].size(); ++c)
                EXPECT_TRUE(sameValue(files[r][c], copied[r][c]))
                    << "row " << r << " column " << c << ": "
                    << files[r][c].toString().toStdString() << " became "
                    << copied[r][c].toString().toStdString();
        }
        EXPECT_EQ(server.number("SELECT count(*) FROM pg_indexes WHERE tablename = '" +
                                std::string(table.name) + "'"),
                  static_cast<long long>(table.indexes.size()) + 1); // and the key's
        const long long used =
            std::max(source.number("SELECT max(_key) FROM " + quoted(table.name)),
                     source.number("SELECT seq FROM sqlite_sequence WHERE name = '" +
                                   std::string(table.name) + "'"));
        EXPECT_EQ(server.number("INSERT INTO " + quoted(table.name) +
                                " DEFAULT VALUES RETURNING \"_key\""),
                  used + 1);
    }
    EXPECT_GT(server.number("SELECT count(*) FROM \"Workouts\""), 1000);
}

TEST_F(CopyToServer, AFailureOnTheWayLeavesTheServerDatabaseEmpty) {
    const struct {
        const char* what;
        const char* afterTable;
        std::function<void(const ScratchDatabase&)> happen;
        std::string error;
    } cases[] = {
        {"the server ends the connection", "Workouts",
         [](const ScratchDatabase& scratch) {
             Sql(vantora::test::withDatabase(scratch.uri(), "postgres"))
                 .rows("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = '" +
                       scratch.name() + "'");
         },
         "Error: cannot copy the table Evaluations to the server ("},
        {"a program adds a member to the files", "Members",
         [this](const ScratchDatabase&) {
             Sql(file("members.mdb")).rows("INSERT INTO Members (MemberID) VALUES (999)");
         },
         "Error: the table Members holds 301 rows in the files but 300 on the server; nothing "
         "was copied (was a program still writing the files?)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDatabase scratch;
        const storecopy::Result result = storecopy::copyToServer(
            folder(), scratch.uri(), [&](const std::string& table, long long) {
                if (table == c.afterTable)
                    c.happen(scratch);
            });
        EXPECT_EQ(result.error.substr(0, c.error.size()), c.error);
        EXPECT_EQ(serverTables(scratch.uri()), 0);
    }
}

TEST_F(CopyToServer, RefusesWhatIsNotAFacilityAndADatabaseThatHoldsOne) {
    ScratchDatabase taken;
    ASSERT_EQ(runSetup(setupArgs({"--server", taken.uri(), "--name", "Taken Fitness"})).exitCode,
              0);
    TempDir other;
    fs::create_directory(other.file("empty"));
    fs::copy(folder(), other.file("partial"));
    fs::remove(other.file("partial/reports.mdb"));
    fs::copy(folder(), other.file("foreign"));
    fs::remove(other.file("foreign/center.mdb"));
    Sql(other.file("foreign/center.mdb")).rows("CREATE TABLE Center (Name TEXT)");

    const struct {
        QStringList arguments;
        std::string error;
    } cases[] = {
        {setupArgs({"--copy", folder(), taken.uri()}),
         "Error: the store members.mdb in the server database " + taken.name() +
             " already holds a facility; it is not overwritten"},
        {setupArgs({"--copy", other.file("none"), "SCRATCH"}),
         "Error: the folder " + other.file("none") + " does not exist"},
        {setupArgs({"--copy", other.file("empty"), "SCRATCH"}),
         "Error: " + other.file("empty") + " holds no facility (no store files)"},
        {setupArgs({"--copy", other.file("partial"), "SCRATCH"}),
         "Error: the database file \"" + other.file("partial/reports.mdb") + "\" does not exist"},
        {setupArgs({"--copy", other.file("foreign"), "SCRATCH"}),
         "Error: " + other.file("foreign/center.mdb") + " is not a Vantora store file"},
        {setupArgs({"--copy", "SCRATCH", folder()}),
         "Error: name the facility's folder first, then the server's address"},
        {setupArgs({"--copy", folder()}),
         "Error: name the facility's folder and the server's address: --copy FOLDER URI"},
        {setupArgs({"--copy", "--name", "Other", folder(), "SCRATCH"}),
         "Error: --copy takes the facility as it is: give only FOLDER and URI"},
    };
    for (const auto& c : cases) {
        ScratchDatabase scratch;
        QStringList arguments = c.arguments;
        for (QString& argument : arguments) {
            if (argument == QLatin1String("SCRATCH"))
                argument = QString::fromStdString(scratch.uri());
        }
        const SetupOutcome run = runSetup(arguments);
        EXPECT_EQ(run.exitCode, 1) << c.error;
        EXPECT_EQ(run.err, c.error + '\n');
        EXPECT_EQ(serverTables(scratch.uri()), 0) << c.error;
    }
    EXPECT_EQ(Sql(taken.uri()).rows("SELECT \"Name\" FROM \"Center\"").at(0).at(0).toString(),
              QStringLiteral("Taken Fitness"));
}

TEST(SetupOnServer, CreatesTheFacilityWithoutShowingThePassword) {
    NEEDS_SERVER();
    ScratchDatabase scratch;
    // The test server trusts its socket; the password is only to be hidden.
    std::string uri = scratch.uri();
    uri.insert(uri.find('@'), ":Hush3d");
    SetupOutcome run =
        runSetup(setupArgs({"--server", uri, "--name", "Server Side Gym", "--password", "k3y"}));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Created the facility \"Server Side Gym\" in " + scratch.uri() + '\n');
    EXPECT_EQ(Sql(scratch.uri()).rows("SELECT \"Name\", \"Password\" FROM \"Center\"").at(0),
              (Row{QStringLiteral("Server Side Gym"), QStringLiteral("k3y")}));

    run = runSetup(setupArgs({"--server", uri}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.find("Hush3d"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("already holds a facility"), std::string::npos) << run.err;
}

TEST(SetupOnServer, FillsTheDemoFacilityThere) {
    NEEDS_SERVER();
    ScratchDatabase scratch;
    const SetupOutcome run = runSetup(setupArgs({"--server", scratch.uri(), "--demo"}));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::string said =
        "Created the facility \"Fitness Center\" in " + scratch.uri() + " with 300 members, ";
    EXPECT_EQ(run.out.substr(0, said.size()), said);
    EXPECT_EQ(Sql(scratch.uri()).number("SELECT count(*) FROM \"Members\""), 300);
}

} // namespace
