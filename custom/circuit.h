#pragma once
// The strength circuit's station data: names, value ranges, the chest-press
// and leg-press stations with their weight-stack multipliers, all read once
// from the station and weight folders, and the work-weight tables, read on
// each request.

#include "custom/bounds.h"

#include <array>
#include <string>

class CCircuit {
public:
    static constexpr int MaxStations = 24;
    static constexpr int NameSize = 30; // name buffer, terminator included

    // Loads the fixed files; a failure shows its message and leaves the rest
    // of the circuit unloaded.
    CCircuit();
    virtual ~CCircuit() = default;

    int GetNumStations() const { return count_; }
    // Name of station i, or null when station i is not loaded.
    const char* GetName(int const& i) const;
    double GetMin(int const& i) const;
    double GetMax(int const& i) const;
    int GetUpperStnIndex() const { return upperIndex_; }
    int GetLegStnIndex() const { return legIndex_; }
    double GetChestPressMult() const { return chestMult_; }
    double GetLegPressMult() const { return legMult_; }

    // True when value is 0 (not entered) or within station i's range; else
    // shows the range message and returns false.
    bool Verify(int const& i, double const& value) const;
    // Work weight for a progressive lift from the table of station i at the
    // given percentage; 0 when no row applies or the table cannot be read.
    double GetWorkWeight(int const& i, double const& lift, int const& percent);

    std::string const& GetStationFolder() const { return stationFolder_; }
    std::string const& GetWeightFolder() const { return weightFolder_; }
    // File name of the work-weight table of station i at percent, without the
    // folder; empty when no table can exist for them.
    static std::string WorkWeightFileName(int const& i, int const& percent);

private:
    void ErrorMsg(int const& i) const;
    bool Load();
    bool ValidIndex(int i) const { return i >= 0 && i < MaxStations; }

    std::string stationFolder_;
    std::string weightFolder_;
    std::array<std::array<char, NameSize>, MaxStations> names_{};
    std::array<CBounds, MaxStations> bounds_{};
    int count_ = 0;
    int upperIndex_ = -1;
    int legIndex_ = -1;
    double chestMult_ = 0.0;
    double legMult_ = 0.0;
};
