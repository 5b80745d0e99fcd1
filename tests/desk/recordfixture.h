#pragma once
// A facility for the workout, evaluation and body-composition tests: the
// shipped station data, member 1001 (female, born 28 Feb 1990, two classes)
// and a fixed clock at noon on 7 December 2026.

#include "support/facility.h"
#include "support/memberdata.h"

#include <filesystem>

namespace vantora::test {

class RecordFacility {
public:
    static constexpr long Member = 1001;

    RecordFacility() {
        namespace fs = std::filesystem;
        const fs::path data = fs::path(VANTORA_SOURCE_DIR) / "data";
        fs::copy(data / "stations", facility.stnFolder(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        fs::copy(data / "weights", facility.wtFolder(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        addMember(richMember(Member, 2));
    }

    FakeClock clock{2026, 12, 7, 12, 0, 0};
    Facility facility;
};

} // namespace vantora::test
