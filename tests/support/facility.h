#pragma once
// A fresh facility for one test: the four store files created in a temporary
// folder, the folder variables pointing at its sub-folders, every notice
// recorded. The environment is restored when the fixture goes.
//
// In the server copy of a test program (see testserver.h) the stores are the
// tables of a scratch database on the test server instead, and VANTO_DB
// names that database; the other folders stay temporary folders.

#include "support/testserver.h"
#include "support/testsupport.h"
#include "util/notice.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vantora::test {

// The notice recorder of a facility; reachable both as an object and
// through "->" like the Notices guard.
class RecordedNotices : public notice::Recorder {
public:
    notice::Recorder* operator->() { return this; }
    notice::Recorder& operator*() { return *this; }
};

class Facility {
public:
    // Creates the facility; a failure throws, which fails the test.
    explicit Facility(const std::string& name = "Test Fitness Center",
                      const std::string& password = "secret");
    ~Facility();
    Facility(const Facility&) = delete;
    Facility& operator=(const Facility&) = delete;

    const std::filesystem::path& root() const { return dir_.path(); }
    // True when the stores are on the test server.
    bool onServer() const { return scratch_ != nullptr; }
    // What VANTO_DB names: the store folder, or the server URI.
    std::string stores() const;
    // The folders named by VANTO_BACK, VANTO_TXT, VANTO_STN, VANTO_WT and
    // VANTO_PRINT, each ending in '/'; dbFolder() is the one VANTO_DB names
    // when the stores are files, and an empty folder on the server.
    std::string dbFolder() const { return folder("db"); }
    std::string backFolder() const { return folder("back"); }
    std::string txtFolder() const { return folder("txt"); }
    std::string stnFolder() const { return folder("stn"); }
    std::string wtFolder() const { return folder("wt"); }
    std::string printFolder() const { return folder("print"); }
    // Full path of a store ("members.mdb" ...): its file, or the server URI
    // followed by '#' and the store's name.
    std::string storePath(const std::string& store) const;

    const std::string& name() const { return name_; }
    const std::string& password() const { return password_; }

    RecordedNotices& notices() { return *notices_; }

    // Raw SQL on a store ("members.mdb" ...) through a connection of the
    // fixture's own, closed again before returning, so the code under test
    // sees every change. An SQL error fails the test. On the server the
    // store's name does not matter: every table is in the one database.
    //
    // The first column of the first row as an integer; 0 without a row.
    long long count(const std::string& store, const std::string& sql) const;
    // The first column of the first row as text; empty without a row.
    std::string text(const std::string& store, const std::string& sql) const;
    // The first column of the first row as a number; 0.0 without a row.
    double number(const std::string& store, const std::string& sql) const;
    // Runs one statement that changes the store; false after a test failure.
    bool exec(const std::string& store, const std::string& sql) const;

private:
    std::string folder(const char* sub) const { return (dir_.path() / sub).string() + '/'; }

    // Runs sql on the store's database and hands the query to `use`.
    template <typename Use>
    bool run(const std::string& store, const std::string& sql, Use use) const;

    TempDir dir_;
    std::unique_ptr<ScratchDatabase> scratch_;
    std::string name_;
    std::string password_;
    std::vector<std::unique_ptr<ScopedEnv>> env_;
    std::shared_ptr<RecordedNotices> notices_;
    notice::ScopedHandler guard_;
};

} // namespace vantora::test
