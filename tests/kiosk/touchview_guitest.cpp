#include "kiosk/touchdoc.h"
#include "kiosk/touchframe.h"
#include "kiosk/touchview.h"
#include "kiosk/workoutqueue.h"

#include "support/facility.h"
#include "support/faultydisk.h"
#include "support/memberdata.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using vantora::test::Facility;
using vantora::test::FakeClock;

namespace {

// Installed before any store opens, so that a test can fill the disk.
vantora::test::FaultyDisk& Disk() {
    static vantora::test::FaultyDisk disk;
    return disk;
}
const bool diskInstalled = (Disk(), true);

void ReleaseKey(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyRelease, key, mods);
    QApplication::sendEvent(w, &e);
}

// Runs the event loop until the condition holds or five seconds have passed.
template <class Condition> bool WaitFor(Condition done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000) {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

class KioskViewTest : public ::testing::Test {
protected:
    KioskViewTest() : clock(2026, 3, 10, 9, 0, 0) {
        vantora::test::MemberData m;
        m.id = 501;
        m.barcode = 123456;
        m.first = "Ana";
        m.last = "Lopez";
        m.status = 1;
        m.expiration = CEFOleDateTime(2026, 6, 30);
        vantora::test::ClassData c;
        c.category = "FIT";
        c.course = "FIT 101";
        m.classes.push_back(c);
        vantora::test::addMember(m);
    }
    void Start() {
        doc = std::make_unique<CVantoraTouchDoc>(queue);
        ASSERT_TRUE(doc->OnNewDocument());
        view = std::make_unique<CVantoraTouchView>(*doc);
        view->beep = [this] { ++beeps; };
        view->resize(1024, 768);
        view->show();
        QApplication::processEvents();
    }
    bool Visible(int id) { return view->Control(id) && view->Control(id)->isVisible(); }
    bool In(CVantoraTouchDoc::TouchState s) { return doc->State() == s; }

    // Everything painted or placed stays in the window; no text, field or
    // frame lies on a shown button, and no text or field reaches under the
    // keypad.
    void CheckLayout() {
        SCOPED_TRACE("state " + std::to_string(doc->State()));
        const QRect window = view->rect();
        std::vector<QRect> buttons;
        for (int id = CTouchInput::IdYes; id <= CTouchInput::IdDigit9; ++id)
            if (Visible(id))
                buttons.push_back(view->Control(id)->geometry());
        std::vector<std::pair<QRect, QString>> placed;
        for (const auto& d : view->Drawing())
            placed.emplace_back(d.rect, d.text);
        for (int id = 143; id <= 157; ++id)
            if (Visible(id))
                placed.emplace_back(view->Control(id)->geometry(), QStringLiteral("control"));
        for (const auto& [r, text] : placed) {
            EXPECT_TRUE(window.contains(r)) << text.toStdString();
            for (const QRect& b : buttons)
                EXPECT_FALSE(r.intersects(b)) << text.toStdString();
            if (!buttons.empty() && !text.isEmpty()) {
                EXPECT_LT(r.right(), view->Layout().KeypadLeft()) << text.toStdString();
            }
        }
    }
    // Bounds of the first drawn text that starts with `start`.
    QRect TextRect(const QString& start) {
        for (const auto& d : view->Drawing())
            if (!d.text.isEmpty() && d.text.startsWith(start))
                return d.rect;
        ADD_FAILURE() << "no text " << start.toStdString();
        return {};
    }

    Facility f;
    FakeClock clock;
    CWorkoutQueue queue{f.dbFolder() + "touch.journal"};
    std::unique_ptr<CVantoraTouchDoc> doc;
    std::unique_ptr<CVantoraTouchView> view;
    int beeps = 0;
};

} // namespace

TEST_F(KioskViewTest, KeypadPressesBeepAndCheckTheMemberIn) {
    Start();
    // Touch mode: Back, Enter and the digits in six rows of two.
    EXPECT_FALSE(Visible(129));
    for (int id = 131; id <= 142; ++id)
        EXPECT_TRUE(Visible(id)) << id;
    EXPECT_EQ(QRect(718, 36, 144, 96), view->Control(131)->geometry());
    EXPECT_EQ(QRect(871, 561, 144, 96), view->Control(142)->geometry());
    EXPECT_TRUE(Visible(143));
    EXPECT_TRUE(Visible(157)); // the facility's messages
    EXPECT_NE(nullptr, view->Timer(CVantoraTouchDoc::BlinkTimer));

    for (char c : std::string("123456"))
        static_cast<QPushButton*>(view->Control(133 + (c - '0')))->click();
    EXPECT_EQ(6, beeps);
    ASSERT_EQ(CVantoraTouchDoc::AskCheckIn, doc->State());
    EXPECT_TRUE(Visible(129));
    EXPECT_TRUE(Visible(130));
    EXPECT_FALSE(Visible(133));
    EXPECT_FALSE(Visible(143));
    ASSERT_NE(nullptr, view->Timer(CVantoraTouchDoc::CheckInTimer));
    EXPECT_EQ(40000, view->Timer(CVantoraTouchDoc::CheckInTimer)->interval());

    // Y on the keyboard answers Yes.
    ReleaseKey(view.get(), Qt::Key_Y);
    EXPECT_EQ(CVantoraTouchDoc::CheckedIn, doc->State());
    EXPECT_EQ(nullptr, view->Timer(CVantoraTouchDoc::CheckInTimer));
    EXPECT_EQ(5000, view->Timer(CVantoraTouchDoc::DefaultTimer)->interval());
    EXPECT_FALSE(Visible(129));
    EXPECT_EQ(1, f.count("chkin.mdb", "SELECT COUNT(*) FROM ChkIn"));
}

TEST_F(KioskViewTest, BarcodeReaderTypesQuietlyAndStrangeKeysWarn) {
    ASSERT_TRUE(f.exec("center.mdb", "UPDATE BarcodeTouch SET CodeMeth = 0"));
    Start();
    EXPECT_FALSE(Visible(131)); // no keypad for a reader
    ReleaseKey(view.get(), Qt::Key_1, Qt::KeypadModifier);
    EXPECT_EQ(CTouchInput::UnrecognizedKeyText, f.notices().last());
    ReleaseKey(view.get(), Qt::Key_Shift);
    EXPECT_EQ(2u, f.notices().count());
    for (int k : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6})
        ReleaseKey(view.get(), k);
    EXPECT_EQ(0, beeps);
    EXPECT_EQ(CVantoraTouchDoc::AskCheckIn, doc->State());
    // A key released in a field goes the same way as on the view.
    doc->AnswerCheckIn(false);
    ASSERT_EQ(CVantoraTouchDoc::AskWorkout, doc->State());
    ReleaseKey(view.get(), Qt::Key_Y);
    ASSERT_EQ(CVantoraTouchDoc::EnterCircuits, doc->State());
    EXPECT_TRUE(Visible(144));
    ReleaseKey(view->Control(144), Qt::Key_3);
    ASSERT_EQ(CVantoraTouchDoc::EnterOptions, doc->State());
    for (int id = 145; id <= 156; ++id)
        EXPECT_TRUE(Visible(id)) << id;
    EXPECT_EQ(QStringLiteral("0"), static_cast<QLineEdit*>(view->Control(145))->text());
    ReleaseKey(view->Control(145), Qt::Key_4);
    EXPECT_EQ(QStringLiteral("4"), static_cast<QLineEdit*>(view->Control(145))->text());
    ReleaseKey(view->Control(145), Qt::Key_Return);
    EXPECT_EQ(4, doc->Workout().GetStnVal(1));
    EXPECT_EQ(2, doc->OptionIndex());
}

TEST_F(KioskViewTest, BlinkTickEmptiesAndRestoresTheMessage) {
    Start();
    auto* label = static_cast<QLabel*>(view->Control(157));
    const QString text = label->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Enter the circuits")));
    doc->TimerExpired(CVantoraTouchDoc::BlinkTimer);
    EXPECT_TRUE(label->text().isEmpty());
    doc->TimerExpired(CVantoraTouchDoc::BlinkTimer);
    EXPECT_EQ(text, label->text());
}

TEST_F(KioskViewTest, FrameIsTitledAndClosingWritesTheQueue) {
    doc = std::make_unique<CVantoraTouchDoc>(queue);
    ASSERT_TRUE(doc->OnNewDocument());
    {
        CMainFrame frame(*doc);
        EXPECT_EQ(QStringLiteral("VantoraTouch"), frame.windowTitle());
        // A caption, but no system menu and no window buttons.
        const Qt::WindowFlags flags = frame.windowFlags();
        EXPECT_TRUE(flags & Qt::WindowTitleHint);
        EXPECT_FALSE(flags & (Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint));
        frame.show();
        // Minimised by the window manager, the kiosk comes back at once.
        frame.showMinimized();
        EXPECT_TRUE(WaitFor([&] { return frame.isMaximized(); }));
        doc->LookUpId(123456);
        doc->AnswerCheckIn(false);
        doc->AnswerEnterWorkout(true);
        doc->Input(2, false);
        for (int i = 1; i < 13; ++i)
            doc->Input(CTouchInput::Enter, false);
        doc->AnswerConfirm(true);
        EXPECT_EQ(1u, queue.Size());
        frame.close();
    }
    EXPECT_TRUE(queue.Empty());
    EXPECT_EQ(1, f.count("members.mdb", "SELECT COUNT(*) FROM Workouts"));
}

TEST_F(KioskViewTest, BlinkingMessagesLeaveEveryTimeOutOnTime) {
    ASSERT_TRUE(f.exec("members.mdb", "INSERT INTO Messages (MemberID, Msg) VALUES "
                                      "(501, 'Please bring your signed release form.')"));
    Start();
    // Blinks every 30 ms, questions wait 0.8 s, messages (5 s) and the idle
    // write (5 s) 0.1 s: many ticks fall inside every countdown.
    view->SetTimeScale(0.02);
    doc->LookUpId(123456);
    ASSERT_TRUE(In(CVantoraTouchDoc::AskCheckIn));
    ASSERT_NE(nullptr, view->Timer(CVantoraTouchDoc::BlinkTimer));
    // The unanswered question checks the member in.
    ASSERT_TRUE(WaitFor([&] { return !In(CVantoraTouchDoc::AskCheckIn); }));
    EXPECT_TRUE(In(CVantoraTouchDoc::CheckedIn));
    ASSERT_TRUE(WaitFor([&] { return In(CVantoraTouchDoc::IdPrompt); }));

    doc->LookUpId(123456);
    doc->AnswerCheckOut(true);
    doc->Input(3, false);
    for (int i = 1; i < 13; ++i)
        doc->Input(CTouchInput::Enter, false);
    doc->AnswerConfirm(true);
    ASSERT_TRUE(In(CVantoraTouchDoc::Farewell));
    ASSERT_NE(nullptr, view->Timer(CVantoraTouchDoc::BlinkTimer));
    ASSERT_EQ(1u, queue.Size());
    // The farewell leaves on time, and the ID prompt, with the facility's
    // messages blinking, writes the queue once the kiosk is idle.
    ASSERT_TRUE(WaitFor([&] { return In(CVantoraTouchDoc::IdPrompt); }));
    ASSERT_NE(nullptr, view->Timer(CVantoraTouchDoc::BlinkTimer));
    EXPECT_TRUE(WaitFor([&] { return queue.Empty(); }));
    EXPECT_EQ(1, f.count("members.mdb", "SELECT COUNT(*) FROM Workouts"));
}

TEST_F(KioskViewTest, RefusedIdleWriteIsTriedAgainWithoutInput) {
    VANTORA_SKIP_ON_SERVER("the disk fills up under SQLite's own file system");
    Start();
    view->SetTimeScale(0.02);
    doc->LookUpId(123456);
    doc->AnswerCheckIn(true);
    ASSERT_TRUE(WaitFor([&] { return In(CVantoraTouchDoc::IdPrompt); }));
    doc->LookUpId(123456);
    doc->AnswerCheckOut(true);
    doc->Input(3, false);
    for (int i = 1; i < 13; ++i)
        doc->Input(CTouchInput::Enter, false);
    doc->AnswerConfirm(true);
    ASSERT_EQ(1u, queue.Size());
    Disk().FailCommit("members.mdb", 1);
    // The idle write at the ID prompt is refused: the workout stays queued.
    ASSERT_TRUE(WaitFor([&] { return In(CVantoraTouchDoc::IdPrompt) && Disk().Tripped(); }));
    EXPECT_EQ(1u, queue.Size());
    Disk().Heal();
    // Nobody touches the kiosk; the next attempt writes it.
    EXPECT_TRUE(WaitFor([&] { return queue.Empty(); }));
    EXPECT_EQ(1, f.count("members.mdb", "SELECT COUNT(*) FROM Workouts"));
}

TEST_F(KioskViewTest, TextStaysInItsAreaOnEveryScreen) {
    // Option names of the longest length the settings take, and a message
    // of three lines.
    ASSERT_TRUE(f.exec("center.mdb", "UPDATE Stations SET StnName = 'Rowing Machine (min) #' || "
                                     "CASE WHEN _key < 10 THEN '0' ELSE '' END || _key "
                                     "WHERE _key > 1"));
    ASSERT_TRUE(f.exec("members.mdb",
                       "INSERT INTO Messages (MemberID, Msg) VALUES (501, 'We still need your "
                       "signed release form. Please bring it to the desk before your next "
                       "workout, or ask a staff member for a new copy of the form.')"));
    Start();
    CheckLayout();
    doc->LookUpId(123456);
    ASSERT_TRUE(In(CVantoraTouchDoc::AskCheckIn));
    CheckLayout();
    // The greeting, then the message field, then the rest of the text.
    const QRect message = view->Control(157)->geometry();
    EXPECT_LE(TextRect(QStringLiteral("Welcome Ana,")).bottom(), message.top());
    EXPECT_LE(message.bottom(), TextRect(QStringLiteral("Your membership")).top());
    doc->AnswerCheckIn(true);
    CheckLayout();
    doc->LookUpId(123456);
    ASSERT_TRUE(In(CVantoraTouchDoc::AskCheckOut));
    CheckLayout();
    doc->AnswerCheckOut(true);
    CheckLayout();
    doc->Input(3, false);
    ASSERT_TRUE(In(CVantoraTouchDoc::EnterOptions));
    EXPECT_FALSE(TextRect(QStringLiteral("Rowing Machine (min) #13")).isEmpty());
    CheckLayout();
    for (int i = 1; i < 13; ++i)
        doc->Input(CTouchInput::Enter, false);
    CheckLayout();
    doc->AnswerConfirm(true);
    ASSERT_TRUE(In(CVantoraTouchDoc::Farewell));
    CheckLayout();
}

// The application object outlives every test and goes before the program's
// static objects.
int main(int argc, char** argv) {
    // Listing the tests happens outside the test environment: no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
