#pragma once
// CWorkout: one workout being entered (at the kiosk or the desk), or the
// totals of a member's workouts summed by CDAOWk::TotalMember. A plain value,
// not a record set.

#include "util/efoledatetime.h"

#include <array>
#include <string>

class CDAOChkIn;
class CDAOMem;

class CWorkout {
public:
    // Number of workout option values; index 0 counts circuits.
    static constexpr int StationCount = 13;

    CWorkout() = default;
    virtual ~CWorkout() = default;
    CWorkout(const CWorkout&) = default;
    CWorkout& operator=(const CWorkout&) = default;

    long memberId = 0;
    long barcode = 0;
    std::string firstName;
    std::string lastName;
    unsigned char workoutOK = 0;
    unsigned char classIndx = 0;
    CEFOleDateTime checkIn;
    CEFOleDateTime checkOut;
    // Totals only: summed minutes, number of workouts, number of those OK.
    long totalMinutes = 0;
    long workoutCount = 0;
    long okCount = 0;

    // Stores the workout's identity and times (a null name becomes empty)
    // and clears the option values.
    void Set(long const& memberId, long const& barcode, char const* first, char const* last,
             unsigned char const& ok, CEFOleDateTime const& checkIn, CEFOleDateTime const& checkOut,
             unsigned char const& classIndx);
    // From the current open visit: checked out now, not OK, no option values.
    void Set(CDAOChkIn const* chkIn);
    // From the current member: checked in and out now, class 0, not OK.
    void Set(CDAOMem const* member);

    // Option value at index 0..12; 0 (or ignored) for any other index.
    long GetStnVal(int const& i) const;
    void SetStnVal(int const& i, long const& v);
    void ResetStations() { stations_.fill(0); }

    // Whole minutes from check-in to check-out (see SpanMinutes).
    int TotalMinutes() const;

    // The minutes rule shared by every workout: the span rounded to the
    // nearest second (half a second away from zero), then whole minutes
    // truncated toward zero, negative when the check-out comes first. An
    // invalid time shows MsgInvalidTimes, gives 0 and returns false.
    static bool SpanMinutes(CEFOleDateTime const& in, CEFOleDateTime const& out, int& minutes);

    static constexpr const char* MsgInvalidTimes = "Error: invalid check-in/out date and/or time";

private:
    std::array<long, StationCount> stations_{};
};
