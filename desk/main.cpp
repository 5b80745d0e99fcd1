// Vantora: the staff's desk program of the fitness centre.

#include "desk/core/deskapplication.h"
#include "desk/core/deskdocument.h"
#include "desk/view/mainframe.h"
#include "qtui/qtnoticehandler.h"
#include "util/facilitylocation.h"
#include "vantoapi/appinstance.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Where the facility keeps its stores and folders, read once.
    vantora::FacilityLocation::install(vantora::FacilityLocation::fromEnvironment());
    QCoreApplication::setOrganizationName(QStringLiteral("Brisamo"));
    QCoreApplication::setApplicationName(QString::fromLatin1(CVantoraApp::Title));
    if (IsVANTOAppRunning(CVantoraApp::Title, true))
        return 0;
    vantora::notice::ScopedHandler notices(
        std::make_shared<CQtNoticeHandler>(nullptr, CVantoraApp::Title));

    CVantoraApp vantora;
    vantora.ReadOptions();
    if (!CVantoraApp::CheckFolders())
        return 1;
    CVantoraDoc doc(&vantora);
    if (!doc.OnNewDocument())
        return 1;

    CMainFrame frame(vantora, doc);
    // Another program (the backup utility before a restore) may ask the desk to quit.
    QObject::connect(&CAppInstance::process(), &CAppInstance::quitRequested, &frame,
                     &QWidget::close);
    frame.show();
    frame.StartTree();
    const int rc = app.exec();
    vantora.ExitInstance();
    return rc;
}
