// repserve: prints the report requests that the desk program queues in the
// Reports table. It polls the queue until asked to quit (the desk program
// sends the quit request to the window title "Report Server"); with --once
// it prints what is queued and exits, with status 1 when a request could not
// be printed.

#include "companions/repserve/reportserver.h"
#include "util/facilitylocation.h"
#include "vantoapi/appinstance.h"

#include <QGuiApplication>
#include <QTimer>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

namespace {

constexpr const char* kTitle = "Report Server";

int usage() {
    std::cerr << "Usage: repserve [--once] [--interval SECONDS]\n";
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    bool once = false;
    int interval = 2;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--once") == 0) {
            once = true;
        } else if (std::strcmp(argv[i], "--interval") == 0 && i + 1 < argc) {
            interval = std::atoi(argv[++i]);
            if (interval < 1) {
                std::cerr << "Error: the interval must be a whole number of seconds, 1 or more\n";
                return 2;
            }
        } else {
            return usage();
        }
    }

    // Fonts and printers need a GUI application; without a display the
    // server runs on the offscreen platform.
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") &&
        !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    // Where the facility keeps its stores and folders, read once.
    vantora::FacilityLocation::install(vantora::FacilityLocation::fromEnvironment());
    QGuiApplication::setApplicationName(QString::fromLatin1(kTitle));

    if (once) {
        CReportServer server(std::cerr);
        return server.ProcessQueue().kept == 0 ? 0 : 1;
    }

    CAppInstance& instance = CAppInstance::process();
    if (!instance.claim(kTitle))
        return 0; // another copy serves the queue
    QObject::connect(&instance, &CAppInstance::quitRequested, &app, &QGuiApplication::quit);

    CReportServer server(std::cerr);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&server] { server.ProcessQueue(); });
    poll.start(interval * 1000);
    QTimer::singleShot(0, [&server] { server.ProcessQueue(); });
    return app.exec();
}
