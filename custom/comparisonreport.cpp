#include "comparisonreport.h"

#include "custom/circuit.h"
#include "custom/interpretationreport.h"
#include "db/daobodycomp.h"
#include "db/daoeval.h"
#include "db/daomem.h"
#include "util/bodycomp.h"
#include "util/format.h"
#include "util/heartrate.h"
#include "util/norms.h"

#include <cmath>

namespace {

constexpr const char* kNoTest = "NT - No Test Recorded";

// Flags of a body composition record beyond the unit bits.
constexpr long kBrozek = 0x80;

double ratioOf(double waist, double hip) {
    return hip != 0.0 ? waist / hip : waist;
}

// Column positions of the comparison table from the left margin m.
constexpr int kSection = 50, kItem = 125, kFirst = 1950, kSecond = 3000, kDifference = 3960;

} // namespace

int CCmprReport::AgeAt(const CEFOleDateTime& birthday, const CEFOleDateTime& date) {
    const int by = birthday.GetYear(), bm = birthday.GetMonth(), bd = birthday.GetDay();
    const int y = date.GetYear(), m = date.GetMonth(), d = date.GetDay();
    if (by < 0 || y < 0)
        return 0;
    int age = y - by;
    if (m < bm || (m == bm && d < bd))
        --age;
    return std::max(age, 0);
}

void CCmprReport::NoRecord(const CDAOMem& member, long const& id, const char* what,
                           const CEFOleDateTime* missing0, const CEFOleDateTime* missing1) {
    std::string dates;
    for (const CEFOleDateTime* d : {missing0, missing1})
        if (d)
            dates += (dates.empty() ? "" : " or ") + d->DateStrLongYear();
    report_.NothingToPrint(vantora::insert("%1 %2 (ID %3) has no %4 dated %5",
                                           {member.FirstName, member.LastName, id, what, dates}));
}

int CCmprReport::DoCmprFirstLines(CReportDC& dc, int const& m, int y, const CDAOMem& member,
                                  long const& id, const std::string& title, const char* datesLine,
                                  const CEFOleDateTime& first, const CEFOleDateTime& second) {
    const int ls = dc.LineSpacing();
    const int w = dc.AveCharWidth();
    const int idAt = report_.GetPageWidth() - 15 * w;
    // The title ends a blank before the member id.
    y = report_.DoFirstLine(dc, m, y,
                            CReportEngine::FitInserts(dc, title,
                                                      {member.FirstName, member.LastName}, {1, 2},
                                                      idAt - m - w));
    dc.TextOut(idAt, y - ls, vantora::format("ID: %i", {id}));
    dc.TextOut(m, y,
               vantora::insert(datesLine, {first.DateStrLongYear(), second.DateStrLongYear()}));
    y += ls;
    const int right = report_.GetPageWidth() - report_.GetMargin();
    dc.TextOutFit(m, y, context_.center.Name, right - m);
    y += ls;
    report_.DoDashLine(dc, m, right, y);
    y += 2 * ls;
    // The column heads open the table here and on every page it continues.
    const std::string d0 = first.DateStrLongYear(), d1 = second.DateStrLongYear();
    report_.SetTableHead([this, d0, d1](CReportDC& c, int const& x, int at) {
        return DoCmprColumns(c, x, at, d0, d1);
    });
    return DoCmprColumns(dc, m, y, d0, d1);
}

int CCmprReport::DoCmprColumns(CReportDC& dc, int const& m, int y, const std::string& first,
                               const std::string& second) {
    auto centred = [&](int at, const std::string& text) {
        dc.TextOut(at - dc.TextWidth(text) / 2, y, text);
    };
    centred(m + 400, "Item");
    centred(m + 2100, first);
    centred(m + 3100, second);
    centred(m + 4100, "Difference");
    y += dc.LineSpacing();
    report_.DoDashLine(dc, m, report_.GetPageWidth() - report_.GetMargin(), y);
    return y + dc.LineSpacing();
}

CCmprReport::Rows::Rows(CCmprReport& owner, CReportDC& dc, int const& m, int const& y)
    : owner_(owner), dc_(dc), m_(m), y_(y), ls_(dc.LineSpacing()) {}

void CCmprReport::Rows::Section(const char* head) {
    // The blank line, the head and its first row stay on one page.
    y_ = owner_.report_.CheckPageLen(dc_, y_, 4, true, false);
    y_ += ls_;
    dc_.TextOut(m_ + kSection, y_, head);
    y_ += ls_;
}

void CCmprReport::Rows::Name(const std::string& name) {
    y_ = owner_.report_.CheckPageLen(dc_, y_, 2, true, false);
    dc_.TextOutFit(m_ + kItem, y_, name, kFirst - kItem - dc_.AveCharWidth());
}

void CCmprReport::Rows::Int(const std::string& name, long const& a, long const& b) {
    Name(name);
    anyNT_ |= owner_.DoCmprLine(dc_, static_cast<int>(a), static_cast<int>(b), m_ + kFirst,
                                m_ + kSecond, m_ + kDifference, y_);
    y_ += ls_;
}

void CCmprReport::Rows::Double(const std::string& name, double const& a, double const& b) {
    Name(name);
    anyNT_ |= owner_.DoCmprLine(dc_, a, b, m_ + kFirst, m_ + kSecond, m_ + kDifference, y_);
    y_ += ls_;
}

void CCmprReport::Rows::Text(const std::string& name, const std::string& a, const std::string& b) {
    Name(name);
    const int room = kSecond - kFirst - dc_.AveCharWidth();
    dc_.TextOutFit(m_ + kFirst, y_, a, room);
    dc_.TextOutFit(m_ + kSecond, y_, b, room);
    y_ += ls_;
}

int CCmprReport::Rows::End() {
    CReportEngine& r = owner_.report_;
    y_ = r.CheckPageLen(dc_, y_, 3, false, false);
    r.DoDashLine(dc_, m_, r.GetPageWidth() - r.GetMargin(), y_);
    y_ += ls_;
    if (anyNT_) {
        dc_.TextOut(m_, y_, kNoTest);
        y_ += ls_;
    }
    return y_;
}

bool CCmprReport::DoCmprLine(CReportDC& dc, int const& first, int const& second, int const& x1,
                             int const& x2, int const& x3, int const& y) {
    bool nt = false;
    auto put = [&](int v, int at) {
        if (v == 0) {
            dc.TextOut(at + 35, y, "NT");
            nt = true;
        } else {
            dc.TextOut(at, y, vantora::format("%3i", {v}));
        }
    };
    put(first, x1);
    put(second, x2);
    if (nt)
        dc.TextOut(x3 + 50, y, "--");
    else
        dc.TextOut(x3, y, vantora::format("%3i", {first - second}));
    return nt;
}

bool CCmprReport::DoCmprLine(CReportDC& dc, double const& first, double const& second,
                             int const& x1, int const& x2, int const& x3, int const& y) {
    bool nt = false;
    auto put = [&](double v, int at) {
        if (v == 0.0) {
            dc.TextOut(at + 35, y, "NT");
            nt = true;
        } else {
            dc.TextOut(at, y, vantora::format("%6.2f", {v}));
        }
    };
    put(first, x1);
    put(second, x2);
    // A difference that rounds to zero prints without a minus sign.
    double diff = first - second;
    if (std::fabs(diff) < 0.005)
        diff = 0.0;
    if (nt)
        dc.TextOut(x3 + 50, y, "--");
    else
        dc.TextOut(x3, y, vantora::format("%6.2f", {diff}));
    return nt;
}

int CCmprReport::DoEvalComparison(CReportDC& dc, int const& x, int y, long const& id,
                                  CEFOleDateTime d0, CEFOleDateTime d1) {
    CDAOMem member;
    if (!FindRequestMember(member, id, report_))
        return y;
    CDAOEval e[2];
    const bool found0 = e[0].FindEvals(id, d0) > 0 && !e[0].IsEOF();
    const bool found1 = e[1].FindEvals(id, d1) > 0 && !e[1].IsEOF();
    if (!found0 || !found1) {
        NoRecord(member, id, "evaluation", found0 ? nullptr : &d0, found1 ? nullptr : &d1);
        return y;
    }
    auto circuit = std::make_unique<CCircuit>();
    // Each evaluation is judged at the age the member had on its date.
    const CInterpReport::EvalCalc calc[2] = {
        CInterpReport::MakeEvalCalc(member, e[0], AgeAt(member.Birthday, e[0].EvaluationDate)),
        CInterpReport::MakeEvalCalc(member, e[1], AgeAt(member.Birthday, e[1].EvaluationDate))};

    const int m = x;
    y = DoCmprFirstLines(dc, m, y, member, id, "%1 %2 - Evaluation Comparison",
                         "Evaluations Dated %1 and %2", e[0].EvaluationDate, e[1].EvaluationDate);
    Rows rows(*this, dc, m, y);
    auto section = [&](const char* head) { rows.Section(head); };
    auto rowInt = [&](const std::string& name, long a, long b) { rows.Int(name, a, b); };
    auto rowDouble = [&](const std::string& name, double a, double b) { rows.Double(name, a, b); };

    section("PERSONAL DETAILS");
    rowInt("Age", AgeAt(member.Birthday, e[0].EvaluationDate),
           AgeAt(member.Birthday, e[1].EvaluationDate));
    rowDouble("Height", e[0].Height, e[1].Height);
    rowDouble("Weight", e[0].Weight, e[1].Weight);
    rowInt("Blood Pressure - Systolic", e[0].RestingBPSystolic, e[1].RestingBPSystolic);
    rowInt("Blood Pressure - Diastolic", e[0].RestingBPDiastolic, e[1].RestingBPDiastolic);

    section("TRAINING RANGE");
    const CHeartRate& h0 = *calc[0].heartRate;
    const CHeartRate& h1 = *calc[1].heartRate;
    rowInt("Resting Heart Rate", e[0].RestingHR, e[1].RestingHR);
    rowInt("Predicted Maximum Heart Rate", static_cast<long>(h0.PredictedMaximum()),
           static_cast<long>(h1.PredictedMaximum()));
    rowInt("Training Range - Lower", static_cast<long>(h0.LowerLevel()),
           static_cast<long>(h1.LowerLevel()));
    rowInt("Training Range - Upper", static_cast<long>(h0.UpperLevel()),
           static_cast<long>(h1.UpperLevel()));
    rowInt("Training Range - Safe Maximum", static_cast<long>(h0.SafeMaximum()),
           static_cast<long>(h1.SafeMaximum()));

    section("BODY COMPOSITION");
    rowDouble("Thigh Skinfold", e[0].ThighSkinFold, e[1].ThighSkinFold);
    rowDouble("Chest Skinfold", e[0].ChestSkinFold, e[1].ChestSkinFold);
    rowDouble("Abdomen Skinfold", e[0].AbSkinFold, e[1].AbSkinFold);
    rowDouble("Tricep Skinfold", e[0].TricepSkinFold, e[1].TricepSkinFold);
    rowDouble("Suprailiac Skinfold", e[0].SupraSkinFold, e[1].SupraSkinFold);
    rowDouble("Midaxillary Skinfold", e[0].MidaxSkinFold, e[1].MidaxSkinFold);
    rowDouble("Subscapular Skinfold", e[0].SubscapSkinFold, e[1].SubscapSkinFold);
    rowDouble("Body Fat Percentage", calc[0].pctFat, calc[1].pctFat);

    section("FITNESS TESTS");
    rowDouble("Trunk Flexion", e[0].TrunkFlex, e[1].TrunkFlex);
    rowInt("1-Minute Sit-Ups", e[0].SitUp, e[1].SitUp);
    rowInt("1-Minute Ab Crunches", e[0].Ab, e[1].Ab);
    rowInt("3-Minute Step Test", e[0].Step, e[1].Step);
    rowInt("1.5-Mile Run (seconds)", e[0].Run, e[1].Run);
    rowInt("Ergometer Pulse Recovery", e[0].PulseRecovery, e[1].PulseRecovery);

    section("PROGRESSIVE LIFTS");
    for (int i = 0; i < circuit->GetNumStations(); ++i) {
        const char* name = circuit->GetName(i);
        rowDouble(name ? name : "", e[0].GetStnVal(i), e[1].GetStnVal(i));
    }

    section("STRENGTH TESTS");
    const int legIdx = circuit->GetLegStnIndex();
    const int upperIdx = circuit->GetUpperStnIndex();
    const double legMult = circuit->GetLegPressMult();
    const double chestMult = circuit->GetChestPressMult();
    rowDouble("Leg", calc[0].norms->FindAdjScore(CNorms::leg, e[0].GetStnVal(legIdx), legMult),
              calc[1].norms->FindAdjScore(CNorms::leg, e[1].GetStnVal(legIdx), legMult));
    rowDouble("Upper Body",
              calc[0].norms->FindAdjScore(CNorms::upper, e[0].GetStnVal(upperIdx), chestMult),
              calc[1].norms->FindAdjScore(CNorms::upper, e[1].GetStnVal(upperIdx), chestMult));
    return rows.End();
}

int CCmprReport::DoBodyCompComparison(CReportDC& dc, int const& x, int y, long const& id,
                                      CEFOleDateTime d0, CEFOleDateTime d1) {
    CDAOMem member;
    if (!FindRequestMember(member, id, report_))
        return y;
    CDAOBodyComp b[2];
    const bool found0 = b[0].FindBodyComps(id, d0) > 0 && !b[0].IsEOF();
    const bool found1 = b[1].FindBodyComps(id, d1) > 0 && !b[1].IsEOF();
    if (!found0 || !found1) {
        NoRecord(member, id, "body composition", found0 ? nullptr : &d0, found1 ? nullptr : &d1);
        return y;
    }
    std::unique_ptr<CBodyComp> objects[2];
    for (int i = 0; i < 2; ++i)
        CInterpReport::CreateBodyComp(objects[i], b[i], member,
                                      AgeAt(member.Birthday, b[i].BodyCompDate));
    const CBodyComp& o0 = *objects[0];
    const CBodyComp& o1 = *objects[1];

    const int m = x;
    y = DoCmprFirstLines(dc, m, y, member, id, "%1 %2 - Body Composition Comparison",
                         "Body Compositions Dated %1 and %2", b[0].BodyCompDate, b[1].BodyCompDate);
    Rows rows(*this, dc, m, y);
    auto section = [&](const char* head) { rows.Section(head); };
    auto rowInt = [&](const char* name, int a, int bb) { rows.Int(name, a, bb); };
    auto rowDouble = [&](const char* name, double a, double bb) { rows.Double(name, a, bb); };
    auto rowText = [&](const char* name, const std::string& a, const std::string& bb) {
        rows.Text(name, a, bb);
    };

    // Both records are compared in the units of the calculations (inches,
    // pounds, millimetres, degrees Fahrenheit), whatever units they were
    // entered in.
    section("PERSONAL DETAILS");
    rowInt("Age", AgeAt(member.Birthday, b[0].BodyCompDate),
           AgeAt(member.Birthday, b[1].BodyCompDate));
    rowText("Activity Level", CDAOBodyComp::GetActLevelStrAbbr(b[0].ActivityLevel),
            CDAOBodyComp::GetActLevelStrAbbr(b[1].ActivityLevel));

    section("BODY MASS INDEX");
    rowDouble("Height", o0.GetHeight(), o1.GetHeight());
    rowDouble("Weight", o0.GetWeight(), o1.GetWeight());
    rowDouble("Body Mass Index", o0.BodyMassIndex(), o1.BodyMassIndex());

    section("WAIST-TO-HIP RATIO");
    rowDouble("Waist Circumference", b[0].ConvertWaist(), b[1].ConvertWaist());
    rowDouble("Hip Circumference", b[0].ConvertHip(), b[1].ConvertHip());
    rowDouble("Waist-to-Hip Ratio", ratioOf(b[0].ConvertWaist(), b[0].ConvertHip()),
              ratioOf(b[1].ConvertWaist(), b[1].ConvertHip()));

    section("BODY COMPOSITION");
    rowText("Measurement Method", CDAOBodyComp::GetMethodStr(b[0].Method),
            CDAOBodyComp::GetMethodStr(b[1].Method));
    rowDouble("Body Fat Percentage", o0.GetPctFat(), o1.GetPctFat());

    if (b[0].Method == CDAOBodyComp::methodSkinFold &&
        b[1].Method == CDAOBodyComp::methodSkinFold) {
        section("SKIN FOLD MEASUREMENTS");
        struct Fold {
            const char* name;
            double CDAOBodyComp::*field;
        };
        const Fold folds[] = {
            {"Thigh Skinfold", &CDAOBodyComp::ThighSkinFold},
            {"Chest Skinfold", &CDAOBodyComp::ChestSkinFold},
            {"Abdomen Skinfold", &CDAOBodyComp::AbSkinFold},
            {"Tricep Skinfold", &CDAOBodyComp::TricepSkinFold},
            {"Suprailiac Skinfold", &CDAOBodyComp::SupraSkinFold},
            {"Midaxillary Skinfold", &CDAOBodyComp::MidaxSkinFold},
            {"Subscapular Skinfold", &CDAOBodyComp::SubscapSkinFold},
        };
        for (const Fold& f : folds)
            rowDouble(f.name, b[0].ConvertSkinFold(b[0].*f.field),
                      b[1].ConvertSkinFold(b[1].*f.field));
    }
    if (b[0].Method == CDAOBodyComp::methodHydrostatic &&
        b[1].Method == CDAOBodyComp::methodHydrostatic) {
        section("HYDROSTATIC MEASUREMENTS");
        rowDouble("Water Temperature", b[0].ConvertH2OTemp(), b[1].ConvertH2OTemp());
        rowDouble("Wet Weight", b[0].ConvertWetWeight(), b[1].ConvertWetWeight());
        rowDouble("Tare Weight", b[0].ConvertTareWeight(), b[1].ConvertTareWeight());
        auto formula = [](const CDAOBodyComp& r) {
            return std::string((r.Flags & kBrozek) ? "Brozek" : "Siri");
        };
        rowText("Calculation Formula", formula(b[0]), formula(b[1]));
    }
    return rows.End();
}

int CCmprReport::DoReport(CReportDC& dc, int const& x, const CReportSelection& r) {
    switch (report_.GetReport()) {
    case CReportEngine::rptEvalComparison:
        return DoEvalComparison(dc, x, 0, r.id, r.date0, r.date1);
    case CReportEngine::rptBodyCompComparison:
        return DoBodyCompComparison(dc, x, 0, r.id, r.date0, r.date1);
    default:
        return 0;
    }
}
