#pragma once
// Test helpers shared by every test program: a temporary folder, the notice
// recorder installed for the test's lifetime, a fixed clock.

#include "util/clock.h"
#include "util/notice.h"

#include <filesystem>
#include <memory>
#include <string>

namespace vantora::test {

// A fresh folder under the system's temporary folder, removed with its contents.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as a string ending in '/', ready for a file name.
    std::string folder() const { return path_.string() + '/'; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Records every notice shown while it lives.
class Notices {
public:
    Notices() : recorder_(std::make_shared<notice::Recorder>()), guard_(recorder_) {}
    notice::Recorder& operator*() { return *recorder_; }
    notice::Recorder* operator->() { return recorder_.get(); }

private:
    std::shared_ptr<notice::Recorder> recorder_;
    notice::ScopedHandler guard_;
};

// Installs a fixed clock while it lives.
class FakeClock {
public:
    FakeClock(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
        : clock_(std::make_shared<clock::FixedClock>(year, month, day, hour, minute, second)),
          guard_(clock_) {}
    clock::FixedClock& operator*() { return *clock_; }
    clock::FixedClock* operator->() { return clock_.get(); }

private:
    std::shared_ptr<clock::FixedClock> clock_;
    clock::ScopedClock guard_;
};

// Sets an environment variable for the lifetime of the guard (unset when the
// value is null), then restores the previous value.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    bool had_ = false;
    std::string old_;
};

// Whole content of a file, or empty when it cannot be read.
std::string readFile(const std::filesystem::path& p);

} // namespace vantora::test
