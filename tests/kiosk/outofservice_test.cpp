#include "kiosk/touchdoc.h"
#include "kiosk/touchlayout.h"
#include "kiosk/touchscreen.h"
#include "kiosk/workoutqueue.h"

#include "support/facility.h"
#include "support/memberdata.h"
#include "throwawayserver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using vantora::test::Facility;
using vantora::test::FakeClock;
using vantora::test::ScopedEnv;
using vantora::test::ThrowawayServer;
using Doc = CVantoraTouchDoc;

namespace {

constexpr long AnaCode = 123456;
const char* const AwayNotice = "Error: the database server of postgresql://vantora@/";
const char* const OutOfServiceLine = "Sorry, this kiosk is out of service for a moment.";

// A kiosk whose facility keeps its stores on a server of the test's own,
// which the test stops and starts again. Ana is a current member with one
// class; workouts are written without details.
class KioskOutageTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string why = ThrowawayServer::Unavailable(); !why.empty())
            GTEST_SKIP() << "needs a PostgreSQL server of its own: " << why;
        server = std::make_unique<ThrowawayServer>();
        engine = std::make_unique<ScopedEnv>("VANTORA_TEST_ENGINE", "server");
        serverUri = std::make_unique<ScopedEnv>("VANTORA_TEST_SERVER", server->Uri().c_str());
        f = std::make_unique<Facility>();
        vantora::test::MemberData ana;
        ana.id = 501;
        ana.barcode = AnaCode;
        ana.first = "Ana";
        ana.status = 1;
        ana.expiration = CEFOleDateTime(2026, 6, 30);
        ana.classes.resize(1);
        vantora::test::addMember(ana);
        ASSERT_TRUE(f->exec("center.mdb", "UPDATE Defaults SET DefFlags = 0"));
        queue = std::make_unique<CWorkoutQueue>(f->root().string() + "/touch.journal");
        doc = std::make_unique<Doc>(*queue);
        ASSERT_TRUE(doc->OnNewDocument());
    }

    // A test that stopped early leaves the server up for the facility to
    // drop its database.
    void TearDown() override {
        if (server)
            server->Start();
    }

    void Type(const std::string& digits) {
        for (char c : digits)
            doc->Input(c - '0', false);
    }
    long long Rows(const char* table) {
        return f->count("members.mdb", std::string("SELECT COUNT(*) FROM ") + table);
    }
    bool ShowsOutOfService() const {
        const auto lines = CTouchScreen::Build(*doc).AllLines();
        return doc->State() == Doc::OutOfService &&
               std::find(lines.begin(), lines.end(), OutOfServiceLine) != lines.end();
    }
    // The store layer reported the outage once; the kiosk adds no notice
    // of its own.
    bool ReportedAwayOnce() {
        return f->notices().count() == 1 && f->notices().last().rfind(AwayNotice, 0) == 0;
    }
    std::size_t JournalLines() {
        std::size_t n = 0;
        for (char c : vantora::test::readFile(queue->JournalPath()))
            n += c == '\n';
        return n;
    }

    FakeClock clock{2026, 3, 10, 9, 0, 0};
    std::unique_ptr<ThrowawayServer> server;
    std::unique_ptr<ScopedEnv> engine, serverUri;
    std::unique_ptr<Facility> f;
    std::unique_ptr<CWorkoutQueue> queue;
    std::unique_ptr<Doc> doc;
};

} // namespace

TEST_F(KioskOutageTest, LookUpWithTheServerAwayPutsTheKioskOutOfService) {
    ASSERT_TRUE(server->Stop());
    Type("123456");
    EXPECT_TRUE(ShowsOutOfService()) << "not 'unknown ID' for a look-up nobody answered";
    ASSERT_TRUE(ReportedAwayOnce()) << f->notices().last();
    const std::vector<Doc::TimerSpec> reconnect{{Doc::ReconnectTimer, 15000, true}};
    EXPECT_EQ(reconnect, doc->Timers());

    // Nothing a member does is taken, not even a code the kiosk does not know.
    EXPECT_FALSE(doc->Input(1, false));
    EXPECT_FALSE(doc->Input(CTouchInput::Enter, true));
    doc->Key(0x31);
    doc->Key(0xFF);
    EXPECT_TRUE(doc->IdText().empty());
    EXPECT_FALSE(doc->Idle()) << "the reconnect timer retries, not the idle write";

    // Still away: the next try stays quiet.
    doc->TimerExpired(Doc::ReconnectTimer);
    EXPECT_TRUE(ShowsOutOfService());
    EXPECT_TRUE(ReportedAwayOnce());

    ASSERT_TRUE(server->Start());
    doc->TimerExpired(Doc::ReconnectTimer);
    EXPECT_EQ(Doc::IdPrompt, doc->State());
    Type("123456");
    EXPECT_EQ(Doc::AskCheckIn, doc->State());
    EXPECT_TRUE(ReportedAwayOnce());
}

TEST_F(KioskOutageTest, VisitFinishedWhileTheServerGoesIsWrittenOnceWhenItIsBack) {
    Type("123456");
    ASSERT_TRUE(doc->Input(CTouchInput::Yes, false));
    ASSERT_EQ(Doc::CheckedIn, doc->State());
    clock->advance(45 * 60);
    doc->TimerExpired(Doc::DefaultTimer);
    Type("123456");
    ASSERT_EQ(Doc::AskCheckOut, doc->State());

    // The server goes in the middle of the visit; the workout is journaled
    // and the member is told so.
    ASSERT_TRUE(server->Stop());
    ASSERT_TRUE(doc->Input(CTouchInput::Yes, false));
    EXPECT_EQ(Doc::Farewell, doc->State());
    ASSERT_TRUE(ReportedAwayOnce()) << f->notices().last();
    EXPECT_EQ(1u, queue->Size());
    EXPECT_EQ(1u, JournalLines());

    // The next member finds the kiosk out of service, not an ID prompt.
    doc->TimerExpired(Doc::ExitTimer);
    EXPECT_TRUE(ShowsOutOfService());
    EXPECT_FALSE(doc->Input(1, false));
    doc->TimerExpired(Doc::ReconnectTimer);
    EXPECT_EQ(1u, queue->Size());
    EXPECT_EQ(1u, JournalLines());
    EXPECT_TRUE(ReportedAwayOnce()) << "one notice per outage, none per member or try";

    ASSERT_TRUE(server->Start());
    doc->TimerExpired(Doc::ReconnectTimer);
    EXPECT_EQ(Doc::IdPrompt, doc->State());
    EXPECT_TRUE(queue->Empty());
    EXPECT_FALSE(std::filesystem::exists(queue->JournalPath()));
    EXPECT_EQ(1, Rows("Workouts"));
    // The check-in the outage left behind went with the written workout,
    // so Ana is not offered a second check-out of the same visit.
    EXPECT_EQ(0, Rows("ChkIn"));
    EXPECT_TRUE(ReportedAwayOnce());
}
