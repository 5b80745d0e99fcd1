#include "db/facility.h"
#include "db/schema.h"
#include "support/facility.h"
#include "support/testsupport.h"

#include <QSqlDatabase>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace vantora;
using vantora::test::Facility;
using vantora::test::TempDir;
namespace fs = std::filesystem;

namespace {

std::string create(const std::string& folder, const std::string& name = "Riverside Gym",
                   const std::string& password = "pw") {
    db::facility::Settings settings;
    settings.name = name;
    settings.password = password;
    return db::facility::create(folder, settings);
}

// verify() of the store file, through a connection of the test's own.
std::string verifyFile(const std::string& path, db::schema::Store store) {
    std::string result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QStringLiteral("facility-test-verify"));
        db.setDatabaseName(QString::fromStdString(path));
        if (!db.open())
            return "cannot open";
        result = db::schema::verify(db, store);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("facility-test-verify"));
    return result;
}

} // namespace

TEST(FacilityCreation, WritesFourVerifiedStoresWithOneSettingsRecordEach) {
    TempDir dir;
    const std::string folder = dir.file("center");
    ASSERT_EQ(create(folder), "");
    for (db::schema::Store store : db::schema::stores) {
        const std::string path = folder + "/" + std::string(db::schema::fileName(store));
        ASSERT_TRUE(fs::exists(path)) << path;
        EXPECT_EQ(verifyFile(path, store), "") << path;
    }
}

TEST(FacilityFixture, PointsTheFolderVariablesAtItsSubFoldersAndRestoresThem) {
    test::ScopedEnv before("VANTO_DB", "/elsewhere/");
    {
        Facility facility;
        for (const char* variable :
             {"VANTO_DB", "VANTO_BACK", "VANTO_TXT", "VANTO_STN", "VANTO_WT", "VANTO_PRINT"}) {
            const char* value = std::getenv(variable);
            ASSERT_NE(value, nullptr) << variable;
            if (facility.onServer() && std::string(variable) == "VANTO_DB")
                continue; // names the facility's scratch database there
            const std::string folder(value);
            EXPECT_EQ(folder.back(), '/') << variable;
            EXPECT_TRUE(fs::is_directory(folder)) << variable;
            EXPECT_EQ(folder.rfind(facility.root().string(), 0), 0u) << variable;
        }
        EXPECT_EQ(std::string(std::getenv("VANTO_DB")), facility.stores());
        EXPECT_EQ(facility.count("center.mdb", "SELECT count(*) FROM Center"), 1);
        EXPECT_EQ(facility.text("center.mdb", "SELECT Name FROM Center"), "Test Fitness Center");
    }
    EXPECT_EQ(std::string(std::getenv("VANTO_DB")), "/elsewhere/");
}

TEST(FacilityFixture, ScratchDatabasesAreNamedInTheServersUri) {
    const struct {
        const char* uri;
        const char* expected;
    } cases[] = {
        {"postgresql://ann@/postgres?host=/run/s", "postgresql://ann@/t1?host=/run/s"},
        {"postgresql://ann@db.example:5433/postgres", "postgresql://ann@db.example:5433/t1"},
        {"postgresql://ann@db.example", "postgresql://ann@db.example/t1"},
        {"postgresql://ann@db.example?port=5433", "postgresql://ann@db.example/t1?port=5433"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(test::withDatabase(c.uri, "t1"), c.expected) << c.uri;
}

TEST(FacilityCreation, SettingsStartWithValuesACentreCanOpenWith) {
    Facility facility("Lakeside Fitness", "Gym2026");
    const auto center = [&](const char* sql) { return facility.count("center.mdb", sql); };
    EXPECT_EQ(facility.text("center.mdb", "SELECT Name || '/' || Password FROM Center"),
              "Lakeside Fitness/Gym2026");
    EXPECT_EQ(center("SELECT WkMinCirc * 1000 + WkMinMin FROM Center"), 2030);
    EXPECT_EQ(center("SELECT count(*) FROM Bonuses WHERE OrientBonWk = 1 AND OrientBonMin = 30 "
                     "AND ReEvalBonWk = 1 AND ReEvalBonMin = 30 AND OtherBonWk = 1 AND "
                     "OtherBonMin = 15"),
              1);
    // Kiosk: a code length, a screen time and a default visit inside the
    // ranges the administration pages accept; readable colours.
    EXPECT_EQ(center("SELECT count(*) FROM BarcodeTouch WHERE CodeLen BETWEEN 1 AND 9 AND "
                     "CodeMeth IN (0, 1) AND MsgTime BETWEEN 1 AND 15 AND NoChkInWkMin BETWEEN "
                     "0 AND 60 AND LgTxtClr <> PrimFrmClr AND MedTxtClr <> PrimFrmClr AND "
                     "SmTxtClr <> PrimFrmClr AND length(Msg0) BETWEEN 1 AND 48 AND length(Msg1) "
                     "<= 48 AND length(Msg2) <= 48"),
              1);
    // New members: current, with an orientation bonus; the kiosk records
    // workout details and blinks its messages.
    EXPECT_EQ(center("SELECT DefFlags FROM Defaults"), 128 | 32 | 256 | 512);
    EXPECT_EQ(center("SELECT count(*) FROM Defaults WHERE DefExpDate BETWEEN 0 AND 12 AND "
                     "DefEnrollPer BETWEEN 0 AND 3 AND DefGrdStat BETWEEN 0 AND 4"),
              1);
    for (const char* table : {"Center", "Bonuses", "Defaults", "BarcodeTouch"})
        EXPECT_EQ(center((std::string("SELECT count(*) FROM ") + table).c_str()), 1) << table;

    // Thirteen options in table order, the circuit first, names and
    // abbreviations within their limits.
    EXPECT_EQ(center("SELECT count(*) FROM Stations WHERE length(StnName) BETWEEN 1 AND 24 AND "
                     "length(StnAbbr) BETWEEN 1 AND 4"),
              13);
    EXPECT_EQ(facility.text("center.mdb", "SELECT StnName FROM Stations ORDER BY _key LIMIT 1"),
              "Circuit");

    // One category with one course and one section, linked by their ids.
    EXPECT_EQ(center("SELECT count(*) FROM Categories c JOIN Courses o ON o.CatID = c.CatID "
                     "JOIN Sections s ON s.CourID = o.CourID"),
              1);
    EXPECT_EQ(center("SELECT (SELECT count(*) FROM Categories) + (SELECT count(*) FROM Courses) + "
                     "(SELECT count(*) FROM Sections)"),
              3);

    // The other stores start empty.
    EXPECT_EQ(facility.count("members.mdb", "SELECT count(*) FROM Members"), 0);
    EXPECT_EQ(facility.count("chkin.mdb", "SELECT count(*) FROM ChkIn"), 0);
    EXPECT_EQ(facility.count("reports.mdb", "SELECT count(*) FROM Reports"), 0);
    EXPECT_EQ(facility.notices().count(), 0u);
}

TEST(FacilityCreation, RefusesAFolderThatHoldsAnyStoreFileAndLeavesItAlone) {
    TempDir dir;
    std::ofstream(dir.file("chkin.mdb")) << "someone's file";
    EXPECT_EQ(create(dir.path().string()),
              "Error: " + dir.path().string() + " already holds a facility; it is not overwritten");
    EXPECT_EQ(test::readFile(dir.file("chkin.mdb")), "someone's file");
    EXPECT_FALSE(fs::exists(dir.file("members.mdb")));
    EXPECT_TRUE(db::facility::exists(dir.path().string()));

    const std::string folder = dir.file("second");
    ASSERT_EQ(create(folder, "First"), "");
    EXPECT_NE(create(folder, "Second"), "");
    EXPECT_EQ(verifyFile(folder + "/center.mdb", db::schema::Store::Center), "");
}

TEST(FacilityCreation, RefusesSettingsTheStoreCannotHold) {
    TempDir dir;
    const std::string folder = dir.file("f");
    const std::string nameError = "Error: the facility name must have 1 to 48 characters";
    const std::string passwordError = "Error: the password must have 1 to 8 characters";
    EXPECT_EQ(create(folder, ""), nameError);
    EXPECT_EQ(create(folder, std::string(49, 'x')), nameError);
    EXPECT_EQ(create(folder, "Two\nLines"),
              "Error: the facility name cannot hold line breaks or control characters");
    EXPECT_EQ(create(folder, "Gym", ""), passwordError);
    EXPECT_EQ(create(folder, "Gym", "123456789"), passwordError);
    EXPECT_EQ(create(folder, "Gym", "pa\tss"),
              "Error: the password cannot hold line breaks or control characters");
    EXPECT_FALSE(fs::exists(folder));

    // Limits count characters: 48 accented letters fit although they take 96 bytes.
    std::string accented;
    for (int i = 0; i < 48; ++i)
        accented += "\u00e9";
    ASSERT_EQ(create(folder, accented, "\u00e9t\u00e92026"), "");
}

TEST(FacilityCreation, BadFoldersAreReportedAndLeaveNoStoreBehind) {
    TempDir dir;
    std::ofstream(dir.file("plain")) << "x";
    EXPECT_EQ(create(dir.file("plain")), "Error: " + dir.file("plain") + " is not a folder");
    EXPECT_EQ(create(""), "Error: no facility folder given");
    EXPECT_EQ(create("/proc/vantora-facility").rfind("Error: cannot create the folder", 0), 0u);

    // A store that cannot be written part-way through: the stores written
    // before it are removed again.
    const std::string folder = dir.file("half");
    fs::create_directories(folder + "/chkin.mdb-journal/blocked");
    const std::string error = create(folder);
    EXPECT_EQ(error.rfind("Error: ", 0), 0u) << error;
    EXPECT_NE(error.find("chkin.mdb"), std::string::npos) << error;
    EXPECT_FALSE(db::facility::exists(folder));
    EXPECT_TRUE(fs::exists(folder + "/chkin.mdb-journal/blocked"));
}
