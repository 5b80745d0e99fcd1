#pragma once
// Whether the member ids met in a restore file are members of this
// facility, asking the store once per id. A member without a workout
// number is still a member.

#include "daosmmem.h"

#include <unordered_map>

class CMemberCache {
public:
    bool Exists(long id);
    // Whether the last lookup could not be made (reported): the answer
    // of Exists then means nothing.
    bool Failed() const { return failed_; }

private:
    CDAOSmMem members_;
    std::unordered_map<long, bool> known_;
    bool failed_ = false;
};
