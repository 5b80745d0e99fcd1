#include "daoefset_fixture.h"

#include "db/connection.h"

#include <future>
#include <thread>

using namespace vantora::test;

namespace {

// Restores the default busy timeout after a test that shortens it.
class BusyTimeout {
public:
    explicit BusyTimeout(int ms) : previous_(vantora::db::busyTimeout()) {
        vantora::db::setBusyTimeout(ms);
    }
    ~BusyTimeout() { vantora::db::setBusyTimeout(previous_); }

private:
    int previous_;
};

} // namespace

using Locking = StoreTest;

TEST_F(Locking, ConcurrentEditsOfOneRecordAreNeitherLost) {
    addVisits({{1, "a"}});
    constexpr int Rounds = 25;
    auto editor = [&] {
        VisitSet set;
        if (set.FindMember(1) != 1)
            return;
        for (int i = 0; i < Rounds; ++i) {
            set.Op(CDAOEFSet::opEdit);
            set.Visits = static_cast<short>(set.Visits + 1);
            set.Op(CDAOEFSet::opUpdate);
        }
    };
    std::thread first(editor);
    std::thread second(editor);
    first.join();
    second.join();
    EXPECT_EQ(queryValue(store(), "SELECT Visits FROM Visits WHERE MemberID = 1").toInt(),
              2 * Rounds);
    EXPECT_EQ(notices_->count(), 0u);
}

TEST_F(Locking, SecondEditorWaitsThenGetsTheEnginesErrorAndWritesNothing) {
    addVisits({{1, "a"}});
    BusyTimeout timeout(100);
    std::promise<void> locked, release;
    std::thread holder([&] {
        VisitSet set;
        set.FindMember(1);
        set.Op(CDAOEFSet::opEdit);
        set.Name = "first";
        locked.set_value();
        release.get_future().wait();
        set.Op(CDAOEFSet::opUpdate);
    });
    locked.get_future().wait();

    VisitSet set;
    ASSERT_EQ(set.FindMember(1), 1) << "reading goes on while another program edits";
    EXPECT_EQ(set.Name, "a");
    set.Op(CDAOEFSet::opEdit);
    EXPECT_TRUE(set.LastOpFailed());
    EXPECT_FALSE(set.IsEditing());
    ASSERT_EQ(notices_->count(), 1u);
    EXPECT_EQ(notices_->last(), "Error: database is locked");
    EXPECT_EQ(notices_->entries()[0].icon, vantora::notice::Icon::Exclamation);
    set.Name = "second";
    set.Op(CDAOEFSet::opUpdate); // the edit never started: nothing written, no second message
    EXPECT_TRUE(set.LastOpFailed());
    EXPECT_EQ(notices_->count(), 1u);
    set.Op(CDAOEFSet::opAddNew);
    EXPECT_TRUE(set.LastOpFailed());
    EXPECT_EQ(notices_->count(), 2u);

    release.set_value();
    holder.join();
    EXPECT_EQ(queryValue(store(), "SELECT Name FROM Visits").toString().toStdString(), "first");
    EXPECT_EQ(countRows("Visits"), 1);

    // Once the first editor is done the second edits normally.
    set.Op(CDAOEFSet::opEdit);
    EXPECT_EQ(set.Name, "first") << "an edit starts from what is stored now";
    set.Name = "second";
    set.Op(CDAOEFSet::opUpdate);
    EXPECT_FALSE(set.LastOpFailed());
    EXPECT_EQ(queryValue(store(), "SELECT Name FROM Visits").toString().toStdString(), "second");
}

TEST_F(Locking, DeleteOnALockedStoreIsReportedAndTheRowStays) {
    addVisits({{1, "a"}, {2, "b"}});
    BusyTimeout timeout(50);
    std::promise<void> locked, release;
    std::thread holder([&] {
        VisitSet set;
        set.FindAll();
        set.Op(CDAOEFSet::opAddNew);
        locked.set_value();
        release.get_future().wait();
        set.Op(CDAOEFSet::opClose); // gives the add up
    });
    locked.get_future().wait();
    VisitSet set;
    ASSERT_EQ(set.FindAll(), 2);
    EXPECT_EQ(set.DelAll(), 0);
    EXPECT_TRUE(set.LastOpFailed());
    EXPECT_EQ(notices_->texts(), std::vector<std::string>{"Error: database is locked"});
    EXPECT_EQ(set.CountSet(), 2);
    release.set_value();
    holder.join();
    EXPECT_EQ(countRows("Visits"), 2);
    EXPECT_EQ(set.DelAll(), 2);
    EXPECT_EQ(countRows("Visits"), 0);
}
