#pragma once
// The one place that translates the original query dialect of the table
// classes into SQLite's: bracketed names ("[Members].[LastName]"), double-
// quoted text literals, the integer division operator '\', the 'mod'
// operator, parameter names (bound, never formatted into the text) and a
// top-N limit.

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace vantora::db::dialect {

// A column as written in a binding, split: "[Members].[MemberID]" gives
// table "Members" and column "MemberID"; "Barcode" gives an empty table.
struct ColumnName {
    std::string table;
    std::string column;
};
ColumnName splitColumn(const std::string& name);

// A translated filter or sort: SQLite text with one '?' per parameter use,
// and the parameter names in the order of their '?'.
struct Expression {
    std::string sql;
    std::vector<std::string> params;
    // Set when the text cannot be translated (an unknown parameter, an
    // unclosed bracket or quote); the text is then unusable.
    std::string error;
};

// Translates a filter or sort. `params` are the names bound by the set;
// they match whole words, ignoring case, and never after a '.'. A word that
// looks like a parameter ("...Param<digits>") but is not bound is an error.
// Comparisons with the `caseless` parameters (the text ones) ignore case,
// as text comparisons of the original engine do.
Expression translate(const std::string& text, const std::set<std::string>& params,
                     const std::set<std::string>& caseless = {});

// A sort whose terms that name a text column sort without regard to case,
// as the original engine sorts: "LastName DESC, MemberID" gives
// "LastName COLLATE NOCASE DESC, MemberID" when isText(LastName).
std::string caselessSort(const std::string& sort,
                         const std::function<bool(const ColumnName&)>& isText);

// The tables of a default SQL: "[Enrollments],[Members]" gives
// {"Enrollments", "Members"}. Empty when the text is not such a list.
std::vector<std::string> tables(const std::string& defaultSql);

// A name quoted for SQLite: "Members" gives "\"Members\"".
std::string quote(const std::string& name);
// A column reference: table and column quoted and joined by '.'.
std::string reference(const ColumnName& name);

// SELECT <columns> FROM <from> [WHERE <where>] [ORDER BY <orderBy>] [LIMIT n];
// limit 0 means none.
std::string select(const std::string& columns, const std::string& from, const std::string& where,
                   const std::string& orderBy, long limit);

} // namespace vantora::db::dialect
