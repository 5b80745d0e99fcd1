// VantoraTouch: the check-in kiosk at the entrance of the fitness centre.

#include "kiosk/storecheck.h"
#include "kiosk/touchdoc.h"
#include "kiosk/touchframe.h"
#include "kiosk/workoutqueue.h"
#include "qtui/qtnoticehandler.h"
#include "util/facilitylocation.h"
#include "vantoapi/appinstance.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Where the facility keeps its stores and folders, read once.
    vantora::FacilityLocation::install(vantora::FacilityLocation::fromEnvironment());
    QCoreApplication::setOrganizationName(QStringLiteral("Brisamo"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantora"));
    if (IsVANTOAppRunning(CMainFrame::Title, true))
        return 0;
    vantora::notice::ScopedHandler notices(
        std::make_shared<CQtNoticeHandler>(nullptr, CMainFrame::Title));

    // An unusable store stops the kiosk before it greets anybody.
    if (!vantora::kiosk::CheckStores())
        return 1;

    // Workouts a previous run journaled but could not write are written now.
    CWorkoutQueue queue(CWorkoutQueue::DefaultJournalPath());
    CVantoraTouchDoc doc(queue);
    if (!doc.OnNewDocument())
        return 1;
    queue.Recover();
    doc.FlushWorkouts();

    CMainFrame frame(doc);
    // Fill the screen even where no window manager maximizes for us.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        frame.setGeometry(screen->geometry());
    frame.showMaximized();
    const int rc = app.exec();
    if (!frame.isHidden())
        frame.close();
    return rc;
}
