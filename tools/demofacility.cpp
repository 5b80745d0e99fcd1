#include "tools/demofacility.h"

#include "db/daocenter.h"
#include "db/schema.h"
#include "tools/demo/daynumbers.h"
#include "tools/demo/facilityenvironment.h"
#include "tools/demo/measurements.h"
#include "tools/demo/people.h"
#include "tools/demo/randomvalues.h"
#include "tools/demo/sampledata.h"
#include "tools/demo/storetables.h"
#include "tools/demo/storewriter.h"
#include "tools/demo/visits.h"
#include "util/efoledatetime.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vantora::tools {

namespace {

using namespace vantora::tools::demo;
using vantora::db::schema::Store;

std::string Fail(const std::string& folder, std::string error) {
    db::facility::remove(folder);
    return error;
}

// The system clock's date and time, or why it cannot be used.
std::string ReadClock(CEFOleDateTime& now) {
    now.Current();
    return now.GetStatus() == COleDateTime::valid ? std::string()
                                                  : CEFOleDateTime::MsgInvalidSystem;
}

// The workout minimums for the OK rule, read through the settings set and
// kept in it; the set is closed again before the stores are written.
std::string ReadOkRule(CDAOCenter& center) {
    const bool hasSettings = center.OpenSet(true) > 0;
    center.Op(CDAOEFSet::opClose);
    return hasSettings ? std::string() : "Error: the new facility has no settings record";
}

std::string FillDemo(const std::string& folder, const DemoOptions& options, DemoSummary& sum) {
    CEFOleDateTime now;
    if (std::string e = ReadClock(now); !e.empty())
        return e;
    const long today = DayOf(now);
    const int nowSecond = now.GetHour() * 3600 + now.GetMinute() * 60 + now.GetSecond();

    FacilityEnv env(folder);
    CDAOCenter center;
    if (std::string e = ReadOkRule(center); !e.empty())
        return e;

    Rng rng(options.seed);
    Writers w(folder, false);
    if (std::string e = w.error(); !e.empty())
        return e;
    const FacilitySettings settings = ReadSettings(w.center);
    if (!WriteCatalog(w.center))
        return w.error();
    // A demo centre has an address for the kiosk's welcome box and the reports.
    if (!w.center.exec("UPDATE Center SET Addr0 = '1200 Olentangy River Road', City = 'Columbus', "
                       "St = 'OH', Zip = '43212', Phone = '(614) 555-0100', "
                       "Email = 'desk@riverside.example.org', Web = 'riverside.example.org'"))
        return w.error();

    MemberTables tables(w.members);
    Insert evals(w.members, "Evaluations",
                 {"EvaluationID", "MemberID", "EvaluationDate", "ClassIndx", "Height", "Weight",
                  "ActivityLevel", "RestingHR", "RestingBPSystolic", "RestingBPDiastolic",
                  "TrunkFlex", "SitUp", "Ab", "Step", "Run", "PulseRecovery"});
    Insert evalBodyComps(w.members, "EvalBodyComps",
                         {"EvaluationID", "FatPercent", "ThighSkinFold", "ChestSkinFold",
                          "AbSkinFold", "TricepSkinFold", "SupraSkinFold", "MidaxSkinFold",
                          "SubscapSkinFold"});
    Insert circuit(w.members, "Circuit",
                   {"EvaluationID", "Station00", "Station01", "Station02", "Station03",
                    "Station04",    "Station05", "Station06", "Station07", "Station08",
                    "Station09",    "Station10", "Station11", "Station12", "Station13",
                    "Station14",    "Station15", "Station16", "Station17", "Station18",
                    "Station19",    "Station20", "Station21", "Station22", "Station23"});
    Insert bodyComps(
        w.members, "BodyComps",
        {"MemberID",      "BodyCompDate",  "ClassIndx",       "Height",     "Weight",
         "ActivityLevel", "Method",        "FatPercent",      "Waist",      "Wrist",
         "Hip",           "ThighSkinFold", "ChestSkinFold",   "AbSkinFold", "TricepSkinFold",
         "SupraSkinFold", "MidaxSkinFold", "SubscapSkinFold", "WaterTemp",  "WetWeight",
         "TareWeight",    "Flags"});
    Insert messages(w.members, "Messages", {"MemberID", "Msg"});
    Insert chkins(w.chkin, "ChkIn",
                  {"MemberID", "Barcode", "FirstName", "LastName", "CheckIn", "ClassIndx"});
    if (std::string e = w.error(); !e.empty())
        return e;

    const long firstDay = today - options.termWeeks * 7 + 1;
    long evalId = 0;
    int bodyCompCount = 0;
    std::vector<const Person*> present;  // current members with a card, for messages
    std::vector<const Person*> arriving; // those of them not seen today, for check-ins
    std::vector<Person> people;
    people.reserve(static_cast<std::size_t>(options.members));
    for (long i = 0; i < options.members; ++i)
        people.push_back(MakePerson(rng, i, today, settings.expMonths, true));

    for (const Person& p : people) {
        if (!WritePerson(rng, p, tables.members, tables.enrollments, tables.profiles,
                         tables.classes))
            return w.error();
        const bool active = p.status != 0 && !p.expiration.IsPast();

        // A term of workouts: weekdays more than weekends; a few visits
        // without a check-out, a few members twice on one day.
        const double perWeek = active ? p.fitness * rng.real(0.4, 3.6) : 0.0;
        bool seenToday = false;
        for (long day = std::max(firstDay, DayOf(p.enrollment)); perWeek > 0 && day <= today;
             ++day) {
            const int weekday = At(day, 0).GetDayOfWeek(); // 1 Sunday
            const double share = weekday == 1 ? 0.4 : weekday == 7 ? 0.7 : 1.15;
            if (!rng.chance(perWeek / 7.0 * share))
                continue;
            const int start = rng.range(6 * 3600, 20 * 3600 + 1800);
            const bool forgot = rng.chance(0.025);
            const int minutes = forgot ? 0 : std::clamp(static_cast<int>(rng.bell(14, 96)), 8, 110);
            Visit v = MakeVisit(rng, p, day, start, minutes);
            if (day == today && v.out.m_dt > now.m_dt)
                continue; // not finished yet
            if (!WriteVisit(rng, v, center, tables.workouts, settings.details))
                return w.error();
            seenToday = seenToday || day == today;
            if (rng.chance(0.03)) {
                const int again = start + minutes * 60 + rng.range(2 * 3600, 4 * 3600);
                if (again < 22 * 3600) {
                    Visit second = MakeVisit(rng, p, day, again, rng.range(15, 50));
                    if (!(day == today && second.out.m_dt > now.m_dt) &&
                        !WriteVisit(rng, second, center, tables.workouts, settings.details))
                        return w.error();
                }
            }
        }

        // Evaluations early in the term, re-evaluations some weeks later.
        if (active && !p.classes.empty() && rng.chance(0.55)) {
            const long day = firstDay + rng.range(0, 20);
            if (day <= today) {
                if (!WriteEvaluation(rng, p, ++evalId, day, 0.0, evals, evalBodyComps, circuit))
                    return w.error();
                const long again = day + rng.range(42, 70);
                if (again <= today && rng.chance(0.4) &&
                    !WriteEvaluation(rng, p, ++evalId, again, 1.0, evals, evalBodyComps, circuit))
                    return w.error();
            }
        }
        // Body compositions: the methods take turns, so each one is there.
        if (p.status != 0 && rng.chance(0.42)) {
            const long day = std::min(today, firstDay + rng.range(0, 40));
            if (!WriteBodyComp(rng, p, day, bodyCompCount++ % 4, 0.0, bodyComps))
                return w.error();
            const long again = day + rng.range(35, 56);
            if (again <= today && rng.chance(0.3) &&
                !WriteBodyComp(rng, p, again, bodyCompCount++ % 4, 1.0, bodyComps))
                return w.error();
        }
        if (active && p.barcode != 0) {
            present.push_back(&p);
            if (!seenToday)
                arriving.push_back(&p);
        }
    }

    // A few members checked in within the last hour and a half.
    for (std::size_t k = 0; k < 6 && k * 7 < arriving.size(); ++k) {
        const Person& p = *arriving[k * 7];
        const int second = std::max(0, nowSecond - rng.range(5 * 60, 90 * 60));
        if (!chkins.row({Num(p.id), Num(p.barcode), Text(p.first, "ChkIn", "FirstName"),
                         Text(p.last, "ChkIn", "LastName"), When(At(today, second)),
                         Num(p.classes.empty() ? 99 : p.classes.front().indx)}))
            return w.error();
    }
    for (std::size_t k = 0; k < Messages.size() && k * 11 + 3 < present.size(); ++k)
        if (!messages.row({Num(present[k * 11 + 3]->id), Text(Messages[k], "Messages", "Msg")}))
            return w.error();

    for (StoreWriter* s : {&w.members, &w.center, &w.chkin})
        if (!s->commit(false))
            return s->error();

    sum.members = tables.members.rows();
    sum.classes = tables.classes.rows();
    sum.workouts = tables.workouts.rows();
    sum.evaluations = evals.rows();
    sum.bodyComps = bodyComps.rows();
    sum.checkIns = chkins.rows();
    sum.messages = messages.rows();
    return {};
}

std::string FillLarge(const std::string& folder, const LargeOptions& options, DemoSummary& sum) {
    if (options.members <= 0 || options.workouts < 0)
        return "Error: a large facility needs at least one member";
    CEFOleDateTime now;
    if (std::string e = ReadClock(now); !e.empty())
        return e;
    const long today = DayOf(now);

    FacilityEnv env(folder);
    CDAOCenter center;
    if (std::string e = ReadOkRule(center); !e.empty())
        return e;

    Rng rng(options.seed);
    Writers w(folder, true);
    if (std::string e = w.error(); !e.empty())
        return e;
    const FacilitySettings settings = ReadSettings(w.center);
    if (!WriteCatalog(w.center) || !w.center.commit(false))
        return w.error();

    MemberTables tables(w.members);
    if (std::string e = w.error(); !e.empty())
        return e;

    // Millions of rows go in faster without the table's indexes, which are
    // built again afterwards, each in one sorted pass.
    std::vector<std::string> workoutIndexes;
    if (const auto* table = db::schema::findTable("Workouts")) {
        for (const std::string& statement : db::schema::statements(Store::Members))
            for (const auto& index : table->indexes)
                if (statement.rfind("CREATE INDEX", 0) == 0 &&
                    statement.find("\"" + std::string(index.name) + "\"") != std::string::npos)
                    workoutIndexes.push_back(statement);
        for (const auto& index : table->indexes)
            if (!w.members.exec("DROP INDEX IF EXISTS \"" + std::string(index.name) + "\""))
                return w.error();
    }

    constexpr long batch = 200000; // rows per transaction
    long sinceCommit = 0;
    auto step = [&]() {
        if (++sinceCommit < batch)
            return true;
        sinceCommit = 0;
        return w.members.commit();
    };

    const long long perMember = options.workouts / options.members;
    const long long extra = options.workouts % options.members;
    for (long i = 0; i < options.members; ++i) {
        const Person p = MakePerson(rng, i, today, settings.expMonths, false);
        if (!WritePerson(rng, p, tables.members, tables.enrollments, tables.profiles,
                         tables.classes) ||
            !step())
            return w.error();
        // The member's workouts spread over the last year.
        const long long n = perMember + (i < extra ? 1 : 0);
        for (long long k = 0; k < n; ++k) {
            const long day =
                today - 1 - static_cast<long>(k * 365 / std::max(n, 1LL)) - rng.range(0, 3);
            const int minutes = rng.chance(0.02) ? 0 : rng.range(10, 100);
            Visit v = MakeVisit(rng, p, day, rng.range(6 * 3600, 21 * 3600), minutes);
            if (!WriteVisit(rng, v, center, tables.workouts, settings.details) || !step())
                return w.error();
        }
    }
    for (const std::string& statement : workoutIndexes)
        if (!w.members.exec(statement))
            return w.error();
    if (!w.members.commit(false))
        return w.error();

    sum.members = tables.members.rows();
    sum.classes = tables.classes.rows();
    sum.workouts = tables.workouts.rows();
    return {};
}

} // namespace

std::string createDemoFacility(const std::string& folder, const db::facility::Settings& settings,
                               const DemoOptions& options, DemoSummary* summary) {
    if (std::string error = db::facility::create(folder, settings); !error.empty())
        return error;
    DemoSummary sum;
    if (std::string error = FillDemo(folder, options, sum); !error.empty())
        return Fail(folder, error);
    if (summary)
        *summary = sum;
    return {};
}

std::string createLargeFacility(const std::string& folder, const db::facility::Settings& settings,
                                const LargeOptions& options, DemoSummary* summary) {
    if (options.members <= 0 || options.workouts < 0)
        return "Error: a large facility needs at least one member";
    if (std::string error = db::facility::create(folder, settings); !error.empty())
        return error;
    DemoSummary sum;
    if (std::string error = FillLarge(folder, options, sum); !error.empty())
        return Fail(folder, error);
    if (summary)
        *summary = sum;
    return {};
}

} // namespace vantora::tools
