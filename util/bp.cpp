#include "util/bp.h"

bool CBP::IsOptimal(bp which) const {
    return which == systolic ? sys_ < 120 : dia_ < 80;
}

bool CBP::IsNormal(bp which) const {
    if (which == systolic)
        return sys_ >= 120 && sys_ < 130;
    return dia_ >= 80 && dia_ < 85;
}
