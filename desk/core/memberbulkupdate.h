#pragma once
// CMemberBulkUpdate: the changes the Members list applies to every member
// it lists: a new class in place of the searched one, a new enrollment, a
// message for the next check-in. Each asks first when the list is long,
// reports its progress, reports a member it could not change and goes on.

#include "desk/core/memberlistdocument.h"
#include "util/efoledatetime.h"

#include <functional>
#include <string>

class CProgress;

class CMemberBulkUpdate {
public:
    // Lists of this many rows or more ask before changing them.
    static constexpr int ConfirmRows = 16;

    struct ClassValues {
        std::string category, course, section;
        long categoryId = 0; // catalog id of the chosen category item
        unsigned char gradeStatus = 0;
        bool orientBonus = false;
        int reEvalBonuses = 0;
        int otherBonuses = 0;
        bool transfer = true; // keep the recorded data under the new class
    };
    struct EnrollValues {
        CEFOleDateTime enrollment, expiration;
        unsigned char period = 0;
        unsigned char incentiveClub = 0;
        unsigned char status = 1;
    };

    // The dialogs' starting values: the defaults record, and a new member's
    // enrollment.
    static ClassValues InitialClass();
    static EnrollValues InitialEnroll();
    // The dialogs' checks on OK; false after the message.
    static bool CheckClass(const ClassValues& v);
    static bool CheckEnroll(const EnrollValues& v);
    static bool CheckMessage(const std::string& text);

    // With `rows` of ConfirmRows or more, asks whether to go on.
    static bool Confirm(int rows);

    using Rows = std::vector<CMemberListDoc::Row>;
    // Each runs over the listed rows in list (set) order and returns the
    // number of members it could not change. `changed` is told each member
    // whose class was replaced; the rows of a class search carry the class.
    static int UpdateClass(const Rows& rows, const ClassValues& v, CProgress& progress,
                           const std::function<void(long)>& changed = {});
    static int UpdateEnroll(const Rows& rows, const EnrollValues& v, CProgress& progress);
    static int PostMessage(const Rows& rows, const std::string& text, bool replace,
                           CProgress& progress);

    static constexpr const char* MsgConfirm =
        "This operation will alter numerous records and\nmay take a significant amount of time to "
        "complete.\nDo you want to continue?";
    static constexpr const char* MsgNoCategory = "Error: select a category, course, and/or section";
    static constexpr const char* MsgExpiration =
        "Error: expiration date cannot precede enrollment date";
    static constexpr const char* MsgNoText = "Error: enter the message to post";
    static constexpr const char* WaitClass = "Updating classes, please wait...";
    static constexpr const char* WaitEnroll = "Updating enrollments, please wait...";
    static constexpr const char* WaitMessage = "Posting messages, please wait...";
    static constexpr const char* FailClass = "Failed to update class for Member ID %i";
    static constexpr const char* FailEnroll = "Failed to update enrollment for Member ID %i";
    static constexpr const char* FailMessage = "Failed to post message for Member ID %i";
};
