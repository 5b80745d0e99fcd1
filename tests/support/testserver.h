#pragma once
// The server copy of a test program: with VANTORA_TEST_ENGINE=server its
// facilities keep their stores on the PostgreSQL server that
// VANTORA_TEST_SERVER names, each in a scratch database of its own.
//
// Without a server the whole program is skipped, or fails when
// VANTORA_REQUIRE_SERVER=1 (the test command starts one and sets it).

#include <gtest/gtest.h>

#include <string>

namespace vantora::test {

// True in the server copy of a test program.
bool serverRun();

// VANTORA_TEST_SERVER; empty when unset.
std::string testServerUri();

// The server URI with the database of its path replaced by `database`
// ("postgresql://u@/postgres?host=/s" gives "postgresql://u@/x?host=/s").
std::string withDatabase(const std::string& uri, const std::string& database);

// A database of its own on the test server, created empty and dropped (with
// any connection left on it) when it goes. A failure throws.
class ScratchDatabase {
public:
    ScratchDatabase();
    ~ScratchDatabase();
    ScratchDatabase(const ScratchDatabase&) = delete;
    ScratchDatabase& operator=(const ScratchDatabase&) = delete;

    const std::string& name() const { return name_; }
    // The server's URI naming this database.
    const std::string& uri() const { return uri_; }

private:
    std::string name_;
    std::string uri_;
};

} // namespace vantora::test

// Skips the running test in the server copy of its program. Only for tests
// bound to store files by nature (SQLite's own SQL and file system, store
// files replaced or damaged, their own VANTO_DB folder), never to hide a
// fault of the server engine.
#define VANTORA_SKIP_ON_SERVER(reason)                                                             \
    do {                                                                                           \
        if (::vantora::test::serverRun())                                                          \
            GTEST_SKIP() << "bound to store files: " << (reason);                                  \
    } while (false)
