#include "desk/core/bodycompositionsheetdocument.h"

#include "desk/core/entrydate.h"

#include "db/daobodycomp.h"
#include "util/bodycomp.h"
#include "util/convert.h"
#include "util/format.h"
#include "util/notice.h"

using namespace vantora;

CBodyCompSheetDoc::CBodyCompSheetDoc(long memberId, int method, CDAOBodyComp* record)
    : MemberID(record ? record->MemberID : memberId), Method(record ? record->Method : method),
      record_(record) {}

std::string CBodyCompSheetDoc::Title() const {
    return format(IsNew() ? "Add Body Composition for Member ID %i"
                          : "Edit Body Composition for Member ID %i",
                  {MemberID});
}

std::string CBodyCompSheetDoc::MethodPageTitle() const {
    switch (Method) {
    case CDAOBodyComp::methodBodyMeasurement:
        return "Body Measurement";
    case CDAOBodyComp::methodSkinFold:
        return "Skin Folds";
    case CDAOBodyComp::methodHydrostatic:
        return "Hydrostatic Weighing";
    default:
        return "Body Fat Percentage";
    }
}

bool CBodyCompSheetDoc::Load() {
    const bool found = Member.Read(MemberID);
    if (IsNew()) {
        BodyCompDate.Current();
        if (Member.Classes.size() == 1)
            ClassIndx = Member.Classes.front().ClassIndx;
        return found;
    }
    const CDAOBodyComp& r = *record_;
    BodyCompDate = r.BodyCompDate;
    ClassIndx = r.ClassIndx;
    Member.KeepChoice(r.ClassIndx);
    // The profile shows inches and pounds; values kept in metric by older
    // records are converted.
    Height = r.ConvertHeight();
    Weight = r.ConvertWeight();
    Waist = r.ConvertWaist();
    Hip = r.ConvertHip();
    Wrist = r.ConvertWrist();
    ActivityLevel = r.ActivityLevel;
    FatPercent = r.FatPercent;
    SkinFolds.Folds = {r.ConvertSkinFold(r.TricepSkinFold), r.ConvertSkinFold(r.SupraSkinFold),
                       r.ConvertSkinFold(r.ThighSkinFold),  r.ConvertSkinFold(r.ChestSkinFold),
                       r.ConvertSkinFold(r.AbSkinFold),     r.ConvertSkinFold(r.MidaxSkinFold),
                       r.ConvertSkinFold(r.SubscapSkinFold)};
    SkinFolds.Sites = CSkinFoldEntry::SitesOf(SkinFolds.Folds);
    WaterTemp = r.WaterTemp;
    Celsius = r.GetUnitFlag(CDAOBodyComp::unitH2OTemp);
    WetWeight = r.WetWeight;
    WetKilograms = r.GetUnitFlag(CDAOBodyComp::unitWetWeight);
    TareWeight = r.TareWeight;
    TareKilograms = r.GetUnitFlag(CDAOBodyComp::unitTareWeight);
    Brozek = (r.Flags & CDAOBodyComp::flagBrozek) != 0;
    return found;
}

void CBodyCompSheetDoc::CalculateBodyFat() {
    const auto sex = Member.Sex == 1 ? CBodyComp::male : CBodyComp::female;
    const CConvert convert;
    double fat = 0;
    switch (Method) {
    case CDAOBodyComp::methodBodyMeasurement: {
        CTapeMsr tape(sex, Member.Age, Weight, Height, Waist, Wrist, Hip);
        fat = tape.PercentFat();
        break;
    }
    case CDAOBodyComp::methodSkinFold:
        fat = SkinFolds.PercentFat(Member.Sex, Member.Age, Weight, Height);
        break;
    case CDAOBodyComp::methodHydrostatic: {
        CHydroStat hydro(sex, Member.Age, Weight, Height,
                         Celsius ? convert.c_f(WaterTemp) : WaterTemp,
                         WetKilograms ? convert.kg_lb(WetWeight) : WetWeight,
                         TareKilograms ? convert.kg_lb(TareWeight) : TareWeight);
        fat = hydro.PercentFat(Brozek ? CHydroStat::brozek : CHydroStat::siri);
        break;
    }
    default:
        return;
    }
    if (fat > 0)
        FatPercent = fat;
}

bool CBodyCompSheetDoc::Validate() {
    if (!CheckEntryDate(BodyCompDate)) {
        focus_ = fldDate;
        return false;
    }
    if (ClassIndx < 0 || Member.ChoiceOf(ClassIndx) < 0) {
        notice::show(MsgClass, notice::Icon::Exclamation);
        focus_ = fldClass;
        return false;
    }
    return true;
}

bool CBodyCompSheetDoc::Write() {
    CDAOBodyComp added;
    CDAOBodyComp& r = IsNew() ? added : *record_;
    if (IsNew()) {
        r.OpenSet(false);
        r.Op(CDAOEFSet::opAddNew);
    } else {
        r.Op(CDAOEFSet::opEdit);
    }
    if (r.LastOpFailed())
        return false;
    r.MemberID = MemberID;
    r.BodyCompDate = BodyCompDate;
    r.ClassIndx = static_cast<unsigned char>(ClassIndx);
    r.Height = Height;
    r.Weight = Weight;
    r.Waist = Waist;
    r.Hip = Hip;
    r.ActivityLevel = static_cast<unsigned char>(ActivityLevel);
    r.Method = static_cast<unsigned char>(Method);
    r.FatPercent = FatPercent;
    // The profile values are in inches and pounds now; only the weighing
    // values keep the unit they were entered in.
    r.Flags = 0;
    r.Wrist = r.ThighSkinFold = r.ChestSkinFold = r.AbSkinFold = r.TricepSkinFold =
        r.SupraSkinFold = r.MidaxSkinFold = r.SubscapSkinFold = 0;
    r.WaterTemp = r.WetWeight = r.TareWeight = 0;
    switch (Method) {
    case CDAOBodyComp::methodBodyMeasurement:
        r.Wrist = Wrist;
        break;
    case CDAOBodyComp::methodSkinFold: {
        const auto& f = SkinFolds.Folds;
        r.TricepSkinFold = f[CSkinFoldEntry::Triceps];
        r.SupraSkinFold = f[CSkinFoldEntry::Suprailiac];
        r.ThighSkinFold = f[CSkinFoldEntry::Thigh];
        r.ChestSkinFold = f[CSkinFoldEntry::Chest];
        r.AbSkinFold = f[CSkinFoldEntry::Abdomen];
        r.MidaxSkinFold = f[CSkinFoldEntry::Midaxillary];
        r.SubscapSkinFold = f[CSkinFoldEntry::Subscapular];
        break;
    }
    case CDAOBodyComp::methodHydrostatic:
        r.WaterTemp = WaterTemp;
        r.WetWeight = WetWeight;
        r.TareWeight = TareWeight;
        if (Celsius)
            r.SetUnitFlag(CDAOBodyComp::unitH2OTemp);
        if (WetKilograms)
            r.SetUnitFlag(CDAOBodyComp::unitWetWeight);
        if (TareKilograms)
            r.SetUnitFlag(CDAOBodyComp::unitTareWeight);
        if (Brozek)
            r.Flags |= CDAOBodyComp::flagBrozek;
        break;
    default:
        break;
    }
    r.Op(CDAOEFSet::opUpdate);
    const bool ok = !r.LastOpFailed();
    if (IsNew())
        r.Op(CDAOEFSet::opClose);
    return ok;
}

std::string CBodyCompSheetDoc::DeleteQuestion(const CDAOBodyComp& bc) {
    return format("Are you sure you want to delete the body composition\nfor Member ID: %i dated ",
                  {bc.MemberID}) +
           bc.BodyCompDate.DateStrLongYear() + "?";
}

bool CBodyCompSheetDoc::DeleteBodyComp(CDAOBodyComp& bc) {
    if (notice::ask(DeleteQuestion(bc), notice::Buttons::YesNo) != notice::Answer::Yes)
        return false;
    bc.DelCurrent();
    return !bc.LastOpFailed();
}
