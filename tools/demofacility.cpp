#include "tools/demofacility.h"

#include "db/connection.h"

#include "db/batchscope.h"
#include "db/daocenter.h"
#include "db/daochkin.h"
#include "db/daomsg.h"
#include "db/settingsrecord.h"
#include "tools/demo/daynumbers.h"
#include "tools/demo/measurements.h"
#include "tools/demo/people.h"
#include "tools/demo/randomvalues.h"
#include "tools/demo/sampledata.h"
#include "tools/demo/storesets.h"
#include "tools/demo/tableindexes.h"
#include "tools/demo/visits.h"
#include "util/efoledatetime.h"
#include "util/notice.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vantora::tools {

namespace {

using namespace vantora::tools::demo;

std::string Fail(const std::string& stores, std::string error) {
    db::facility::remove(stores);
    return error;
}

// The system clock's date and time, or why it cannot be used.
std::string ReadClock(CEFOleDateTime& now) {
    now.Current();
    return now.GetStatus() == COleDateTime::valid ? std::string()
                                                  : CEFOleDateTime::MsgInvalidSystem;
}

constexpr const char* MsgNoSettings = "Error: the new facility has no settings record";

// A demo centre has an address for the kiosk's welcome box and the reports.
void SetDemoAddress(CDAOCenter& center) {
    center.Addr0 = Text("1200 Olentangy River Road", "Center", "Addr0");
    center.City = Text("Columbus", "Center", "City");
    center.St = Text("OH", "Center", "St");
    center.Zip = Text("43212", "Center", "Zip");
    center.Phone = Text("(614) 555-0100", "Center", "Phone");
    center.Email = Text("desk@riverside.example.org", "Center", "Email");
    center.Web = Text("riverside.example.org", "Center", "Web");
}

// What both generators start from: the centre's record (the workout
// minimums for the OK rule stay in the set after it closes), given the demo
// address when asked, the facility's settings, and the demo catalog.
bool Prepare(CDAOCenter& center, bool demoAddress, FacilitySettings& facility) {
    const bool hasCenter =
        demoAddress ? settings::EditRecord(center, SetDemoAddress) : settings::ReadRecord(center);
    center.Op(CDAOEFSet::opClose);
    if (!hasCenter) {
        notice::show(MsgNoSettings);
        return false;
    }
    facility = ReadSettings();
    return WriteCatalog();
}

bool FillDemo(const DemoOptions& options, const CEFOleDateTime& now, DemoSummary& sum) {
    const long today = DayOf(now);
    const int nowSecond = now.GetHour() * 3600 + now.GetMinute() * 60 + now.GetSecond();

    CDAOCenter center;
    FacilitySettings settings;
    if (!Prepare(center, true, settings))
        return false;

    Rng rng(options.seed);
    MemberSets sets;
    EvaluationSets evaluations;
    NewRows<CDAOBodyComp> bodyComps;
    NewRows<CDAOMsg> messages;
    NewRows<CDAOChkIn> chkins;
    CBatchScope memberBatch(sets.members.set());
    CBatchScope chkinBatch(chkins.set());

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
        if (!WritePerson(rng, p, sets))
            return false;
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
            if (!WriteVisit(rng, v, center, sets.workouts, settings.details))
                return false;
            seenToday = seenToday || day == today;
            if (rng.chance(0.03)) {
                const int again = start + minutes * 60 + rng.range(2 * 3600, 4 * 3600);
                if (again < 22 * 3600) {
                    Visit second = MakeVisit(rng, p, day, again, rng.range(15, 50));
                    if (!(day == today && second.out.m_dt > now.m_dt) &&
                        !WriteVisit(rng, second, center, sets.workouts, settings.details))
                        return false;
                }
            }
        }

        // Evaluations early in the term, re-evaluations some weeks later.
        if (active && !p.classes.empty() && rng.chance(0.55)) {
            const long day = firstDay + rng.range(0, 20);
            if (day <= today) {
                if (!WriteEvaluation(rng, p, ++evalId, day, 0.0, evaluations))
                    return false;
                const long again = day + rng.range(42, 70);
                if (again <= today && rng.chance(0.4) &&
                    !WriteEvaluation(rng, p, ++evalId, again, 1.0, evaluations))
                    return false;
            }
        }
        // Body compositions: the methods take turns, so each one is there.
        if (p.status != 0 && rng.chance(0.42)) {
            const long day = std::min(today, firstDay + rng.range(0, 40));
            if (!WriteBodyComp(rng, p, day, bodyCompCount++ % 4, 0.0, bodyComps))
                return false;
            const long again = day + rng.range(35, 56);
            if (again <= today && rng.chance(0.3) &&
                !WriteBodyComp(rng, p, again, bodyCompCount++ % 4, 1.0, bodyComps))
                return false;
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
        CDAOChkIn& c = chkins.next();
        c.MemberID = p.id;
        c.Barcode = p.barcode;
        c.FirstName = Text(p.first, "ChkIn", "FirstName");
        c.LastName = Text(p.last, "ChkIn", "LastName");
        c.CheckIn = At(today, second);
        c.ClassIndx = p.classes.empty() ? CDAOCls::UnknownClass : p.classes.front().indx;
        if (!chkins.add())
            return false;
    }
    for (std::size_t k = 0; k < Messages.size() && k * 11 + 3 < present.size(); ++k) {
        CDAOMsg& m = messages.next();
        m.MemberID = present[k * 11 + 3]->id;
        m.Msg = Text(Messages[k], "Messages", "Msg");
        if (!messages.add())
            return false;
    }
    const bool membersWritten = memberBatch.Finish();
    if (!chkinBatch.Finish() || !membersWritten)
        return false;

    sum.members = sets.members.rows();
    sum.classes = sets.classes.rows();
    sum.workouts = sets.workouts.rows();
    sum.evaluations = evaluations.evals.rows();
    sum.bodyComps = bodyComps.rows();
    sum.checkIns = chkins.rows();
    sum.messages = messages.rows();
    return true;
}

bool FillLarge(const LargeOptions& options, const CEFOleDateTime& now, DemoSummary& sum) {
    const long today = DayOf(now);

    CDAOCenter center;
    FacilitySettings settings;
    if (!Prepare(center, false, settings))
        return false;

    Rng rng(options.seed);
    MemberSets sets;
    IndexesSetAside indexes(sets.workouts.set(), "Workouts");
    // A generated file is made again rather than repaired: it fills without
    // waiting for the disk, with a large page cache.
    const auto store = vantora::db::openStore(sets.workouts.set().GetDefaultDBName());
    const bool fast = store && !store->onServer() &&
                      store->exec(QStringLiteral("PRAGMA synchronous = OFF")) &&
                      store->exec(QStringLiteral("PRAGMA cache_size = -262144"));
    CBatchScope batch(sets.members.set());
    const long long perMember = options.workouts / options.members;
    const long long extra = options.workouts % options.members;
    for (long i = 0; i < options.members; ++i) {
        const Person p = MakePerson(rng, i, today, settings.expMonths, false);
        if (!WritePerson(rng, p, sets))
            return false;
        // The member's workouts spread over the last year.
        const long long n = perMember + (i < extra ? 1 : 0);
        for (long long k = 0; k < n; ++k) {
            const long day =
                today - 1 - static_cast<long>(k * 365 / std::max(n, 1LL)) - rng.range(0, 3);
            const int minutes = rng.chance(0.02) ? 0 : rng.range(10, 100);
            Visit v = MakeVisit(rng, p, day, rng.range(6 * 3600, 21 * 3600), minutes);
            if (!WriteVisit(rng, v, center, sets.workouts, settings.details))
                return false;
        }
    }
    const bool filled = batch.Finish() && indexes.Rebuild();
    if (fast)
        store->exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    if (!filled)
        return false;

    sum.members = sets.members.rows();
    sum.classes = sets.classes.rows();
    sum.workouts = sets.workouts.rows();
    return true;
}

// Fills the new facility with one of the generators; the error reported
// on the way when it fails (the clock's, or the first of the store layer).
template <class Fill> std::string FillFacility(const std::string& stores, Fill fill) {
    CEFOleDateTime now;
    if (std::string e = ReadClock(now); !e.empty())
        return e;
    FillScope scope(stores);
    const bool filled = fill(now);
    if (std::string e = scope.error(); !e.empty())
        return e;
    return filled ? std::string() : "Error: the new facility could not be filled";
}

} // namespace

std::string createDemoFacility(const std::string& folder, const db::facility::Settings& settings,
                               const DemoOptions& options, DemoSummary* summary) {
    if (std::string error = db::facility::create(folder, settings); !error.empty())
        return error;
    DemoSummary sum;
    if (std::string error = FillFacility(
            folder, [&](const CEFOleDateTime& now) { return FillDemo(options, now, sum); });
        !error.empty())
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
    if (std::string error = FillFacility(
            folder, [&](const CEFOleDateTime& now) { return FillLarge(options, now, sum); });
        !error.empty())
        return Fail(folder, error);
    if (summary)
        *summary = sum;
    return {};
}

} // namespace vantora::tools
