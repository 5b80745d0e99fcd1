#include "vantoapi/appinstance.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>

namespace {

// The socket machinery needs an application object and its event loop.
QCoreApplication& app() {
    static int argc = 1;
    static char name[] = "vantoapi_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

// Unique per test run so parallel test programs never meet.
std::string Title(const char* base) {
    return std::string(base) + " " + std::to_string(QCoreApplication::applicationPid());
}

} // namespace

TEST(AppInstance, SecondCopySeesTheFirst) {
    app();
    const std::string title = Title("VantoraTouch");
    EXPECT_FALSE(CAppInstance::isRunning(title));
    CAppInstance first;
    ASSERT_TRUE(first.claim(title));
    EXPECT_TRUE(first.claim(title)); // claiming again is harmless
    EXPECT_TRUE(CAppInstance::isRunning(title));
    CAppInstance second;
    EXPECT_FALSE(second.claim(title));
    EXPECT_FALSE(second.claimed());
    first.release();
    EXPECT_FALSE(CAppInstance::isRunning(title));
    EXPECT_TRUE(second.claim(title));
}

TEST(AppInstance, TitlesAndUsersGiveSeparateNames) {
    EXPECT_NE(CAppInstance::serverName("Vantora"), CAppInstance::serverName("VantoraTouch"));
    EXPECT_EQ(CAppInstance::serverName("Vantora Administration"),
              CAppInstance::serverName("Vantora Administration"));
    const QString name = CAppInstance::serverName("Vantora Administration/..");
    EXPECT_FALSE(name.contains(QLatin1Char('/')));
    EXPECT_FALSE(name.contains(QLatin1Char(' ')));
}

TEST(AppInstance, SocketLeftByACrashedCopyIsReclaimed) {
    app();
    const std::string title = Title("Vantora Crash");
    const QString path = QDir::tempPath() + QLatin1Char('/') + CAppInstance::serverName(title);
    {
        QFile stale(path);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    }
    EXPECT_FALSE(CAppInstance::isRunning(title));
    CAppInstance copy;
    EXPECT_TRUE(copy.claim(title));
    EXPECT_TRUE(CAppInstance::isRunning(title));
}

TEST(AppInstance, QuitRequestReachesTheRunningCopy) {
    app();
    const std::string title = Title("repserve");
    EXPECT_FALSE(CAppInstance::postQuit(title, 200));
    CAppInstance server;
    ASSERT_TRUE(server.claim(title));
    int requests = 0;
    QObject::connect(&server, &CAppInstance::quitRequested, [&] { ++requests; });
    ASSERT_TRUE(CAppInstance::postQuit(title));
    QElapsedTimer timer;
    timer.start();
    while (requests == 0 && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(1, requests);
}

TEST(AppInstance, FreeFunctionClaimsOnceAndAnswersForOtherTitles) {
    app();
    const std::string mine = Title("Vantora");
    const std::string other = Title("VantoraTouch Other");
    EXPECT_FALSE(IsVANTOAppRunning(mine, true));
    EXPECT_FALSE(IsVANTOAppRunning(mine, true)); // this process holds it: no other copy
    EXPECT_TRUE(CAppInstance::isRunning(mine));
    EXPECT_FALSE(IsVANTOAppRunning(other, true));
    CAppInstance otherCopy;
    ASSERT_TRUE(otherCopy.claim(other));
    EXPECT_TRUE(IsVANTOAppRunning(other, true));
    EXPECT_TRUE(IsVANTOAppRunning(other, false));
    CAppInstance::process().release();
}
