#include "util/format.h"

#include <gtest/gtest.h>

using vantora::format;
using vantora::insert;

TEST(Format, PrintfConversionsMatchTheCLibrary) {
    EXPECT_EQ(format("%i", {-5}), "-5");
    EXPECT_EQ(format("%.2f", {18.456}), "18.46");
    EXPECT_EQ(format("%.4d", {42}), "0042");
    EXPECT_EQ(format("%6i|", {7}), "     7|");
    EXPECT_EQ(format("%6.2f", {-3.14159}), " -3.14");
    EXPECT_EQ(format("%05.2f", {3.14159}), "03.14");
    EXPECT_EQ(format("%2i AM: %7i ", {9, 1234}), " 9 AM:    1234 ");
    EXPECT_EQ(format("%s and %s", {"this", std::string("that")}), "this and that");
    EXPECT_EQ(format("100%% sure"), "100% sure");
}

TEST(Format, NumbersOfTheOtherKindAreConverted) {
    EXPECT_EQ(format("%i", {3.99}), "3");
    EXPECT_EQ(format("%.1f", {2}), "2.0");
    EXPECT_EQ(format("%i", {static_cast<unsigned char>(200)}), "200");
    EXPECT_EQ(format("%i", {static_cast<short>(-1)}), "-1");
}

TEST(Format, MissingArgumentsLeaveTheConversionEmpty) {
    EXPECT_EQ(format("a%ib%.2fc%sd", {1}), "a1bcd");
    EXPECT_EQ(format("%i %i", {}), " ");
    EXPECT_EQ(format("trailing %"), "trailing %");
    EXPECT_EQ(format("%q stays"), "%q stays");
}

TEST(Format, PositionalInserts) {
    EXPECT_EQ(insert("%1mem%2.dat", {"/backup/", "1205"}), "/backup/mem1205.dat");
    EXPECT_EQ(insert("%2 before %1", {"one", "two"}), "two before one");
    EXPECT_EQ(insert("%1 %1", {"x"}), "x x");
    EXPECT_EQ(insert("count %1", {12}), "count 12");
    EXPECT_EQ(insert("no inserts 50%"), "no inserts 50%");
}

TEST(Format, PositionalInsertsBeyondTheArgumentsAreEmpty) {
    EXPECT_EQ(insert("%1 %2 %3", {"a"}), "a  ");
    EXPECT_EQ(insert("%9", {}), "");
    // An inserted text is never scanned again for patterns.
    EXPECT_EQ(insert("%1", {"%2"}), "%2");
}
