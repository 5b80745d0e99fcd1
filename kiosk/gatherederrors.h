#pragma once
// CGatheredErrors: keeps the notices shown while it lives instead of
// showing them, so that an operation that can fail at many steps (a store
// that refuses every row) tells the user once, in its own words.

#include "util/notice.h"

#include <memory>
#include <string>

class CGatheredErrors {
public:
    CGatheredErrors()
        : recorder_(std::make_shared<vantora::notice::Recorder>()), guard_(recorder_) {}

    bool Any() const { return recorder_->count() != 0; }
    // The first notice without its "Error: " prefix; empty when none.
    std::string FirstReason() const {
        std::string text =
            recorder_->entries().empty() ? std::string() : recorder_->entries().front().text;
        if (text.rfind("Error: ", 0) == 0)
            text.erase(0, 7);
        return text;
    }

private:
    std::shared_ptr<vantora::notice::Recorder> recorder_;
    vantora::notice::ScopedHandler guard_;
};
