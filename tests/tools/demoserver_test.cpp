// The generators on a server: the same day gives the same facility there as
// in store files. Every test needs the server, so it runs in the server copy
// of the program only.

#include "db/connection.h"
#include "db/schema.h"
#include "facilityexport.h"
#include "support/testserver.h"
#include "support/testsupport.h"
#include "tools/demofacility.h"

#include <gtest/gtest.h>

#include <string>

using namespace vantora::test;
using vantora::tools::DemoSummary;

namespace {

void ExpectSameSummary(const DemoSummary& a, const DemoSummary& b) {
    EXPECT_EQ(a.members, b.members);
    EXPECT_EQ(a.classes, b.classes);
    EXPECT_EQ(a.workouts, b.workouts);
    EXPECT_EQ(a.evaluations, b.evaluations);
    EXPECT_EQ(a.bodyComps, b.bodyComps);
    EXPECT_EQ(a.checkIns, b.checkIns);
    EXPECT_EQ(a.messages, b.messages);
}

TEST(GeneratorsOnServer, WriteWhatTheyWriteIntoStoreFiles) {
    if (!serverRun())
        GTEST_SKIP() << "needs the test server: runs in the _server copy";
    FakeClock clock(2026, 10, 14, 17, 30, 0);
    Notices notices;
    TempDir dir;
    vantora::tools::LargeOptions large;
    large.members = 120;
    large.workouts = 3001;
    struct Case {
        const char* name;
        bool demo;
    };
    for (const Case c : {Case{"demo", true}, Case{"large", false}}) {
        ScratchDatabase scratch;
        const std::string folder = dir.file(c.name);
        DemoSummary inFiles, onServer;
        if (c.demo) {
            ASSERT_EQ(vantora::tools::createDemoFacility(folder, {}, {}, &inFiles), "");
            ASSERT_EQ(vantora::tools::createDemoFacility(scratch.uri(), {}, {}, &onServer), "");
        } else {
            ASSERT_EQ(vantora::tools::createLargeFacility(folder, {}, large, &inFiles), "");
            ASSERT_EQ(vantora::tools::createLargeFacility(scratch.uri(), {}, large, &onServer), "");
        }
        ExpectSameSummary(onServer, inFiles);
        const std::string expected = ExportFacility(folder);
        EXPECT_GT(expected.size(), 10000u) << c.name;
        EXPECT_EQ(ExportFacility(scratch.uri()), expected) << c.name;
        // The connections go before the database does.
        for (const auto store : vantora::db::schema::stores)
            vantora::db::closeStore(scratch.uri() + '#' +
                                    std::string(vantora::db::schema::fileName(store)));
    }
    EXPECT_TRUE(notices->texts().empty()) << notices->texts().front();
}

} // namespace
