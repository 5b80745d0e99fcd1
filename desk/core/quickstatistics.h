#pragma once
// CQuickStatistics: the record counts of the Quick Statistics dialog, taken
// once, and its list of members who are checked in now, with the deletion
// of a stale check-in.

#include <string>
#include <vector>

class CQuickStatistics {
public:
    long MembersTotal = 0;
    long MembersPast = 0;
    long MembersCurrent() const { return MembersTotal - MembersPast; }
    long WorkoutsTotal = 0;
    long WorkoutsToday = 0;
    long EvaluationsTotal = 0;
    long BodyCompsTotal = 0;

    // One row of the checked-in list; MemberID 0 is the "None Found" row.
    struct CheckedIn {
        long MemberID = 0;
        std::string Date, Name, Minutes, Id, Barcode;
    };

    // Takes the counts.
    void Count();
    // The open check-ins, oldest first, or the one "None Found" row.
    static std::vector<CheckedIn> CheckedInRows();

    // Asks and deletes the open check-in of the member; true when one was
    // deleted. Member 0 (the placeholder row) does nothing.
    static bool DeleteCheckIn(long memberId);
    static constexpr const char* DeleteHint =
        "To delete a check-in, you must first click on the check-in,\nthen click \"Delete.\"";
};
