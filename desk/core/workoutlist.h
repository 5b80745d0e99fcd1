#pragma once
// CWorkoutList: the Workouts list without its window: the workouts of one
// member (all classes or one) or those a Find Workouts search chose, each
// row with the member's name, the times, the minutes and the option values.
// CFindWorkoutsCriteria: the Find Workouts dialog's choices and checks.

#include "desk/core/recordlist.h"

#include "db/daowk.h"
#include "util/efoledatetime.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

struct CFindWorkoutsCriteria {
    enum field { fldFrom, fldTo, fldMember };

    int Okay = CDAOWk::okAll; // -1 all, 1 okay, 0 not okay
    CEFOleDateTime From;
    CEFOleDateTime To;
    bool OneMember = false;
    long MemberID = 0;
    int Focus = -1;

    // The dates, the order of the range and the member; false after the message.
    bool Validate();
    // "Workouts for [Member ID %i - ]<date or range>".
    std::string Title() const;

    static constexpr const char* MsgOrder =
        "Error: second date must be later than or equal to first date";
    static constexpr const char* MsgNone =
        "No workouts are recorded for the specified search criteria";
};

class CWorkoutList : public CRecordList {
public:
    enum image { imgNotOkay, imgOkay };
    enum bit {
        bitName = 1,
        bitId = 2,
        bitDate = 4,
        bitIn = 8,
        bitOut = 16,
        bitMin = 32,
        bitOptions = 64,
        bitPrintMark = 128
    };

    explicit CWorkoutList(std::vector<std::string> stationNames);

    // The member's workouts in one class, or in all (CDAOWk::ClassAll).
    int QueryMember(long memberId, unsigned char classIndx, const std::string& classText) override;
    // The workouts the criteria choose (the dates move to whole days).
    int QueryFound(CFindWorkoutsCriteria& criteria);

    std::vector<CListColumn> Columns() const override;
    int Refill() override;
    int Count() const override { return static_cast<int>(rows_.size()); }
    std::string Cell(int row, int column) const override;
    int Image(int row) const override;
    CDAOWk& Set() override { return set_; }

    std::string CountLabel() const override { return "Total Workouts Listed:"; }
    std::string EditHint() const override;
    std::string DeleteHint() const override;
    std::string NoFurtherRecords() const override {
        return "No further workout records are available.";
    }
    static constexpr const char* LegendNotOkay = "Workout flagged as \"not OK\"";
    static constexpr const char* LegendOkay = "Workout flagged as \"OK\"";

protected:
    const char* MemberTitlePattern() const override { return "Workouts for Member ID %i, "; }
    const char* NoneForMemberPattern() const override {
        return "No workouts are recorded for Member ID %i under ";
    }

private:
    // Rows for the `found` workouts of the set's last query, each read when shown.
    int Fill(int found);
    struct Row {
        long MemberID;
        bool Okay;
        CEFOleDateTime CheckIn;
        CEFOleDateTime CheckOut;
        int Minutes;
        std::array<short, CDAOWk::StationCount> Values;
    };
    // A row is read when it is first shown, so a long list shows at once.
    const Row& RowAt(int row) const;

    mutable CDAOWk set_;
    std::vector<std::string> stationNames_;
    mutable std::vector<std::optional<Row>> rows_;
};
