#pragma once
// What a generated facility holds, for tests that compare two of them.

#include "support/testsupport.h"

#include <string>

namespace vantora::test {

// Points the record sets at a facility's stores (a folder or a server URI)
// while it lives.
class FacilityStores {
public:
    explicit FacilityStores(const std::string& stores)
        : db_("VANTO_DB", stores.c_str()), back_("VANTO_BACK", stores.c_str()) {}

private:
    ScopedEnv db_;
    ScopedEnv back_;
};

// Every member (with the member's classes), evaluation, workout and body
// composition of the facility as the export lines the desk writes.
std::string ExportFacility(const std::string& stores);

} // namespace vantora::test
