#pragma once
// CDAOWk: the Workouts table of members.mdb, one row per finished visit, with
// the member's totals, the count of today's visits and the workout export
// line ("%1wk%2.dat").

#include "daoefset.h"

class CWorkout;

class CDAOWk : public CDAOEFSet {
public:
    // Which workouts a date-range search returns.
    enum ok { okAll = -1, okNotOK = 0, okOK = 1 };

    static constexpr int StationCount = 13;
    // Class index of the unassigned class, and the index that stands for all
    // of a member's classes in TotalMember (never stored).
    static constexpr unsigned char ClassUnknown = 99;
    static constexpr unsigned char ClassAll = 101;

    CDAOWk();

    long MemberID = 0;
    unsigned char WorkoutOK = 0;
    unsigned char ClassIndx = 0;
    CEFOleDateTime CheckIn;
    CEFOleDateTime CheckOut;
    short Station00 = 0, Station01 = 0, Station02 = 0, Station03 = 0, Station04 = 0, Station05 = 0,
          Station06 = 0, Station07 = 0, Station08 = 0, Station09 = 0, Station10 = 0, Station11 = 0,
          Station12 = 0;

    std::string GetDefaultDBName() const override { return GetDBPath() + "members.mdb"; }
    std::string GetDefaultSQL() const override { return "[Workouts]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    // Option value at index 0..12 (Station00 is index 0); 0, or no change,
    // for any other index.
    short GetStnVal(int const& i) const;
    void SetStnVal(int const& i, short const& v);

    // A member's workouts, newest first; every workout when memberId is 0.
    int FindWks(long const& memberId);
    // Every workout, by member and class (the order TotalMember walks).
    int FindAllWks();
    // A member's workouts in one class (every member's when memberId is 0),
    // newest first.
    int FindWks(long const& memberId, unsigned char const& classIndx);
    // The member's workout that checked in at exactly this time.
    int FindWks(long const& memberId, CEFOleDateTime& checkIn);
    // Workouts inside whole days: `from` is moved to its midnight and `to` to
    // the last second of its day (the caller's values change); `ok` chooses
    // OK, not-OK or all workouts. Ordered by member and class.
    int FindWks(long const& memberId, CEFOleDateTime& from, CEFOleDateTime& to, int ok);

    // Whole minutes of the current workout (CWorkout::SpanMinutes).
    int TotalMinutes() const;
    // Adds the member's workouts in one class (or all, ClassAll) to totals,
    // which the caller clears. On a set ordered by member id, successive
    // calls for ascending ids continue where the previous one stopped, so a
    // whole set of members is totalled in one pass over the workouts.
    void TotalMember(CWorkout* totals, long const& memberId, unsigned char const& classIndx);
    // Workouts of the set (newest first) that checked in today.
    int CountToday();

    // Export file name in the backup folder, stamped with the current time.
    std::string GetDefaultPathFileName() const;
    // One export line: 18 fields, the last followed by the newline.
    void Save(CText* text) const override;
    // Whether the next line of the stream is a workout line.
    bool Test(std::ifstream& in, char const& delimiter) const override;
    // Adds the workouts of the file (of one member when memberId is not 0)
    // for members that exist, filed under the unassigned class; returns how
    // many were stored. Damaged lines are skipped.
    int Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                bool const& flag) override;

    // Largest option value the export accepts (the kiosk and desk allow up
    // to three digits).
    static constexpr long MaxStationValue = 999;

private:
    // Where the last TotalMember stopped, so the next one can go on from there.
    bool sweepValid_ = false;
    long sweepPos_ = -1;
    long sweepMember_ = 0;
};
