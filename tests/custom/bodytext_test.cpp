// The shipped interpretation texts against the order in which the reports
// read them: blocks ended by marker lines, band sections whose format line
// takes exactly the values the report fills in, and nothing left over.

#include "bodyfixture.h"

#include <fstream>

using namespace vantora::test;

namespace {

// One section of a text file: lead lines printed as they stand, format
// lines taking the given conversions ('i' integer, 'f' floating point, 's'
// the insert %1), then text lines up to a marker line.
struct Section {
    int leadLines = 0;
    std::vector<std::string> formats;
    bool needsText = true;
};

Section block() {
    return {};
}
Section band(std::string conversions) {
    return {0, {std::move(conversions)}, true};
}

// The conversions of a format line, in order; '%%' is a literal percent.
std::string conversionsOf(const std::string& line) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '%')
            continue;
        std::size_t j = i + 1;
        if (j < line.size() && line[j] == '%') {
            i = j;
            continue;
        }
        if (j < line.size() && line[j] >= '1' && line[j] <= '9') {
            out += 's';
            i = j;
            continue;
        }
        while (j < line.size() &&
               std::string("-+ #0123456789.l").find(line[j]) != std::string::npos)
            ++j;
        if (j < line.size()) {
            const char c = line[j];
            out += (c == 'd' || c == 'i') ? 'i' : (c == 'f' || c == 'g' || c == 'e') ? 'f' : '?';
        }
        i = j;
    }
    return out;
}

// Checks the file against its sections; an empty result means it fits.
std::string checkStructure(const std::string& path, const std::vector<Section>& sections) {
    std::ifstream in(path);
    if (!in)
        return "cannot open " + path;
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r')
            l.pop_back();
        lines.push_back(l);
    }
    std::size_t at = 0;
    auto where = [&](std::size_t s) {
        return "section " + std::to_string(s + 1) + ", line " + std::to_string(at + 1) + ": ";
    };
    auto isMarker = [](const std::string& l) { return !l.empty() && l[0] == '@'; };
    for (std::size_t s = 0; s < sections.size(); ++s) {
        const Section& sec = sections[s];
        for (int i = 0; i < sec.leadLines; ++i, ++at) {
            if (at >= lines.size() || isMarker(lines[at]))
                return where(s) + "missing a lead line";
            if (!conversionsOf(lines[at]).empty())
                return where(s) + "a lead line holds a format: " + lines[at];
        }
        for (const std::string& want : sec.formats) {
            if (at >= lines.size() || isMarker(lines[at]))
                return where(s) + "missing a format line";
            if (conversionsOf(lines[at]) != want)
                return where(s) + "format line takes \"" + conversionsOf(lines[at]) +
                       "\", expected \"" + want + "\": " + lines[at];
            ++at;
        }
        int text = 0;
        for (; at < lines.size() && !isMarker(lines[at]); ++at, ++text)
            if (!conversionsOf(lines[at]).empty())
                return where(s) + "a text line holds a format: " + lines[at];
        if (sec.needsText && text == 0)
            return where(s) + "empty block";
        if (at >= lines.size())
            return where(s) + "no marker line ends the section";
        ++at;
    }
    for (; at < lines.size(); ++at)
        if (!lines[at].empty())
            return "unread line " + std::to_string(at + 1) + ": " + lines[at];
    return {};
}

std::vector<Section> repeat(const Section& s, int n) {
    return std::vector<Section>(static_cast<std::size_t>(n), s);
}

std::vector<Section> join(std::initializer_list<std::vector<Section>> parts) {
    std::vector<Section> out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

// The sections each report sequence reads, file by file.
const std::vector<std::pair<std::string, std::vector<Section>>>& layouts() {
    static const std::vector<std::pair<std::string, std::vector<Section>>> all = {
        {"Training.txt", repeat(block(), 2)},
        {"Leg_body.txt", join({{block()}, repeat(band("f"), 10)})},
        {"Bodycomp.txt", join({{block()}, repeat(Section{1, {"f"}, true}, 6)})},
        {"Bodyflex.txt", join({{block()}, repeat(band("f"), 5)})},
        {"Situps.txt", join({{block()}, repeat(band("i"), 5)})},
        {"Abdomina.txt", join({{block()}, repeat(band("i"), 5)})},
        {"Steptst.txt", join({{block()}, repeat(band("i"), 10)})},
        {"Run.txt", join({{block()}, repeat(band("ii"), 5)})},
        {"Hearreco.txt", join({{block()}, repeat(band("i"), 5)})},
        {"bloodp.txt", join({{block()}, repeat(band("i"), 10)})},
        {"Special.txt", repeat(block(), 14)},
        {"Fitgoals.txt", repeat(block(), 9)},
        {"Precaut.txt", {block()}},
        {"Recomm.txt", {block()}},
        {"bcintro.txt", {block()}},
        {"bcbmi.txt", {band("f"), block()}},
        {"bcratio.txt", {band("f"), block(), block(), block()}},
        {"bcmeasr.txt", repeat(block(), 3)},
        {"bcskin.txt", repeat(block(), 2)},
        {"bchydro.txt", repeat(block(), 2)},
        {"bcfat.txt",
         {block(), Section{0, {"f", "f", "f"}, true}, band("s"), block(),
          Section{1, {"f", "f"}, false}, block(), Section{1, {"f", "f"}, false}}},
        {"bclean.txt", {block()}},
        {"bcweight.txt", {block()}},
        {"bcdiet.txt", {block()}},
        {"bccalorie.txt", repeat(block(), 2)},
    };
    return all;
}

} // namespace

TEST(InterpretationTexts, EveryFileFitsTheSequenceItsReportReads) {
    const auto& all = layouts();
    ASSERT_EQ(all.size(), 25u);
    for (int kind = 0; kind < CReportEngine::NumTexts; ++kind) {
        const std::string folder = (shippedData() / "text").string() + "/";
        ScopedEnv txt("VANTO_TXT", folder.c_str());
        Notices notices;
        CReportEngine engine;
        std::string path;
        ASSERT_EQ(engine.GetTextPath(kind, path), 1);
        // The engine's file of this kind is the one described here.
        EXPECT_EQ(std::filesystem::path(path).filename().string(), all[kind].first);
        EXPECT_EQ(checkStructure(path, all[kind].second), "") << all[kind].first;
    }
}

TEST(InterpretationTexts, StructureCheckCatchesMisplacedFormatsAndMissingMarkers) {
    TempDir dir;
    auto write = [&](const std::string& text) {
        const std::string p = (dir.path() / "t.txt").string();
        std::ofstream(p) << text;
        return p;
    };
    EXPECT_EQ(checkStructure(write("Intro\n@\nScore %.1f\nGood.\n@\n"), {block(), band("f")}), "");
    // An integer format where a floating-point value is filled in.
    EXPECT_NE(checkStructure(write("Intro\n@\nScore %i\nGood.\n@\n"), {block(), band("f")}), "");
    // A section without its marker line.
    EXPECT_NE(checkStructure(write("Intro\n@\nScore %.1f\nGood.\n"), {block(), band("f")}), "");
    // A literal percent does not count as a conversion; a stray format does.
    EXPECT_EQ(checkStructure(write("100%% sure\n@\n"), {block()}), "");
    EXPECT_NE(checkStructure(write("Intro %i\n@\n"), {block()}), "");
    // A section more than the report reads.
    EXPECT_NE(checkStructure(write("A\n@\nB\n@\n"), {block()}), "");
}
