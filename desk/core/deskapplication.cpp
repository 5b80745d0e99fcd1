#include "desk/core/deskapplication.h"

#include "db/connection.h"
#include "util/facilitylocation.h"
#include "util/format.h"
#include "util/notice.h"
#include "vantoapi/appinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

#include <filesystem>
#include <utility>

namespace {

constexpr const char* Group = "settings";
constexpr const char* ReportServerKey = "report_server";
constexpr const char* LoadMembersKey = "load_members";
constexpr const char* AutoBackupKey = "auto_backup";

void ReadOption(const QSettings& settings, const char* key, int& option) {
    bool ok = false;
    const int value = settings.value(QLatin1String(key), -1).toInt(&ok);
    if (ok && value != -1)
        option = value;
}

} // namespace

void CVantoraApp::ReadOptions() {
    QSettings settings(QStringLiteral("Brisamo"), QString::fromLatin1(Title));
    ReadOptions(settings);
}

void CVantoraApp::ReadOptions(QSettings& settings) {
    settings.beginGroup(QLatin1String(Group));
    ReadOption(settings, ReportServerKey, reportServer);
    ReadOption(settings, LoadMembersKey, loadMembers);
    ReadOption(settings, AutoBackupKey, autoBackup);
    settings.endGroup();
}

void CVantoraApp::WriteOptions() const {
    QSettings settings(QStringLiteral("Brisamo"), QString::fromLatin1(Title));
    WriteOptions(settings);
}

void CVantoraApp::WriteOptions(QSettings& settings) const {
    settings.beginGroup(QLatin1String(Group));
    settings.setValue(QLatin1String(ReportServerKey), reportServer);
    settings.setValue(QLatin1String(LoadMembersKey), loadMembers);
    settings.setValue(QLatin1String(AutoBackupKey), autoBackup);
    settings.endGroup();
    settings.sync();
}

bool CVantoraApp::CheckFolders() {
    const vantora::FacilityLocation location = vantora::FacilityLocation::current();
    const std::pair<const char*, bool> folders[] = {{"VANTO_DB", location.storesSet()},
                                                    {"VANTO_BACK", !location.backFolder().empty()}};
    for (const auto& [name, set] : folders) {
        if (!set) {
            vantora::notice::show(std::string("Error: system environment variable \"") + name +
                                      "\" is not set",
                                  vantora::notice::Icon::Exclamation);
            return false;
        }
    }
    // Without a store each record set would report it; once is enough.
    constexpr const char* stores[] = {"center.mdb", "members.mdb", "chkin.mdb", "reports.mdb"};
    if (location.onServer()) {
        // The stores are tables of one database: the first that does not
        // open has said why (the server unreachable, a table missing).
        for (const char* store : stores) {
            if (!vantora::db::openStore(location.storePrefix() + store))
                return false;
        }
        return true;
    }
    for (const char* store : stores) {
        const std::filesystem::path file = std::filesystem::path(location.stores()) / store;
        std::error_code error;
        if (!std::filesystem::is_regular_file(file, error)) {
            vantora::notice::show(
                vantora::insert("Error: the database file \"%1\" does not exist", {file.string()}),
                vantora::notice::Icon::Exclamation);
            return false;
        }
    }
    return true;
}

QString CVantoraApp::FindProgram(const char* name) const {
    const QString program = QString::fromLatin1(name);
    QString folder = programFolder_;
    if (folder.isEmpty() && QCoreApplication::instance() != nullptr)
        folder = QCoreApplication::applicationDirPath();
    if (!folder.isEmpty()) {
        const QFileInfo own(QDir(folder).filePath(program));
        if (own.isFile() && own.isExecutable())
            return own.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(program);
}

bool CVantoraApp::StartCompanion(const char* title, const char* program) const {
    if (CAppInstance::isRunning(title))
        return true;
    const QString path = FindProgram(program);
    return !path.isEmpty() && QProcess::startDetached(path, {}, QDir::currentPath());
}

bool CVantoraApp::StartReportServer() const {
    return StartCompanion(ReportServerTitle, ReportServerProgram);
}

void CVantoraApp::StopReportServer() const {
    if (CAppInstance::isRunning(ReportServerTitle))
        CAppInstance::postQuit(ReportServerTitle);
}

bool CVantoraApp::StartBackupUtility() const {
    if (autoBackup == 0)
        return true;
    if (StartCompanion(BackupUtilityTitle, BackupUtilityProgram))
        return true;
    vantora::notice::show(MsgBackupFailed);
    return false;
}

void CVantoraApp::ExitInstance() const {
    StartBackupUtility();
    StopReportServer();
    WriteOptions();
}
