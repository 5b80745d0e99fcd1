#include "vantoapi/appinstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include <cstdlib>

namespace {

const QByteArray QuitRequest = QByteArrayLiteral("quit\n");

QString userName() {
    for (const char* var : {"USER", "LOGNAME"}) {
        if (const char* v = std::getenv(var); v && *v)
            return QString::fromLocal8Bit(v);
    }
    return QStringLiteral("user");
}

} // namespace

CAppInstance::~CAppInstance() {
    release();
}

QString CAppInstance::serverName(const std::string& title) {
    // Socket names become file names: keep letters and digits only.
    QString name = QStringLiteral("vantora-");
    for (const QChar c : QString::fromStdString(title) + QLatin1Char('-') + userName())
        name += c.isLetterOrNumber() ? c.toLower() : QLatin1Char('_');
    return name;
}

bool CAppInstance::isRunning(const std::string& title) {
    QLocalSocket socket;
    socket.connectToServer(serverName(title));
    const bool up = socket.waitForConnected(500);
    socket.abort();
    return up;
}

bool CAppInstance::claim(const std::string& title) {
    if (server_)
        return server_->serverName() == serverName(title);
    if (isRunning(title))
        return false;
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = serverName(title);
    if (!server->listen(name)) {
        // Nobody answered, so the socket file is left over from a copy that died.
        QLocalServer::removeServer(name);
        if (!server->listen(name))
            return false;
    }
    connect(server.get(), &QLocalServer::newConnection, this, &CAppInstance::onConnection);
    server_ = std::move(server);
    return true;
}

void CAppInstance::release() {
    if (server_) {
        server_->close();
        server_.reset();
    }
}

void CAppInstance::onConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(QuitRequest.trimmed()))
                Q_EMIT quitRequested();
        });
    }
}

bool CAppInstance::postQuit(const std::string& title, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(serverName(title));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(QuitRequest);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

CAppInstance& CAppInstance::process() {
    static CAppInstance instance;
    return instance;
}

std::string CAppInstance::localDataFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(folder);
    return folder.toStdString() + '/';
}

bool IsVANTOAppRunning(const std::string& title, bool const& claim) {
    CAppInstance& self = CAppInstance::process();
    const bool mine = self.claimed() && self.claim(title);
    if (mine)
        return false;
    if (claim && !self.claimed())
        return !self.claim(title);
    return CAppInstance::isRunning(title);
}
