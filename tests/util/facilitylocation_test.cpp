// Where a facility keeps its data: server addresses told apart from folders,
// passwords kept out of what is shown, and a scoped location that gives back
// what was installed before.

#include "util/facilitylocation.h"

#include <gtest/gtest.h>

#include <string>

using vantora::FacilityLocation;

TEST(FacilityLocation, ServerAddressesAreShownWithoutTheirPassword) {
    const std::pair<const char*, const char*> cases[] = {
        {"postgresql://ann:s3cr@t@db.example:5432/gym", "postgresql://ann@db.example:5432/gym"},
        {"postgres://ann@/gym?host=/run/pg&password=pw&port=5433",
         "postgres://ann@/gym?host=/run/pg&port=5433"},
        {"postgresql://ann@db/gym", "postgresql://ann@db/gym"},
        {"/srv/gym/db/", "/srv/gym/db/"},
    };
    for (const auto& [given, shown] : cases)
        EXPECT_EQ(FacilityLocation::withoutPassword(given), shown) << given;
}

TEST(FacilityLocation, StorePathsOfAServerSplitIntoAddressAndStore) {
    FacilityLocation server;
    server.setStores("postgresql://ann@/gym?host=/run/pg");
    EXPECT_TRUE(server.onServer());
    const std::string path = server.storePrefix() + "members.mdb";
    std::string uri, store;
    ASSERT_TRUE(FacilityLocation::splitServerPath(path, uri, store));
    EXPECT_EQ(uri, "postgresql://ann@/gym?host=/run/pg");
    EXPECT_EQ(store, "members.mdb");

    FacilityLocation folder;
    folder.setStores("/srv/gym/db");
    EXPECT_FALSE(folder.onServer());
    EXPECT_EQ(folder.storePrefix() + "members.mdb", "/srv/gym/db/members.mdb");
    EXPECT_FALSE(FacilityLocation::splitServerPath(folder.storePrefix(), uri, store));
}

TEST(FacilityLocation, AScopeGivesBackWhatWasInstalledBefore) {
    FacilityLocation outer;
    outer.setStores("/outer/");
    FacilityLocation inner;
    inner.setStores("/inner/");
    FacilityLocation::install(outer);
    {
        vantora::ScopedFacilityLocation scope(inner);
        EXPECT_EQ(FacilityLocation::current().stores(), "/inner/");
    }
    EXPECT_EQ(FacilityLocation::current().stores(), "/outer/");
    FacilityLocation::uninstall();
    {
        vantora::ScopedFacilityLocation scope(inner);
    }
    // Nothing installed again: the environment is read.
    EXPECT_EQ(FacilityLocation::current().stores(), FacilityLocation::fromEnvironment().stores());
}
