#pragma once
// CMemberDeletion: deleting one member. Find reads what the confirmation
// dialog shows (name, ID, status, expiration and how much recorded data
// goes along); Delete removes every record of the member as one unit.

#include "desk/core/memberrecords.h"

#include <string>

class CMemberDeletion {
public:
    // False when no member has the ID. An empty expiration text is
    // replaced by the member's expiration date (long-year text).
    bool Find(long memberId, const std::string& expiration);

    long MemberID() const { return id_; }
    // First name, middle initial and last name joined by single spaces.
    const std::string& Name() const { return name_; }
    const std::string& Status() const { return status_; }
    const std::string& Expiration() const { return expiration_; }
    const CMemberRecords::Counts& Counts() const { return counts_; }
    // "With the member go 3 workouts, 1 evaluation and 0 body compositions."
    std::string DataLine() const;

    bool Delete() const { return CMemberRecords::Delete(id_); }

    static constexpr const char* Title = "Delete Member -  Confirmation";
    static constexpr const char* Question = "Are you sure you want to delete this member?";

private:
    long id_ = 0;
    std::string name_, status_, expiration_;
    CMemberRecords::Counts counts_;
};
