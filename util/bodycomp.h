#pragma once
// Body composition of one assessment: percent body fat from skin folds,
// hydrostatic weighing or tape measurements, and the figures derived from
// percent fat and body size (fat and lean weight, fitness score and its
// category, goals, body mass index, metabolic rate, exercise calories).
//
// Units are fixed: pounds, inches, millimetres for skin folds, degrees
// Fahrenheit for water, whole years, percent fat in percent. A measurement of 0
// means it was not taken; an operation that lacks a measurement leaves the
// percent fat as it was.

// Sex codes: 1 male; 0 and every other value take the female rules, except
// where a rule names 0 (three-site skin folds).
class CBodyComp {
public:
    enum sex : int { female = 0, male = 1 };
    enum actlvl : int { noexercise = 0, minimal = 1, moderate = 2, veryactive = 3, athlete = 4 };
    // One per exercise, named after the script variable of its calories.
    enum physact : int {
        walk0 = 0,
        walk1,
        run0,
        run1,
        circuit,
        aerobics0,
        aerobics1,
        bicycle0,
        bicycle1,
        exercycle0,
        exercycle1,
        row0,
        row1,
        weight0,
        weight1
    };
    // Units of the weights written by WriteJS: 0 pounds, any other value kilograms.
    enum wtunits : int { pounds = 0, kilograms = 1 };

    CBodyComp(sex const& s, int const& age, double const& weight, double const& height,
              double const& pctfat);
    virtual ~CBodyComp() = default;

    sex GetSex() const { return sex_; }
    double GetAge() const { return age_; }
    double GetWeight() const { return weight_; }
    double GetHeight() const { return height_; }
    double GetPctFat() const { return pctfat_; }
    void SetPctFat(double const& pctfat) { pctfat_ = pctfat; }

    double FatWeight() const;
    double LeanBodyWeight() const;
    // The weight at which the present lean weight would carry targetPct percent
    // fat; 0 for a target of 100 or more, which no weight reaches.
    double IdealWeight(double const& targetPct) const;
    // 0 when the height is 0 (not taken).
    double BodyMassIndex() const;

    // Fitness score of the percent fat against the norms of sex and age: 99,
    // 95, 90, ... 10, 5.
    int FindScore() const;
    // Category word of FindScore(); static text.
    char const* Category() const;
    // Target scores for a score; they do not use the object's data.
    double ShortGoal(double const& score) const;
    double LongGoal(double const& score) const;

    // Kilocalories per day.
    double BasalMetabolicRate() const;
    double AdjMetabolicRate(actlvl const& level) const;
    // Calories of the exercise; 0 for an unknown exercise.
    double CaloricExpenditure(physact const& activity) const;
    // Text of the activity level; empty for an unknown level.
    static char const* GetActLvlStr(actlvl const& level);

    // Writes the report variables to js/bcvar.js under the current folder.
    // A file that cannot be written is reported with a message.
    void WriteJS(wtunits const& units, actlvl const& level) const;

protected:
    sex sex_;
    double age_;
    double weight_;
    double height_;
    double pctfat_;
};

// Percent fat from skin folds (millimetres) at three, four or seven sites.
class CSkinFold : public CBodyComp {
public:
    CSkinFold(sex const& s, int const& age, double const& weight, double const& height,
              double const& thigh, double const& chest, double const& abdominal,
              double const& triceps, double const& suprailiac, double const& midaxillary,
              double const& subscapular);
    ~CSkinFold() override = default;

    double GetThighSkinFold() const { return thigh_; }
    double GetChestSkinFold() const { return chest_; }
    double GetAbSkinFold() const { return abdominal_; }
    double GetTricepSkinFold() const { return triceps_; }
    double GetSupraSkinFold() const { return suprailiac_; }
    double GetMidaxSkinFold() const { return midaxillary_; }
    double GetSubscapSkinFold() const { return subscapular_; }

    // Each stores the percent fat when the folds it needs were taken and
    // returns the (new or old) percent fat.
    double PercentFat_3();
    double PercentFat_4();
    double PercentFat_7();

private:
    double thigh_;
    double chest_;
    double abdominal_;
    double triceps_;
    double suprailiac_;
    double midaxillary_;
    double subscapular_;
};

// Percent fat from underwater weighing.
class CHydroStat : public CBodyComp {
public:
    enum calcmethod : int { siri = 0, brozek = 1 };

    // Water temperature in degrees Fahrenheit; the wet weight as read on the
    // scale and the tare weight of the weighing apparatus in pounds.
    CHydroStat(sex const& s, int const& age, double const& weight, double const& height,
               double const& waterTemp, double const& wetWeight, double const& tareWeight);
    ~CHydroStat() override = default;

    double GetWaterTemp() const { return waterTemp_; }
    double GetWetWeight() const { return wetWeight_; }
    double GetTareWeight() const { return tareWeight_; }

    // Stores and returns the percent fat by the chosen equation (0 Siri, any
    // other Brozek); leaves it unchanged when no body density results.
    double PercentFat(calcmethod const& method);

private:
    // Kilograms per litre; 0 when the body volume is not positive.
    double CalcBodyDensity() const;
    // Grams per millilitre of water at the whole degree Celsius of the water.
    double FindWaterDensity() const;

    double waterTemp_;
    double wetWeight_;
    double tareWeight_;
};

// Percent fat from girths (inches) read off charts.
class CTapeMsr : public CBodyComp {
public:
    CTapeMsr(sex const& s, int const& age, double const& weight, double const& height,
             double const& waist, double const& wrist, double const& hip);
    ~CTapeMsr() override = default;

    double GetWaist() const { return waist_; }
    double GetWrist() const { return wrist_; }
    double GetHip() const { return hip_; }

    // Men: weight, waist and wrist; women: height, waist and hip. Stores and
    // returns the percent fat, or returns the old one when a girth is missing.
    double PercentFat();

private:
    // The first index i < count - 1 with x <= values[i], else count - 1: a
    // measurement rounds up to the next chart step and sticks to the ends.
    static int FindArrIndex(double const* values, int const& count, double const& x);
    // Whole percent fat from weight and waist minus wrist; 0 off the chart.
    double FindMaleFat() const;
    double AdjFemHip() const;
    double AdjFemWaist() const;
    double AdjFemHeight() const;

    double waist_;
    double wrist_;
    double hip_;
};
