#include "desk/core/reportrequest.h"

#include "db/daobodycomp.h"
#include "db/daocat.h"
#include "db/daocour.h"
#include "db/daoeval.h"
#include "db/daosec.h"
#include "db/daosmeval.h"
#include "db/daowk.h"
#include "desk/core/deskdocument.h"
#include "util/format.h"
#include "util/notice.h"

#include <string>

using vantora::notice::Icon;

namespace {

CEFOleDateTime Today() {
    CEFOleDateTime today;
    today.Current();
    today.Midnight();
    return today;
}

template <typename Set, typename Read>
std::vector<CCatalogItem> ReadCatalog(Set& set, int count, Read read) {
    std::vector<CCatalogItem> items;
    for (int i = 0; i < count && !set.IsEOF(); ++i) {
        items.push_back(read());
        set.Op(CDAOEFSet::opMoveNext);
    }
    set.Op(CDAOEFSet::opClose);
    return items;
}

} // namespace

// ---- options and choices ------------------------------------------------------

CReportOptions::CReportOptions() : from(Today()), to(Today()) {}

long CReportOptions::MemberFlags(bool withWorkouts) const {
    long flags = (includeIds ? IdColumn : 0) | status;
    if (withWorkouts && allWorkouts)
        flags |= AllWorkouts;
    return flags;
}

std::vector<CCatalogItem> CClassSelection::Categories() {
    CDAOCat set;
    return ReadCatalog(set, set.FindCategories(0L), [&] {
        return CCatalogItem{set.CatID, set.Cat};
    });
}

std::vector<CCatalogItem> CClassSelection::Courses(long catId) {
    CDAOCour set;
    if (catId == 0)
        return {};
    return ReadCatalog(set, set.FindCourses(catId, 0L), [&] {
        return CCatalogItem{set.CourID, set.Cour};
    });
}

std::vector<CCatalogItem> CClassSelection::Sections(long courId) {
    CDAOSec set;
    if (courId == 0)
        return {};
    return ReadCatalog(set, set.FindSections(courId), [&] { return CCatalogItem{0, set.Sec}; });
}

bool CClassSelection::Check(long catId) {
    if (catId != 0)
        return true;
    vantora::notice::show(MsgNoCategory, Icon::Exclamation);
    return false;
}

const char* CComparisonChoice::Prompt() const {
    return evaluations_ ? "Select two evaluations for comparison by clicking\non one date in each "
                          "box below, then select \"OK.\""
                        : "Select two body compositions for comparison by clicking\non one date "
                          "in each box below, then select \"OK.\"";
}

bool CComparisonChoice::Check(int first, int second) const {
    const char* message = nullptr;
    if (first < 0 || second < 0)
        message = evaluations_ ? "Error: select an evaluation from each list"
                               : "Error: select a body composition from each list";
    else if (first == second)
        message = evaluations_ ? "Error: select two different evaluations"
                               : "Error: select two different body compositions";
    if (message == nullptr)
        return true;
    vantora::notice::show(message, Icon::Exclamation);
    return false;
}

// ---- requests ---------------------------------------------------------------

bool CReportRequest::Queue(int code, long id, const CEFOleDateTime& date0,
                           const CEFOleDateTime& date1, const std::string& str0,
                           const std::string& str1, const std::string& str2) {
    doc_.QueueReport(code, id, date0, date1, str0, str1, str2);
    return true;
}

bool CReportRequest::RequestReport(int code) {
    long memberId = 0;
    CReportOptions options;
    std::string category, course, section;
    switch (code) {
    case CReportEngine::rptMemberProfile:
        return dialogs_.MemberId(memberId) && Queue(code, memberId);
    case CReportEngine::rptMemberCount:
    case CReportEngine::rptUnknownWorkouts:
        return Queue(code, 0);
    case CReportEngine::rptEmergencyContacts:
    case CReportEngine::rptMembershipStatus:
        return dialogs_.ShortOptions(options) && Queue(code, options.MemberFlags(false));
    case CReportEngine::rptRoster:
        return dialogs_.ClassSelection(category, course, section) &&
               dialogs_.ShortOptions(options) &&
               Queue(code, options.MemberFlags(false), {}, {}, category, course, section);
    case CReportEngine::rptDailyWorkouts:
        return DailyWorkouts();
    case CReportEngine::rptWorkoutSummaries:
    case CReportEngine::rptClassWorkouts: {
        if (code == CReportEngine::rptClassWorkouts &&
            !dialogs_.ClassSelection(category, course, section))
            return false;
        if (!dialogs_.LongOptions(options))
            return false;
        CEFOleDateTime from, to;
        if (!options.allWorkouts) {
            from = options.from;
            to = options.to;
        }
        return Queue(code, options.MemberFlags(true), from, to, category, course, section);
    }
    case CReportEngine::rptMemberWorkouts:
        return MemberWorkouts();
    case CReportEngine::rptTestResults:
    case CReportEngine::rptBodyCompInterp:
        return Interpretation(code);
    case CReportEngine::rptEvalComparison:
    case CReportEngine::rptBodyCompComparison:
        return Comparison(code);
    default:
        return false;
    }
}

bool CReportRequest::DailyWorkouts() {
    CEFOleDateTime day;
    day.Current();
    if (!dialogs_.Date(day))
        return false;
    // The whole day, from its midnight to its last second.
    CEFOleDateTime from = day, to = day;
    CDAOWk wk;
    const int count = wk.FindWks(0, from, to, CDAOWk::okAll);
    wk.Op(CDAOEFSet::opClose);
    if (count == 0) {
        vantora::notice::show(
            vantora::insert("No workouts are recorded for %1.", {day.DateStrLongYear()}));
        return false;
    }
    return Queue(CReportEngine::rptDailyWorkouts, 0, from, to);
}

bool CReportRequest::MemberWorkouts() {
    long memberId = 0;
    if (!dialogs_.MemberId(memberId))
        return false;
    const CMemberClassChoice choice(memberId);
    int row = choice.Preset();
    if (!dialogs_.MemberClass(choice, row) || !choice.Check(row))
        return false;
    const CMemberClassItem& item = choice.Items()[static_cast<std::size_t>(row)];
    return Queue(CReportEngine::rptMemberWorkouts, memberId, {}, {}, std::to_string(item.index),
                 item.text);
}

std::vector<CEFOleDateTime> CReportRequest::EvaluationDates(long memberId) {
    std::vector<CEFOleDateTime> dates;
    CDAOSmEval set;
    const int count = set.FindEvals(CDAOSmEval::idMember, memberId);
    for (int i = 0; i < count && !set.IsEOF(); ++i) {
        dates.push_back(set.EvaluationDate);
        set.Op(CDAOEFSet::opMoveNext);
    }
    set.Op(CDAOEFSet::opClose);
    return dates;
}

std::vector<CEFOleDateTime> CReportRequest::BodyCompDates(long memberId) {
    std::vector<CEFOleDateTime> dates;
    CDAOBodyComp set;
    const int count = set.FindBodyComps(memberId);
    for (int i = 0; i < count && !set.IsEOF(); ++i) {
        dates.push_back(set.BodyCompDate);
        set.Op(CDAOEFSet::opMoveNext);
    }
    set.Op(CDAOEFSet::opClose);
    return dates;
}

bool CReportRequest::Interpretation(int code) {
    long memberId = 0;
    if (!dialogs_.MemberId(memberId))
        return false;
    const bool evaluations = code == CReportEngine::rptTestResults;
    const std::vector<CEFOleDateTime> dates =
        evaluations ? EvaluationDates(memberId) : BodyCompDates(memberId);
    if (dates.empty()) {
        vantora::notice::show(
            vantora::format(evaluations ? "No evaluations are recorded for Member ID %i."
                                        : "No body compositions are recorded for Member ID %i.",
                            {memberId}));
        return false;
    }
    return Queue(code, memberId, dates.front());
}

bool CReportRequest::Comparison(int code) {
    long memberId = 0;
    if (!dialogs_.MemberId(memberId))
        return false;
    const bool evaluations = code == CReportEngine::rptEvalComparison;
    const std::vector<CEFOleDateTime> dates =
        evaluations ? EvaluationDates(memberId) : BodyCompDates(memberId);
    const char* message = nullptr;
    if (dates.empty())
        message = evaluations ? "No evaluations are recorded for Member ID %i."
                              : "No body compositions are recorded for Member ID %i.";
    else if (dates.size() == 1)
        message = evaluations ? "Only one evaluation is recorded for Member ID %i."
                              : "Only one body composition is recorded for Member ID %i.";
    if (message != nullptr) {
        vantora::notice::show(vantora::format(message, {memberId}));
        return false;
    }
    const CComparisonChoice choice(evaluations);
    int first = -1, second = -1;
    if (!dialogs_.Comparison(choice, dates, first, second) || !choice.Check(first, second))
        return false;
    return Queue(code, memberId, dates[static_cast<std::size_t>(first)],
                 dates[static_cast<std::size_t>(second)]);
}
