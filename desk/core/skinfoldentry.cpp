#include "desk/core/skinfoldentry.h"

#include "util/bodycomp.h"

std::array<bool, CSkinFoldEntry::SiteCount> CSkinFoldEntry::Editable(int sites, unsigned char sex) {
    std::array<bool, SiteCount> on{};
    switch (sites) {
    case 7:
        on.fill(true);
        break;
    case 4:
        on[Abdomen] = on[Suprailiac] = on[Thigh] = on[Triceps] = true;
        break;
    default:
        if (sex == 1)
            on[Chest] = on[Abdomen] = on[Thigh] = true;
        else
            on[Triceps] = on[Suprailiac] = on[Thigh] = true;
    }
    return on;
}

double CSkinFoldEntry::PercentFat(unsigned char sex, int age, double weight, double height) const {
    CSkinFold fold(sex == 1 ? CBodyComp::male : CBodyComp::female, age, weight, height,
                   Folds[Thigh], Folds[Chest], Folds[Abdomen], Folds[Triceps], Folds[Suprailiac],
                   Folds[Midaxillary], Folds[Subscapular]);
    return Sites == 7   ? fold.PercentFat_7()
           : Sites == 4 ? fold.PercentFat_4()
                        : fold.PercentFat_3();
}

int CSkinFoldEntry::SitesOf(const std::array<double, SiteCount>& folds) {
    int taken = 0;
    for (double f : folds)
        taken += f != 0 ? 1 : 0;
    if (taken == SiteCount)
        return 7;
    if (taken == 4 && folds[Abdomen] != 0 && folds[Suprailiac] != 0 && folds[Thigh] != 0 &&
        folds[Triceps] != 0)
        return 4;
    return 3;
}
