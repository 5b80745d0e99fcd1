#pragma once
// CDAOMsg: messages for members of members.mdb, shown once at the member's
// next check-in.

#include "daoefset.h"

class CDAOMsg : public CDAOEFSet {
public:
    CDAOMsg() { m_nFields = 2; }

    long MemberID = 0;
    std::string Msg;

    std::string GetDefaultDBName() const override { return GetDBPath() + "members.mdb"; }
    std::string GetDefaultSQL() const override { return "[Messages]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    // The member's messages; returns how many.
    int FindMessages(long const& memberId);
};
