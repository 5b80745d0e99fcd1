#pragma once
// Report requests: what each of the fourteen printed reports needs is asked
// through the dialogs, checked, and written as one row of the report queue,
// which the report server prints. The Reports menus, the four report buttons
// and the editors' own report buttons all come through RequestReport or,
// when they already know the member and dates, QueueReport of the document.

#include "custom/reportengine.h"
#include "desk/core/memberclasschoice.h"
#include "util/efoledatetime.h"

#include <string>
#include <vector>

class CVantoraDoc;

// The answers of the two report-options dialogs.
struct CReportOptions {
    // Membership status choices (member flags of the report engine).
    static constexpr long AllMembers = 2;
    static constexpr long CurrentMembers = 4;
    static constexpr long PastMembers = 8;
    static constexpr long IdColumn = 1;
    static constexpr long AllWorkouts = 16;

    bool includeIds = true;
    long status = AllMembers;
    bool allWorkouts = true; // long dialog only
    CEFOleDateTime from;     // the range when not all workouts; today at first
    CEFOleDateTime to;

    CReportOptions();
    // The member flags the request carries; withWorkouts for the long dialog.
    long MemberFlags(bool withWorkouts) const;
};

// One entry of the category, course or section list of the selection dialog.
struct CCatalogItem {
    long id = 0;
    std::string text;
};

// The catalog lists of the category/course/section selection.
class CClassSelection {
public:
    static constexpr const char* Prompt = "Select a category, course, and/or section.";
    static constexpr const char* MsgNoCategory = "Error: select a category, course, and/or section";

    static std::vector<CCatalogItem> Categories();
    static std::vector<CCatalogItem> Courses(long catId);
    static std::vector<CCatalogItem> Sections(long courId);
    // A category with a catalog id is required; false after the message.
    static bool Check(long catId);
};

// The two-list choice of the comparison reports.
class CComparisonChoice {
public:
    // Evaluations (true) or body compositions.
    explicit CComparisonChoice(bool evaluations) : evaluations_(evaluations) {}
    const char* Prompt() const;
    // Both lists need a selection, and not the same row; false after the message.
    bool Check(int first, int second) const;

private:
    bool evaluations_;
};

// What the request dialogs answer; false from any of them means cancelled.
class CReportDialogs {
public:
    virtual ~CReportDialogs() = default;
    // The Member ID prompt that insists on an existing member.
    virtual bool MemberId(long& memberId) = 0;
    virtual bool ShortOptions(CReportOptions& options) = 0;
    virtual bool LongOptions(CReportOptions& options) = 0;
    virtual bool ClassSelection(std::string& category, std::string& course,
                                std::string& section) = 0;
    // "Enter or select a date."
    virtual bool Date(CEFOleDateTime& date) = 0;
    virtual bool MemberClass(const CMemberClassChoice& choice, int& row) = 0;
    // Two rows of `dates`, checked with `choice`.
    virtual bool Comparison(const CComparisonChoice& choice,
                            const std::vector<CEFOleDateTime>& dates, int& first, int& second) = 0;
};

class CReportRequest {
public:
    // The report codes are the report engine's kinds.
    using report = CReportEngine::report;

    CReportRequest(CVantoraDoc& doc, CReportDialogs& dialogs) : doc_(doc), dialogs_(dialogs) {}

    // Asks what the report needs and queues it; false when the user cancelled,
    // a check failed (its message shown) or the code is unknown.
    bool RequestReport(int code);

    // The dates of a member's evaluations or body compositions, newest first.
    static std::vector<CEFOleDateTime> EvaluationDates(long memberId);
    static std::vector<CEFOleDateTime> BodyCompDates(long memberId);

private:
    bool Queue(int code, long id, const CEFOleDateTime& date0 = {},
               const CEFOleDateTime& date1 = {}, const std::string& str0 = {},
               const std::string& str1 = {}, const std::string& str2 = {});
    bool DailyWorkouts();
    bool MemberWorkouts();
    bool Interpretation(int code);
    bool Comparison(int code);

    CVantoraDoc& doc_;
    CReportDialogs& dialogs_;
};
