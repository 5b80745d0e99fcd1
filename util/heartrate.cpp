#include "util/heartrate.h"

double CHeartRate::PredictedMaximum() const {
    return sex_ == male ? 205.0 - 0.5 * age_ : 220.0 - age_;
}

double CHeartRate::Level(double share) const {
    if (!(restingRate_ > 0.0))
        return 0.0;
    return restingRate_ + (PredictedMaximum() - restingRate_) * share;
}
