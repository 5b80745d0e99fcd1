#pragma once
// One running copy per program and user: each program claims a local socket
// named after its window title. A second copy finds the name taken; another
// program can ask the running copy to quit through the same socket.

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <memory>
#include <string>

class CAppInstance : public QObject {
    Q_OBJECT
public:
    CAppInstance() = default;
    ~CAppInstance() override;

    // The socket name for a title: the title and the user, so two users on one
    // computer each run their own copy.
    static QString serverName(const std::string& title);

    // True when a program with this title is running (its socket answers).
    static bool isRunning(const std::string& title);
    // Claims the title for this process; false when another copy holds it or
    // this instance already holds another title.
    // A socket left behind by a copy that died is cleared and claimed.
    bool claim(const std::string& title);
    bool claimed() const { return server_ != nullptr; }
    void release();

    // Asks the copy running under this title to quit; false when none runs
    // or the request could not be delivered.
    static bool postQuit(const std::string& title, int timeoutMs = 1000);

    // The instance this process uses through the free functions below.
    static CAppInstance& process();

    // This computer's folder of the program's own files, kept apart from the
    // stores (the kiosk's workout journal, the report server's note of
    // printed requests when the stores are on a server); named after the
    // organisation and application names, created when missing, ending in
    // '/'. A folder that cannot be created is reported by the first write.
    static std::string localDataFolder();

Q_SIGNALS:
    // A quit request arrived from another program.
    void quitRequested();

private:
    void onConnection();

    std::unique_ptr<QLocalServer> server_;
};

// True when another copy of the titled program runs. With `claim` true and no
// other copy running, this process claims the title, so that later copies see
// it; the claim lasts until the process ends.
bool IsVANTOAppRunning(const std::string& title, bool const& claim);
