#include "daoprof.h"

#include "daocls.h"

#include <array>

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

int CDAOProf::Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                      bool const& replace) {
    if (!in.is_open())
        return 0;
    const int stored = RestoreFields(in, delimiter, memberId, replace);
    Op(opClose);
    return stored;
}

int CDAOProf::RestoreFields(std::istream& in, char const& delimiter, long const& memberId,
                            bool const& replace) {
    constexpr std::size_t ReadLimit = 4096;
    auto text = [&](const char* column) {
        return CDAOCls::FitColumn(ReadField(in, delimiter, ReadLimit), "Profiles", column);
    };
    // A set left open by the previous line takes a new record as it is.
    const int found = replace || !IsOpen() ? FindProfile(memberId) : 0;
    Op(replace && found > 0 ? opEdit : opAddNew);
    MemberID = memberId;
    Address = text("Address");
    City = text("City");
    State = text("State");
    Zip = text("Zip");
    Phone = text("Phone");
    Email = text("Email");
    EmerContactName = text("EmerContactName");
    EmerContactPhone = text("EmerContactPhone");
    FamilyPhysician = text("FamilyPhysician");
    SignedRelease = ToByte(ReadField(in, delimiter, ReadLimit));
    Employee = ToByte(ReadField(in, delimiter, ReadLimit));
    Birthday = ToDateTime(ReadField(in, delimiter, ReadLimit));
    Sex = ToByte(ReadField(in, delimiter, ReadLimit));
    Goals = ToLong(ReadField(in, delimiter, ReadLimit));
    MedHistory = ToLong(ReadField(in, delimiter, ReadLimit));
    Op(opUpdate);
    return LastOpFailed() ? 0 : 1;
}
