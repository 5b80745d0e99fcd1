#include "support/testsupport.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using vantora::test::TempDir;
namespace fs = std::filesystem;

namespace {

struct Outcome {
    int exitCode = -1;
    std::string out, err;
};

Outcome setup(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(VANTORA_SETUP_PROGRAM), arguments);
    Outcome run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

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

QStringList args(std::initializer_list<std::string> list) {
    QStringList out;
    for (const std::string& a : list)
        out << QString::fromStdString(a);
    return out;
}

} // namespace

TEST(SetupProgram, HelpExplainsTheOptionsAndTheFolder) {
    const Outcome run = setup(args({"--help"}));
    EXPECT_EQ(run.exitCode, 0);
    for (const char* word : {"--name", "--password", "FOLDER", "members.mdb", "VANTO_DB"})
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
}

TEST(SetupProgram, CreatesTheFacilityAndRefusesToOverwriteIt) {
    TempDir dir;
    const std::string folder = dir.file("north/db");
    Outcome run = setup(args({"--name", "North Side Fitness", "--password", "Tr41n", folder}));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    for (const char* file : {"members.mdb", "center.mdb", "chkin.mdb", "reports.mdb"})
        EXPECT_TRUE(fs::exists(folder + "/" + file)) << file;
    EXPECT_EQ(centerOf(folder),
              std::make_pair(std::string("North Side Fitness"), std::string("Tr41n")));

    run = setup(args({"--name", "Someone Else", folder}));
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
        {args({dir.file("plain.txt")}), "Error: " + dir.file("plain.txt") + " is not a folder\n"},
        {args({}), "Error: name exactly one facility folder (see --help)\n"},
        {args({dir.file("a"), dir.file("b")}),
         "Error: name exactly one facility folder (see --help)\n"},
        {args({"--colour", "red", dir.file("a")}), "Error: Unknown option 'colour'.\n"},
        {args({"--password", "much too long", dir.file("a")}),
         "Error: the password must have 1 to 8 characters\n"},
        {args({"--name", "", dir.file("a")}),
         "Error: the facility name must have 1 to 48 characters\n"},
    };
    for (const auto& c : cases) {
        const Outcome run = setup(c.arguments);
        EXPECT_NE(run.exitCode, 0) << c.error;
        EXPECT_EQ(run.err, c.error);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(fs::exists(dir.file("a")));
    EXPECT_FALSE(fs::exists(dir.file("b")));
}
