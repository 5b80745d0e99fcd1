#include "desk/core/deskapplication.h"
#include "desk/core/deskdocument.h"

#include "support/facility.h"

#include <QSettings>
#include <QThread>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

using vantora::test::Facility;
using vantora::test::TempDir;

namespace {

struct OptionCase {
    QVariant stored; // invalid: no value stored
    int builtIn;
    int expected;
};

TEST(DeskOptions, StoredMinusOneKeepsTheDefaultOtherValuesReplaceIt) {
    const OptionCase cases[] = {{QVariant(), 1, 1}, {-1, 1, 1}, {-1, 0, 0}, {0, 1, 0}, {1, 0, 1}};
    TempDir dir;
    for (const OptionCase& c : cases) {
        QSettings settings(QString::fromStdString(dir.file("options.ini")), QSettings::IniFormat);
        settings.clear();
        if (c.stored.isValid())
            settings.setValue(QStringLiteral("settings/load_members"), c.stored);
        CVantoraApp app;
        app.loadMembers = c.builtIn;
        app.ReadOptions(settings);
        EXPECT_EQ(app.loadMembers, c.expected) << c.stored.toString().toStdString();
    }
}

TEST(DeskOptions, WrittenOptionsReadBack) {
    TempDir dir;
    QSettings settings(QString::fromStdString(dir.file("options.ini")), QSettings::IniFormat);
    CVantoraApp written;
    CVantoraApp::Toggle(written.reportServer);
    CVantoraApp::Toggle(written.autoBackup);
    written.WriteOptions(settings);
    CVantoraApp read;
    read.ReadOptions(settings);
    EXPECT_EQ(read.reportServer, 0);
    EXPECT_EQ(read.loadMembers, 0);
    EXPECT_EQ(read.autoBackup, 1);
}

TEST(DeskDocument, LoadsTheSettingsStationsAndDefaultClass) {
    Facility facility("Riverside Fitness");
    CVantoraDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.Center().Name, "Riverside Fitness");
    EXPECT_EQ(doc.StationNames().size(), 13u);
    EXPECT_EQ(doc.StationNames().size(), doc.StationAbbreviations().size());
    EXPECT_EQ(doc.DefaultCategory(), "FIT");
    EXPECT_EQ(doc.DefaultCourse(), "FIT 101");
    EXPECT_EQ(doc.DefaultSection(), "01");
    EXPECT_EQ(facility.notices().count(), 0u);
}

struct RefusalCase {
    const char* store;
    const char* sql;
    const char* message;
};

TEST(DeskDocument, StartUpIsRefusedWithTheMissingRecordsMessage) {
    const RefusalCase cases[] = {
        {"center.mdb", "DELETE FROM Center",
         "Error: could not retrieve data from center recordset."},
        {"center.mdb", "DELETE FROM BarcodeTouch",
         "Error: could not retrieve data from touch screen recordset."},
        {"center.mdb", "DELETE FROM Defaults",
         "Error: could not retrieve data from defaults recordset."},
        {"center.mdb", "DELETE FROM Bonuses",
         "Error: could not retrieve data from bonus recordset."},
        {"center.mdb", "DELETE FROM Stations",
         "Error: could not retrieve data from station recordset."},
        {"center.mdb", "DELETE FROM Categories", "Error: could not set default class."},
    };
    for (const RefusalCase& c : cases) {
        Facility facility;
        ASSERT_TRUE(facility.exec(c.store, c.sql));
        CVantoraDoc doc;
        EXPECT_FALSE(doc.OnNewDocument()) << c.sql;
        EXPECT_EQ(facility.notices().texts(), std::vector<std::string>{c.message}) << c.sql;
    }
}

TEST(DeskStartUp, AnUnreachableServerIsOneMessage) {
    Facility facility;
    vantora::test::ScopedEnv db("VANTO_DB", "postgresql://desk@/gym?host=/nonexistent/socket");
    EXPECT_FALSE(CVantoraApp::CheckFolders());
    ASSERT_EQ(facility.notices().count(), 1u);
    EXPECT_EQ(facility.notices().last().rfind("Error: ", 0), 0u) << facility.notices().last();
}

TEST(DeskStartUp, MissingFolderOrStoreIsOneMessage) {
    Facility facility;
    EXPECT_TRUE(CVantoraApp::CheckFolders());
    TempDir empty;
    {
        vantora::test::ScopedEnv db("VANTO_DB", empty.folder().c_str());
        EXPECT_FALSE(CVantoraApp::CheckFolders());
    }
    vantora::test::ScopedEnv unset("VANTO_DB", nullptr);
    EXPECT_FALSE(CVantoraApp::CheckFolders());
    EXPECT_EQ(facility.notices().texts(),
              (std::vector<std::string>{
                  "Error: the database file \"" + empty.file("center.mdb") + "\" does not exist",
                  "Error: system environment variable \"VANTO_DB\" is not set"}));
}

TEST(DeskCompanions, StartedFromTheProgramFolderFirstElseNotFound) {
    vantora::test::Notices notices;
    TempDir own, path;
    // A stand-in companion that leaves a mark where it was started from.
    for (const TempDir* dir : {&own, &path}) {
        const std::string script = dir->file("repserve");
        std::ofstream(script) << "#!/bin/sh\necho > '" << dir->file("ran") << "'\n";
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    }
    vantora::test::ScopedEnv searchPath("PATH", path.path().c_str());
    CVantoraApp app;
    app.SetProgramFolder(QString::fromStdString(own.path().string()));
    ASSERT_TRUE(app.StartReportServer());
    for (int i = 0; i < 100 && !std::filesystem::exists(own.file("ran")); ++i)
        QThread::msleep(20);
    EXPECT_TRUE(std::filesystem::exists(own.file("ran")));
    EXPECT_FALSE(std::filesystem::exists(path.file("ran")));

    app.SetProgramFolder(QString::fromStdString(path.file("none")));
    app.autoBackup = 1;
    EXPECT_FALSE(app.StartBackupUtility());
    EXPECT_EQ(notices->last(), CVantoraApp::MsgBackupFailed);
    app.autoBackup = 0;
    EXPECT_TRUE(app.StartBackupUtility());
}

} // namespace
