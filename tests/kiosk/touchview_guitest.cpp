#include "kiosk/touchdoc.h"
#include "kiosk/touchframe.h"
#include "kiosk/touchview.h"
#include "kiosk/workoutqueue.h"

#include "support/facility.h"
#include "support/memberdata.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using vantora::test::Facility;
using vantora::test::FakeClock;

namespace {

void ReleaseKey(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyRelease, key, mods);
    QApplication::sendEvent(w, &e);
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
        EXPECT_TRUE(frame.windowFlags() & Qt::FramelessWindowHint);
        frame.show();
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
