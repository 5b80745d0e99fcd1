#include "daocirc.h"

#include <array>
#include <cstddef>

namespace {

constexpr std::array<double CDAOCirc::*, CDAOCirc::StationCount> Stations = {
    &CDAOCirc::Station00, &CDAOCirc::Station01, &CDAOCirc::Station02, &CDAOCirc::Station03,
    &CDAOCirc::Station04, &CDAOCirc::Station05, &CDAOCirc::Station06, &CDAOCirc::Station07,
    &CDAOCirc::Station08, &CDAOCirc::Station09, &CDAOCirc::Station10, &CDAOCirc::Station11,
    &CDAOCirc::Station12, &CDAOCirc::Station13, &CDAOCirc::Station14, &CDAOCirc::Station15,
    &CDAOCirc::Station16, &CDAOCirc::Station17, &CDAOCirc::Station18, &CDAOCirc::Station19,
    &CDAOCirc::Station20, &CDAOCirc::Station21, &CDAOCirc::Station22, &CDAOCirc::Station23};

constexpr std::array<const char*, CDAOCirc::StationCount> Columns = {
    "Station00", "Station01", "Station02", "Station03", "Station04", "Station05",
    "Station06", "Station07", "Station08", "Station09", "Station10", "Station11",
    "Station12", "Station13", "Station14", "Station15", "Station16", "Station17",
    "Station18", "Station19", "Station20", "Station21", "Station22", "Station23"};

} // namespace

CDAOCirc::CDAOCirc() {
    m_nFields = 1 + StationCount;
}

void CDAOCirc::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Long("[EvaluationID]", EvaluationID);
    for (int i = 0; i < StationCount; ++i)
        fx.Double(std::string("[") + StationColumn(i) + "]",
                  this->*Stations[static_cast<std::size_t>(i)]);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOCirc::FindCircuit(long const& evaluationId) {
    lParam0 = evaluationId;
    m_strFilter = "EvaluationID = lParam0";
    m_strSort.clear();
    return OpenSet(true);
}

double CDAOCirc::GetStnVal(int const& i) const {
    return i >= 0 && i < StationCount ? this->*Stations[static_cast<std::size_t>(i)] : 0.0;
}

void CDAOCirc::SetStnVal(int const& i, double const& v) {
    if (i >= 0 && i < StationCount)
        this->*Stations[static_cast<std::size_t>(i)] = v;
}

const char* CDAOCirc::StationColumn(int const& i) {
    return i >= 0 && i < StationCount ? Columns[static_cast<std::size_t>(i)] : "";
}

bool CDAOCirc::TakeFields(std::vector<std::string> const& f, std::size_t at) {
    if (f.size() < at + StationCount)
        return false;
    for (int i = 0; i < StationCount; ++i) {
        double v = 0;
        if (!ParseDouble(f[at + static_cast<std::size_t>(i)], 0, MaxMeasure, v))
            return false;
        SetStnVal(i, v);
    }
    return true;
}

int CDAOCirc::Restore(std::istream& in, char const& delimiter, long const& evaluationId) {
    std::vector<std::string> f;
    for (int i = 0; i + 1 < StationCount; ++i)
        f.push_back(ReadField(in, delimiter));
    f.push_back(ReadLastField(in));
    if (!TakeFields(f, 0))
        return 0;
    OpenSet(false);
    AddNewAsIs();
    EvaluationID = evaluationId;
    Op(opUpdate);
    const bool stored = !LastOpFailed();
    Op(opClose);
    return stored ? 1 : 0;
}
