#include "kiosk/touchdoc.h"
#include "kiosk/touchview.h"
#include "kiosk/workoutqueue.h"

#include "support/facility.h"
#include "support/memberdata.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>

using vantora::test::Facility;
using vantora::test::ScopedEnv;
using Doc = CVantoraTouchDoc;

// The stores named by a server whose socket does not exist: every use of
// them meets a server that cannot be reached.
TEST(KioskOutOfServiceView, CalmScreenWithoutControlsUntilTheServerAnswers) {
    Facility f;
    vantora::test::FakeClock clock(2026, 3, 10, 9, 0, 0);
    vantora::test::MemberData m;
    m.id = 501;
    m.barcode = 123456;
    m.first = "Ana";
    m.status = 1;
    m.expiration = CEFOleDateTime(2026, 6, 30);
    m.classes.resize(1);
    vantora::test::addMember(m);
    CWorkoutQueue queue(f.root().string() + "/touch.journal");
    Doc doc(queue);
    ASSERT_TRUE(doc.OnNewDocument());
    CVantoraTouchView view(doc);
    view.resize(1024, 768);
    view.show();
    QApplication::processEvents();
    auto shown = [&](int id) { return view.Control(id)->isVisible(); };
    {
        ScopedEnv away("VANTO_DB",
                       "postgresql://vantora@/vantora?host=/nonexistent-vantora-socket");
        for (int id : {134, 135, 136, 137, 138, 139})
            view.PressButton(id);
        ASSERT_EQ(Doc::OutOfService, doc.State());
        ASSERT_EQ(1u, f.notices().count());
        EXPECT_EQ(0u, f.notices().last().rfind("Error: the database server of", 0));

        // The facility block and the words for members, inside the window;
        // no button, field or message field to touch.
        QStringList texts;
        for (const auto& d : view.Drawing()) {
            EXPECT_TRUE(view.rect().contains(d.rect)) << d.text.toStdString();
            texts << d.text;
        }
        EXPECT_TRUE(texts.contains(QString::fromStdString(f.name())));
        EXPECT_TRUE(texts.contains(QStringLiteral("Please check in or out at the front desk.")));
        for (int id = CTouchInput::IdYes; id <= 157; ++id)
            EXPECT_FALSE(shown(id)) << id;

        const QTimer* reconnect = view.Timer(Doc::ReconnectTimer);
        ASSERT_NE(nullptr, reconnect);
        EXPECT_EQ(15000, reconnect->interval());
        EXPECT_EQ(Qt::PreciseTimer, reconnect->timerType());
        EXPECT_FALSE(reconnect->isSingleShot());

        QKeyEvent key(QEvent::KeyRelease, Qt::Key_F5, Qt::NoModifier);
        QApplication::sendEvent(&view, &key);
        EXPECT_EQ(1u, f.notices().count()) << "keys are not listened to";
    }

    // The stores answer again: the next try brings back the ID prompt.
    view.SetTimeScale(0.001);
    QElapsedTimer waited;
    waited.start();
    while (doc.State() != Doc::IdPrompt && waited.elapsed() < 5000) {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    EXPECT_EQ(Doc::IdPrompt, doc.State());
    EXPECT_TRUE(shown(143));
    EXPECT_EQ(1u, f.notices().count());
}
