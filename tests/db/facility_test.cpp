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
            const std::string folder(value);
            EXPECT_EQ(folder.back(), '/') << variable;
            EXPECT_TRUE(fs::is_directory(folder)) << variable;
            EXPECT_EQ(folder.rfind(facility.root().string(), 0), 0u) << variable;
        }
        EXPECT_EQ(std::string(std::getenv("VANTO_DB")), facility.dbFolder());
        EXPECT_EQ(facility.count("center.mdb", "SELECT count(*) FROM Center"), 1);
        EXPECT_EQ(facility.text("center.mdb", "SELECT Name FROM Center"), "Test Fitness Center");
    }
    EXPECT_EQ(std::string(std::getenv("VANTO_DB")), "/elsewhere/");
}
