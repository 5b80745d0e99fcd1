// vantobk: the backup utility. Started by the desk program at exit (when its
// auto-backup option is on), it writes the four export files into the backup
// folder with a snapshot of the stores, logs what it did and exits. One copy
// runs at a time. With --once it runs without a window (for scheduled use)
// and exits with status 1 when the backup failed.

#include "companions/vantobk/backuprun.h"
#include "companions/vantobk/backupwindow.h"
#include "qtui/qtnoticehandler.h"
#include "util/facilitylocation.h"
#include "vantoapi/appinstance.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

#include <cstring>
#include <iostream>
#include <memory>

namespace {

int usage() {
    std::cerr << "Usage: vantobk [--once]\n";
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    bool once = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--once") == 0)
            once = true;
        else
            return usage();
    }
    // Where the facility keeps its stores and folders, read once.
    vantora::FacilityLocation::install(vantora::FacilityLocation::fromEnvironment());

    if (once) {
        QCoreApplication app(argc, argv);
        CBackupRun run;
        const bool done = run.Run(CProgress::None());
        (done ? std::cout : std::cerr) << run.Summary() << '\n';
        return done ? 0 : 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(CBackupWindow::Title));
    CAppInstance& instance = CAppInstance::process();
    if (!instance.claim(CBackupWindow::Title))
        return 0; // a backup runs already
    CBackupWindow window;
    vantora::notice::ScopedHandler notices(
        std::make_shared<CQtNoticeHandler>(&window, CBackupWindow::Title));
    window.show();
    int status = 0;
    QTimer::singleShot(200, [&] {
        CBackupRun run;
        const bool done = run.Run(window);
        window.SetOutcome(done, run.Summary());
        if (!done) {
            status = 1;
            vantora::notice::show(run.Error(), vantora::notice::Icon::Exclamation);
            QApplication::quit();
            return;
        }
        // The outcome stays readable for a moment before the window goes.
        QTimer::singleShot(1500, &app, &QApplication::quit);
    });
    app.exec();
    return status;
}
