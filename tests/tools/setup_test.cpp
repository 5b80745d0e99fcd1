#include "setupprogram.h"
#include "support/testsupport.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using vantora::test::runSetup;
using vantora::test::setupArgs;
using vantora::test::SetupOutcome;
using vantora::test::TempDir;
namespace fs = std::filesystem;

namespace {

// Name and password stored in the facility's center file.
std::pair<std::string, std::string> centerOf(const std::string& folder) {
    std::pair<std::string, std::string> result;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("setup-test"));
        db.setDatabaseName(QString::fromStdString(folder + "/center.mdb"));
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT Name, Password FROM Center")) && q.next())
                result = {q.value(0).toString().toStdString(), q.value(1).toString().toStdString()};
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("setup-test"));
    return result;
}

} // namespace

TEST(SetupProgram, HelpExplainsTheOptionsAndTheFolder) {
    const SetupOutcome run = runSetup(setupArgs({"--help"}));
    EXPECT_EQ(run.exitCode, 0);
    for (const char* word :
         {"--name", "--password", "FOLDER", "members.mdb", "VANTO_DB", "--server", "--copy", "URI"})
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
}

TEST(SetupProgram, CreatesTheFacilityAndRefusesToOverwriteIt) {
    TempDir dir;
    const std::string folder = dir.file("north/db");
    SetupOutcome run =
        runSetup(setupArgs({"--name", "North Side Fitness", "--password", "Tr41n", folder}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    for (const char* file : {"members.mdb", "center.mdb", "chkin.mdb", "reports.mdb"})
        EXPECT_TRUE(fs::exists(folder + "/" + file)) << file;
    EXPECT_EQ(centerOf(folder),
              std::make_pair(std::string("North Side Fitness"), std::string("Tr41n")));

    run = runSetup(setupArgs({"--name", "Someone Else", folder}));
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(run.err, "Error: " + folder + " already holds a facility; it is not overwritten\n");
    EXPECT_EQ(centerOf(folder).first, "North Side Fitness");
}

TEST(SetupProgram, BadInputGivesOneErrorLineAndCreatesNothing) {
    TempDir dir;
    std::ofstream(dir.file("plain.txt")) << "a file, not a folder\n";
    const struct {
        QStringList arguments;
        std::string error;
    } cases[] = {
        {setupArgs({dir.file("plain.txt")}),
         "Error: " + dir.file("plain.txt") + " is not a folder\n"},
        {setupArgs({}), "Error: name exactly one facility folder (see --help)\n"},
        {setupArgs({dir.file("a"), dir.file("b")}),
         "Error: name exactly one facility folder (see --help)\n"},
        {setupArgs({"--colour", "red", dir.file("a")}), "Error: Unknown option 'colour'.\n"},
        {setupArgs({"--password", "much too long", dir.file("a")}),
         "Error: the password must have 1 to 8 characters\n"},
        {setupArgs({"--name", "", dir.file("a")}),
         "Error: the facility name must have 1 to 48 characters\n"},
        {setupArgs({"--server", dir.file("a")}),
         "Error: --server takes a server address: postgresql://user@host:port/database\n"},
        {setupArgs({"--server", "postgresql://gym@db.example.org/gym", dir.file("a")}),
         "Error: --server creates the facility on the server: name no folder\n"},
    };
    for (const auto& c : cases) {
        const SetupOutcome run = runSetup(c.arguments);
        EXPECT_NE(run.exitCode, 0) << c.error;
        EXPECT_EQ(run.err, c.error);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(fs::exists(dir.file("a")));
    EXPECT_FALSE(fs::exists(dir.file("b")));
}
