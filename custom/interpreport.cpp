#include "interpreport.h"

#include "custom/circuit.h"
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

// Bands are inclusive at their lower bound: the first bound that v reaches.
int bandOf(double v, std::initializer_list<double> lowerBounds) {
    int i = 0;
    for (double b : lowerBounds) {
        if (v >= b)
            return i;
        ++i;
    }
    return i;
}

// Bands given by upper bounds, the last one open: the first bound v does not
// pass.
int bandBelow(double v, std::initializer_list<double> upperBounds) {
    int i = 0;
    for (double b : upperBounds) {
        if (v <= b)
            return i;
        ++i;
    }
    return i;
}

double ratioOf(double waist, double hip) {
    return hip != 0.0 ? waist / hip : waist;
}

} // namespace

CInterpReport::CInterpReport(CReport& report) : report_(report) {}
CInterpReport::~CInterpReport() = default;

int CInterpReport::AgeAt(const CEFOleDateTime& birthday, const CEFOleDateTime& date) {
    const int by = birthday.GetYear(), bm = birthday.GetMonth(), bd = birthday.GetDay();
    const int y = date.GetYear(), m = date.GetMonth(), d = date.GetDay();
    if (by < 0 || y < 0)
        return 0;
    int age = y - by;
    if (m < bm || (m == bm && d < bd))
        --age;
    return std::max(age, 0);
}

// ---------------------------------------------------------------------------
// Calculation objects

bool CInterpReport::CreateBodyComp(std::unique_ptr<CBodyComp>& out, CDAOBodyComp& r,
                                   const CDAOMem& member) {
    out.reset();
    const CBodyComp::sex s = bodySex(member.Sex);
    const int age = member.Birthday.ElapsedYrs();
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
    // A result that is not a number (a failed estimate) counts as none.
    if (!std::isfinite(pct))
        pct = 0.0;
    out->SetPctFat(pct);
    r.FatPercent = pct;
    return true;
}

void CInterpReport::CreateEvalObjects(int const& i, const CDAOMem& member, const CDAOEval& eval) {
    const int age = member.Birthday.ElapsedYrs();
    norms_[i] = std::make_unique<CNorms>(normSex(member.Sex), age, eval.Weight);
    skinFold_[i] = std::make_unique<CSkinFold>(
        bodySex(member.Sex), age, eval.Weight, eval.Height, eval.ThighSkinFold, eval.ChestSkinFold,
        eval.AbSkinFold, eval.TricepSkinFold, eval.SupraSkinFold, eval.MidaxSkinFold,
        eval.SubscapSkinFold);
    heartRate_[i] = std::make_unique<CHeartRate>(member.Sex ? CHeartRate::male : CHeartRate::female,
                                                 age, static_cast<double>(eval.RestingHR));
    double pct = eval.FatPercent;
    CSkinFold& skin = *skinFold_[i];
    if (pct != 0.0) {
        skin.SetPctFat(pct);
    } else {
        pct = skin.PercentFat_7();
        if (pct == 0.0)
            pct = skin.PercentFat_4();
        if (pct == 0.0)
            pct = skin.PercentFat_3();
    }
    if (!std::isfinite(pct)) {
        pct = 0.0;
        skin.SetPctFat(0.0);
    }
    pctFat_[i] = pct;
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
    if (!circuit_ || !norms_[0])
        return y;
    const CNorms& n = *norms_[0];
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
        {"BODY COMPOSITION -------------------", pctFat_[0] != 0.0,
         skinFold_[0] ? static_cast<double>(skinFold_[0]->FindScore()) : 0.0},
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

bool CInterpReport::DoCmprLine(CReportDC& dc, int const& first, int const& second, int const& x1,
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

bool CInterpReport::DoCmprLine(CReportDC& dc, double const& first, double const& second,
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

// ---------------------------------------------------------------------------
// Text files

int CInterpReport::Block(std::ifstream& in, CReportDC& dc, int const& x, int y, bool const& print) {
    return report_.DoLines(dc, in, x, y, print);
}

int CInterpReport::Band(std::ifstream& in, CReportDC& dc, int const& x, int y, bool const& holds,
                        const std::function<int(int)>& fmt) {
    if (!holds)
        return Block(in, dc, x, y, false);
    y = fmt(y);
    return Block(in, dc, x, y);
}

int CInterpReport::WithText(int const& kind, CReportDC& dc, int const& x, int y,
                            const Reader& sequence) {
    y = report_.CheckPageLen(dc, y, 5, false, false);
    std::string path;
    if (!report_.GetTextPath(kind, path))
        return y;
    std::ifstream in(path);
    if (!in.is_open()) {
        dc.TextOut(x, y, "Error: cannot open " + path);
        return y + 2 * dc.LineSpacing();
    }
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
    CReport& r = report_;
    const bool male = member.Sex != 0;
    auto block = [&](std::ifstream& in, int at, bool print = true) {
        return Block(in, dc, x, at, print);
    };
    auto fmtInt = [&](std::ifstream& in, int v) {
        return [&in, &dc, &r, x, v](int at) { return r.DoFmtLine(dc, in, x, at, v); };
    };
    auto fmtDouble = [&](std::ifstream& in, double v) {
        return [&in, &dc, &r, x, v](int at) { return r.DoFmtLine(dc, in, x, at, v); };
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
        return DoGraph(title, score, norms_[0]->GetShortTermGoal(n, score),
                       norms_[0]->GetLongTermGoal(n, score), dc, x, at);
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
        if (!circuit_ || !norms_[0])
            return y;
        const double leg = eval.GetStnVal(circuit_->GetLegStnIndex());
        const double upper = eval.GetStnVal(circuit_->GetUpperStnIndex());
        if (leg == 0.0 && upper == 0.0)
            return y;
        const CNorms& n = *norms_[0];
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            auto part = [&](CNorms::norm nk, double value, double mult, const char* title) {
                if (value == 0.0)
                    return skipSections(in, at, 5);
                const int score = n.FindNorm(nk, value, mult);
                at = goals(nk, score, title, at);
                return fiveBands(in, at, bandOf(score, {90, 70, 50, 30}),
                                 fmtDouble(in, n.FindAdjScore(nk, value, mult)));
            };
            at = part(CNorms::leg, leg, circuit_->GetLegPressMult(), "LEG STRENGTH");
            if (upper != 0.0)
                at = part(CNorms::upper, upper, circuit_->GetChestPressMult(),
                          "UPPER BODY STRENGTH");
            return at;
        });
    }
    case CReportEngine::txtBodyComp: {
        if (pctFat_[0] == 0.0 || !skinFold_[0])
            return y;
        const CSkinFold& o = *skinFold_[0];
        const int s = o.FindScore();
        const int band = male ? bandOf(s, {95, 85, 60, 35, 15}) : bandOf(s, {95, 80, 50, 30, 15});
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            at = DoGraph("BODY COMPOSITION", s, o.ShortGoal(s), o.LongGoal(s), dc, x, at);
            for (int i = 0; i < 6; ++i) {
                if (band != i) {
                    at = block(in, at, false);
                    continue;
                }
                at = r.DoOneLine(dc, in, x, at, true);
                at = r.DoFmtLine(dc, in, x, at, pctFat_[0]);
                at = block(in, at);
            }
            return at;
        });
    }
    case CReportEngine::txtBodyFlex: {
        if (eval.TrunkFlex == 0.0 || !norms_[0])
            return y;
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            const int score = norms_[0]->FindNorm(CNorms::flex, eval.TrunkFlex, 0);
            at = goals(CNorms::flex, score, "TRUNK FLEXION", at);
            return fiveBands(in, at, bandOf(score, {90, 70, 50, 25}),
                             fmtDouble(in, eval.TrunkFlex));
        });
    }
    case CReportEngine::txtSitups:
    case CReportEngine::txtAbdominal: {
        const bool situps = kind == CReportEngine::txtSitups;
        const long value = situps ? eval.SitUp : eval.Ab;
        if (value == 0 || !norms_[0])
            return y;
        const CNorms::norm nk = situps ? CNorms::situp : CNorms::ab;
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            const int score = norms_[0]->FindNorm(nk, static_cast<double>(value), 0);
            at = goals(nk, score, situps ? "ONE-MINUTE SIT-UPS" : "ABDOMINAL CRUNCH", at);
            return fiveBands(in, at, bandOf(score, {90, 70, 50, 25}),
                             fmtInt(in, static_cast<int>(value)));
        });
    }
    case CReportEngine::txtStepTest: {
        if (eval.Step == 0)
            return y;
        const int v = static_cast<int>(eval.Step);
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            if (male)
                return fiveBands(in, at, bandBelow(v, {70, 102, 117, 147}), fmtInt(in, v));
            at = skipSections(in, at, 5);
            return fiveBands(in, at, bandBelow(v, {96, 127, 142, 171}), fmtInt(in, v));
        });
    }
    case CReportEngine::txtRun: {
        if (eval.Run == 0 || !norms_[0])
            return y;
        const int seconds = static_cast<int>(eval.Run);
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            const int score = norms_[0]->FindNorm(CNorms::run, seconds, 0);
            at = goals(CNorms::run, score, "1.5-MILE RUN", at);
            const int minutes = seconds / 60, rest = seconds % 60;
            return fiveBands(in, at, bandOf(score, {85, 56, 36, 16}),
                             [&](int a) { return r.DoFmtLine(dc, in, x, a, minutes, rest); });
        });
    }
    case CReportEngine::txtHeartRecovery: {
        if (eval.PulseRecovery == 0)
            return y;
        const int v = static_cast<int>(eval.PulseRecovery);
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = block(in, at);
            return fiveBands(in, at, bandOf(v, {50, 40, 30, 20}), fmtInt(in, v));
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
                at = fiveBands(in, at, bandBelow(sys, {119, 129, 139, 159}), fmtInt(in, sys));
            else
                at = skipSections(in, at, 5);
            if (dia != 0)
                at = fiveBands(in, at, bandBelow(dia, {79, 84, 89, 99}), fmtInt(in, dia));
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
    CReport& r = report_;
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
            at = r.DoFmtLine(dc, in, x, at, o.BodyMassIndex());
            at = block(in, at);
            at = putHeight(at);
            at = put(unit(CDAOBodyComp::unitWeight), "Weight %.2f kg", "Weight %.2f lb", rec.Weight,
                     at);
            at += ls;
            return block(in, at);
        });
    case CReportEngine::txtBcRatio:
        return WithText(kind, dc, x, y, [&](std::ifstream& in, int at) {
            at = r.DoFmtLine(dc, in, x, at, ratioOf(rec.Waist, rec.Hip));
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
            at = r.DoFmtLine(dc, in, x, at, pct);
            at = r.DoFmtLine(dc, in, x, at, weight - weight * pct * 0.01);
            at = r.DoFmtLine(dc, in, x, at, weight * pct * 0.01);
            at = block(in, at);
            at = r.DoFmtLine(dc, in, x, at, std::string(o.Category()));
            at = block(in, at);
            const int s = o.FindScore();
            at = DoGraph("BODY COMPOSITION", s, o.ShortGoal(s), o.LongGoal(s), dc, x, at);
            if (!male) {
                at = block(in, at, false);
                at = block(in, at, false);
            }
            at = block(in, at);
            at = r.DoOneLine(dc, in, x, at, true);
            at = r.DoFmtLine(dc, in, x, at, o.IdealWeight(male ? 12.0 : 22.0));
            at = r.DoFmtLine(dc, in, x, at, o.IdealWeight(male ? 15.0 : 25.0));
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

void CInterpReport::DoIdAndClass(CReportDC& dc, int const& y, long const& id,
                                 unsigned char const& classIndx) {
    const int ls = dc.LineSpacing();
    const int at = report_.GetPageWidth() - 37 * dc.AveCharWidth();
    dc.TextOut(at, y - ls, vantora::format("ID: %i", {id}));
    std::string text;
    CDAOCls cls;
    if (cls.FindClasses(id, classIndx) > 0 && !cls.IsEOF())
        cls.BuildClassString(text);
    if (text.empty())
        CDAOCls::GetClassIndexString(classIndx, text);
    cls.Op(CDAOEFSet::opClose);
    dc.TextOut(at, y, vantora::insert("Class: %1", {text}));
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
    member.FindMember(CDAOSmMem::idMember, id);
    if (!member.IsOpen() || member.IsEOF())
        return y;
    CDAOEval eval;
    if (eval.FindEvals(id, date) == 0 || eval.IsEOF())
        return y;
    const int ls = dc.LineSpacing();
    const int m = x;

    circuit_ = std::make_unique<CCircuit>();
    CreateEvalObjects(0, member, eval);

    dc.TextOut(
        m, y,
        vantora::insert("As of Evaluation Dated %1", {eval.EvaluationDate.DateStrLongYear()}));
    DoIdAndClass(dc, y, id, eval.ClassIndx);
    y += ls;
    dc.TextOut(m, y, report_.GetCenter().Name);
    y += ls;
    report_.DoDashLine(dc, m, report_.GetPageWidth() - report_.GetMargin(), y);
    y += ls;
    dc.TextOut(m, y, vantora::format("Height: %.2f in.", {eval.Height}));
    dc.TextOut(m + 1400, y, vantora::format("Weight: %.2f lbs.", {eval.Weight}));
    dc.TextOut(m + 2800, y, vantora::format("Age: %i yrs.", {member.Birthday.ElapsedYrs()}));
    dc.TextOut(m + 4000, y, std::string("Sex: ") + (member.Sex ? "M" : "F"));
    y += 3 * ls;

    const CHeartRate& hr = *heartRate_[0];
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
    if (leg != 0.0 || upper != 0.0 || pctFat_[0] != 0.0 || eval.TrunkFlex != 0.0 ||
        eval.SitUp != 0 || eval.Ab != 0 || eval.Run != 0)
        y = DoGraph(eval, dc, m, y);

    for (int kind = CReportEngine::txtLegBody; kind <= CReportEngine::txtRecommendations; ++kind)
        y = DoText(member, eval, kind, dc, m, y);
    return y;
}

int CInterpReport::DoBodyCompInterp(CReportDC& dc, int const& x, int y, long const& id,
                                    CEFOleDateTime date) {
    CDAOMem member;
    member.FindMember(CDAOSmMem::idMember, id);
    if (!member.IsOpen() || member.IsEOF())
        return y;
    CDAOBodyComp rec;
    if (rec.FindBodyComps(id, date) == 0 || rec.IsEOF())
        return y;
    if (!CreateBodyComp(bodyComp_[0], rec, member))
        return y;
    const int ls = dc.LineSpacing();
    const int m = x;
    // y is the line below the date line (line 3).
    DoIdAndClass(dc, y - ls, id, rec.ClassIndx);
    dc.TextOut(m, y, report_.GetCenter().Name);
    y += ls;
    report_.DoDashLine(dc, m, report_.GetPageWidth() - report_.GetMargin(), y);
    y += ls;
    dc.TextOut(m, y, vantora::format("Age: %i yrs.", {member.Birthday.ElapsedYrs()}));
    dc.TextOut(m + 1400, y, std::string("Sex: ") + (member.Sex ? "M" : "F"));
    y += 3 * ls;
    CBodyComp& o = *bodyComp_[0];
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

namespace {

// Column positions of the comparison tables.
struct CmprLayout {
    int section, item, v1, v2, v3;
};

} // namespace

int CInterpReport::DoCmprHead(CReportDC& dc, int const& m, int y, long const& id,
                              const CEFOleDateTime& first, const CEFOleDateTime& second) {
    const int ls = dc.LineSpacing();
    dc.TextOut(report_.GetPageWidth() - 15 * dc.AveCharWidth(), y - 2 * ls,
               vantora::format("ID: %i", {id}));
    dc.TextOut(m, y, report_.GetCenter().Name);
    y += ls;
    const int dashTo = report_.GetPageWidth() - report_.GetMargin();
    report_.DoDashLine(dc, m, dashTo, y);
    y += 2 * ls;
    auto centred = [&](int at, const std::string& text) {
        dc.TextOut(at - dc.TextWidth(text) / 2, y, text);
    };
    centred(m + 400, "Item");
    centred(m + 2100, first.DateStrLongYear());
    centred(m + 3100, second.DateStrLongYear());
    centred(m + 4100, "Difference");
    y += ls;
    report_.DoDashLine(dc, m, dashTo, y);
    y += ls;
    return y;
}

int CInterpReport::DoEvalComparison(CReportDC& dc, int const& x, int y, long const& id,
                                    CEFOleDateTime d0, CEFOleDateTime d1) {
    CDAOMem member;
    member.FindMember(CDAOSmMem::idMember, id);
    if (!member.IsOpen() || member.IsEOF())
        return y;
    CDAOEval e[2];
    if (e[0].FindEvals(id, d0) == 0 || e[0].IsEOF() || e[1].FindEvals(id, d1) == 0 || e[1].IsEOF())
        return y;
    circuit_ = std::make_unique<CCircuit>();
    CreateEvalObjects(0, member, e[0]);
    CreateEvalObjects(1, member, e[1]);

    const int ls = dc.LineSpacing();
    const int m = x;
    const CmprLayout c{m + 50, m + 125, m + 1950, m + 3000, m + 3960};
    y = DoCmprHead(dc, m, y, id, e[0].EvaluationDate, e[1].EvaluationDate);
    const int dashTo = report_.GetPageWidth() - report_.GetMargin();

    bool anyNT = false;
    auto section = [&](const char* head) {
        y = report_.CheckPageLen(dc, y, 3, false, false);
        y += ls;
        dc.TextOut(c.section, y, head);
        y += ls;
    };
    auto rowInt = [&](const std::string& name, long a, long b) {
        y = report_.CheckPageLen(dc, y, 2, false, false);
        dc.TextOut(c.item, y, name);
        anyNT |= DoCmprLine(dc, static_cast<int>(a), static_cast<int>(b), c.v1, c.v2, c.v3, y);
        y += ls;
    };
    auto rowDouble = [&](const std::string& name, double a, double b) {
        y = report_.CheckPageLen(dc, y, 2, false, false);
        dc.TextOut(c.item, y, name);
        anyNT |= DoCmprLine(dc, a, b, c.v1, c.v2, c.v3, y);
        y += ls;
    };

    section("PERSONAL DETAILS");
    rowInt("Age", AgeAt(member.Birthday, e[0].EvaluationDate),
           AgeAt(member.Birthday, e[1].EvaluationDate));
    rowDouble("Height", e[0].Height, e[1].Height);
    rowDouble("Weight", e[0].Weight, e[1].Weight);
    rowInt("Blood Pressure - Systolic", e[0].RestingBPSystolic, e[1].RestingBPSystolic);
    rowInt("Blood Pressure - Diastolic", e[0].RestingBPDiastolic, e[1].RestingBPDiastolic);

    section("TRAINING RANGE");
    const CHeartRate& h0 = *heartRate_[0];
    const CHeartRate& h1 = *heartRate_[1];
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
    rowDouble("Body Fat Percentage", pctFat_[0], pctFat_[1]);

    section("FITNESS TESTS");
    rowDouble("Trunk Flexion", e[0].TrunkFlex, e[1].TrunkFlex);
    rowInt("1-Minute Sit-Ups", e[0].SitUp, e[1].SitUp);
    rowInt("1-Minute Ab Crunches", e[0].Ab, e[1].Ab);
    rowInt("3-Minute Step Test", e[0].Step, e[1].Step);
    rowInt("1.5-Mile Run (seconds)", e[0].Run, e[1].Run);
    rowInt("Ergometer Pulse Recovery", e[0].PulseRecovery, e[1].PulseRecovery);

    section("PROGRESSIVE LIFTS");
    for (int i = 0; i < circuit_->GetNumStations(); ++i) {
        const char* name = circuit_->GetName(i);
        rowDouble(name ? name : "", e[0].GetStnVal(i), e[1].GetStnVal(i));
    }

    section("STRENGTH TESTS");
    const int legIdx = circuit_->GetLegStnIndex();
    const int upperIdx = circuit_->GetUpperStnIndex();
    const double legMult = circuit_->GetLegPressMult();
    const double chestMult = circuit_->GetChestPressMult();
    rowDouble("Leg", norms_[0]->FindAdjScore(CNorms::leg, e[0].GetStnVal(legIdx), legMult),
              norms_[1]->FindAdjScore(CNorms::leg, e[1].GetStnVal(legIdx), legMult));
    rowDouble("Upper Body",
              norms_[0]->FindAdjScore(CNorms::upper, e[0].GetStnVal(upperIdx), chestMult),
              norms_[1]->FindAdjScore(CNorms::upper, e[1].GetStnVal(upperIdx), chestMult));

    y = report_.CheckPageLen(dc, y, 3, false, false);
    report_.DoDashLine(dc, m, dashTo, y);
    y += ls;
    if (anyNT) {
        dc.TextOut(m, y, kNoTest);
        y += ls;
    }
    return y;
}

int CInterpReport::DoBodyCompComparison(CReportDC& dc, int const& x, int y, long const& id,
                                        CEFOleDateTime d0, CEFOleDateTime d1) {
    CDAOMem member;
    member.FindMember(CDAOSmMem::idMember, id);
    if (!member.IsOpen() || member.IsEOF())
        return y;
    CDAOBodyComp b[2];
    if (b[0].FindBodyComps(id, d0) == 0 || b[0].IsEOF() || b[1].FindBodyComps(id, d1) == 0 ||
        b[1].IsEOF())
        return y;
    if (!CreateBodyComp(bodyComp_[0], b[0], member) || !CreateBodyComp(bodyComp_[1], b[1], member))
        return y;
    const CBodyComp& o0 = *bodyComp_[0];
    const CBodyComp& o1 = *bodyComp_[1];

    const int ls = dc.LineSpacing();
    const int m = x;
    const CmprLayout c{m + 50, m + 125, m + 1950, m + 3000, m + 3960};
    y = DoCmprHead(dc, m, y, id, b[0].BodyCompDate, b[1].BodyCompDate);
    const int dashTo = report_.GetPageWidth() - report_.GetMargin();

    bool anyNT = false;
    auto section = [&](const char* head) {
        y = report_.CheckPageLen(dc, y, 3, false, false);
        y += ls;
        dc.TextOut(c.section, y, head);
        y += ls;
    };
    auto rowInt = [&](const char* name, int a, int bb) {
        y = report_.CheckPageLen(dc, y, 2, false, false);
        dc.TextOut(c.item, y, name);
        anyNT |= DoCmprLine(dc, a, bb, c.v1, c.v2, c.v3, y);
        y += ls;
    };
    auto rowDouble = [&](const char* name, double a, double bb) {
        y = report_.CheckPageLen(dc, y, 2, false, false);
        dc.TextOut(c.item, y, name);
        anyNT |= DoCmprLine(dc, a, bb, c.v1, c.v2, c.v3, y);
        y += ls;
    };
    // Two texts without a difference.
    auto rowText = [&](const char* name, const std::string& a, const std::string& bb) {
        y = report_.CheckPageLen(dc, y, 2, false, false);
        dc.TextOut(c.item, y, name);
        dc.TextOut(c.v1, y, a);
        dc.TextOut(c.v2, y, bb);
        y += ls;
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

    y = report_.CheckPageLen(dc, y, 3, false, false);
    report_.DoDashLine(dc, m, dashTo, y);
    y += ls;
    if (anyNT) {
        dc.TextOut(m, y, kNoTest);
        y += ls;
    }
    return y;
}

int CInterpReport::DoBody(CReportDC& dc, int const& x, int y, long& id, CEFOleDateTime& date0,
                          CEFOleDateTime& date1, std::string&, std::string&, std::string&) {
    switch (report_.GetReport()) {
    case CReportEngine::rptTestResults:
        return DoTestResults(dc, x, y, id, date0);
    case CReportEngine::rptEvalComparison:
        return DoEvalComparison(dc, x, y, id, date0, date1);
    case CReportEngine::rptBodyCompInterp:
        return DoBodyCompInterp(dc, x, y, id, date0);
    case CReportEngine::rptBodyCompComparison:
        return DoBodyCompComparison(dc, x, y, id, date0, date1);
    default:
        return y;
    }
}
