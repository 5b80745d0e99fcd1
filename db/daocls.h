#pragma once
// The classes of the members (table Classes of members.mdb): each record
// gives one member's class slot with the category, course and section copied
// as text, the grade status and the bonuses earned. A class record is also
// the class part of a member export line.

#include "daoefset.h"

#include <cstddef>
#include <string>
#include <vector>

#include <istream>

class CDAOCls : public CDAOEFSet {
public:
    CDAOCls() { m_nFields = 9; }

    // Class slots are 0..98; these two are shown by name.
    static constexpr unsigned char UnknownClass = 99;
    static constexpr unsigned char AllClasses = 101;

    long MemberID = 0;
    unsigned char ClassIndx = 0;
    std::string Category;
    std::string Course;
    std::string Section;
    unsigned char GradeStatus = 0;
    short OrientationBonus = 0;
    short ReEvaluationBonus = 0;
    short OtherBonus = 0;

    std::string GetDefaultDBName() const override { return GetDBPath() + "members.mdb"; }
    std::string GetDefaultSQL() const override { return "[Classes]"; }
    void DoFieldExchange(CDAOFieldExchange& fx) override;

    // A member's classes by index (memberId 0: every class, by member).
    int FindClasses(long const& memberId);
    int FindClasses(long const& memberId, unsigned char const& classIndx);
    // By member and texts; an empty category adds no class condition, an
    // empty course or section adds none for that text.
    int FindClasses(long const& memberId, char const* category, char const* course,
                    char const* section);

    // Walk the current result from its first record and stop on a match.
    bool IsClassRecord(char const* category, char const* course, char const* section);
    bool IsClassRecord(unsigned char const& classIndx);
    bool IsMemberRecord(long const& memberId);
    // Records of the current result whose first one, two or three texts
    // equal the arguments; 0 for an empty category.
    int CountClass(char const* category);
    int CountClass(char const* category, char const* course);
    int CountClass(char const* category, char const* course, char const* section);

    // The non-empty texts of the current record joined by spaces; 1 when
    // out is not empty.
    int BuildClassString(std::string& out) const;
    // "- Unknown -" for 99, "- All Classes -" for 101, else empty; 1 when
    // out is not empty.
    static int GetClassIndexString(unsigned char const& classIndx, std::string& out);

    // A free class index for the member: wanted when free, else the lowest
    // free slot, else the unassigned class 99.
    unsigned char GenerateIndex(long const& memberId, unsigned char const& wanted) const;

    // Writes the current class as eight delimited fields (no delimiter after
    // the last).
    void Save(CText* text) const override;
    // Restores the class records that follow the member fields of an export
    // line, up to and including its newline; returns the classes stored.
    int Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                bool const& keepExisting) override;
    // The class records of a split member line: `count` records of eight
    // fields from index `at`. Checks them all (a parse or range failure, or
    // more classes than a member can have, fails the lot) and, with store,
    // writes them for the member: a record whose texts the member already
    // has rewrites that class unless keepExisting, others are added under a
    // free index. Returns the classes stored, -1 when a check or a write
    // failed.
    int RestoreClassRecords(std::vector<std::string> const& f, std::size_t at, std::size_t count,
                            long const& memberId, bool const& keepExisting, bool store = true);
    static constexpr std::size_t FieldCount = 8;
    // Class indexes 0..98 are a member's own.
    static constexpr std::size_t MaxClasses = UnknownClass;

    // Text as it may stand in an export field: the delimiter and line breaks,
    // which would split the field or the line, become spaces.
    static std::string ExportText(std::string const& text, char delimiter);
    // Text cut to the character limit of a column of the Members store.
    static std::string FitColumn(std::string const& text, const char* table, const char* column);

private:
    int CountMatching(char const* category, char const* course, char const* section, int parts);
};
