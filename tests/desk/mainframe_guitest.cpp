#include "desk/core/deskapplication.h"
#include "desk/core/deskdocument.h"
#include "desk/view/facilityheaderview.h"
#include "desk/view/mainframe.h"
#include "desk/view/membertreeview.h"

#include "support/facility.h"
#include "support/memberdata.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>

using vantora::test::Facility;

namespace {

// Answers the next modal dialog: types the member ID and presses OK.
void AnswerMemberId(const QString& id) {
    QTimer::singleShot(0, [id] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>(QStringLiteral("memberId"))->setText(id);
        QMetaObject::invokeMethod(dialog, "accept");
        // A refused ID leaves the prompt open: cancel it then.
        QTimer::singleShot(0, [dialog] {
            if (QApplication::activeModalWidget() == dialog)
                QMetaObject::invokeMethod(dialog, "reject");
        });
    });
}

TEST(DeskMainFrame, WindowTreeButtonsMenusAndAReportRequest) {
    Facility facility("Riverside Fitness");
    vantora::test::MemberData m;
    m.id = 42;
    m.first = "Ana";
    m.last = "Lopez";
    vantora::test::addMember(m);
    CVantoraApp app;
    app.reportServer = 0; // no companion from a test
    app.loadMembers = 1;
    CVantoraDoc doc(&app);
    ASSERT_TRUE(doc.OnNewDocument());
    CMainFrame frame(app, doc);
    frame.show();
    frame.StartTree();

    EXPECT_EQ(frame.geometry().topLeft(), QPoint(75, 75));
    EXPECT_EQ(frame.width(), 700);
    const auto* splitter = qobject_cast<QSplitter*>(frame.centralWidget());
    ASSERT_NE(splitter, nullptr);
    // One third for the tree, give or take the splitter bar.
    EXPECT_NEAR(splitter->sizes().at(0), splitter->width() / 3, splitter->handleWidth());

    // The load-members option lists the members at start.
    const QModelIndex member = doc.Tree().index(0, 0, doc.Tree().RootIndex());
    EXPECT_TRUE(frame.TreeView()->isExpanded(doc.Tree().RootIndex()));
    EXPECT_EQ(member.data().toString(), QStringLiteral("Lopez, Ana "));

    QStringList menus;
    for (QAction* a : frame.menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus.join(QLatin1Char(',')),
              QStringLiteral("&File,&Options,&Members,&Workouts,&Evaluations,&Body "
                             "Compositions,&Help"));
    for (const CDeskCommandInfo& info : DeskCommands()) {
        EXPECT_FALSE(frame.Command(info.id)->statusTip().isEmpty()) << info.text;
        if (info.builtHere) {
            EXPECT_TRUE(frame.Command(info.id)->isEnabled()) << info.text;
        }
    }
    EXPECT_EQ(frame.Command(DeskCommand::EditMember)->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+Alt+M")));
    QAction* autoBackup = frame.Command(DeskCommand::OptionAutoBackup);
    EXPECT_FALSE(autoBackup->isChecked());
    autoBackup->trigger();
    EXPECT_TRUE(autoBackup->isChecked());
    EXPECT_EQ(app.autoBackup, 1);

    // The header's buttons sit below the facility block and date line.
    QPushButton* memberReport = frame.HeaderView()->Button(DeskCommand::ReportMemberProfile);
    EXPECT_EQ(frame.HeaderView()->HeaderLines().front(), QStringLiteral("Riverside Fitness"));
    EXPECT_GE(memberReport->y(), frame.HeaderView()->ButtonsTop());
    EXPECT_TRUE(memberReport->isVisible());

    // Member Report: an unknown ID keeps the prompt open with the message,
    // a known one queues the profile.
    AnswerMemberId(QStringLiteral("77"));
    memberReport->click();
    EXPECT_EQ(facility.notices().last(),
              "Sorry, there is no member in the database\nthat matches ID 77.");
    EXPECT_EQ(facility.count("reports.mdb", "SELECT COUNT(*) FROM Reports"), 0);
    AnswerMemberId(QStringLiteral("42"));
    memberReport->click();
    EXPECT_EQ(facility.count("reports.mdb", "SELECT lid FROM Reports WHERE ltype = 0"), 42);
}

TEST(DeskMainFrame, TreeRoutesLeavesAndTheHeaderSkipsEmptyLines) {
    Facility facility;
    ASSERT_TRUE(facility.exec("center.mdb", "UPDATE Center SET Name = '', Zip = ''"));
    vantora::test::MemberData m;
    m.id = 42;
    m.last = "Lopez";
    vantora::test::addMember(m);
    ASSERT_TRUE(facility.exec("members.mdb", "INSERT INTO Workouts (MemberID, ClassIndx, CheckIn, "
                                             "CheckOut) VALUES (42, 0, 46000.25, 46000.30)"));
    CVantoraDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    // The panes alone, without the editors the frame connects to them.
    CMainView header(doc);
    header.resize(466, 500);
    // Without a facility name only the date line is drawn, 40 pixels down.
    EXPECT_EQ(header.HeaderLines().size(), 1u);
    EXPECT_GT(header.ButtonsTop(), 40);
    EXPECT_LT(header.ButtonsTop(), 40 + 3 * 30);

    CMainViewTree& tree = doc.Tree();
    CMemberTreeView view(tree);
    view.resize(233, 500);
    view.show();
    view.expand(tree.RootIndex());
    const QModelIndex member = tree.MemberIndex(42);
    view.expand(member);
    const QModelIndex workouts = tree.index(1, 0, member);
    view.expand(workouts);
    const QModelIndex leaf = tree.index(0, 0, workouts);
    ASSERT_TRUE(leaf.isValid());

    std::vector<CTreeRecord> opened, deleted;
    QObject::connect(&view, &CMemberTreeView::recordOpened,
                     [&](const CTreeRecord& r) { opened.push_back(r); });
    QObject::connect(&view, &CMemberTreeView::recordDeleteRequested,
                     [&](const CTreeRecord& r) { deleted.push_back(r); });
    auto press = [&view](const QModelIndex& index) {
        view.setCurrentIndex(index);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        QApplication::sendEvent(&view, &key);
    };
    press(workouts);         // a folder: nothing
    press(tree.RootIndex()); // the root: nothing
    press(leaf);
    press(member);
    ASSERT_EQ(deleted.size(), 2u);
    EXPECT_EQ(deleted[0].kind, CTreeRecord::Workout);
    EXPECT_EQ(deleted[1].kind, CTreeRecord::Member);

    // A double-click on a record leaf opens it; none folds the tree.
    auto doubleClick = [&view](const QModelIndex& index) {
        const QPoint at = view.visualRect(index).center();
        QMouseEvent click(QEvent::MouseButtonDblClick, at, view.viewport()->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &click);
    };
    doubleClick(leaf);
    doubleClick(member);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].kind, CTreeRecord::Workout);
    EXPECT_EQ(opened[0].memberId, 42);
    EXPECT_TRUE(view.isExpanded(workouts));
    EXPECT_TRUE(view.isExpanded(member));
}

} // namespace

// The application object outlives every test.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
