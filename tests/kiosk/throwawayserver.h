#pragma once
// A PostgreSQL server of a test's own, in a temporary folder and listening
// only on a private socket, so that the test can stop it and start it again
// as a real outage would. Run as root, the server runs as the "postgres"
// system user, since it refuses to run as root.

#include <string>
#include <vector>

namespace vantora::test {

class ThrowawayServer {
public:
    // Why no server can be made on this machine (no server programs), or
    // empty when one can.
    static std::string Unavailable();

    // Creates the cluster (superuser "vantora", trusted on the socket) and
    // starts it; a failure throws.
    ThrowawayServer();
    // Stops the server at once and removes its folder.
    ~ThrowawayServer();
    ThrowawayServer(const ThrowawayServer&) = delete;
    ThrowawayServer& operator=(const ThrowawayServer&) = delete;

    // "postgresql://vantora@/postgres?host=<socket folder>".
    const std::string& Uri() const { return uri_; }

    // Ends the server without a clean shutdown, connections and all;
    // false when pg_ctl failed.
    bool Stop();
    // Starts it again and waits until it takes connections.
    bool Start();

private:
    // Runs one of the server programs as the server's user; its exit code.
    int Run(const std::string& program, const std::vector<std::string>& args) const;

    std::string bin_;
    std::string base_;
    std::string uri_;
    bool running_ = false;
};

} // namespace vantora::test
