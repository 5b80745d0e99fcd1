// Merge letters, mailing labels and printed lists drawn on the recording
// device: their texts and positions, pages and sheets; the letter template
// files; a printout that goes to a PDF in the print folder.

#include "desk/core/listprinting.h"
#include "desk/core/mailinglabels.h"
#include "desk/core/memberlistdocument.h"
#include "desk/core/mergeletter.h"
#include "desk/core/postaladdress.h"
#include "desk/core/progress.h"

#include "../custom/guiapp.h"
#include "custom/reportdc.h"
#include "db/daomem.h"
#include "support/facility.h"
#include "support/memberdata.h"
#include "support/recordingdevice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

using namespace vantora;
using namespace vantora::test;

namespace {

constexpr int kDpi = 600;

struct Canvas {
    explicit Canvas(const QFont& font) {
        ensureGuiApp();
        painter = std::make_unique<QPainter>(&device);
        dc = std::make_unique<CReportDC>(*painter, [this] { return device.NewPage(); });
        dc->SelectFont(font);
    }
    int Y(const std::string& text) const {
        const auto* item = device.Find(text);
        return item ? item->y : -1;
    }
    CRecordingDevice device;
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<CReportDC> dc;
};

CPostalAddress Ann() {
    return {"Ann", "Lee", "12 Oak Street", "Springfield", "IL", "62701"};
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A facility whose members 1.. n have names "First<i>" and an address.
std::unique_ptr<CMemberListDoc> ListOf(int n) {
    for (int i = 1; i <= n; ++i) {
        MemberData m = richMember(i, 0);
        m.first = "First" + std::to_string(i);
        m.last = "Last";
        m.city = i == 2 ? "" : "Town";
        addMember(m);
    }
    auto set = std::make_unique<CDAOMem>();
    set->FindAllMembers(false);
    return std::make_unique<CMemberListDoc>(std::move(set), "Members");
}

} // namespace

TEST(MergeLetter, DateAddressSalutationAndBodyStandAtTheirLines) {
    Canvas c(CMergeLetter::Font(kDpi));
    CMergeLetter letter;
    letter.BlankLines = 3;
    letter.Body = "First line.\r\nSecond line.";
    letter.Draw(*c.dc, kDpi, Ann(), CEFOleDateTime(2026, 12, 7));
    const int lh = c.dc->LineSpacing();
    const auto* date = c.device.Find("December 07, 2026");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->x, kDpi * 3 / 4);
    const int top = date->y; // the date's baseline
    EXPECT_EQ(c.Y("Ann Lee"), top + 2 * lh);
    EXPECT_EQ(c.Y("12 Oak Street"), top + 3 * lh);
    EXPECT_EQ(c.Y("Springfield, IL  62701"), top + 4 * lh);
    EXPECT_EQ(c.Y("Dear Ann:"), top + 6 * lh);
    EXPECT_EQ(c.Y("First line."), top + 8 * lh);
    EXPECT_EQ(c.Y("Second line."), top + 9 * lh);

    // Three blank lines put the date three lines below where none would.
    Canvas none(CMergeLetter::Font(kDpi));
    letter.BlankLines = 0;
    letter.Draw(*none.dc, kDpi, Ann(), CEFOleDateTime(2026, 12, 7));
    EXPECT_EQ(top - none.Y("December 07, 2026"), 3 * lh);
}

TEST(MergeLetter, WithoutCityTheCityLineGoesAndTheRestMovesUp) {
    Canvas c(CMergeLetter::Font(kDpi));
    CPostalAddress to = Ann();
    to.City.clear();
    CMergeLetter().Draw(*c.dc, kDpi, to, CEFOleDateTime(2026, 12, 7));
    const int lh = c.dc->LineSpacing();
    EXPECT_EQ(c.device.Find("IL", true), nullptr);
    EXPECT_EQ(c.device.Find(", IL  62701", true), nullptr);
    EXPECT_EQ(c.Y("Dear Ann:") - c.Y("12 Oak Street"), 2 * lh);
}

TEST(MergeLetter, ALongBodyLineIsWrappedInsideThePage) {
    Canvas c(CMergeLetter::Font(kDpi));
    CMergeLetter letter;
    for (int i = 0; i < 40; ++i)
        letter.Body += "word ";
    letter.Draw(*c.dc, kDpi, Ann(), CEFOleDateTime(2026, 12, 7));
    int bodyLines = 0;
    for (const auto& item : c.device.Items())
        if (item.text.rfind("word", 0) == 0) {
            ++bodyLines;
            EXPECT_LE(item.x2, c.device.width() - kDpi * 3 / 4);
        }
    EXPECT_GE(bodyLines, 2);
}

TEST(MailingLabels, ThirtyFillOneSheetAndTheThirtyFirstStartsTheNext) {
    EXPECT_EQ(CMailingLabels::Sheets(30), 1);
    EXPECT_EQ(CMailingLabels::Sheets(31), 2);
    EXPECT_EQ(CMailingLabels::Question(31),
              "Printing mailing labels will require 2 sheet(s)\nof 1\" x 2 5/8\" labels. If your "
              "printer is ready,\nclick \"OK\" to print the labels now.");

    Canvas c(CMailingLabels::Font(kDpi));
    std::vector<CPostalAddress> to;
    for (int i = 0; i < 31; ++i)
        to.push_back({"F" + std::to_string(i), "L", "Street", "Town", "ST", "00001"});
    ASSERT_TRUE(CMailingLabels::Draw(*c.dc, kDpi, to, CProgress::None()));
    EXPECT_EQ(c.device.Pages(), 2);
    const int lh = c.dc->LineSpacing();
    const auto* first = c.device.Find("F0 L");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->page, 0);
    // Columns 3, 49 and 95 character widths in, 2 3/4 inch apart.
    EXPECT_EQ(first->x, CMailingLabels::ColumnX(0, kDpi));
    EXPECT_NEAR(c.device.Find("F1 L")->x - first->x, kDpi * 11 / 4, 5);
    EXPECT_NEAR(c.device.Find("F2 L")->x - first->x, kDpi * 11 / 2, 5);
    // The second row is one label (an inch) lower; the lines of a label one
    // line apart.
    EXPECT_EQ(c.device.Find("F3 L")->y - first->y, kDpi);
    EXPECT_EQ(c.device.Find("F29 L")->y - first->y, 9 * kDpi);
    EXPECT_EQ(c.device.Find("Town, ST  00001")->y - first->y, 2 * lh);
    const auto* last = c.device.Find("F30 L");
    ASSERT_TRUE(last);
    EXPECT_EQ(last->page, 1);
    EXPECT_EQ(last->x, first->x);
    EXPECT_EQ(last->y, first->y);
}

TEST(MailingLabels, TheSheetQuestionDecidesAndOkWritesThePdf) {
    Facility facility;
    auto list = ListOf(31);
    facility.notices()->answer(notice::Answer::Cancel);
    EXPECT_FALSE(CMailingLabels::Print(*list, nullptr, CProgress::None()));
    EXPECT_EQ(facility.notices()->last(), CMailingLabels::Question(31));
    EXPECT_TRUE(std::filesystem::is_empty(facility.printFolder()));

    facility.notices()->answer(notice::Answer::Ok);
    ensureGuiApp();
    ASSERT_TRUE(CMailingLabels::Print(*list, nullptr, CProgress::None()));
    int pdfs = 0;
    for (const auto& e : std::filesystem::directory_iterator(facility.printFolder()))
        pdfs += e.path().filename().string().rfind("Mailing Labels ", 0) == 0;
    EXPECT_EQ(pdfs, 1);

    // The member without a city keeps name and address, without city line.
    const auto to = CPostalAddress::Listed(*list);
    ASSERT_EQ(to.size(), 31u);
    EXPECT_EQ(to[1].NameLine(), "First2 Last");
    EXPECT_FALSE(to[1].Address.empty());
    EXPECT_EQ(to[1].CityLine(), "");
}

TEST(LetterTemplates, SavingRewritesTheNameListEndingInAtAndTheBody) {
    Facility facility;
    const std::string folder = facility.txtFolder();
    std::ofstream(folder + "tnames.txt", std::ios::binary) << "Welcome\nRenewal\n@";
    std::ofstream(folder + "templ1.txt", std::ios::binary) << "Old body\n";
    CLetterTemplates t(folder);

    std::vector<std::string> names;
    ASSERT_TRUE(t.ReadNames(names));
    EXPECT_EQ(names, (std::vector<std::string>{"Welcome", "Renewal"}));

    // Cancelling the question writes nothing.
    facility.notices()->answer(notice::Answer::Cancel);
    EXPECT_FALSE(t.Save(1, "New", [](std::string&) { return true; }));
    EXPECT_EQ(ReadFile(folder + "templ1.txt"), "Old body\n");

    // An empty name is refused and asked again.
    facility.notices()->answer(notice::Answer::Ok);
    int asked = 0;
    ASSERT_TRUE(t.Save(1, "Line one\r\nLine two", [&asked](std::string& name) {
        EXPECT_EQ(name, asked == 0 ? "Renewal" : "");
        name = asked++ == 0 ? "" : "Renewal Notice";
        return true;
    }));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(ReadFile(folder + "tnames.txt"), "Welcome\nRenewal Notice\n@");
    EXPECT_EQ(ReadFile(folder + "templ1.txt"), "Line one\nLine two\n");
    const auto texts = facility.notices()->texts();
    EXPECT_EQ(texts[texts.size() - 3],
              "Are you sure you want to replace the template\n\"Renewal\" with the "
              "current\ncustomization?");
    EXPECT_EQ(texts[texts.size() - 2], CLetterTemplates::MsgNoName);
    EXPECT_EQ(texts.back(), CLetterTemplates::MsgSaved);

    std::string body;
    ASSERT_TRUE(t.ReadBody(1, body));
    EXPECT_EQ(body, "Line one\r\nLine two\r\n");
    EXPECT_FALSE(t.ReadBody(5, body));
    EXPECT_EQ(facility.notices()->last(), "Error: cannot open file:\n" + folder + "templ5.txt");
}

TEST(LetterTemplates, TheShippedTemplatesAreListedAndReadable) {
    Facility facility;
    CLetterTemplates t(std::string(VANTORA_SOURCE_DIR) + "/data/text/");
    std::vector<std::string> names;
    ASSERT_TRUE(t.ReadNames(names));
    ASSERT_GE(names.size(), 2u);
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        std::string body;
        EXPECT_TRUE(t.ReadBody(i, body)) << names[static_cast<std::size_t>(i)];
        EXPECT_FALSE(body.empty());
    }
}

TEST(ListPrintout, SixtyEightMembersTakeTwoPagesWithTheirHeaders) {
    Facility facility;
    FakeClock clock(2026, 12, 7, 12);
    auto list = ListOf(68);
    const CListPrintout p = CListPrintout::Members(
        *list, CMemberListDoc::colName | CMemberListDoc::colId, "Demo Center");
    Canvas c(CListPrintout::Font(kDpi));
    EXPECT_EQ(p.Draw(*c.dc, CProgress::None()), 2);
    EXPECT_EQ(c.device.Pages(), 2);
    const auto page0 = c.device.Texts(0);
    const auto page1 = c.device.Texts(1);
    EXPECT_EQ(page0.front(), "Members, Demo Center, 12/07/26 - Page 1");
    EXPECT_EQ(page1.front(), "Members, Demo Center, 12/07/26 - Page 2");
    EXPECT_EQ(page0[1], "Name");
    EXPECT_EQ(page0[2], "ID #");
    // 67 records of two columns on the first page, one on the second.
    EXPECT_EQ(page0.size(), 4u + 67 * 2);
    EXPECT_EQ(page1.size(), 4u + 2);
    EXPECT_EQ(page1[4], "Last, First68 " + richMember(68, 0).middle);
    EXPECT_FALSE(CListPrintout::CheckMask(0));
    EXPECT_EQ(facility.notices()->last(), "Error: select at least one item");
}

TEST(ListPrintout, ColumnsTooManyForOneLineGoOnInTheRecordsNextLine) {
    CListPrintout p;
    p.Title = "Evaluations";
    p.Orientation = QPageLayout::Landscape;
    // Twenty columns of eight characters are too wide for one line of a
    // page 8 1/2 inch wide, not for two.
    for (int i = 0; i < 20; ++i)
        p.Columns.push_back({"Station " + std::to_string(i), 0});
    p.Rows = 3;
    p.Cell = [](int row, int column) { return std::to_string(row * 100 + column); };
    Canvas c(CListPrintout::Font(kDpi));
    EXPECT_EQ(p.Draw(*c.dc, CProgress::None()), 1);
    const int lh = c.dc->LineSpacing();
    const auto* first = c.device.Find("0");
    const auto* last = c.device.Find("19");
    ASSERT_TRUE(first && last);
    EXPECT_EQ(last->y - first->y, lh);
    EXPECT_EQ(c.device.Find("100")->y - first->y, 2 * lh);
    for (const auto& item : c.device.Items())
        EXPECT_LE(item.x2, c.device.width()) << item.text;
}
