#include "desk/core/mergeletter.h"

#include "desk/core/deskprintjob.h"
#include "desk/core/postaladdress.h"
#include "desk/core/progress.h"

#include "custom/reportdc.h"
#include "util/facilitylocation.h"
#include "util/format.h"
#include "util/notice.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace vantora;

namespace {

void CannotOpen(const std::string& path) {
    notice::show(insert(CLetterTemplates::MsgCannotOpen, {path}), notice::Icon::Exclamation);
}

// One line of a template file: at most maxLength characters, without its
// line end; false at the end of the file.
bool ReadLine(std::istream& in, std::string& line, int maxLength) {
    if (!std::getline(in, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (static_cast<int>(line.size()) > maxLength)
        line.resize(static_cast<std::size_t>(maxLength));
    return true;
}

// The body's lines, split at "\r\n" or "\n"; a last line without a line
// end counts, a final line end adds none.
std::vector<std::string> BodyLines(const std::string& body) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(body);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The words of a line that fit in width units, the rest left in line; a
// word wider than the width is cut where it must be.
std::string TakeFitting(const CReportDC& dc, std::string& line, int width) {
    if (dc.TextWidth(line) <= width) {
        std::string all;
        all.swap(line);
        return all;
    }
    std::size_t cut = 0;
    for (std::size_t space = line.find(' '); space != std::string::npos;
         space = line.find(' ', space + 1)) {
        if (dc.TextWidth(line.substr(0, space)) > width)
            break;
        cut = space;
    }
    if (cut == 0) {
        cut = 1;
        while (cut < line.size() && dc.TextWidth(line.substr(0, cut + 1)) <= width)
            ++cut;
    }
    std::string head = line.substr(0, cut);
    line.erase(0, cut);
    while (!line.empty() && line.front() == ' ')
        line.erase(0, 1);
    return head;
}

} // namespace

CLetterTemplates::CLetterTemplates() {
    folder_ = FacilityLocation::current().textFolder();
    if (folder_.empty())
        notice::show(MsgNoFolder, notice::Icon::Exclamation);
}

std::string CLetterTemplates::BodyPath(int index) const {
    return folder_ + format("templ%i.txt", {index});
}

bool CLetterTemplates::ReadNames(std::vector<std::string>& names, int maxLength) const {
    names.clear();
    std::ifstream in(NamesPath(), std::ios::binary);
    if (!in) {
        CannotOpen(NamesPath());
        return false;
    }
    std::string line;
    while (static_cast<int>(names.size()) < MaxTemplates && in.peek() != '@' &&
           ReadLine(in, line, maxLength))
        names.push_back(line);
    return true;
}

bool CLetterTemplates::ReadBody(int index, std::string& body) const {
    body.clear();
    const std::string path = BodyPath(index);
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        CannotOpen(path);
        return false;
    }
    std::string line;
    while (ReadLine(in, line, MaxLineLength))
        body += line + "\r\n";
    return true;
}

bool CLetterTemplates::Save(int index, const std::string& body,
                            const std::function<bool(std::string& name)>& askName) const {
    std::vector<std::string> names;
    if (!ReadNames(names, MaxNameLength + 1))
        return false;
    if (index < 0 || index >= static_cast<int>(names.size())) {
        CannotOpen(BodyPath(index));
        return false;
    }
    if (notice::ask(insert(MsgReplace, {names[static_cast<std::size_t>(index)]}),
                    notice::Buttons::OkCancel) != notice::Answer::Ok)
        return false;
    std::string name = names[static_cast<std::size_t>(index)];
    for (;;) {
        if (!askName(name))
            return false;
        if (!name.empty())
            break;
        notice::show(MsgNoName, notice::Icon::Exclamation);
    }
    if (static_cast<int>(name.size()) > MaxNameLength)
        name.resize(MaxNameLength);
    // A line end in a name would split the list of names.
    for (char& c : name)
        if (c == '\n' || c == '\r' || (c == '@' && &c == &name.front()))
            c = ' ';
    names[static_cast<std::size_t>(index)] = name;

    // Each file is written whole under a temporary name and then put in
    // place, so a failed write leaves the old template as it was.
    auto write = [](const std::string& path, const std::string& text) {
        const std::string temp = path + ".new";
        {
            std::ofstream out(temp, std::ios::binary | std::ios::trunc);
            if (!out || !(out << text) || !out.flush()) {
                std::remove(temp.c_str());
                CannotOpen(path);
                return false;
            }
        }
        if (std::rename(temp.c_str(), path.c_str()) != 0) {
            std::remove(temp.c_str());
            CannotOpen(path);
            return false;
        }
        return true;
    };
    std::string list;
    for (const std::string& n : names)
        list += n + "\n";
    list += "@";
    std::string lines;
    for (const std::string& line : BodyLines(body))
        lines += line + "\n";
    if (!write(NamesPath(), list) || !write(BodyPath(index), lines))
        return false;
    notice::show(MsgSaved, notice::Icon::Information);
    return true;
}

QFont CMergeLetter::Font(int dpi) {
    return DeskPrintFace(QFont::Serif, dpi * 18 / 100);
}

int CMergeLetter::Draw(CReportDC& dc, int dpi, const CPostalAddress& to,
                       const CEFOleDateTime& today) const {
    const int lh = dc.LineSpacing();
    const int x = dpi * 3 / 4;
    const int top = dpi / 2;
    const int width = std::max(dpi, dc.PageWidth() - 2 * x);
    const int bottom = dc.PageHeight() - dpi / 2;
    int y = top + BlankLines * lh;
    dc.TextOut(x, y, today.Format("%B %d, %Y"));
    y += 2 * lh;
    dc.TextOut(x, y, to.NameLine());
    y += lh;
    if (!to.Address.empty()) {
        dc.TextOut(x, y, to.Address);
        y += lh;
    }
    const std::string city = to.CityLine();
    if (!city.empty()) {
        dc.TextOut(x, y, city);
        y += lh;
    }
    y += lh;
    dc.TextOut(x, y, insert("Dear %1:", {to.FirstName}));
    y += 2 * lh;
    for (std::string line : BodyLines(Body)) {
        // A line wider than the page goes on in the next line, as the edit
        // box shows it, instead of running off the paper.
        do {
            if (y + lh > bottom) {
                dc.EndPage();
                y = top;
            }
            dc.TextOut(x, y, TakeFitting(dc, line, width));
            y += lh;
        } while (!line.empty());
    }
    return y;
}

bool CMergeLetter::DrawAll(CReportDC& dc, int dpi, const std::vector<CPostalAddress>& to,
                           const CEFOleDateTime& today, CProgress& progress) const {
    CProgressScope scope(progress, MsgPrinting, static_cast<int>(to.size()));
    for (std::size_t i = 0; i < to.size(); ++i) {
        if (i > 0)
            dc.EndPage();
        Draw(dc, dpi, to[i], today);
        scope.Step();
    }
    return !to.empty();
}

bool CMergeLetter::Print(CMemberListDoc& list, bool test, QPrinter* printer,
                         CProgress& progress) const {
    const std::vector<CPostalAddress> to = CPostalAddress::Listed(list, test ? 1 : -1);
    if (to.empty())
        return false;
    CEFOleDateTime today;
    today.Current();
    return PrintDeskJob(printer, test ? TestTitle : AllTitle, QPageLayout::Portrait,
                        [&](CReportDC& dc, int dpi) {
                            dc.SelectFont(Font(dpi));
                            return DrawAll(dc, dpi, to, today, progress);
                        });
}
