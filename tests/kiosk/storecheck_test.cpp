// The kiosk's start-up check of its four store files: one message for
// whatever keeps it from starting.

#include "kiosk/storecheck.h"

#include "db/daoefset.h"

#include "support/facility.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <unistd.h>

using vantora::test::Facility;
namespace fs = std::filesystem;

TEST(KioskStoreCheck, AnUnusableStoreStopsTheStartWithOneMessage) {
    VANTORA_SKIP_ON_SERVER("store files are removed and damaged");
    struct Case {
        const char* what;
        std::function<void(Facility&)> damage;
        std::string expected; // a part of the message; empty when the kiosk starts
    };
    const Case cases[] = {
        {"all usable", [](Facility&) {}, ""},
        {"members.mdb missing", [](Facility& f) { fs::remove(f.storePath("members.mdb")); },
         "members.mdb\" does not exist"},
        {"chkin.mdb not a database",
         [](Facility& f) { std::ofstream(f.storePath("chkin.mdb")) << "check-ins\n"; },
         "chkin.mdb"},
        {"a table missing", [](Facility& f) { f.exec("center.mdb", "DROP TABLE Stations"); },
         "Stations"},
        {"chkin.mdb read-only",
         [](Facility& f) {
             fs::permissions(f.storePath("chkin.mdb"), fs::perms::owner_read,
                             fs::perm_options::replace);
         },
         "chkin.mdb\" cannot be written"},
    };
    for (const Case& c : cases) {
        if (::geteuid() == 0 && std::string(c.what) == "chkin.mdb read-only")
            continue; // the superuser writes to read-only files
        Facility f;
        c.damage(f);
        f.notices().clear();
        EXPECT_EQ(vantora::kiosk::CheckStores(), c.expected.empty()) << c.what;
        if (c.expected.empty()) {
            EXPECT_EQ(f.notices().count(), 0u) << f.notices().last();
            continue;
        }
        ASSERT_EQ(f.notices().count(), 1u) << c.what;
        EXPECT_EQ(f.notices().last().rfind("Error: ", 0), 0u) << f.notices().last();
        EXPECT_NE(f.notices().last().find(c.expected), std::string::npos) << f.notices().last();
    }
}

TEST(KioskStoreCheck, SeveralProblemsAndAnUnsetFolderEachGiveOneMessage) {
    VANTORA_SKIP_ON_SERVER("store files are removed");
    Facility f;
    fs::remove(f.storePath("members.mdb"));
    fs::remove(f.storePath("reports.mdb"));
    EXPECT_FALSE(vantora::kiosk::CheckStores());
    ASSERT_EQ(f.notices().count(), 1u);
    const std::string text = f.notices().last();
    EXPECT_NE(text.find("members.mdb"), std::string::npos) << text;
    EXPECT_NE(text.find("\nError: the database file \"" + f.storePath("reports.mdb")),
              std::string::npos)
        << text;

    f.notices().clear();
    vantora::test::ScopedEnv unset("VANTO_DB", nullptr);
    EXPECT_FALSE(vantora::kiosk::CheckStores());
    EXPECT_EQ(f.notices().texts(), std::vector<std::string>{CDAOEFSet::MsgNoDB});
}

TEST(KioskStoreCheck, AnUnreachableServerIsToldOnceNamingItWithoutItsPassword) {
    Facility f;
    vantora::test::ScopedEnv db("VANTO_DB",
                                "postgresql://desk:secret@/gym?host=/nonexistent/socket");
    EXPECT_FALSE(vantora::kiosk::CheckStores());
    ASSERT_EQ(f.notices().count(), 1u);
    const std::string text = f.notices().last();
    EXPECT_EQ(text.find("Error: "), text.rfind("Error: ")) << text;
    EXPECT_NE(text.find("postgresql://desk@/gym"), std::string::npos) << text;
    EXPECT_EQ(text.find("secret"), std::string::npos) << text;
}
