#include "daoprof.h"

#include "daocls.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<const char*, 8> goalNames{"Increase Strength",
                                               "Improve Flexibility",
                                               "Gain Weight",
                                               "Firm Up/Lose Inches",
                                               "Lose Weight",
                                               "Improve Cardiovascular Fitness",
                                               "Reduce Stress/Feel More Relaxed",
                                               "Feel Better/Have More Energy"};

constexpr std::array<const char*, 21> medNames{"Disabilities/Limitations",
                                               "Cur. Shoulder Prob.",
                                               "Shoulder Surgery",
                                               "Shoulder Injury",
                                               "Current Knee Prob.",
                                               "Knee Surgery",
                                               "Knee Injury",
                                               "Current Back Prob.",
                                               "Back Surgery",
                                               "Back Injury",
                                               "Back Problems",
                                               "Blood Pressure/Heart Medication",
                                               "Stroke",
                                               "Diagnosed Heart Problem",
                                               "Diabetes Type II",
                                               "Diabetes Type I",
                                               "High Blood Pressure",
                                               "History of Family Heart Problems",
                                               "Little Exercise in Past 6 Months",
                                               "20 or More lbs Overweight",
                                               "Smoke or Chew Tobacco"};

template <std::size_t N> std::string captionOf(const std::array<const char*, N>& names, long bit) {
    for (std::size_t i = 0; i < N; ++i) {
        if (bit == (1L << i))
            return names[i];
    }
    return {};
}

} // namespace

void CDAOProf::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Long("[MemberID]", MemberID);
    fx.Text("[Address]", Address);
    fx.Text("[City]", City);
    fx.Text("[State]", State);
    fx.Text("[Zip]", Zip);
    fx.Text("[Phone]", Phone);
    fx.Text("[Email]", Email);
    fx.Text("[EmerContactName]", EmerContactName);
    fx.Text("[EmerContactPhone]", EmerContactPhone);
    fx.Text("[FamilyPhysician]", FamilyPhysician);
    fx.Byte("[SignedRelease]", SignedRelease);
    fx.Byte("[Employee]", Employee);
    fx.DateTime("[Birthday]", Birthday);
    fx.Byte("[Sex]", Sex);
    fx.Long("[Goals]", Goals);
    fx.Long("[MedHistory]", MedHistory);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOProf::FindProfile(long const& memberId) {
    lParam0 = memberId;
    m_strFilter = "MemberID = lParam0";
    return OpenSet(true);
}

std::string CDAOProf::GetGoalStr(long g) {
    return captionOf(goalNames, g);
}

std::string CDAOProf::GetMedHistStr(long m) {
    return captionOf(medNames, m);
}

namespace {
// The defined goal and medical-history bits.
constexpr long AllGoals = 255;
constexpr long AllMedHistory = 2097151;
} // namespace

bool CDAOProf::TakeFields(std::vector<std::string> const& f, std::size_t at) {
    if (f.size() < at + FieldCount)
        return false;
    const auto* v = &f[at];
    if (!ParseByte(v[9], 0, 255, SignedRelease) || !ParseByte(v[10], 0, 255, Employee) ||
        !ParseDateTime(v[11], true, Birthday) || !ParseByte(v[12], 0, 255, Sex) ||
        !ParseLong(v[13], 0, AllGoals, Goals) || !ParseLong(v[14], 0, AllMedHistory, MedHistory))
        return false;
    std::size_t i = 0;
    for (auto [value, column] : {std::pair{&Address, "Address"},
                                 {&City, "City"},
                                 {&State, "State"},
                                 {&Zip, "Zip"},
                                 {&Phone, "Phone"},
                                 {&Email, "Email"},
                                 {&EmerContactName, "EmerContactName"},
                                 {&EmerContactPhone, "EmerContactPhone"},
                                 {&FamilyPhysician, "FamilyPhysician"}})
        *value = CDAOCls::FitColumn(v[i++], "Profiles", column);
    return true;
}

int CDAOProf::Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                      bool const& replace) {
    if (!in.is_open())
        return 0;
    const std::vector<std::string> f = ReadRestoreFields(in, delimiter, FieldCount);
    const int stored = TakeFields(f, 0) ? StoreFields(f, 0, memberId, replace) : 0;
    Op(opClose);
    return stored;
}

int CDAOProf::StoreFields(std::vector<std::string> const& f, std::size_t at, long const& memberId,
                          bool const& replace) {
    // A set left open by the previous line takes a new record as it is.
    const int found = replace || !IsOpen() ? FindProfile(memberId) : 0;
    return StoreRestored(replace && found > 0, [&] {
        TakeFields(f, at);
        MemberID = memberId;
    });
}
