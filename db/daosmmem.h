#pragma once
// Members: identity and status of each member (table Members of members.mdb).

#include "daoefset.h"

#include <cstddef>
#include <string>
#include <vector>

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
    // The fields of this table in a split member line from index `at`:
    // checked and taken into the current values; false when one does not
    // parse or lies outside its column's range.
    bool TakeFields(std::vector<std::string> const& f, std::size_t at);
    // Writes them for the member: over its record when replace and it has
    // one, else as a new record; the set stays open for the next line.
    // 1 when stored.
    int StoreFields(std::vector<std::string> const& f, std::size_t at, long const& memberId,
                    bool const& replace);
    static constexpr std::size_t FieldCount = 5;

private:
    void DelCheckIns(long memberId) const;
};
