#include "db/sqldialect.h"

#include <gtest/gtest.h>

using namespace vantora::db::dialect;

namespace {
const std::set<std::string> Params = {"lParam0", "strParam0", "datetimeParam1", "strDAOMemParam3"};
}

TEST(SqlDialect, ParametersBecomePlaceholdersInOrderOfUse) {
    const Expression e =
        translate("MemberID = lParam0 AND CheckIn >= datetimeParam1 AND Barcode = lParam0", Params);
    EXPECT_EQ(e.error, "");
    EXPECT_EQ(e.sql, "MemberID = ? AND CheckIn >= ? AND Barcode = ?");
    EXPECT_EQ(e.params, (std::vector<std::string>{"lParam0", "datetimeParam1", "lParam0"}));
}

TEST(SqlDialect, ParameterNamesMatchWholeWordsIgnoringCaseButNotAfterADot) {
    const Expression e =
        translate("Phone = STRDAOMEMPARAM3 AND lParam0x = 1 AND Members.lParam0 = 2", Params);
    EXPECT_EQ(e.error, "");
    EXPECT_EQ(e.sql, "Phone = ? AND lParam0x = 1 AND Members.lParam0 = 2");
    EXPECT_EQ(e.params, (std::vector<std::string>{"strDAOMemParam3"}));
}

TEST(SqlDialect, AnUndeclaredParameterIsAnError) {
    const Expression e = translate("MemberID = lParam7", Params);
    EXPECT_EQ(e.error, "Error: the query names the parameter \"lParam7\", which is not declared");
    EXPECT_TRUE(translate("ClassIndx = byteParam0", Params).error.size() > 0);
}

TEST(SqlDialect, IntegerDivisionModAndBrackets) {
    const Expression e =
        translate("((Goals\\128) mod 2 = 1) AND [Members].[Last Name] = 'x' ORDER", Params);
    EXPECT_EQ(e.error, "");
    EXPECT_EQ(e.sql, "((Goals/128) % 2 = 1) AND \"Members\".\"Last Name\" = 'x' ORDER");
    EXPECT_EQ(translate("Model MOD 3", Params).sql, "Model % 3");
}

TEST(SqlDialect, TextLiteralsAreKeptAsTheyAre) {
    EXPECT_EQ(translate("Name = 'lParam0 mod [x]\\2'", Params).sql, "Name = 'lParam0 mod [x]\\2'");
    EXPECT_EQ(translate("Name = 'O''Brien'", Params).sql, "Name = 'O''Brien'");
    // The original dialect also quotes text with double quotes.
    EXPECT_EQ(translate("Name = \"O'Brien\"", Params).sql, "Name = 'O''Brien'");
    EXPECT_FALSE(translate("Name = 'open", Params).error.empty());
    EXPECT_FALSE(translate("[Members.Name = 1", Params).error.empty());
}

TEST(SqlDialect, SortsTranslateLikeFilters) {
    EXPECT_EQ(translate("CheckIn DESC", Params).sql, "CheckIn DESC");
    EXPECT_EQ(translate("[Members].[LastName], MemberID", Params).sql,
              "\"Members\".\"LastName\", MemberID");
    EXPECT_EQ(translate("", Params).sql, "");
}

TEST(SqlDialect, TablesOfADefaultSql) {
    EXPECT_EQ(tables("[Workouts]"), (std::vector<std::string>{"Workouts"}));
    EXPECT_EQ(tables("[Enrollments],[Members], [Profiles]"),
              (std::vector<std::string>{"Enrollments", "Members", "Profiles"}));
    EXPECT_EQ(tables("Workouts"), (std::vector<std::string>{"Workouts"}));
    EXPECT_TRUE(tables("SELECT * FROM Workouts").empty());
    EXPECT_TRUE(tables("[Workouts").empty());
    EXPECT_TRUE(tables("").empty());
}

TEST(SqlDialect, ColumnsSplitAndQuote) {
    const ColumnName c = splitColumn("[Members].[MemberID]");
    EXPECT_EQ(c.table, "Members");
    EXPECT_EQ(c.column, "MemberID");
    EXPECT_EQ(splitColumn("Barcode").table, "");
    EXPECT_EQ(splitColumn("[Barcode]").column, "Barcode");
    EXPECT_EQ(splitColumn("[A.B].[C]").table, "A.B");
    EXPECT_EQ(reference({"Members", "Member\"ID"}), "\"Members\".\"Member\"\"ID\"");
    EXPECT_EQ(select("a", "\"T\"", "(x = ?)", "a DESC", 5),
              "SELECT a FROM \"T\" WHERE (x = ?) ORDER BY a DESC LIMIT 5");
    EXPECT_EQ(select("a", "\"T\"", "", "", 0), "SELECT a FROM \"T\"");
}

TEST(SqlDialect, TextComparisonsAndSortsIgnoreCase) {
    const Expression e =
        translate("Name = strParam0 AND MemberID = lParam0", Params, {"strParam0"});
    EXPECT_EQ(e.sql, "Name = ? COLLATE NOCASE AND MemberID = ?");
    const auto isText = [](const ColumnName& c) {
        return c.column == "LastName" || c.column == "Last Name";
    };
    EXPECT_EQ(caselessSort("LastName", isText), "LastName COLLATE NOCASE");
    EXPECT_EQ(caselessSort("Members.LastName DESC, MemberID", isText),
              "Members.LastName COLLATE NOCASE DESC, MemberID");
    EXPECT_EQ(caselessSort("[Members].[Last Name] asc", isText),
              "[Members].[Last Name] COLLATE NOCASE asc");
    EXPECT_EQ(caselessSort("CheckIn DESC", isText), "CheckIn DESC");
    EXPECT_EQ(caselessSort("", isText), "");
    EXPECT_EQ(caselessSort("lower(LastName)", isText), "lower(LastName)");
}
