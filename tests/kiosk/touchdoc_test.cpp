#include "db/connection.h"
#include "kiosk/touchdoc.h"
#include "kiosk/touchlayout.h"
#include "kiosk/touchscreen.h"
#include "kiosk/workoutqueue.h"

#include "support/facility.h"
#include "support/memberdata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include <sys/wait.h>
#include <unistd.h>

using vantora::notice::Answer;
using vantora::test::ClassData;
using vantora::test::Facility;
using vantora::test::FakeClock;
using vantora::test::MemberData;
using Doc = CVantoraTouchDoc;
using Lines = std::vector<std::string>;

namespace {

constexpr long Ana = 501;
constexpr long AnaCode = 123456;

MemberData Member(long id, long barcode, const std::string& first, int classes,
                  CEFOleDateTime expiration) {
    MemberData m;
    m.id = id;
    m.barcode = barcode;
    m.first = first;
    m.last = "Lopez";
    m.status = 1;
    m.enrollment = CEFOleDateTime(2026, 1, 5);
    m.expiration = expiration;
    const char* courses[] = {"FIT 101", "SWIM 110", "YOGA 120"};
    for (int i = 0; i < classes; ++i) {
        ClassData c;
        c.indx = static_cast<unsigned char>(i);
        c.category = "FIT";
        c.course = courses[i];
        c.section = "0" + std::to_string(i + 1);
        c.orientation = i == 0 ? 1 : 0;
        m.classes.push_back(c);
    }
    return m;
}

bool Contains(const Lines& lines, const std::string& text) {
    return std::find(lines.begin(), lines.end(), text) != lines.end();
}

// A facility with one current member and a kiosk started on it, at a fixed
// time of day.
class KioskTest : public ::testing::Test {
protected:
    KioskTest() : clock(2026, 3, 10, 9, 0, 0) {
        vantora::test::addMember(Member(Ana, AnaCode, "Ana", 1, CEFOleDateTime(2026, 6, 30)));
    }

    void Start() {
        doc = std::make_unique<Doc>(queue);
        ASSERT_TRUE(doc->OnNewDocument());
    }
    Lines Screen() const { return CTouchScreen::Build(*doc).AllLines(); }
    void Type(const std::string& digits) {
        for (char c : digits)
            doc->Input(c - '0', false);
    }
    long long Rows(const char* store, const char* table) {
        return f.count(store, std::string("SELECT COUNT(*) FROM ") + table);
    }
    void SetFlags(long flags) {
        f.exec("center.mdb", "UPDATE Defaults SET DefFlags = " + std::to_string(flags));
    }

    Facility f;
    FakeClock clock;
    CWorkoutQueue queue{f.dbFolder() + "touch.journal"};
    std::unique_ptr<Doc> doc;
};

} // namespace

TEST_F(KioskTest, StartRefusesWhenASettingsRecordIsMissing) {
    struct Case {
        const char* store;
        const char* table;
        const char* message;
    };
    for (const Case& c :
         {Case{"center.mdb", "Center", "Error: could not retrieve data from center recordset."},
          Case{"center.mdb", "BarcodeTouch",
               "Error: could not retrieve data from touch screen recordset."},
          Case{"center.mdb", "Defaults", "Error: could not retrieve data from defaults recordset."},
          Case{"center.mdb", "Bonuses", "Error: could not retrieve data from bonus recordset."},
          Case{"center.mdb", "Stations",
               "Error: could not retrieve data from station recordset."}}) {
        Facility g;
        ASSERT_TRUE(g.exec(c.store, std::string("DELETE FROM ") + c.table));
        CWorkoutQueue q("");
        Doc d(q);
        EXPECT_FALSE(d.OnNewDocument()) << c.table;
        EXPECT_EQ(c.message, g.notices().last());
        EXPECT_EQ(1u, g.notices().count());
    }
}

TEST_F(KioskTest, IdReachingTheCodeLengthSubmitsAndChecksIn) {
    Start();
    EXPECT_EQ(13u, doc->Options().size());
    EXPECT_TRUE(doc->TouchMode());
    Type("12345");
    EXPECT_EQ(Doc::IdPrompt, doc->State());
    EXPECT_EQ("12345", CTouchScreen::Build(*doc).idText);
    doc->Input(CTouchInput::Back, false);
    EXPECT_EQ("1234", doc->IdText());
    Type("56");
    ASSERT_EQ(Doc::AskCheckIn, doc->State());
    const Lines lines = Screen();
    EXPECT_TRUE(Contains(lines, "Welcome Ana,"));
    EXPECT_TRUE(Contains(lines, "Your membership is valid until 06/30/2026."));
    // One orientation bonus worth one workout: the period holds one counted workout.
    EXPECT_TRUE(Contains(lines, "1 workout. This workout counts toward your grade."));
    EXPECT_TRUE(Contains(lines, "The workout includes 1 bonus and the following:"));
    EXPECT_TRUE(Contains(lines, "0000 Circuits"));
    EXPECT_EQ("Do you want to check in?", lines.back());

    doc->Input(CTouchInput::Yes, false);
    EXPECT_EQ(Doc::CheckedIn, doc->State());
    EXPECT_EQ("Thank you Ana.", Screen()[0]);
    EXPECT_EQ(1, Rows("chkin.mdb", "ChkIn"));
    EXPECT_EQ(Ana, f.count("chkin.mdb", "SELECT MemberID FROM ChkIn"));
    ASSERT_EQ((std::vector<Doc::TimerSpec>{{Doc::DefaultTimer, 5000, false}}), doc->Timers());
    doc->TimerExpired(Doc::DefaultTimer);
    EXPECT_EQ(Doc::IdPrompt, doc->State());
    EXPECT_EQ(0u, f.notices().count());
}

TEST_F(KioskTest, CheckOutRecordsTheWorkoutEnteredOptionByOption) {
    Start();
    doc->LookUpId(AnaCode);
    doc->AnswerCheckIn(true);
    clock->advance(45 * 60);
    doc->LookUpId(AnaCode);
    ASSERT_EQ(Doc::AskCheckOut, doc->State());
    EXPECT_EQ("Ana, you have been working out for 45 minutes.", Screen()[0]);

    doc->Input(CTouchInput::Yes, false);
    ASSERT_EQ(Doc::EnterCircuits, doc->State());
    EXPECT_EQ("Enter the number of Circuits ", Screen()[0]);
    EXPECT_FALSE(doc->Input(CTouchInput::Enter, false));
    doc->Input(3, false);
    ASSERT_EQ(Doc::EnterOptions, doc->State());
    EXPECT_EQ(12u, CTouchScreen::Build(*doc).optionRows.size());
    // Two digits commit at once; one digit needs Enter.
    Type("25");
    EXPECT_EQ(2, doc->OptionIndex());
    Type("7");
    EXPECT_EQ("7", doc->FieldText(2));
    doc->Input(CTouchInput::Enter, false);
    EXPECT_EQ(3, doc->OptionIndex());
    // Back with a digit typed clears the field; Back again steps back and
    // zeroes the option left.
    Type("4");
    doc->Input(CTouchInput::Back, false);
    EXPECT_EQ("0", doc->FieldText(3));
    EXPECT_EQ(3, doc->OptionIndex());
    doc->Input(CTouchInput::Back, false);
    EXPECT_EQ(2, doc->OptionIndex());
    EXPECT_EQ("0", doc->FieldText(2));
    Type("8");
    doc->Input(CTouchInput::Enter, false);
    for (int i = 3; i < 13; ++i)
        doc->Input(CTouchInput::Enter, false);
    ASSERT_EQ(Doc::ConfirmWorkout, doc->State());
    const Lines confirm = Screen();
    EXPECT_EQ("03 Circuits", confirm[1]);
    EXPECT_EQ("25 Treadmill (min)", confirm[2]);
    EXPECT_EQ("08 Stationary Bike (min)", confirm[3]);
    EXPECT_EQ("00 Rowing Machine (min)", confirm[4]);

    doc->Input(CTouchInput::Yes, false);
    ASSERT_EQ(Doc::Farewell, doc->State());
    EXPECT_TRUE(Contains(Screen(), "workout met the minimum requirements for credit."));
    EXPECT_EQ(0, Rows("chkin.mdb", "ChkIn"));
    ASSERT_EQ(1u, queue.Size());
    EXPECT_EQ(0, Rows("members.mdb", "Workouts"));

    doc->TimerExpired(Doc::ExitTimer);
    doc->Idle();
    EXPECT_TRUE(queue.Empty());
    EXPECT_EQ(1, Rows("members.mdb", "Workouts"));
    EXPECT_EQ(1,
              f.count("members.mdb",
                      "SELECT COUNT(*) FROM Workouts WHERE MemberID = 501 AND WorkoutOK = 1 "
                      "AND Station00 = 3 AND Station01 = 25 AND Station02 = 8 AND Station03 = 0"));
    EXPECT_FALSE(std::filesystem::exists(queue.JournalPath()));
}

TEST_F(KioskTest, TimeOutsAnswerEachQuestionTheirOwnWay) {
    Start();
    doc->LookUpId(AnaCode);
    doc->TimerExpired(Doc::CheckOutTimer); // not armed here: ignored
    EXPECT_EQ(Doc::AskCheckIn, doc->State());
    doc->TimerExpired(Doc::CheckInTimer);
    EXPECT_EQ(Doc::CheckedIn, doc->State());
    EXPECT_EQ(1, Rows("chkin.mdb", "ChkIn"));

    doc->LookUpId(AnaCode);
    ASSERT_EQ(Doc::AskCheckOut, doc->State());
    doc->TimerExpired(Doc::CheckOutTimer);
    EXPECT_EQ(Doc::IdPrompt, doc->State());
    EXPECT_EQ(1, Rows("chkin.mdb", "ChkIn")); // still checked in

    doc->LookUpId(AnaCode);
    doc->AnswerCheckOut(true);
    doc->Input(1, false);
    for (int i = 1; i < 13; ++i)
        doc->Input(CTouchInput::Enter, false);
    ASSERT_EQ(Doc::ConfirmWorkout, doc->State());
    doc->TimerExpired(Doc::ConfirmTimer);
    EXPECT_EQ(Doc::Farewell, doc->State());
    EXPECT_EQ(1u, queue.Size());
    // One circuit and no minutes: short of both minimums.
    const Lines lines = Screen();
    EXPECT_TRUE(Contains(lines, "workout did not meet the minimum requirements"));
    EXPECT_TRUE(Contains(lines, "of 2 completed Circuits, and 30 total minutes."));

    // Declining to check in offers a workout, whose time-out does nothing.
    doc->TimerExpired(Doc::ExitTimer);
    doc->LookUpId(AnaCode);
    doc->AnswerCheckIn(false);
    ASSERT_EQ(Doc::AskWorkout, doc->State());
    doc->TimerExpired(Doc::AddWorkoutTimer);
    EXPECT_EQ(Doc::IdPrompt, doc->State());
    EXPECT_EQ(1u, queue.Size());
}

TEST_F(KioskTest, WorkoutWithoutCheckInLastsTheDefaultMinutes) {
    Start();
    doc->LookUpId(AnaCode);
    doc->AnswerCheckIn(false);
    doc->AnswerEnterWorkout(true);
    ASSERT_EQ(Doc::EnterCircuits, doc->State());
    doc->Input(2, false);
    for (int i = 1; i < 13; ++i)
        doc->Input(CTouchInput::Enter, false);
    doc->AnswerConfirm(true);
    ASSERT_EQ(1u, queue.Size());
    const CWorkout& w = queue.Pending()[0];
    EXPECT_EQ("03/10/2026 09:30:01", w.checkOut.DateTimeStrLongYear());
    EXPECT_EQ(1, w.workoutOK);
    // The result speaks of the workout's own 30 minutes, so it was credited.
    EXPECT_TRUE(Contains(Screen(), "workout met the minimum requirements for credit."));
}

TEST_F(KioskTest, WithoutDetailsCheckOutIsImmediate) {
    SetFlags(0);
    Start();
    doc->LookUpId(AnaCode);
    const Lines lines = Screen();
    EXPECT_TRUE(Contains(lines, "The workout includes 1 bonus."));
    EXPECT_FALSE(Contains(lines, "0000 Circuits"));
    doc->AnswerCheckIn(false);
    EXPECT_EQ(Doc::IdPrompt, doc->State());

    doc->LookUpId(AnaCode);
    doc->AnswerCheckIn(true);
    doc->LookUpId(AnaCode);
    doc->AnswerCheckOut(true);
    ASSERT_EQ(Doc::Farewell, doc->State());
    ASSERT_EQ(1u, queue.Size());
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(0, queue.Pending()[0].GetStnVal(i));
    const Lines farewell = Screen();
    EXPECT_EQ("Thank you, Ana, for using the fitness", farewell[0]);
    EXPECT_FALSE(Contains(farewell, "If you are enrolled for a letter grade, your"));
    EXPECT_EQ("Please visit again soon!", farewell.back());
}

TEST_F(KioskTest, UnknownExpiredAndOverlongIds) {
    ASSERT_TRUE(f.exec("center.mdb", "UPDATE BarcodeTouch SET CodeLen = 0, CodeMeth = 0"));
    vantora::test::addMember(Member(502, 222222, "Ben", 1, CEFOleDateTime(2026, 3, 1)));
    Start();
    EXPECT_FALSE(doc->TouchMode());
    // In barcode mode the keypad buttons are not there; keys are.
    EXPECT_FALSE(doc->Input(1, false));
    doc->Key(0x0D);
    EXPECT_EQ(Doc::UnknownId, doc->State());
    EXPECT_EQ("Sorry, your ID number is not in the database.", Screen()[0]);
    doc->TimerExpired(Doc::DefaultTimer);

    for (char c : std::string("9999999999"))
        doc->Key(c);
    EXPECT_EQ(Doc::IdPrompt, doc->State()); // CodeLen 0: only Enter submits
    doc->Key(0x0D);
    EXPECT_EQ(Doc::UnknownId, doc->State());
    doc->TimerExpired(Doc::DefaultTimer);

    doc->LookUpId(222222);
    EXPECT_EQ(Doc::NotCurrent, doc->State());
    // Checked in before the membership ran out: still offered check-out.
    ASSERT_TRUE(f.exec("chkin.mdb",
                       "INSERT INTO ChkIn (MemberID, Barcode, FirstName, LastName, CheckIn, "
                       "ClassIndx) VALUES (502, 222222, 'Ben', 'Lopez', 46081.3, 0)"));
    doc->LookUpId(222222);
    EXPECT_EQ(Doc::AskCheckOut, doc->State());
    EXPECT_EQ(0u, f.notices().count());
}

TEST_F(KioskTest, UnrecognizedKeysAreRefusedWithTheCodeList) {
    Start();
    doc->Key(0x60); // a digit of the numeric keypad
    EXPECT_EQ(CTouchInput::UnrecognizedKeyText, f.notices().last());
    doc->Key('5'); // touch mode: the ID prompt ignores keys
    EXPECT_EQ("", doc->IdText());
    EXPECT_EQ(1u, f.notices().count());
}

TEST_F(KioskTest, MemberWithoutClassesIsSentToTheDesk) {
    vantora::test::addMember(Member(503, 333333, "Cy", 0, CEFOleDateTime(2026, 12, 31)));
    Start();
    doc->LookUpId(333333);
    EXPECT_EQ(Doc::IdPrompt, doc->State());
    EXPECT_EQ("Error: missing course enrollment information.", f.notices().last());
}

TEST_F(KioskTest, SeveralClassesAreChosenByNumber) {
    vantora::test::addMember(Member(504, 444444, "Dee", 3, CEFOleDateTime(2026, 12, 31)));
    Start();
    doc->LookUpId(444444);
    ASSERT_EQ(Doc::ChooseCourse, doc->State());
    const CTouchScreen screen = CTouchScreen::Build(*doc);
    EXPECT_EQ(
        (Lines{"Welcome, Dee. Please press the number", "corresponding to the appropriate course.",
               "", "1. FIT FIT 101 01", "2. FIT SWIM 110 02", "3. FIT YOGA 120 03"}),
        screen.AllLines());
    EXPECT_EQ(134, screen.firstButton);
    EXPECT_EQ(136, screen.lastButton);
    EXPECT_FALSE(doc->Input(4, false));
    doc->Input(2, false);
    ASSERT_EQ(Doc::AskCheckIn, doc->State());
    EXPECT_EQ("Dee,", Screen()[0]);
    EXPECT_EQ(1, doc->Workout().classIndx);

    // Letting the course screen time out checks in to the first class.
    doc->AnswerCheckIn(false);
    doc->TimerExpired(Doc::AddWorkoutTimer);
    doc->LookUpId(444444);
    doc->TimerExpired(Doc::ClassSelectTimer);
    EXPECT_EQ(Doc::CheckedIn, doc->State());
    EXPECT_EQ(0, f.count("chkin.mdb", "SELECT ClassIndx FROM ChkIn WHERE MemberID = 504"));
}

TEST_F(KioskTest, StoredMessageIsShownOnceWrapped) {
    const std::string msg = "Your locker rental ends this Friday, please see the front desk "
                            "to renew it or empty the locker before the weekend starts.";
    ASSERT_TRUE(
        f.exec("members.mdb", "INSERT INTO Messages (MemberID, Msg) VALUES (501, '" + msg + "')"));
    Start();
    doc->LookUpId(AnaCode);
    EXPECT_EQ(3u, doc->MessageLines().size());
    EXPECT_EQ(0, Rows("members.mdb", "Messages"));
    const auto timers = doc->Timers();
    EXPECT_NE(timers.end(),
              std::find(timers.begin(), timers.end(), Doc::TimerSpec{Doc::BlinkTimer, 1500, true}));
    doc->TimerExpired(Doc::BlinkTimer);
    EXPECT_FALSE(doc->MessageVisible());
    doc->TimerExpired(Doc::BlinkTimer);
    EXPECT_TRUE(doc->MessageVisible());
    doc->AnswerCheckIn(true);
    doc->TimerExpired(Doc::DefaultTimer);
    doc->LookUpId(AnaCode);
    EXPECT_TRUE(doc->MessageLines().empty());
}

TEST_F(KioskTest, ClosingMovesOpenCheckInsIntoWorkouts) {
    Start();
    doc->LookUpId(AnaCode);
    doc->AnswerCheckIn(true);
    f.notices().answer(Answer::Yes);
    doc->OnCloseDocument();
    ASSERT_EQ(1u, f.notices().count());
    EXPECT_EQ(0u, f.notices().entries()[0].text.find(
                      "You are exiting VantoraTouch, but records exist\n"));
    EXPECT_EQ(0, Rows("chkin.mdb", "ChkIn"));
    ASSERT_EQ(1u, queue.Size());
    EXPECT_EQ("03/10/2026 09:30:01", queue.Pending()[0].checkOut.DateTimeStrLongYear());
    EXPECT_EQ(0, queue.Pending()[0].workoutOK); // no circuits recorded
    EXPECT_EQ(1, doc->FlushWorkouts());
    EXPECT_EQ(1, Rows("members.mdb", "Workouts"));
}

TEST_F(KioskTest, QueuedWorkoutsSurviveAMissingStoreAndACrash) {
    VANTORA_SKIP_ON_SERVER("the members store file is moved away");
    Start();
    doc->LookUpId(AnaCode);
    doc->AnswerCheckIn(false);
    doc->AnswerEnterWorkout(true);
    doc->Input(4, false);
    for (int i = 1; i < 13; ++i)
        doc->Input(CTouchInput::Enter, false);
    doc->AnswerConfirm(true);
    ASSERT_TRUE(std::filesystem::exists(queue.JournalPath()));

    // The store is gone while the kiosk flushes: nothing is lost.
    const std::string store = f.storePath("members.mdb");
    std::filesystem::rename(store, store + ".away");
    EXPECT_EQ(0, queue.FlushWorkouts());
    EXPECT_EQ(1u, queue.Size());
    std::filesystem::rename(store + ".away", store);
    f.notices().clear();

    // A new run after a crash finds the journal and writes the workout once,
    // even when it reads the journal twice.
    CWorkoutQueue next(queue.JournalPath());
    EXPECT_EQ(1, next.Recover());
    EXPECT_EQ(1, next.FlushWorkouts());
    CWorkoutQueue again(f.dbFolder() + "other.journal");
    again.QueueWorkout(next.Pending().empty() ? queue.Pending()[0] : next.Pending()[0]);
    EXPECT_EQ(0, again.FlushWorkouts());
    EXPECT_EQ(1, Rows("members.mdb", "Workouts"));
    EXPECT_FALSE(std::filesystem::exists(queue.JournalPath()));
}

TEST(KioskJournal, LinesRoundTripAndDamagedLinesAreRefused) {
    CWorkout w;
    w.Set(77, 770077, "A", "B", 1, CEFOleDateTime(2026, 2, 3, 4, 5, 6),
          CEFOleDateTime(2026, 2, 3, 5, 6, 7), 2);
    w.SetStnVal(0, 3);
    w.SetStnVal(12, 999);
    const std::string line = CWorkoutQueue::ToLine(w);
    CWorkout back;
    ASSERT_TRUE(CWorkoutQueue::FromLine(line.substr(0, line.size() - 1), back));
    EXPECT_EQ(77, back.memberId);
    EXPECT_EQ(770077, back.barcode);
    EXPECT_EQ(1, back.workoutOK);
    EXPECT_EQ(2, back.classIndx);
    EXPECT_EQ(double(w.checkIn), double(back.checkIn));
    EXPECT_EQ(double(w.checkOut), double(back.checkOut));
    EXPECT_EQ(3, back.GetStnVal(0));
    EXPECT_EQ(999, back.GetStnVal(12));
    for (const char* bad : {"", "1|2|3", "x|2|1|0|1|2|0|0|0|0|0|0|0|0|0|0|0|0|0",
                            "1|2|7|0|1|2|0|0|0|0|0|0|0|0|0|0|0|0|0"})
        EXPECT_FALSE(CWorkoutQueue::FromLine(bad, back)) << bad;
}

TEST_F(KioskTest, ThreeDigitValuesCommitOnTheThirdDigit) {
    SetFlags(512 | 1024);
    Start();
    doc->LookUpId(AnaCode);
    doc->AnswerCheckIn(false);
    doc->AnswerEnterWorkout(true);
    doc->Input(2, false);
    EXPECT_EQ("To record a 1- or 2-digit number, press the", Screen()[1]);
    Type("12");
    EXPECT_EQ(1, doc->OptionIndex()); // two digits wait for a third or Enter
    Type("5");
    EXPECT_EQ(2, doc->OptionIndex());
    EXPECT_EQ(125, doc->Workout().GetStnVal(1));
    Type("40");
    doc->Input(CTouchInput::Enter, false);
    EXPECT_EQ(40, doc->Workout().GetStnVal(2));
    // Back on the first option with nothing typed returns to the circuits.
    while (doc->OptionIndex() > 1)
        doc->Input(CTouchInput::Back, false);
    doc->Input(CTouchInput::Back, false);
    EXPECT_EQ(Doc::EnterCircuits, doc->State());
    EXPECT_EQ(0, doc->Workout().GetStnVal(1));
    doc->Input(4, false);
    for (int i = 1; i < 13; ++i)
        doc->Input(CTouchInput::Enter, false);
    EXPECT_EQ("004 Circuits", Screen()[1]);
    // No to the values starts the entry again from the circuits.
    doc->AnswerConfirm(false);
    EXPECT_EQ(Doc::EnterCircuits, doc->State());
    EXPECT_EQ("4", CTouchScreen::Build(*doc).circuitText);
}

TEST_F(KioskTest, AWorkoutFinishedBeforeACrashIsWrittenOnceAtTheNextStart) {
    const std::string journal = f.dbFolder() + "crash.journal";
    // Each process opens connections of its own: one connection to a server
    // shared by two processes mixes up their conversations.
    for (const char* store : {"members.mdb", "center.mdb", "chkin.mdb", "reports.mdb"})
        ASSERT_TRUE(vantora::db::closeStore(f.storePath(store))) << store;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_NE(-1, child);
    if (child == 0) {
        // The kiosk process: a member confirms a workout, sees the farewell
        // screen, and the process dies before any flush.
        CWorkoutQueue q(journal);
        Doc d(q);
        if (!d.OnNewDocument())
            ::_exit(3);
        d.LookUpId(AnaCode);
        d.AnswerCheckIn(false);
        d.AnswerEnterWorkout(true);
        d.Input(3, false);
        for (int i = 1; i < 13; ++i)
            d.Input(CTouchInput::Enter, false);
        d.AnswerConfirm(true);
        if (d.State() != Doc::Farewell)
            ::_exit(4);
        ::raise(SIGKILL);
        ::_exit(5);
    }
    int status = 0;
    ASSERT_EQ(child, ::waitpid(child, &status, 0));
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit code " << WEXITSTATUS(status);
    EXPECT_EQ(SIGKILL, WTERMSIG(status));
    EXPECT_EQ(0, Rows("members.mdb", "Workouts"));

    // The next start: journal found, workout written; a second start finds
    // nothing more to do.
    for (int run = 0; run < 2; ++run) {
        CWorkoutQueue q(journal);
        Doc d(q);
        ASSERT_TRUE(d.OnNewDocument());
        EXPECT_EQ(run == 0 ? 1 : 0, q.Recover());
        d.FlushWorkouts();
        EXPECT_TRUE(q.Empty());
    }
    EXPECT_EQ(1, Rows("members.mdb", "Workouts"));
    EXPECT_EQ(1, f.count("members.mdb", "SELECT COUNT(*) FROM Workouts WHERE Station00 = 3"));
}
