#include "tools/demo/sampledata.h"

namespace vantora::tools::demo {

const std::vector<CatalogCourse>& Catalog() {
    static const std::vector<CatalogCourse> courses = {
        {1, "FIT", 1, "FIT 101", {"01"}},     {2, "PE", 2, "PE 110", {"01", "02", "03"}},
        {2, "PE", 3, "PE 215", {"01", "02"}}, {3, "HLTH", 4, "HLTH 150", {"A", "B"}},
        {4, "STAF", 5, "WELLNESS", {}},       {5, "COMM", 6, "ADULT", {"AM", "PM"}},
    };
    return courses;
}

} // namespace vantora::tools::demo
