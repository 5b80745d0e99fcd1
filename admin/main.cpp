// VantoraAdmin: the administration program. It asks for the facility
// password and shows the settings sheet; the program ends with the sheet.

#include "admin/core/passwordgate.h"
#include "admin/view/adminsheet.h"
#include "admin/view/passworddialog.h"

#include "qtui/qtnoticehandler.h"
#include "util/facilitylocation.h"
#include "util/notice.h"
#include "vantoapi/appinstance.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Where the facility keeps its stores and folders, read once.
    vantora::FacilityLocation::install(vantora::FacilityLocation::fromEnvironment());
    QCoreApplication::setOrganizationName(QStringLiteral("Brisamo"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantora"));
    vantora::notice::ScopedHandler notices(
        std::make_shared<CQtNoticeHandler>(nullptr, CAdminSheet::Title));

    if (IsVANTOAppRunning(CAdminSheet::Title, true))
        return 0;
    if (!CPasswordGate::Verify([] { return CPassDlg::Ask(); }))
        return 0;
    CAdminSheet sheet;
    sheet.exec();
    return 0;
}
