#pragma once
// A facility for the report bodies: the shipped interpretation texts and
// station data copied into its folders, a report whose bodies are the
// workout, interpretation and member reports, and rows written straight into
// its stores.

#include "custom/report.h"
#include "support/recordingdevice.h"

#include "guiapp.h"
#include "support/facility.h"
#include "support/memberdata.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vantora::test {

// The shipped data folder of the source tree.
inline std::filesystem::path shippedData() {
    return std::filesystem::path(VANTORA_SOURCE_DIR) / "data";
}

// What a drawn report shows.
struct Drawn {
    std::unique_ptr<CRecordingDevice> device;
    int lineSpacing = 0;
    int avgWidth = 0;

    std::vector<std::string> texts() const {
        std::vector<std::string> all;
        for (const auto& item : device->Items())
            if (item.kind == CRecordingDevice::Item::Text)
                all.push_back(item.text);
        return all;
    }
    bool has(const std::string& text) const {
        const auto t = texts();
        return std::find(t.begin(), t.end(), text) != t.end();
    }
    int count(const std::string& text) const {
        const auto t = texts();
        return static_cast<int>(std::count(t.begin(), t.end(), text));
    }
    // The first text starting with prefix, or empty.
    std::string line(const std::string& prefix) const {
        const auto* item = device->Find(prefix, true);
        return item ? item->text : std::string();
    }
    const CRecordingDevice::Item* find(const std::string& text) const { return device->Find(text); }
    // Texts drawn on the same baseline as the first text equal to text.
    std::vector<std::string> row(const std::string& text) const {
        std::vector<std::string> out;
        const auto* at = find(text);
        if (!at)
            return out;
        for (const auto& item : device->Items())
            if (item.kind == CRecordingDevice::Item::Text && item.page == at->page &&
                item.y == at->y)
                out.push_back(item.text);
        return out;
    }
    // The index of the first text starting with prefix in drawing order, -1
    // when none.
    int indexOf(const std::string& prefix) const {
        const auto t = texts();
        for (std::size_t i = 0; i < t.size(); ++i)
            if (t[i].rfind(prefix, 0) == 0)
                return static_cast<int>(i);
        return -1;
    }
    // Texts drawn on one line whose extents overlap, as "left|right".
    std::vector<std::string> overlaps() const {
        std::map<std::pair<int, int>, std::vector<const CRecordingDevice::Item*>> lines;
        for (const auto& item : device->Items())
            if (item.kind == CRecordingDevice::Item::Text)
                lines[{item.page, item.y}].push_back(&item);
        std::vector<std::string> out;
        for (auto& [at, items] : lines) {
            std::sort(items.begin(), items.end(),
                      [](const auto* l, const auto* r) { return l->x < r->x; });
            for (std::size_t i = 1; i < items.size(); ++i)
                if (items[i]->x < items[i - 1]->x2)
                    out.push_back(items[i - 1]->text + "|" + items[i]->text);
        }
        return out;
    }
    // Texts that end right of x.
    std::vector<std::string> beyond(int x) const {
        std::vector<std::string> out;
        for (const auto& item : device->Items())
            if (item.kind == CRecordingDevice::Item::Text && item.x2 > x)
                out.push_back(item.text);
        return out;
    }
    // Whether every page after the first shows text.
    bool onEveryContinuedPage(const std::string& text) const {
        for (int p = 1; p < device->Pages(); ++p) {
            const auto t = device->Texts(p);
            if (std::find(t.begin(), t.end(), text) == t.end())
                return false;
        }
        return true;
    }
    int rects() const {
        return static_cast<int>(
            std::count_if(device->Items().begin(), device->Items().end(),
                          [](const auto& i) { return i.kind == CRecordingDevice::Item::Rect; }));
    }
};

class BodyFixture : public ::testing::Test {
protected:
    BodyFixture() {
        ensureGuiApp();
        namespace fs = std::filesystem;
        const fs::path data = shippedData();
        for (const auto& [from, to] :
             {std::pair{data / "text", f.txtFolder()}, std::pair{data / "stations", f.stnFolder()},
              std::pair{data / "weights", f.wtFolder()}}) {
            fs::create_directories(to);
            for (const auto& e : fs::directory_iterator(from))
                fs::copy_file(e.path(), fs::path(to) / e.path().filename(),
                              fs::copy_options::overwrite_existing);
        }
    }

    // A new report object (after the data it reads at construction is set).
    CReport& report() {
        if (!report_)
            report_ = std::make_unique<CReport>();
        return *report_;
    }

    Drawn draw(int kind, long id = 0, CEFOleDateTime d0 = {}, CEFOleDateTime d1 = {},
               std::string s0 = {}, std::string s1 = {}, std::string s2 = {}) {
        CReport& r = report();
        r.SetReport(kind);
        r.ResetLayout(600);
        const bool landscape = r.GetOrientation() == QPageLayout::Landscape;
        Drawn out;
        out.device = landscape ? std::make_unique<CRecordingDevice>(6600, 5100)
                               : std::make_unique<CRecordingDevice>(5100, 6600);
        QPainter painter(out.device.get());
        CReportDC dc(painter, [&] { return out.device->NewPage(); });
        dc.SelectFont(r.GetFont());
        out.lineSpacing = dc.LineSpacing();
        out.avgWidth = dc.AveCharWidth();
        r.DoReport(dc, {kind, id, d0, d1, std::move(s0), std::move(s1), std::move(s2)});
        return out;
    }

    // Rows written straight into the stores.
    void exec(const std::string& sql) { ASSERT_TRUE(f.exec("members.mdb", sql)) << sql; }

    static std::string day(int y, int m, int d, int h = 0, int min = 0) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.17g",
                      static_cast<double>(CEFOleDateTime(y, m, d, h, min, 0)));
        return buf;
    }

    MemberData member(long id, const std::string& first, const std::string& last,
                      unsigned char sex = 1) {
        MemberData m;
        m.id = id;
        m.barcode = 1000 + id;
        m.first = first;
        m.last = last;
        m.status = 1;
        m.sex = sex;
        m.enrollment = CEFOleDateTime(2026, 9, 1);
        m.expiration = CEFOleDateTime(2027, 1, 1);
        m.birthday = CEFOleDateTime(1986, 6, 15); // 40 on the fixture's today
        return m;
    }

    void workout(long id, int cls, const std::string& in, const std::string& out, int ok = 1,
                 int circuits = 2, int option1 = 0) {
        exec("INSERT INTO Workouts (MemberID, WorkoutOK, ClassIndx, CheckIn, CheckOut, "
             "Station00, Station01) VALUES (" +
             std::to_string(id) + ", " + std::to_string(ok) + ", " + std::to_string(cls) + ", " +
             in + ", " + out + ", " + std::to_string(circuits) + ", " + std::to_string(option1) +
             ")");
    }

    FakeClock clock{2026, 12, 7, 10, 0, 0};
    Facility f{"Test Fitness Center"};
    std::unique_ptr<CReport> report_;
};

} // namespace vantora::test
