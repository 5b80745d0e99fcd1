#include "interpretationreport.h"

#include "custom/circuit.h"
#include "custom/interpretationbands.h"
#include "db/daobodycomp.h"
#include "db/daocls.h"
#include "db/daoeval.h"
#include "db/daomem.h"
#include "db/daosmmem.h"
#include "util/bodycomp.h"
#include "util/format.h"
#include "util/heartrate.h"
#include "util/norms.h"

#include <algorithm>
#include <cmath>

namespace {

// Geometry of the bar graphs, in device units.
constexpr int kGraphWidth = 4000;
constexpr int kBarStart = 2000;
constexpr int kUnitsPerPercent = 20;
constexpr int kTickLength = 20;
constexpr int kInset = 3;

constexpr const char* kNoTest = "NT - No Test Recorded";

// Flags of a body composition record beyond the unit bits.
constexpr long kBrozek = 0x80;

// Age limit above which the considerations for special groups speak of age.
constexpr int kSpecialAge = 34;

// Medical history bits that call for special considerations, in the order
// of the blocks of the text on considerations for special groups.
constexpr long kMedAny = 0x1FFFFE;
constexpr long kMedBlocks[] = {
    0x100000, 0x080000, 0x020000, 0x040000, 0x010000, 0x002000 | 0x001000,
    0x008000, 0x004000, 0x000800, 0x000780, 0x000070, 0x00000E};
constexpr long kMedHeartMedication = 0x000800;
constexpr long kGoalBits[] = {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};

constexpr const char* kActivities[] = {
    "Walking 3.5 mph",
    "Walking 4.5 mph",
    "Running 5 mph",
    "Running 10 mph",
    "Circuit Training",
    "Aerobicizing (Low Impact)",
    "Aerobicizing (High Impact)",
    "Bicycling 13 mph",
    "Bicycling 15 mph",
    "Stationary Bicycling (Moderate)",
    "Stationary Bicycling (Vigorous)",
    "Stationary Rowing (Moderate)",
    "Stationary Rowing (Vigorous)",
    "Weight Lifting (Moderate)",
    "Weight Lifting (Vigorous)",
};

CNorms::sex normSex(unsigned char s) {
    return s ? CNorms::male : CNorms::female;
}
CBodyComp::sex bodySex(unsigned char s) {
    return s ? CBodyComp::male : CBodyComp::female;
}

double ratioOf(double waist, double hip) {
    return hip != 0.0 ? waist / hip : waist;
}

using vantora::bands::BandBelow;
using vantora::bands::BandOf;

// A format line from a file with its value left out: the conversion (and a
// "%%" right after it) replaced by "NT".
std::string notTested(const std::string& format) {
    const auto at = format.find('%');
    if (at == std::string::npos)
        return format;
    auto end = format.find_first_of("diouxXeEfgGs", at + 1);
    if (end == std::string::npos)
        return format;
    ++end;
    if (format.compare(end, 2, "%%") == 0)
        end += 2;
    return format.substr(0, at) + "NT" + format.substr(end);
}

} // namespace

CInterpReport::CInterpReport(CReportEngine& engine, const CReportContext& context)
    : report_(engine), context_(context) {}
CInterpReport::~CInterpReport() = default;

// ---------------------------------------------------------------------------
// Calculation objects

bool CInterpReport::CreateBodyComp(std::unique_ptr<CBodyComp>& out, CDAOBodyComp& r,
                                   const CDAOMem& member, int const& atAge) {
    out.reset();
    const CBodyComp::sex s = bodySex(member.Sex);
    const int age = atAge >= 0 ? atAge : member.Birthday.ElapsedYrs();
    const double weight = r.ConvertWeight();
    const double height = r.ConvertHeight();
    double pct = r.FatPercent;
    switch (r.Method) {
    case CDAOBodyComp::methodBodyMeasurement: {
        auto tape = std::make_unique<CTapeMsr>(s, age, weight, height, r.ConvertWaist(),
                                               r.ConvertWrist(), r.ConvertHip());
        if (pct == 0.0)
            pct = tape->PercentFat();
        out = std::move(tape);
        break;
    }
    case CDAOBodyComp::methodSkinFold: {
        auto skin = std::make_unique<CSkinFold>(
            s, age, weight, height, r.ConvertSkinFold(r.ThighSkinFold),
            r.ConvertSkinFold(r.ChestSkinFold), r.ConvertSkinFold(r.AbSkinFold),
            r.ConvertSkinFold(r.TricepSkinFold), r.ConvertSkinFold(r.SupraSkinFold),
            r.ConvertSkinFold(r.MidaxSkinFold), r.ConvertSkinFold(r.SubscapSkinFold));
        if (pct == 0.0)
            pct = skin->PercentFat_7();
        if (pct == 0.0)
            pct = skin->PercentFat_4();
        if (pct == 0.0)
            pct = skin->PercentFat_3();
        out = std::move(skin);
        break;
    }
    case CDAOBodyComp::methodHydrostatic: {
        auto hydro = std::make_unique<CHydroStat>(s, age, weight, height, r.ConvertH2OTemp(),
                                                  r.ConvertWetWeight(), r.ConvertTareWeight());
        if (pct == 0.0)
            pct = hydro->PercentFat((r.Flags & kBrozek) ? CHydroStat::brozek : CHydroStat::siri);
        out = std::move(hydro);
        break;
    }
    default:
        out = std::make_unique<CBodyComp>(s, age, weight, height, pct);
        break;
    }
    // A result that is not a number or not above 0 (a failed estimate, a
    // measurement off the charts) counts as none.
    if (!std::isfinite(pct) || pct < 0.0)
        pct = 0.0;
    out->SetPctFat(pct);
    r.FatPercent = pct;
    return true;
}

CInterpReport::EvalCalc CInterpReport::MakeEvalCalc(const CDAOMem& member, const CDAOEval& eval,
                                                    int const& age) {
    EvalCalc c;
    c.norms = std::make_unique<CNorms>(normSex(member.Sex), age, eval.Weight);
    c.skinFold = std::make_unique<CSkinFold>(
        bodySex(member.Sex), age, eval.Weight, eval.Height, eval.ThighSkinFold, eval.ChestSkinFold,
        eval.AbSkinFold, eval.TricepSkinFold, eval.SupraSkinFold, eval.MidaxSkinFold,
        eval.SubscapSkinFold);
    c.heartRate = std::make_unique<CHeartRate>(member.Sex ? CHeartRate::male : CHeartRate::female,
                                               age, static_cast<double>(eval.RestingHR));
    double pct = eval.FatPercent;
    CSkinFold& skin = *c.skinFold;
    if (pct != 0.0) {
        skin.SetPctFat(pct);
    } else {
        pct = skin.PercentFat_7();
        if (pct == 0.0)
            pct = skin.PercentFat_4();
        if (pct == 0.0)
            pct = skin.PercentFat_3();
    }
    if (!std::isfinite(pct) || pct < 0.0) {
        pct = 0.0;
        skin.SetPctFat(0.0);
    }
    c.pctFat = pct;
    return c;
}

// ---------------------------------------------------------------------------
// Graphs and comparison rows

int CInterpReport::Frame(CReportDC& dc, int const& x, int const& top, int const& rows) {
    const int ls = dc.LineSpacing();
    const int bottom = top + rows * ls;
    report_.DoHorzLine(dc, x, x + kGraphWidth, top);
    report_.DoHorzLine(dc, x, x + kGraphWidth, bottom);
    report_.DoVertLine(dc, top, bottom, x);
    report_.DoVertLine(dc, top, bottom, x + kBarStart);
    report_.DoVertLine(dc, top, bottom, x + kGraphWidth);
    for (int t = x + kBarStart + 200; t <= x + kGraphWidth; t += 200) {
        report_.DoVertLine(dc, top, top + kTickLength, t);
        report_.DoVertLine(dc, bottom - kTickLength, bottom, t);
    }
    // The percent scale under the frame, each number centred on its tick.
    for (int p = 0; p <= 100; p += 10) {
        const std::string n = std::to_string(p);
        dc.TextOut(x + kBarStart + p * kUnitsPerPercent - dc.TextWidth(n) / 2, bottom + kInset, n);
    }
    return bottom;
}

namespace {
int barEnd(int x, double percent) {
    const double p = std::clamp(std::isfinite(percent) ? percent : 0.0, 0.0, 100.0);
    return x + kBarStart + static_cast<int>(p * kUnitsPerPercent);
}
} // namespace

int CInterpReport::DoGraph(const std::string& title, double const& score, double const& shortGoal,
                           double const& longGoal, CReportDC& dc, int const& x, int y) {
    y = report_.CheckPageLen(dc, y, 8, false, false);
    const int ls = dc.LineSpacing();
    y += ls;
    const int top = y;
    const QPen pen(Qt::black, 1);
    const QBrush solid(Qt::black, Qt::SolidPattern);
    const QBrush hatch(Qt::black, Qt::BDiagPattern);
    const QBrush grey(QColor(192, 192, 192), Qt::SolidPattern);
    const char* labels[3] = {nullptr, "Short-Term Improvement Goal", "Long-Term Improvement Goal"};
    const std::string first = title + " - % Score";
    const double values[3] = {score, shortGoal, longGoal};
    const QBrush* brushes[3] = {&solid, &hatch, &grey};
    for (int i = 0; i < 3; ++i) {
        const int row = top + i * ls;
        dc.TextOut(x + 40, row + (i == 0 ? 20 : 0) + kInset, i == 0 ? first : labels[i]);
        const int end = barEnd(x, values[i]);
        if (end > x + kBarStart)
            dc.Rectangle(x + kBarStart, row + kInset, end, row + ls - kInset, pen, *brushes[i]);
    }
    Frame(dc, x, top, 3);
    // Four lines below the last bar.
    return top + 2 * ls + 4 * ls;
}

int CInterpReport::DoGraph(const CDAOEval& eval, CReportDC& dc, int const& x, int y) {
    if (!circuit_ || !calc_.norms)
        return y;
    const CNorms& n = *calc_.norms;
    const double leg = eval.GetStnVal(circuit_->GetLegStnIndex());
    const double upper = eval.GetStnVal(circuit_->GetUpperStnIndex());
    struct Item {
        const char* label;
        bool present;
        double percent;
    };
    const Item items[] = {
        {"LEG STRENGTH -----------------------", leg != 0.0,
         static_cast<double>(n.FindNorm(CNorms::leg, leg, circuit_->GetLegPressMult()))},
        {"UPPER BODY STRENGTH ----------------", upper != 0.0,
         static_cast<double>(n.FindNorm(CNorms::upper, upper, circuit_->GetChestPressMult()))},
        {"BODY COMPOSITION -------------------", calc_.pctFat != 0.0,
         calc_.skinFold ? static_cast<double>(calc_.skinFold->FindScore()) : 0.0},
        {"TRUNK FLEXION ----------------------", eval.TrunkFlex != 0.0,
         static_cast<double>(n.FindNorm(CNorms::flex, eval.TrunkFlex, 0))},
        {"1-MINUTE SIT-UPS -------------------", eval.SitUp != 0,
         static_cast<double>(n.FindNorm(CNorms::situp, static_cast<double>(eval.SitUp), 0))},
        {"ABDOMINAL CRUNCH TEST --------------", eval.Ab != 0,
         static_cast<double>(n.FindNorm(CNorms::ab, static_cast<double>(eval.Ab), 0))},
        {"1.5-MILE RUN -----------------------", eval.Run != 0,
         static_cast<double>(n.FindNorm(CNorms::run, static_cast<double>(eval.Run), 0))},
    };
    int rows = 0;
    for (const Item& it : items)
        rows += it.present ? 1 : 0;
    if (rows == 0)
        return y;
    y = report_.CheckPageLen(dc, y, std::max(10, rows + 5), false, false);
    const int ls = dc.LineSpacing();
    const QPen pen(Qt::black, 1);
    const QBrush solid(Qt::black, Qt::SolidPattern);
    const int top = y;
    int row = top;
    for (const Item& it : items) {
        if (!it.present)
            continue;
        dc.TextOut(x + 50, row + kInset, it.label);
        const int end = barEnd(x, it.percent);
        if (end > x + kBarStart)
            dc.Rectangle(x + kBarStart, row + kInset, end, row + ls - kInset, pen, solid);
        row += ls;
    }
    const int bottom = Frame(dc, x, top, rows);
    return bottom + 3 * ls;
}

// ---------------------------------------------------------------------------
// Text files

int CInterpReport::Block(std::ifstream& in, CReportDC& dc, int const& x, int y, bool const& print) {
    return report_.DoLines(dc, in, x, y, print);
}

int CInterpReport::Fmt(std::ifstream& in, CReportDC& dc, int const& x, int y, const char* fallback,
                       double const& v) {
    if (in.is_open())
        return report_.DoFmtLine(dc, in, x, y, v);
    return report_.DoFmtLine(dc, x, y, fallback, v);
}

int CInterpReport::Fmt(std::ifstream& in, CReportDC& dc, int const& x, int y, const char* fallback,
                       int const& v) {
    if (in.is_open())
        return report_.DoFmtLine(dc, in, x, y, v);
    y = report_.CheckPageLen(dc, y, 2, false, false);
    dc.TextOut(x, y, vantora::format(fallback, {v}));
    return y + dc.LineSpacing();
}

int CInterpReport::Band(std::ifstream& in, CReportDC& dc, int const& x, int y, bool const& holds,
                        const std::function<int(int)>& fmt) {
    if (!holds)
        return Block(in, dc, x, y, false);
    y = fmt(y);
    return Block(in, dc, x, y);
}

int CInterpReport::WithText(int const& kind, CReportDC& dc, int const&, int y,
                            const Reader& sequence) {
    y = report_.CheckPageLen(dc, y, 5, false, false);
    std::string path;
    if (!report_.GetTextPath(kind, path))
        return y;
    std::ifstream in(path);
    if (!in.is_open())
        report_.NoteMissingText(kind);
    y = sequence(in, y);
    in.close();
    const int pages = report_.GetPageCount();
    y = report_.CheckPageLen(dc, y, 2, false, false);
    if (report_.GetPageCount() == pages)
        y += dc.LineSpacing();
    return y;
}

int CInterpReport::DoText(const CDAOMem& member, const CDAOEval& eval, int const& kind,
                          CReportDC& dc, int const& x, int y) {
    CReportEngine& r = report_;
    const bool male = member.Sex != 0;
    auto block = [&](std::ifstream& in, int at, bool print = true) {
        return Block(in, dc, x, at, print);
    };
    // A band's format line filled with v; the fallback format prints v when
    // the file is missing.
    auto fmtInt = [&](std::ifstream& in, const char* fallback, int v) {
        return [this, &in, &dc, x, fallback, v](int at) { return Fmt(in, dc, x, at, fallback, v); };
    };
    auto fmtDouble = [&](std::ifstream& in, const char* fallback, double v) {
        return [this, &in, &dc, x, fallback, v](int at) { return Fmt(in, dc, x, at, fallback, v); };
    };
    // Five band sections on a score (upper band first), bounds inclusive
    // below: >= b0, >= b1, >= b2, >= b3, else.
    auto fiveBands = [&](std::ifstream& in, int at, int band, const std::function<int(int)>& fmt) {
        for (int i = 0; i < 5; ++i)
            at = Band(in, dc, x, at, band == i, fmt);
        return at;
    };
    auto skipSections = [&](std::ifstream& in, int at, int n) {
        for (int i = 0; i < n; ++i)
            at = block(in, at, false);
        return at;
    };
    auto goals = [&](CNorms::norm n, int score, const char* title, int at) {
        return DoGraph(title, score, calc_.norms->GetShortTermGoal(n, score),
                       calc_.norms->GetLongTermGoal(n, score), dc, x, at);
    };

    switch (kind) {
    case CReportEngine::txtTraining:
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            if (member.MedHistory & kMedHeartMedication)
                at = block(in, at);
            return at;
        });
    case CReportEngine::txtLegBody: {
        if (!circuit_ || !calc_.norms)
            return y;
        const double leg = eval.GetStnVal(circuit_->GetLegStnIndex());
        const double upper = eval.GetStnVal(circuit_->GetUpperStnIndex());
        if (leg == 0.0 && upper == 0.0)
            return y;
        const CNorms& n = *calc_.norms;
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            auto part = [&](CNorms::norm nk, double value, double mult, const char* title,
                            const char* fallback) {
                if (value == 0.0)
                    return skipSections(in, at, 5);
                const int score = n.FindNorm(nk, value, mult);
                at = goals(nk, score, title, at);
                return fiveBands(in, at, BandOf(score, vantora::bands::kStrength),
                                 fmtDouble(in, fallback, n.FindAdjScore(nk, value, mult)));
            };
            at = part(CNorms::leg, leg, circuit_->GetLegPressMult(), "LEG STRENGTH",
                      "Leg strength score: %.1f");
            if (upper != 0.0)
                at = part(CNorms::upper, upper, circuit_->GetChestPressMult(),
                          "UPPER BODY STRENGTH", "Upper body strength score: %.1f");
            return at;
        });
    }
    case CReportEngine::txtBodyComp: {
        if (calc_.pctFat == 0.0 || !calc_.skinFold)
            return y;
        const CSkinFold& o = *calc_.skinFold;
        const int s = o.FindScore();
        const int band = BandOf(s, male ? std::span<const double>(vantora::bands::kBodyCompMale)
                                        : std::span<const double>(vantora::bands::kBodyCompFemale));
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            at = DoGraph("BODY COMPOSITION", s, o.ShortGoal(s), o.LongGoal(s), dc, x, at);
            for (int i = 0; i < 6; ++i) {
                if (band != i) {
                    at = block(in, at, false);
                    continue;
                }
                at = r.DoOneLine(dc, in, x, at, true);
                at = Fmt(in, dc, x, at, "Your body fat: %.1f%%", calc_.pctFat);
                at = block(in, at);
            }
            return at;
        });
    }
    case CReportEngine::txtBodyFlex: {
        if (eval.TrunkFlex == 0.0 || !calc_.norms)
            return y;
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            const int score = calc_.norms->FindNorm(CNorms::flex, eval.TrunkFlex, 0);
            at = goals(CNorms::flex, score, "TRUNK FLEXION", at);
            return fiveBands(in, at, BandOf(score, vantora::bands::kFlexibility),
                             fmtDouble(in, "Your reach: %.1f", eval.TrunkFlex));
        });
    }
    case CReportEngine::txtSitups:
    case CReportEngine::txtAbdominal: {
        const bool situps = kind == CReportEngine::txtSitups;
        const long value = situps ? eval.SitUp : eval.Ab;
        if (value == 0 || !calc_.norms)
            return y;
        const CNorms::norm nk = situps ? CNorms::situp : CNorms::ab;
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            const int score = calc_.norms->FindNorm(nk, static_cast<double>(value), 0);
            at = goals(nk, score, situps ? "ONE-MINUTE SIT-UPS" : "ABDOMINAL CRUNCH", at);
            return fiveBands(
                in, at,
                BandOf(score, situps ? std::span<const double>(vantora::bands::kSitUps)
                                     : std::span<const double>(vantora::bands::kAbdominal)),
                fmtInt(in, situps ? "Sit-ups in one minute: %i" : "Crunches in one minute: %i",
                       static_cast<int>(value)));
        });
    }
    case CReportEngine::txtStepTest: {
        if (eval.Step == 0)
            return y;
        const int v = static_cast<int>(eval.Step);
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            const auto fmt = fmtInt(in, "Recovery heart rate: %i", v);
            if (male)
                return fiveBands(in, at, BandBelow(v, vantora::bands::kStepMale), fmt);
            at = skipSections(in, at, 5);
            return fiveBands(in, at, BandBelow(v, vantora::bands::kStepFemale), fmt);
        });
    }
    case CReportEngine::txtRun: {
        if (eval.Run == 0 || !calc_.norms)
            return y;
        const int seconds = static_cast<int>(eval.Run);
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            const int score = calc_.norms->FindNorm(CNorms::run, seconds, 0);
            at = goals(CNorms::run, score, "1.5-MILE RUN", at);
            const int minutes = seconds / 60, rest = seconds % 60;
            return fiveBands(in, at, BandOf(score, vantora::bands::kRun), [&](int a) {
                if (in.is_open())
                    return r.DoFmtLine(dc, in, x, a, minutes, rest);
                a = r.CheckPageLen(dc, a, 2, false, false);
                dc.TextOut(x, a,
                           vantora::format("Your time: %i minutes %i seconds", {minutes, rest}));
                return a + dc.LineSpacing();
            });
        });
    }
    case CReportEngine::txtHeartRecovery: {
        if (eval.PulseRecovery == 0)
            return y;
        const int v = static_cast<int>(eval.PulseRecovery);
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            return fiveBands(in, at, BandOf(v, vantora::bands::kHeartRecovery),
                             fmtInt(in, "Pulse recovery: %i", v));
        });
    }
    case CReportEngine::txtBloodPressure: {
        const int sys = static_cast<int>(eval.RestingBPSystolic);
        const int dia = static_cast<int>(eval.RestingBPDiastolic);
        if (sys == 0 && dia == 0)
            return y;
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            if (sys != 0)
                at = fiveBands(in, at, BandBelow(sys, vantora::bands::kSystolic),
                               fmtInt(in, "Systolic pressure: %i", sys));
            else
                at = skipSections(in, at, 5);
            if (dia != 0)
                at = fiveBands(in, at, BandBelow(dia, vantora::bands::kDiastolic),
                               fmtInt(in, "Diastolic pressure: %i", dia));
            return at;
        });
    }
    case CReportEngine::txtSpecial: {
        const bool older = member.Birthday.ElapsedYrs() > kSpecialAge;
        if (!older && !(member.MedHistory & kMedAny))
            return y;
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            at = block(in, at, older);
            for (long bits : kMedBlocks)
                at = block(in, at, (member.MedHistory & bits) != 0);
            return at;
        });
    }
    case CReportEngine::txtFitGoals:
        if (!(member.Goals & 0xFF))
            return y;
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            for (long bit : kGoalBits)
                at = block(in, at, (member.Goals & bit) != 0);
            return at;
        });
    case CReportEngine::txtPrecautions:
    case CReportEngine::txtRecommendations:
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) { return block(in, at); });
    default:
        return y;
    }
}

int CInterpReport::DoText(const CDAOMem& member, const CDAOBodyComp& rec, CBodyComp& o,
                          int const& kind, CReportDC& dc, int const& x, int y) {
    CReportEngine& r = report_;
    const bool male = member.Sex != 0;
    const int ls = dc.LineSpacing();
    auto block = [&](std::ifstream& in, int at, bool print = true) {
        return Block(in, dc, x, at, print);
    };
    auto put = [&](bool metric, const char* ifSet, const char* ifClear, double v, int at) {
        return r.DoFmtLine(dc, x, at, metric ? ifSet : ifClear, v);
    };
    auto unit = [&](long bit) { return (rec.Flags & bit) != 0; };
    auto putHeight = [&](int at) {
        return put(unit(CDAOBodyComp::unitHeight), "Height %.2f cm", "Height %.2f in", rec.Height,
                   at);
    };
    auto putWaist = [&](int at) {
        return put(unit(CDAOBodyComp::unitGirth), "Waist Circumference %.2f cm",
                   "Waist Circumference %.2f in", rec.Waist, at);
    };
    auto putHip = [&](int at) {
        return put(unit(CDAOBodyComp::unitGirth), "Hip Circumference   %.2f cm",
                   "Hip Circumference   %.2f in", rec.Hip, at);
    };

    switch (kind) {
    case CReportEngine::txtBcIntro:
    case CReportEngine::txtBcLean:
    case CReportEngine::txtBcWeight:
    case CReportEngine::txtBcDiet:
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) { return block(in, at); });
    case CReportEngine::txtBcBmi:
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = Fmt(in, dc, x, at, "Your Body Mass Index (BMI) is %.1f.", o.BodyMassIndex());
            at = block(in, at);
            at = putHeight(at);
            at = put(unit(CDAOBodyComp::unitWeight), "Weight %.2f kg", "Weight %.2f lb", rec.Weight,
                     at);
            at += ls;
            return block(in, at);
        });
    case CReportEngine::txtBcRatio:
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at =
                Fmt(in, dc, x, at, "Your waist-to-hip ratio is %.2f.", ratioOf(rec.Waist, rec.Hip));
            at = block(in, at);
            at = putWaist(at);
            at = putHip(at);
            at += ls;
            at = block(in, at);
            if (!male)
                at = block(in, at, false);
            return block(in, at);
        });
    case CReportEngine::txtBcMeasure:
        if (rec.Method != CDAOBodyComp::methodBodyMeasurement)
            return y;
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            if (male) {
                at = putWaist(at);
                at = put(unit(CDAOBodyComp::unitGirth), "Wrist Circumference %.2f cm",
                         "Wrist Circumference %.2f in", rec.Wrist, at);
                at += ls;
                return block(in, at);
            }
            at = putHeight(at);
            at = putWaist(at);
            at = putHip(at);
            at += ls;
            at = block(in, at, false);
            return block(in, at);
        });
    case CReportEngine::txtBcSkin:
        if (rec.Method != CDAOBodyComp::methodSkinFold)
            return y;
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            const bool inches = unit(CDAOBodyComp::unitSkinFold);
            struct Fold {
                const char* in;
                const char* mm;
                double v;
            };
            const Fold thigh{"Thigh       %.2f in", "Thigh       %.2f mm", rec.ThighSkinFold};
            const Fold chest{"Chest       %.2f in", "Chest       %.2f mm", rec.ChestSkinFold};
            const Fold ab{"Abdominal   %.2f in", "Abdominal   %.2f mm", rec.AbSkinFold};
            const Fold tri{"Triceps     %.2f in", "Triceps     %.2f mm", rec.TricepSkinFold};
            const Fold supra{"Suprailiac  %.2f in", "Suprailiac  %.2f mm", rec.SupraSkinFold};
            const Fold midax{"Midaxillary %.2f in", "Midaxillary %.2f mm", rec.MidaxSkinFold};
            const Fold subsc{"Subscapular %.2f in", "Subscapular %.2f mm", rec.SubscapSkinFold};
            auto fold = [&](const Fold& f) { at = put(inches, f.in, f.mm, f.v, at); };
            fold(thigh);
            switch (rec.CountSkinFolds()) {
            case 3:
                if (male) {
                    fold(chest);
                    fold(ab);
                } else {
                    fold(tri);
                    fold(supra);
                }
                break;
            case 4:
                fold(ab);
                fold(tri);
                fold(supra);
                break;
            case 7:
                for (const Fold* f : {&chest, &ab, &tri, &supra, &midax, &subsc})
                    fold(*f);
                break;
            default:
                break;
            }
            at += ls;
            return block(in, at);
        });
    case CReportEngine::txtBcHydro:
        if (rec.Method != CDAOBodyComp::methodHydrostatic)
            return y;
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            at = put(unit(CDAOBodyComp::unitH2OTemp), "Water Temperature  %.2f C",
                     "Water Temperature  %.2f F", rec.WaterTemp, at);
            at = put(unit(CDAOBodyComp::unitWetWeight), "Wet Weight         %.2f kg",
                     "Wet Weight         %.2f lb", rec.WetWeight, at);
            at = put(unit(CDAOBodyComp::unitTareWeight), "Tare Weight        %.2f kg",
                     "Tare Weight        %.2f lb", rec.TareWeight, at);
            at = r.CheckPageLen(dc, at, 4, false, false);
            dc.TextOut(x, at,
                       (rec.Flags & kBrozek) ? "Calculation Formula - Brozek"
                                             : "Calculation Formula - Siri");
            at += 3 * ls;
            return block(in, at);
        });
    case CReportEngine::txtBcFat:
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            const double pct = o.GetPctFat();
            const double weight = o.GetWeight();
            at = block(in, at);
            if (pct <= 0.0) {
                // No percent fat could be had: it shows as not tested, and
                // the weights, rating, graph and goal weights that would be
                // computed from it are left out.
                std::string format;
                if (!in.is_open() || !std::getline(in, format))
                    format = "Percent body fat: %.1f%%";
                if (!format.empty() && format.back() == '\r')
                    format.pop_back();
                at = r.CheckPageLen(dc, at, 3, false, false);
                dc.TextOut(x, at, notTested(format));
                at += ls;
                dc.TextOut(x, at, kNoTest);
                at += ls;
                at = r.DoOneLine(dc, in, x, at, false); // lean weight
                at = r.DoOneLine(dc, in, x, at, false); // fat weight
                at = block(in, at);
                at = block(in, at, false); // the rating
                if (!male) {
                    at = block(in, at, false);
                    at = block(in, at, false);
                }
                return block(in, at) + ls;
            }
            at = Fmt(in, dc, x, at, "Percent body fat: %.1f%%", pct);
            at = Fmt(in, dc, x, at, "Lean weight:      %.1f lb", weight - weight * pct * 0.01);
            at = Fmt(in, dc, x, at, "Fat weight:       %.1f lb", weight * pct * 0.01);
            at = block(in, at);
            if (in.is_open())
                at = r.DoFmtLine(dc, in, x, at, std::string(o.Category()));
            else {
                at = r.CheckPageLen(dc, at, 2, false, false);
                dc.TextOut(x, at, std::string("Your body fat rating: ") + o.Category());
                at += ls;
            }
            at = block(in, at);
            const int s = o.FindScore();
            at = DoGraph("BODY COMPOSITION", s, o.ShortGoal(s), o.LongGoal(s), dc, x, at);
            if (!male) {
                at = block(in, at, false);
                at = block(in, at, false);
            }
            at = block(in, at);
            at = r.DoOneLine(dc, in, x, at, true);
            const double low = male ? 12.0 : 22.0, high = male ? 15.0 : 25.0;
            at = Fmt(in, dc, x, at,
                     male ? "At 12 percent body fat: %.1f lb" : "At 22 percent body fat: %.1f lb",
                     o.IdealWeight(low));
            at = Fmt(in, dc, x, at,
                     male ? "At 15 percent body fat: %.1f lb" : "At 25 percent body fat: %.1f lb",
                     o.IdealWeight(high));
            return at + ls;
        });
    case CReportEngine::txtBcCalorie:
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            const auto level = static_cast<CBodyComp::actlvl>(rec.ActivityLevel);
            at = block(in, at);
            at = r.CheckPageLen(dc, at, 3, false, false);
            dc.TextOut(x, at,
                       vantora::insert("Activity Level - %1", {CBodyComp::GetActLvlStr(level)}));
            at += ls;
            at = r.DoFmtLine(dc, x, at, "24-Hour Caloric Need (Basal Metabolic Rate)        %.2f",
                             o.BasalMetabolicRate());
            at = r.DoFmtLine(dc, x, at, "24-Hour Caloric Need (Adjusted for Activity Level) %.2f",
                             o.AdjMetabolicRate(level));
            at += ls;
            at = block(in, at);
            at = r.CheckPageLen(dc, at, 3, false, false);
            dc.TextOut(x, at, "Activity                          Calories");
            at += ls;
            for (int i = 0; i < static_cast<int>(std::size(kActivities)); ++i) {
                std::string name = kActivities[i];
                name.resize(35, ' ');
                at = r.DoFmtLine(dc, x, at, name + "%.2f",
                                 o.CaloricExpenditure(static_cast<CBodyComp::physact>(i)));
            }
            return at;
        });
    default:
        return y;
    }
}

// ---------------------------------------------------------------------------
// The report kinds

int CInterpReport::DoHead(CReportDC& dc, int const& x, int y, const std::string& title,
                          const CDAOMem& member, long const& id, unsigned char const& classIndx) {
    const int ls = dc.LineSpacing();
    const int w = dc.AveCharWidth();
    const int at = report_.GetPageWidth() - 37 * w;
    // The title, and the dates below it, end a blank before the right column.
    y = report_.DoFirstLine(dc, x, y,
                            CReportEngine::FitInserts(dc, title,
                                                      {member.FirstName, member.LastName}, {1, 2},
                                                      at - x - w));
    dc.TextOut(at, y - ls, vantora::format("ID: %i", {id}));
    std::string text;
    CDAOCls cls;
    if (cls.FindClasses(id, classIndx) > 0 && !cls.IsEOF())
        cls.BuildClassString(text);
    if (text.empty())
        CDAOCls::GetClassIndexString(classIndx, text);
    cls.Op(CDAOEFSet::opClose);
    dc.TextOutFit(at, y, vantora::insert("Class: %1", {text}),
                  report_.GetPageWidth() - report_.GetMargin() - at);
    return y;
}

int CInterpReport::DoStrengthTable(CReportDC& dc, int const& x, int y, const CDAOEval& eval) {
    const int ls = dc.LineSpacing();
    y = report_.CheckPageLen(dc, y, 6, false, false);
    auto centred = [&](int at, int line, const char* text) {
        dc.TextOut(at - dc.TextWidth(text) / 2, y + line * ls, text);
    };
    centred(x + 450, 1, "Station");
    centred(x + 1950, 0, "Prog.");
    centred(x + 1950, 1, "Lift");
    const char* works[] = {"40% Work", "50% Work", "70% Work"};
    const int workAt[] = {x + 2550, x + 3150, x + 3750};
    for (int i = 0; i < 3; ++i) {
        centred(workAt[i], 0, works[i]);
        centred(workAt[i], 1, "Weight");
    }
    y += 2 * ls;
    report_.DoDashLine(dc, x, 4100, y);
    y += ls;
    bool anyNT = false;
    for (int i = 0; i < circuit_->GetNumStations(); ++i) {
        y = report_.CheckPageLen(dc, y, 2, false, false);
        const char* name = circuit_->GetName(i);
        dc.TextOut(x, y,
                   vantora::insert(i + 1 < 10 ? " %1. %2" : "%1. %2", {i + 1, name ? name : ""}));
        const double v = eval.GetStnVal(i);
        if (v == 0.0) {
            anyNT = true;
            dc.TextOut(x + 1875, y, "NT");
            for (int at : {x + 2475, x + 3050, x + 3675})
                dc.TextOut(at, y, "--");
        } else {
            dc.TextOut(x + 1775, y, vantora::format("%6.2f", {v}));
            const int pct[] = {40, 50, 70};
            const int at[] = {x + 2375, x + 3000, x + 3600};
            for (int k = 0; k < 3; ++k)
                dc.TextOut(at[k], y,
                           vantora::format("%6.2f", {circuit_->GetWorkWeight(i, v, pct[k])}));
        }
        y += ls;
    }
    report_.DoDashLine(dc, x, 4100, y);
    y += ls;
    if (anyNT) {
        dc.TextOut(x, y, kNoTest);
        y += ls;
    }
    return y + 2 * ls;
}

int CInterpReport::DoTestResults(CReportDC& dc, int const& x, int y, long const& id,
                                 CEFOleDateTime date) {
    CDAOMem member;
    if (!FindRequestMember(member, id, report_))
        return y;
    CDAOEval eval;
    if (eval.FindEvals(id, date) == 0 || eval.IsEOF()) {
        report_.NothingToPrint(
            vantora::insert("%1 %2 (ID %3) has no evaluation dated %4",
                            {member.FirstName, member.LastName, id, date.DateStrLongYear()}));
        return y;
    }
    const int ls = dc.LineSpacing();
    const int m = x;
    const int right = report_.GetPageWidth() - report_.GetMargin();

    circuit_ = std::make_unique<CCircuit>();
    calc_ = MakeEvalCalc(member, eval, member.Birthday.ElapsedYrs());

    y = DoHead(dc, m, y, "%1 %2 - Test Results Interpretation", member, id, eval.ClassIndx);
    dc.TextOut(
        m, y,
        vantora::insert("As of Evaluation Dated %1", {eval.EvaluationDate.DateStrLongYear()}));
    y += ls;
    dc.TextOutFit(m, y, context_.center.Name, right - m);
    y += ls;
    report_.DoDashLine(dc, m, report_.GetPageWidth() - report_.GetMargin(), y);
    y += ls;
    dc.TextOut(m, y, vantora::format("Height: %.2f in.", {eval.Height}));
    dc.TextOut(m + 1400, y, vantora::format("Weight: %.2f lbs.", {eval.Weight}));
    dc.TextOut(m + 2800, y, vantora::format("Age: %i yrs.", {member.Birthday.ElapsedYrs()}));
    dc.TextOut(m + 4000, y, std::string("Sex: ") + (member.Sex ? "M" : "F"));
    y += 3 * ls;

    const CHeartRate& hr = *calc_.heartRate;
    y = report_.CheckPageLen(dc, y, 7, false, false);
    dc.TextOut(m, y, "TRAINING RANGE");
    y += 2 * ls;
    dc.TextOut(m, y, vantora::format("Resting Heart Rate: %i", {eval.RestingHR}));
    y += ls;
    dc.TextOut(m, y,
               vantora::format("Predicted Maximum Heart Rate: %i",
                               {static_cast<int>(hr.PredictedMaximum())}));
    y += ls;
    dc.TextOut(
        m, y,
        vantora::format("Training Range:  Lower Level - %i     Upper Level - %i     "
                        "Safe Maximum - %i",
                        {static_cast<int>(hr.LowerLevel()), static_cast<int>(hr.UpperLevel()),
                         static_cast<int>(hr.SafeMaximum())}));
    y += 2 * ls;

    y = DoText(member, eval, CReportEngine::txtTraining, dc, m, y);
    y = DoStrengthTable(dc, m, y, eval);

    const double leg = eval.GetStnVal(circuit_->GetLegStnIndex());
    const double upper = eval.GetStnVal(circuit_->GetUpperStnIndex());
    if (leg != 0.0 || upper != 0.0 || calc_.pctFat != 0.0 || eval.TrunkFlex != 0.0 ||
        eval.SitUp != 0 || eval.Ab != 0 || eval.Run != 0)
        y = DoGraph(eval, dc, m, y);

    for (int kind = CReportEngine::txtLegBody; kind <= CReportEngine::txtRecommendations; ++kind)
        y = DoText(member, eval, kind, dc, m, y);
    return y;
}

int CInterpReport::DoBodyCompInterp(CReportDC& dc, int const& x, int y, long const& id,
                                    CEFOleDateTime date) {
    CDAOMem member;
    if (!FindRequestMember(member, id, report_))
        return y;
    CDAOBodyComp rec;
    if (rec.FindBodyComps(id, date) == 0 || rec.IsEOF()) {
        report_.NothingToPrint(
            vantora::insert("%1 %2 (ID %3) has no body composition dated %4",
                            {member.FirstName, member.LastName, id, date.DateStrLongYear()}));
        return y;
    }
    if (!CreateBodyComp(bodyComp_, rec, member))
        return y;
    const int ls = dc.LineSpacing();
    const int m = x;
    y = DoHead(dc, m, y, "%1 %2 - Body Composition Interpretation", member, id, rec.ClassIndx);
    dc.TextOut(
        m, y,
        vantora::insert("As of Body Composition Dated %1", {rec.BodyCompDate.DateStrLongYear()}));
    y += ls;
    dc.TextOutFit(m, y, context_.center.Name, report_.GetPageWidth() - report_.GetMargin() - m);
    y += ls;
    report_.DoDashLine(dc, m, report_.GetPageWidth() - report_.GetMargin(), y);
    y += ls;
    dc.TextOut(m, y, vantora::format("Age: %i yrs.", {member.Birthday.ElapsedYrs()}));
    dc.TextOut(m + 1400, y, std::string("Sex: ") + (member.Sex ? "M" : "F"));
    y += 3 * ls;
    CBodyComp& o = *bodyComp_;
    for (int kind : {CReportEngine::txtBcIntro, CReportEngine::txtBcBmi, CReportEngine::txtBcRatio})
        y = DoText(member, rec, o, kind, dc, m, y);
    switch (rec.Method) {
    case CDAOBodyComp::methodBodyMeasurement:
        y = DoText(member, rec, o, CReportEngine::txtBcMeasure, dc, m, y);
        break;
    case CDAOBodyComp::methodSkinFold:
        y = DoText(member, rec, o, CReportEngine::txtBcSkin, dc, m, y);
        break;
    case CDAOBodyComp::methodHydrostatic:
        y = DoText(member, rec, o, CReportEngine::txtBcHydro, dc, m, y);
        break;
    default:
        break;
    }
    for (int kind : {CReportEngine::txtBcFat, CReportEngine::txtBcLean, CReportEngine::txtBcWeight,
                     CReportEngine::txtBcDiet, CReportEngine::txtBcCalorie})
        y = DoText(member, rec, o, kind, dc, m, y);
    return y;
}

int CInterpReport::DoReport(CReportDC& dc, int const& x, const CReportSelection& r) {
    switch (report_.GetReport()) {
    case CReportEngine::rptTestResults:
        return DoTestResults(dc, x, 0, r.id, r.date0);
    case CReportEngine::rptBodyCompInterp:
        return DoBodyCompInterp(dc, x, 0, r.id, r.date0);
    default:
        return 0;
    }
}
