#include "db/schema.h"
#include "support/testserver.h"
#include "support/testsupport.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

using namespace vantora::db;
using vantora::test::TempDir;

namespace {

// A store file opened on a connection of its own for the test's lifetime.
class StoreFile {
public:
    explicit StoreFile(const std::string& path)
        : name_(QStringLiteral("schema-test-%1").arg(++serial)) {
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db_.setDatabaseName(QString::fromStdString(path));
        db_.open();
    }
    ~StoreFile() {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
    }
    QSqlDatabase& db() { return db_; }
    bool exec(const std::string& sql) {
        QSqlQuery q(db_);
        return q.exec(QString::fromStdString(sql));
    }
    std::vector<std::string> column(const std::string& sql, int index = 0) {
        std::vector<std::string> out;
        QSqlQuery q(db_);
        if (q.exec(QString::fromStdString(sql))) {
            while (q.next())
                out.push_back(q.value(index).toString().toStdString());
        }
        return out;
    }

private:
    static inline int serial = 0;
    QString name_;
    QSqlDatabase db_;
};

} // namespace

TEST(Schema, TablesHaveTheirColumnCountsAndLiveInTheirStores) {
    const std::map<std::string, std::pair<schema::Store, std::size_t>> expected = {
        {"Members", {schema::Store::Members, 6}},
        {"Enrollments", {schema::Store::Members, 5}},
        {"Profiles", {schema::Store::Members, 16}},
        {"Classes", {schema::Store::Members, 9}},
        {"Workouts", {schema::Store::Members, 18}},
        {"Evaluations", {schema::Store::Members, 16}},
        {"EvalBodyComps", {schema::Store::Members, 9}},
        {"Circuit", {schema::Store::Members, 25}},
        {"BodyComps", {schema::Store::Members, 22}},
        {"Messages", {schema::Store::Members, 2}},
        {"Center", {schema::Store::Center, 12}},
        {"Bonuses", {schema::Store::Center, 6}},
        {"Categories", {schema::Store::Center, 2}},
        {"Courses", {schema::Store::Center, 3}},
        {"Sections", {schema::Store::Center, 2}},
        {"Defaults", {schema::Store::Center, 6}},
        {"Stations", {schema::Store::Center, 2}},
        {"BarcodeTouch", {schema::Store::Center, 12}},
        {"ChkIn", {schema::Store::ChkIn, 6}},
        {"Reports", {schema::Store::Reports, 7}},
    };
    EXPECT_EQ(schema::tables().size(), expected.size());
    for (const auto& [name, where] : expected) {
        const schema::Table* t = schema::findTable(name);
        ASSERT_NE(t, nullptr) << name;
        EXPECT_EQ(t->store, where.first) << name;
        EXPECT_EQ(t->columns.size(), where.second) << name;
        for (const schema::Column& c : t->columns)
            EXPECT_EQ(c.kind == schema::Kind::Text, c.size > 0) << name << "." << c.name;
    }
    EXPECT_EQ(schema::findTable("[Workouts]"), schema::findTable("Workouts"));
    EXPECT_EQ(schema::findTable("Workout"), nullptr);
}

TEST(Schema, CreatedFileHoldsTheColumnsInOrderAfterTheHiddenKey) {
    VANTORA_SKIP_ON_SERVER("checks a store file made in a folder of its own");
    TempDir dir;
    StoreFile file(dir.file("members.mdb"));
    ASSERT_EQ(schema::create(file.db(), schema::Store::Members), "");
    EXPECT_EQ(schema::verify(file.db(), schema::Store::Members), "");

    const auto names = file.column("PRAGMA table_info(Workouts)", 1);
    const auto types = file.column("PRAGMA table_info(Workouts)", 2);
    ASSERT_EQ(names.size(), 19u);
    EXPECT_EQ(names[0], "_key");
    EXPECT_EQ(names[1], "MemberID");
    EXPECT_EQ(names[4], "CheckIn");
    EXPECT_EQ(names[6], "Station00");
    EXPECT_EQ(names[18], "Station12");
    EXPECT_EQ(types[4], "REAL");    // DateTime
    EXPECT_EQ(types[6], "INTEGER"); // Short

    // Tables of the other stores are not in this file.
    EXPECT_TRUE(file.column("PRAGMA table_info(Center)").empty());
    // New rows start with numbers 0 and texts empty.
    ASSERT_TRUE(file.exec("INSERT INTO Members (MemberID) VALUES (5)"));
    EXPECT_EQ(file.column("SELECT Barcode || '|' || FirstName || '|' || MemberStatus FROM Members"),
              std::vector<std::string>{"0||0"});
}

TEST(Schema, KeysOfDeletedRowsAreNeverGivenAgain) {
    VANTORA_SKIP_ON_SERVER("checks a store file made in a folder of its own");
    TempDir dir;
    StoreFile file(dir.file("chkin.mdb"));
    ASSERT_EQ(schema::create(file.db(), schema::Store::ChkIn), "");
    ASSERT_TRUE(file.exec("INSERT INTO ChkIn (MemberID) VALUES (1)"));
    ASSERT_TRUE(file.exec("INSERT INTO ChkIn (MemberID) VALUES (2)"));
    ASSERT_TRUE(file.exec("DELETE FROM ChkIn WHERE MemberID = 2"));
    ASSERT_TRUE(file.exec("INSERT INTO ChkIn (MemberID) VALUES (3)"));
    EXPECT_EQ(file.column("SELECT _key FROM ChkIn WHERE MemberID = 3"),
              std::vector<std::string>{"3"});
}

TEST(Schema, FindFiltersRunOnAnIndex) {
    VANTORA_SKIP_ON_SERVER("checks a store file made in a folder of its own");
    TempDir dir;
    StoreFile members(dir.file("members.mdb"));
    ASSERT_EQ(schema::create(members.db(), schema::Store::Members), "");
    const char* filters[] = {
        "SELECT _key FROM Members WHERE MemberID = 1",
        "SELECT _key FROM Members WHERE Barcode = 1",
        "SELECT _key FROM Enrollments WHERE MemberID = 1",
        "SELECT _key FROM Profiles WHERE MemberID = 1",
        "SELECT _key FROM Classes WHERE MemberID = 1 AND ClassIndx = 2",
        "SELECT _key FROM Classes WHERE Category = 'a' AND Course = 'b'",
        "SELECT _key FROM Workouts WHERE MemberID = 1 AND CheckIn = 2.0",
        "SELECT _key FROM Workouts WHERE MemberID = 1 AND ClassIndx = 3",
        "SELECT _key FROM Workouts WHERE CheckIn >= 1.0 AND CheckOut <= 2.0",
        "SELECT _key FROM Evaluations WHERE EvaluationID = 1",
        "SELECT _key FROM Evaluations WHERE MemberID = 1 AND EvaluationDate = 2.0",
        "SELECT _key FROM EvalBodyComps WHERE EvaluationID = 1",
        "SELECT _key FROM Circuit WHERE EvaluationID = 1",
        "SELECT _key FROM BodyComps WHERE MemberID = 1 AND BodyCompDate = 2.0",
        "SELECT _key FROM BodyComps WHERE BodyCompDate >= 1.0 AND BodyCompDate <= 2.0",
        "SELECT _key FROM Messages WHERE MemberID = 1",
    };
    for (const char* sql : filters) {
        const auto plan = members.column(std::string("EXPLAIN QUERY PLAN ") + sql, 3);
        ASSERT_FALSE(plan.empty()) << sql;
        EXPECT_NE(plan[0].find("INDEX"), std::string::npos) << sql << ": " << plan[0];
    }

    StoreFile chkin(dir.file("chkin.mdb"));
    ASSERT_EQ(schema::create(chkin.db(), schema::Store::ChkIn), "");
    for (const char* sql : {"SELECT _key FROM ChkIn WHERE Barcode = 1",
                            "SELECT _key FROM ChkIn WHERE MemberID = 1"}) {
        const auto plan = chkin.column(std::string("EXPLAIN QUERY PLAN ") + sql, 3);
        ASSERT_FALSE(plan.empty()) << sql;
        EXPECT_NE(plan[0].find("INDEX"), std::string::npos) << sql;
    }
}

TEST(Schema, VerifyNamesWhatIsWrongWithAFile) {
    VANTORA_SKIP_ON_SERVER("checks a store file made in a folder of its own");
    TempDir dir;
    {
        std::ofstream(dir.file("text.mdb")) << "not a database at all, just some text\n";
        StoreFile file(dir.file("text.mdb"));
        EXPECT_EQ(schema::verify(file.db(), schema::Store::Members)
                      .rfind("Error: " + dir.file("text.mdb") + " is not a database file", 0),
                  0u);
    }
    {
        StoreFile file(dir.file("foreign.mdb"));
        ASSERT_TRUE(file.exec("CREATE TABLE Members (MemberID INTEGER)"));
        EXPECT_EQ(schema::verify(file.db(), schema::Store::Members),
                  "Error: " + dir.file("foreign.mdb") + " is not a Vantora store file");
    }
    {
        StoreFile file(dir.file("center.mdb"));
        ASSERT_EQ(schema::create(file.db(), schema::Store::Center), "");
        // A center file where the members file is expected.
        EXPECT_EQ(schema::verify(file.db(), schema::Store::Members),
                  "Error: " + dir.file("center.mdb") + " has no table Members");
        ASSERT_TRUE(file.exec("PRAGMA user_version = 2"));
        EXPECT_NE(schema::verify(file.db(), schema::Store::Center).find("newer release"),
                  std::string::npos);
    }
    {
        StoreFile file(dir.file("members.mdb"));
        ASSERT_EQ(schema::create(file.db(), schema::Store::Members), "");
        ASSERT_TRUE(file.exec("DROP TABLE Workouts"));
        EXPECT_EQ(schema::verify(file.db(), schema::Store::Members),
                  "Error: " + dir.file("members.mdb") + " has no table Workouts");
    }
    {
        StoreFile file(dir.file("chkin.mdb"));
        ASSERT_EQ(schema::create(file.db(), schema::Store::ChkIn), "");
        ASSERT_TRUE(file.exec("DROP TABLE ChkIn"));
        ASSERT_TRUE(file.exec("CREATE TABLE ChkIn (_key INTEGER PRIMARY KEY, MemberID INTEGER, "
                              "Barcode INTEGER, FirstName TEXT, CheckIn REAL, ClassIndx INTEGER)"));
        EXPECT_EQ(schema::verify(file.db(), schema::Store::ChkIn),
                  "Error: table ChkIn of " + dir.file("chkin.mdb") + " has no column LastName");
        ASSERT_TRUE(file.exec("ALTER TABLE ChkIn ADD COLUMN LastName TEXT"));
        EXPECT_EQ(schema::verify(file.db(), schema::Store::ChkIn),
                  "Error: column LastName of table ChkIn in " + dir.file("chkin.mdb") +
                      " is not in its place or not of its kind");
    }
}

TEST(Schema, CreateRefusesAFileThatHoldsTablesAndChangesNothing) {
    VANTORA_SKIP_ON_SERVER("checks a store file made in a folder of its own");
    TempDir dir;
    StoreFile file(dir.file("reports.mdb"));
    ASSERT_TRUE(file.exec("CREATE TABLE Notes (Text TEXT)"));
    ASSERT_TRUE(file.exec("INSERT INTO Notes VALUES ('keep me')"));
    EXPECT_EQ(schema::create(file.db(), schema::Store::Reports),
              "Error: " + dir.file("reports.mdb") + " already holds tables; it is not overwritten");
    EXPECT_EQ(file.column("SELECT name FROM sqlite_master"), std::vector<std::string>{"Notes"});
    EXPECT_EQ(file.column("SELECT Text FROM Notes"), std::vector<std::string>{"keep me"});
    EXPECT_EQ(file.column("PRAGMA application_id"), std::vector<std::string>{"0"});
}

TEST(SchemaText, LimitsAndCuttingCountCharactersNotBytes) {
    EXPECT_EQ(schema::textLimit("Members", "FirstName"), 13);
    EXPECT_EQ(schema::textLimit("[Profiles]", "Email"), 33);
    EXPECT_EQ(schema::textLimit("Center", "Password"), 8);
    EXPECT_EQ(schema::textLimit("Members", "Barcode"), 0); // not text
    EXPECT_EQ(schema::textLimit("Members", "Nickname"), 0);

    EXPECT_EQ(schema::textLength("Zo\u00eb"), 3);
    EXPECT_EQ(schema::fitText("Zo\u00eb M", 3), "Zo\u00eb");
    EXPECT_EQ(schema::fitText("Zo\u00eb", 2), "Zo"); // never half a character
    EXPECT_EQ(schema::fitText("short", 13), "short");
    EXPECT_EQ(schema::fitText("abc", 0), "");
}

TEST(SchemaText, StoresAreNamedByTheirFiles) {
    for (schema::Store store : schema::stores)
        EXPECT_EQ(schema::storeForFile(schema::fileName(store)), store);
    EXPECT_EQ(schema::fileName(schema::Store::ChkIn), "chkin.mdb");
    EXPECT_FALSE(schema::storeForFile("workouts.mdb").has_value());
}
