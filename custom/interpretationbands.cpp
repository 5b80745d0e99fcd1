#include "interpretationbands.h"

namespace vantora::bands {

int BandOf(double v, std::span<const double> lowerBounds) {
    int i = 0;
    for (double b : lowerBounds) {
        if (v >= b)
            return i;
        ++i;
    }
    return i;
}

int BandBelow(double v, std::span<const double> upperBounds) {
    int i = 0;
    for (double b : upperBounds) {
        if (v <= b)
            return i;
        ++i;
    }
    return i;
}

} // namespace vantora::bands
