#include "circuit.h"

#include "util/efoledatetime.h"
#include "util/facilitylocation.h"
#include "util/format.h"
#include "util/notice.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace {

// Reads one line without its line end; a carriage return left by a file
// edited on another system is dropped too.
bool readLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

// True while the stream has another data line: not at its end and the next
// line does not start with the end marker.
bool moreData(std::istream& in) {
    const int c = in.peek();
    return c != std::char_traits<char>::eof() && c != '@';
}

// Opens a data file and skips its header line.
bool openData(std::ifstream& in, const std::string& path) {
    in.open(path);
    if (!in.is_open())
        return false;
    std::string header;
    readLine(in, header);
    return true;
}

// Splits "a<TAB>b" into two numbers read as atof does; false without a tab.
bool readPair(const std::string& line, double& a, double& b) {
    const auto tab = line.find('\t');
    if (tab == std::string::npos)
        return false;
    a = std::atof(line.substr(0, tab).c_str());
    b = std::atof(line.c_str() + tab + 1);
    return true;
}

void stop(const char* text) {
    vantora::notice::show(text, vantora::notice::Icon::None);
}

} // namespace

CCircuit::CCircuit() {
    Load();
}

bool CCircuit::Load() {
    const vantora::FacilityLocation location = vantora::FacilityLocation::current();
    stationFolder_ = location.stationFolder();
    if (stationFolder_.empty()) {
        stop("Error: system environment variable \"VANTO_STN\" is not set");
        return false;
    }
    weightFolder_ = location.weightFolder();
    if (weightFolder_.empty()) {
        stop("Error: system environment variable \"VANTO_WT\" is not set");
        return false;
    }

    std::ifstream in;
    std::string line;
    if (!openData(in, stationFolder_ + "snames.dat")) {
        stop("Error: cannot open station names file");
        return false;
    }
    while (count_ < MaxStations && moreData(in) && readLine(in, line)) {
        auto& buf = names_[static_cast<std::size_t>(count_)];
        const std::size_t n = std::min(line.size(), buf.size() - 1);
        std::memcpy(buf.data(), line.data(), n);
        buf[n] = '\0';
        ++count_;
    }
    in.close();

    if (!openData(in, stationFolder_ + "sverify.dat")) {
        stop("Error: cannot open station verification file");
        return false;
    }
    for (int i = 0; i < count_ && moreData(in) && readLine(in, line); ++i) {
        double lo = 0, hi = 0;
        // A line without its tab is malformed: that station keeps its
        // default range rather than a made-up one.
        if (readPair(line, lo, hi))
            bounds_[static_cast<std::size_t>(i)] = CBounds(lo, hi);
    }
    in.close();

    if (!openData(in, stationFolder_ + "indices.dat")) {
        stop("Error: cannot open station indices file");
        return false;
    }
    // An end marker in place of a value leaves it unset rather than reading
    // as station 0.
    if (moreData(in) && readLine(in, line))
        upperIndex_ = std::atoi(line.c_str());
    if (moreData(in) && readLine(in, line))
        legIndex_ = std::atoi(line.c_str());
    in.close();

    if (!openData(in, weightFolder_ + "chestpress.dat")) {
        stop("Error: cannot open chest press weight-stack multiplier file");
        return false;
    }
    if (moreData(in) && readLine(in, line))
        chestMult_ = std::atof(line.c_str());
    in.close();

    if (!openData(in, weightFolder_ + "legpress.dat")) {
        stop("Error: cannot open leg press weight-stack multiplier file");
        return false;
    }
    if (moreData(in) && readLine(in, line))
        legMult_ = std::atof(line.c_str());
    return true;
}

const char* CCircuit::GetName(int const& i) const {
    if (i < 0 || i >= count_)
        return nullptr;
    return names_[static_cast<std::size_t>(i)].data();
}

double CCircuit::GetMin(int const& i) const {
    return ValidIndex(i) ? bounds_[static_cast<std::size_t>(i)].GetMin() : CBounds().GetMin();
}

double CCircuit::GetMax(int const& i) const {
    return ValidIndex(i) ? bounds_[static_cast<std::size_t>(i)].GetMax() : CBounds().GetMax();
}

bool CCircuit::Verify(int const& i, double const& value) const {
    if (value == 0.0)
        return true;
    if (value < GetMin(i) || value > GetMax(i)) {
        ErrorMsg(i);
        return false;
    }
    return true;
}

void CCircuit::ErrorMsg(int const& i) const {
    const char* name = GetName(i);
    const auto lo = static_cast<long long>(std::trunc(GetMin(i)));
    const auto hi = static_cast<long long>(std::trunc(GetMax(i)));
    vantora::notice::show(
        vantora::insert("Error: %1\nmust be in the range %2 to %3", {name ? name : "", lo, hi}),
        vantora::notice::Icon::None);
}

std::string CCircuit::WorkWeightFileName(int const& i, int const& percent) {
    // Two digits each: a station outside the circuit or a percentage that
    // does not fit two digits has no table (100 would otherwise read the
    // 10 % table).
    if (i < 0 || i >= MaxStations || percent < 10 || percent > 99)
        return {};
    return vantora::format("s%.2d%.2d.dat", {i, percent});
}

double CCircuit::GetWorkWeight(int const& i, double const& lift, int const& percent) {
    const std::string name = WorkWeightFileName(i, percent);
    std::ifstream in;
    if (name.empty() || !openData(in, stationFolder_ + name)) {
        stop("Error: cannot open work weight file");
        return 0.0;
    }
    double result = 0.0;
    std::string line;
    while (moreData(in) && readLine(in, line)) {
        double rowLift = 0, rowWeight = 0;
        if (!readPair(line, rowLift, rowWeight))
            continue;
        if (rowLift <= lift) {
            result = rowWeight;
            break;
        }
    }
    return result;
}
