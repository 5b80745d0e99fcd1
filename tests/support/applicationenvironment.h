#pragma once
// One application object for a window test program: created before the
// first test on the offscreen platform (unless another is asked for) and
// destroyed before the program's statics, so the window system shuts down
// in order. Register it once per program:
//
//   [[maybe_unused]] auto* const app = vantora::test::addApplicationEnvironment("x_gui_tests");

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace vantora::test {

class ApplicationEnvironment : public ::testing::Environment {
public:
    explicit ApplicationEnvironment(std::string name) : name_(std::move(name)) {}
    void SetUp() override {
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        argv_[0] = name_.data();
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    std::string name_;
    int argc_ = 1;
    char* argv_[2] = {nullptr, nullptr};
    std::unique_ptr<QApplication> app_;
};

inline ::testing::Environment* addApplicationEnvironment(const char* name) {
    return ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment(name));
}

} // namespace vantora::test
