#pragma once
// Members: identity and status of each member (table Members of members.mdb).

#include "daoefset.h"

#include <istream>

class CDAOSmMem : public CDAOEFSet {
public:
    // Which key a lookup uses.
    enum id { idMember = 0, idBarcode = 1 };

    CDAOSmMem() { m_nFields = 6; }

    long MemberID = 0;
    long Barcode = 0;
    std::string FirstName;
    std::string MiddleInitial;
    std::string LastName;
    unsigned char MemberStatus = 0;

    std::string GetDefaultDBName() const override { return GetDBPath() + "members.mdb"; }
    std::string GetDefaultSQL() const override { return "[Members]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    int FindAllMembers(bool count);
    int FindAllMembersByName(bool count);
    int FindAllMembersByStatus(unsigned char const& status, bool count);
    // The other key of the first member with this key: the barcode when
    // looking up by member id, the member id by barcode; 0 when none. A
    // member without barcode thus reads as absent by member id, and barcode 0
    // (none) finds no member.
    long FindMember(int id, long const& value);
    // Searches the current result (no query) for the member and copies the
    // names and the status; false when not found.
    bool GetMember(int id, long const& value, std::string& first, std::string& middle,
                   std::string& last, unsigned char& status);
    // Past members (status 0) in the current result; the cursor ends on the first.
    int CountPast();
    static std::string GetStatusStr(unsigned char const& status);

    // Deleting a member also removes the member's open check-ins.
    void DelCurrent() override;
    int DelAll() override;

    // Restores the Members fields of an export line after its member id
    // (barcode, names, status); with replace the member's record is
    // rewritten, else a new one added.
    int Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                bool const& replace) override;
    // The same from any stream, leaving the set open for the next line.
    int RestoreFields(std::istream& in, char const& delimiter, long const& memberId,
                      bool const& replace);

private:
    void DelCheckIns(long memberId) const;
};
