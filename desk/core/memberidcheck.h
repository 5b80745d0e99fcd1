#pragma once
// The check behind the Member ID prompt: a number from 1 (or 0 where "no
// member" is allowed) to 999999999 that, where asked, names a member in the
// store.

class CMemberIdCheck {
public:
    static constexpr long MaxId = 999999999;
    static constexpr const char* Title = "Member ID";
    static constexpr const char* Prompt = "Enter a member ID number.";

    // False after the message when the ID is out of range or, with
    // mustExist, no member has it (an allowed 0 is never looked up).
    static bool Check(long id, bool mustExist, bool allowZero = false);
};
