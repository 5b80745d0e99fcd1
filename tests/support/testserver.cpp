#include "support/testserver.h"

#include "db/serverconnection.h"

#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include <unistd.h>

namespace vantora::test {

namespace {

bool environmentIs(const char* name, std::string_view value) {
    const char* set = std::getenv(name);
    return set && value == set;
}

bool serverRequired() {
    return environmentIs("VANTORA_REQUIRE_SERVER", "1");
}

QString nextConnectionName() {
    static std::atomic<int> serial{0};
    return QStringLiteral("vantora-test-server-%1").arg(++serial);
}

// Runs one statement on the server's own database; the error text, or empty.
std::string runOnServer(const std::string& sql) {
    const QString connection = nextConnectionName();
    std::string error = db::server::open(connection, testServerUri()).error;
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        if (!error.empty()) {
            error = "cannot connect to the test server: " + error;
        } else {
            QSqlQuery query(db);
            if (!query.exec(QString::fromStdString(sql)))
                error = sql + ": " + query.lastError().text().toStdString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return error;
}

// Before the first test of a server copy without a server: skips every test
// unless a server is required; then each facility fails its test.
class ServerCheck : public ::testing::Environment {
public:
    void SetUp() override {
        if (serverRun() && testServerUri().empty() && !serverRequired())
            GTEST_SKIP() << "no test server: VANTORA_TEST_SERVER is not set";
    }
};

[[maybe_unused]] ::testing::Environment* const serverCheck =
    ::testing::AddGlobalTestEnvironment(new ServerCheck);

} // namespace

bool serverRun() {
    return environmentIs("VANTORA_TEST_ENGINE", "server");
}

std::string testServerUri() {
    const char* uri = std::getenv("VANTORA_TEST_SERVER");
    return uri ? uri : "";
}

std::string withDatabase(const std::string& uri, const std::string& database) {
    const std::size_t scheme = uri.find("://");
    const std::size_t authority = scheme == std::string::npos ? 0 : scheme + 3;
    const std::size_t path = uri.find_first_of("/?#", authority);
    if (path == std::string::npos)
        return uri + '/' + database;
    if (uri[path] != '/')
        return uri.substr(0, path) + '/' + database + uri.substr(path);
    const std::size_t end = uri.find_first_of("?#", path);
    return uri.substr(0, path + 1) + database +
           (end == std::string::npos ? std::string() : uri.substr(end));
}

ScratchDatabase::ScratchDatabase() {
    static std::atomic<int> serial{0};
    if (testServerUri().empty())
        throw std::runtime_error("no test server: VANTORA_TEST_SERVER is not set, and "
                                 "VANTORA_REQUIRE_SERVER=1 asks for one (scripts/testserver.sh "
                                 "starts one)");
    name_ = "vantora_t_" + std::to_string(getpid()) + '_' + std::to_string(++serial);
    uri_ = withDatabase(testServerUri(), name_);
    if (const std::string error = runOnServer("CREATE DATABASE " + name_); !error.empty())
        throw std::runtime_error(error);
}

ScratchDatabase::~ScratchDatabase() {
    if (const std::string error = runOnServer("DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
        !error.empty())
        ADD_FAILURE() << "cannot drop the scratch database: " << error;
}

} // namespace vantora::test
