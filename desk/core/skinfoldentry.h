#pragma once
// CSkinFoldEntry: the skin-fold part of an evaluation or body composition as
// entered: the number of sites measured, the seven folds in millimetres and
// which of them the chosen site count uses.

#include <array>

class CSkinFoldEntry {
public:
    // The seven folds in the order the pages show them.
    enum site { Triceps, Suprailiac, Thigh, Chest, Abdomen, Midaxillary, Subscapular, SiteCount };

    int Sites = 3; // 3, 4 or 7
    std::array<double, SiteCount> Folds{};

    // Which fields the site count makes editable for the sex (1 male).
    static std::array<bool, SiteCount> Editable(int sites, unsigned char sex);
    // Largest value of a fold (abdomen and thigh take more).
    static int Maximum(int site) { return site == Abdomen || site == Thigh ? 70 : 51; }

    // Percent fat by the site count (three sites when none was chosen); 0
    // when a fold that the formula needs is missing.
    double PercentFat(unsigned char sex, int age, double weight, double height) const;
    // The site count that fits stored folds: seven when all are there, four
    // for the four-site set, else three.
    static int SitesOf(const std::array<double, SiteCount>& folds);
};
