#pragma once
// A fresh facility for one test: the four store files created in a temporary
// folder, the folder variables pointing at its sub-folders, every notice
// recorded. The environment is restored when the fixture goes.

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
    // The folders named by VANTO_DB, VANTO_BACK, VANTO_TXT, VANTO_STN,
    // VANTO_WT and VANTO_PRINT, each ending in '/'.
    std::string dbFolder() const { return folder("db"); }
    std::string backFolder() const { return folder("back"); }
    std::string txtFolder() const { return folder("txt"); }
    std::string stnFolder() const { return folder("stn"); }
    std::string wtFolder() const { return folder("wt"); }
    std::string printFolder() const { return folder("print"); }
    // Full path of a store file ("members.mdb" ...).
    std::string storePath(const std::string& store) const { return dbFolder() + store; }

    const std::string& name() const { return name_; }
    const std::string& password() const { return password_; }

    RecordedNotices& notices() { return *notices_; }

    // Raw SQL on a store ("members.mdb" ...) through a connection of the
    // fixture's own, closed again before returning, so the code under test
    // sees every change. An SQL error fails the test.
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

    TempDir dir_;
    std::string name_;
    std::string password_;
    std::vector<std::unique_ptr<ScopedEnv>> env_;
    std::shared_ptr<RecordedNotices> notices_;
    notice::ScopedHandler guard_;
};

} // namespace vantora::test
