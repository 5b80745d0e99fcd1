#pragma once
// Points the record sets at a facility folder for a while.

#include "util/efoledatetime.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace vantora::tools::demo {

// Points the record sets at the new facility while it is filled.
class FacilityEnv {
public:
    explicit FacilityEnv(const std::string& folder) {
        std::string path = folder;
        CEFFile::ParsePath(path);
        for (const char* name : {"VANTO_DB", "VANTO_BACK"}) {
            const char* old = std::getenv(name);
            saved_.push_back({name, old != nullptr, old ? old : ""});
            ::setenv(name, path.c_str(), 1);
        }
    }
    ~FacilityEnv() {
        for (const auto& s : saved_) {
            if (s.had)
                ::setenv(s.name, s.value.c_str(), 1);
            else
                ::unsetenv(s.name);
        }
    }
    FacilityEnv(const FacilityEnv&) = delete;
    FacilityEnv& operator=(const FacilityEnv&) = delete;

private:
    struct Saved {
        const char* name;
        bool had;
        std::string value;
    };
    std::vector<Saved> saved_;
};

} // namespace vantora::tools::demo
