#include "support/testsupport.h"
#include "util/efoledatetime.h"
#include "util/text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using vantora::test::readFile;
using vantora::test::TempDir;

namespace {

// Runs the writer over a fresh file and returns what reached it.
template <typename Fn> std::string Written(Fn&& write) {
    TempDir dir;
    const std::string path = dir.file("out.txt");
    {
        std::ofstream out(path);
        write(out);
    }
    return readFile(path);
}

} // namespace

TEST(DelimitedText, EachOverloadFormatsItsValue) {
    const std::string text = Written([](std::ofstream& out) {
        CText t(&out, '|');
        t.put(-5, true);
        t.put(static_cast<unsigned char>(200), false);
        t.putdelimiter();
        t.put(static_cast<short>(-1), false);
        t.putdelimiter();
        t.put(2147483647L, true);
        t.put(18.456, false);
        t.putdelimiter();
        t.put(1e6, true);
        t.put(-0.5, true);
        t.put(0.015, true); // printf rounding of the binary value
        t.put("", true);
        t.put("Ana O'Neil, Zürich", false);
    });
    EXPECT_EQ("-5|200|-1|2147483647|18.46|1000000.00|-0.50|0.01||Ana O'Neil, Zürich", text);
}

TEST(DelimitedText, DatesUseTheExportForm) {
    CEFOleDateTime when(2005, 7, 5, 9, 3, 7);
    CEFOleDateTime none;
    none.SetStatus(COleDateTime::null);
    CEFOleDateTime bad;
    bad.SetDateTime(2005, 2, 30, 0, 0, 0);
    const std::string text = Written([&](std::ofstream& out) {
        CText t(&out, '|');
        t.put(when, true);
        t.put(none, true);
        t.put(bad, false);
        t.put("\n", false);
    });
    EXPECT_EQ("07/05/2005 09:03:07||Invalid DateTime\n", text);
}

TEST(DelimitedText, RecordReadsBackFieldByField) {
    TempDir dir;
    const std::string path = dir.file("rec.dat");
    {
        std::ofstream out(path);
        CText t(&out, '|');
        EXPECT_EQ('|', t.GetDelimiter());
        for (int i = 0; i < 2; ++i) {
            t.put(1000L + i, true);
            t.put("Lee", true);
            t.put(CEFOleDateTime(1990, 12, 31, 0, 0, 0), true);
            t.put(72.25, false);
            t.put("\n", false);
        }
        t.SetDelimiter(';');
        t.put(7, false);
        t.putdelimiter();
    }
    std::ifstream in(path);
    std::string line;
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(std::getline(in, line));
        std::istringstream fields(line);
        std::string id, name, date, weight;
        std::getline(fields, id, '|');
        std::getline(fields, name, '|');
        std::getline(fields, date, '|');
        std::getline(fields, weight);
        EXPECT_EQ(std::to_string(1000 + i), id);
        EXPECT_EQ("Lee", name);
        EXPECT_DOUBLE_EQ(double(CEFOleDateTime(1990, 12, 31, 0, 0, 0)),
                         double(CEFOleDateTime::ParseLongYear(date)));
        EXPECT_EQ("72.25", weight);
    }
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ("7;", line);
}

TEST(ScriptWriter, DeclaresOneVariablePerLine) {
    const std::string text = Written([](std::ofstream& out) {
        CJavaScript js(&out);
        js.var("pctfat", 18.456);
        js.var("fatcat", "OPTIMAL");
        js.var("x", 0);
        js.var("n", -12);
        js.var("q", "say \"hi\"");
    });
    EXPECT_EQ("var pctfat=18.46;\n"
              "var fatcat=\"OPTIMAL\";\n"
              "var x=0;\n"
              "var n=-12;\n"
              "var q=\"say \"hi\"\";\n",
              text);
}
