#include "daobodycomp.h"

#include "batchscope.h"
#include "daosmmem.h"
#include "membercache.h"
#include "util/bodycomp.h"
#include "util/convert.h"
#include "util/format.h"
#include "util/notice.h"
#include "util/text.h"

#include <array>
#include <cstddef>
#include <unordered_map>
#include <vector>

namespace {

constexpr std::array<const char*, 5> ActLevelAbbr = {"No Exer", "Minimal", "Moderate", "Very Act",
                                                     "Training"};
constexpr std::array<const char*, 4> Methods = {"Body Measurement", "Skin Fold Measurement",
                                                "Hydrostatic Weighing", "Other"};

bool InRange(long v, long lo, long hi) {
    return v >= lo && v <= hi;
}

} // namespace

void CDAOBodyComp::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Long("[MemberID]", MemberID);
    fx.DateTime("[BodyCompDate]", BodyCompDate);
    fx.Byte("[ClassIndx]", ClassIndx);
    fx.Double("[Height]", Height);
    fx.Double("[Weight]", Weight);
    fx.Byte("[ActivityLevel]", ActivityLevel);
    fx.Byte("[Method]", Method);
    fx.Double("[FatPercent]", FatPercent);
    fx.Double("[Waist]", Waist);
    fx.Double("[Wrist]", Wrist);
    fx.Double("[Hip]", Hip);
    fx.Double("[ThighSkinFold]", ThighSkinFold);
    fx.Double("[ChestSkinFold]", ChestSkinFold);
    fx.Double("[AbSkinFold]", AbSkinFold);
    fx.Double("[TricepSkinFold]", TricepSkinFold);
    fx.Double("[SupraSkinFold]", SupraSkinFold);
    fx.Double("[MidaxSkinFold]", MidaxSkinFold);
    fx.Double("[SubscapSkinFold]", SubscapSkinFold);
    fx.Double("[WaterTemp]", WaterTemp);
    fx.Double("[WetWeight]", WetWeight);
    fx.Double("[TareWeight]", TareWeight);
    fx.Long("[Flags]", Flags);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOBodyComp::FindBodyComps(long const& memberId) {
    if (memberId != 0) {
        lParam0 = memberId;
        m_strFilter = "MemberID = lParam0";
    } else {
        m_strFilter.clear();
    }
    m_strSort = "BodyCompDate DESC";
    return OpenSet(true);
}

int CDAOBodyComp::FindBodyComps(long const& memberId, unsigned char const& classIndx) {
    lParam0 = memberId;
    byteParam0 = classIndx;
    m_strFilter = "MemberID = lParam0 AND ClassIndx = byteParam0";
    m_strSort = "BodyCompDate DESC";
    return OpenSet(true);
}

int CDAOBodyComp::FindBodyComps(long const& memberId, CEFOleDateTime& date) {
    lParam0 = memberId;
    datetimeParam0 = date;
    m_strFilter = "MemberID = lParam0 AND BodyCompDate = datetimeParam0";
    m_strSort = "BodyCompDate DESC";
    return OpenSet(true);
}

int CDAOBodyComp::FindBodyComps(long const& memberId, CEFOleDateTime& from, CEFOleDateTime& to) {
    if (!BindDayRange(from, to))
        return 0;
    if (memberId != 0) {
        lParam0 = memberId;
        m_strFilter = "MemberID = lParam0 AND BodyCompDate >= datetimeParam0 AND BodyCompDate "
                      "<= datetimeParam1";
    } else {
        m_strFilter = "BodyCompDate >= datetimeParam0 AND BodyCompDate <= datetimeParam1";
    }
    m_strSort = "BodyCompDate DESC";
    return OpenSet(true);
}

double CDAOBodyComp::ConvertHeight() const {
    return GetUnitFlag(unitHeight) ? CConvert().cm_in(Height) : Height;
}

double CDAOBodyComp::ConvertWeight() const {
    return GetUnitFlag(unitWeight) ? CConvert().kg_lb(Weight) : Weight;
}

double CDAOBodyComp::ConvertWaist() const {
    return GetUnitFlag(unitGirth) ? CConvert().cm_in(Waist) : Waist;
}

double CDAOBodyComp::ConvertWrist() const {
    return GetUnitFlag(unitGirth) ? CConvert().cm_in(Wrist) : Wrist;
}

double CDAOBodyComp::ConvertHip() const {
    return GetUnitFlag(unitGirth) ? CConvert().cm_in(Hip) : Hip;
}

double CDAOBodyComp::ConvertH2OTemp() const {
    return GetUnitFlag(unitH2OTemp) ? CConvert().c_f(WaterTemp) : WaterTemp;
}

double CDAOBodyComp::ConvertTareWeight() const {
    return GetUnitFlag(unitTareWeight) ? CConvert().kg_lb(TareWeight) : TareWeight;
}

double CDAOBodyComp::ConvertWetWeight() const {
    return GetUnitFlag(unitWetWeight) ? CConvert().kg_lb(WetWeight) : WetWeight;
}

double CDAOBodyComp::ConvertSkinFold(double const& v) const {
    return GetUnitFlag(unitSkinFold) ? CConvert().in_mm(v) : v;
}

char const* CDAOBodyComp::GetUnitStr(unit const& u) const {
    const bool other = GetUnitFlag(u);
    switch (u) {
    case unitHeight:
    case unitGirth:
        return other ? "cm" : "in";
    case unitWeight:
        return other ? "kg" : "lbs";
    case unitWetWeight:
    case unitTareWeight:
        return other ? "kg" : "lb";
    case unitSkinFold:
        return other ? "in" : "mm";
    case unitH2OTemp:
        return other ? "C" : "F";
    }
    return "";
}

int CDAOBodyComp::CountSkinFolds() const {
    int n = 0;
    for (double v : {ThighSkinFold, ChestSkinFold, AbSkinFold, TricepSkinFold, SupraSkinFold,
                     MidaxSkinFold, SubscapSkinFold})
        if (v != 0.0)
            ++n;
    return n;
}

char const* CDAOBodyComp::GetActLevelStr(unsigned char const& level) {
    return CBodyComp::GetActLvlStr(static_cast<CBodyComp::actlvl>(level));
}

char const* CDAOBodyComp::GetActLevelStrAbbr(unsigned char const& level) {
    return level < ActLevelAbbr.size() ? ActLevelAbbr[level] : "";
}

char const* CDAOBodyComp::GetMethodStr(unsigned char const& method) {
    return method < Methods.size() ? Methods[method] : "";
}

std::string CDAOBodyComp::GetDefaultPathFileName() const {
    return ExportPathFileName("%1bc%2.dat");
}

void CDAOBodyComp::Save(CText* text) const {
    if (!text)
        return;
    text->put(MemberID, true);
    text->put(BodyCompDate, true);
    text->put(ClassIndx, true);
    text->put(Height, true);
    text->put(Weight, true);
    text->put(ActivityLevel, true);
    text->put(Method, true);
    for (double v :
         {FatPercent, Waist, Wrist, Hip, ThighSkinFold, ChestSkinFold, AbSkinFold, TricepSkinFold,
          SupraSkinFold, MidaxSkinFold, SubscapSkinFold, WaterTemp, WetWeight, TareWeight})
        text->put(v, true);
    text->put(Flags, false);
    text->put("\n", false);
}

bool CDAOBodyComp::Test(std::ifstream& in, char const& delimiter) const {
    if (!in.is_open() || !in.good())
        return false;
    std::string line;
    std::vector<std::string> f;
    if (!ReadLine(in, line) || !SplitFields(line, delimiter, LineFields, f))
        return false;
    return InRange(ToLong(f[0]), 1, 999999999) &&
           ToDateTime(f[1]).GetStatus() == COleDateTime::valid && InRange(ToLong(f[2]), 0, 99) &&
           InRange(ToLong(f[5]), 0, actTraining) && InRange(ToLong(f[LineFields - 1]), 0, MaxFlags);
}

int CDAOBodyComp::Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                          bool const& flag) {
    if (!in.is_open() || !RestoreStoreReady())
        return 0;
    // The set starts over no rows; the restored rows join it.
    lParam0 = 0;
    m_strFilter = "MemberID = lParam0";
    m_strSort.clear();
    OpenSet(false);
    CMemberCache members;
    std::vector<std::string> f;
    const int count = RestoreRecords(in, "bc", memberId, flag, [&](std::string const& line) {
        long id = 0;
        CEFOleDateTime date;
        unsigned char cls = 0;
        if (!SplitFields(line, delimiter, LineFields, f) || !ParseLong(f[0], 1, 999999999, id) ||
            !ParseDateTime(f[1], false, date) || !ParseByte(f[2], 0, 255, cls) ||
            !ParseDouble(f[3], 0, MaxMeasure, Height) ||
            !ParseDouble(f[4], 0, MaxMeasure, Weight) ||
            !ParseByte(f[5], 0, actTraining, ActivityLevel) ||
            !ParseByte(f[6], 0, methodOther, Method))
            return lineDamaged;
        std::size_t i = 7;
        for (double* v : {&FatPercent, &Waist, &Wrist, &Hip, &ThighSkinFold, &ChestSkinFold,
                          &AbSkinFold, &TricepSkinFold, &SupraSkinFold, &MidaxSkinFold,
                          &SubscapSkinFold, &WaterTemp, &WetWeight, &TareWeight}) {
            if (!ParseDouble(f[i++], 0, MaxMeasure, *v))
                return lineDamaged;
        }
        if (!ParseLong(f[i], 0, MaxFlags, Flags))
            return lineDamaged;
        if (memberId != 0 && id != memberId)
            return linePassed;
        if (!members.Exists(id))
            return members.Failed() ? lineFailed : linePassed;
        AddNewAsIs();
        MemberID = id;
        BodyCompDate = date;
        ClassIndx = ClassUnknown; // the class of another facility means nothing here
        Op(opUpdate);
        return LastOpFailed() ? lineFailed : lineStored;
    });
    Op(opClose);
    return count;
}
