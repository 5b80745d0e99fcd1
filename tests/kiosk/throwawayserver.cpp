#include "throwawayserver.h"

#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

namespace vantora::test {

namespace {

namespace fs = std::filesystem;

// The folder of initdb and pg_ctl: the newest installed version first.
std::string ServerPrograms() {
    std::error_code ec;
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator("/usr/lib/postgresql", ec))
        if (fs::exists(entry.path() / "bin" / "initdb", ec))
            found.push_back(entry.path() / "bin");
    if (found.empty())
        return {};
    std::sort(found.begin(), found.end());
    return found.back().string() + '/';
}

bool AsRoot() {
    return ::geteuid() == 0;
}

} // namespace

std::string ThrowawayServer::Unavailable() {
    if (ServerPrograms().empty())
        return "the PostgreSQL server programs (initdb, pg_ctl) are not installed";
    if (AsRoot() && !::getpwnam("postgres"))
        return "running as root, but there is no \"postgres\" user to run the server as";
    return {};
}

int ThrowawayServer::Run(const std::string& program, const std::vector<std::string>& args) const {
    QStringList list;
    QString command = QString::fromStdString(bin_ + program);
    if (AsRoot()) {
        list << QStringLiteral("-u") << QStringLiteral("postgres") << QStringLiteral("--")
             << command;
        command = QStringLiteral("runuser");
    }
    for (const std::string& a : args)
        list << QString::fromStdString(a);
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(command, list);
    if (!process.waitForFinished(120000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

ThrowawayServer::ThrowawayServer() : bin_(ServerPrograms()) {
    if (const std::string why = Unavailable(); !why.empty())
        throw std::runtime_error(why);
    char pattern[] = "/tmp/vantora-outage.XXXXXX";
    if (!::mkdtemp(pattern))
        throw std::runtime_error("cannot make a folder for the server");
    base_ = pattern;
    const std::string data = base_ + "/data";
    const std::string socket = base_ + "/socket";
    fs::create_directory(data);
    fs::create_directory(socket);
    fs::permissions(base_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(data, fs::perms::owner_all);
    if (AsRoot()) {
        const passwd* user = ::getpwnam("postgres");
        for (const std::string& folder : {base_, data, socket})
            if (::chown(folder.c_str(), user->pw_uid, user->pw_gid) != 0)
                throw std::runtime_error("cannot hand " + folder + " to the postgres user");
    }
    if (Run("initdb", {"-D", data, "-U", "vantora", "-E", "UTF8", "--locale=C.UTF-8",
                       "--auth-local=trust", "--auth-host=reject", "--no-sync"}) != 0)
        throw std::runtime_error("initdb failed in " + base_);
    std::ofstream(data + "/postgresql.conf", std::ios::app)
        << "listen_addresses = ''\n"
        << "unix_socket_directories = '" << socket << "'\n"
        << "fsync = off\n";
    uri_ = "postgresql://vantora@/postgres?host=" + socket;
    if (!Start())
        throw std::runtime_error("the server in " + base_ + " did not start");
}

ThrowawayServer::~ThrowawayServer() {
    Stop();
    std::error_code ec;
    if (!base_.empty())
        fs::remove_all(base_, ec);
}

bool ThrowawayServer::Stop() {
    if (!running_)
        return true;
    running_ = Run("pg_ctl", {"stop", "-D", base_ + "/data", "-m", "immediate", "-s"}) != 0;
    return !running_;
}

bool ThrowawayServer::Start() {
    if (running_)
        return true;
    // -w: pg_ctl returns once the server takes connections.
    running_ = Run("pg_ctl", {"start", "-D", base_ + "/data", "-l", base_ + "/server.log", "-w",
                              "-t", "60", "-s"}) == 0;
    return running_;
}

} // namespace vantora::test
