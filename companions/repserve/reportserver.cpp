#include "reportserver.h"

#include "db/daoreport.h"
#include "util/format.h"
#include "vantoapi/appinstance.h"

#include <cstdio>
#include <fstream>

namespace {

// Writes each distinct notice to the log once per run: a folder variable
// that is not set is reported by every record set, and would otherwise
// repeat for every request.
class OncePerRun : public vantora::notice::Handler {
public:
    explicit OncePerRun(std::ostream& log) : log_(log) {}
    void show(const std::string& text, vantora::notice::Icon) override {
        if (shown_.insert(text).second)
            log_ << text << std::endl;
    }
    vantora::notice::Answer ask(const std::string& text, vantora::notice::Buttons,
                                vantora::notice::Icon icon) override {
        show(text, icon);
        return vantora::notice::Answer::Cancel;
    }

private:
    std::ostream& log_;
    std::set<std::string> shown_;
};

std::string keyOf(const CDAOReport& r) {
    return std::to_string(r.ltype) + "|" + std::to_string(r.lid) + "|" +
           std::to_string(static_cast<double>(r.date0)) + "|" +
           std::to_string(static_cast<double>(r.date1)) + "|" + r.str0 + "|" + r.str1 + "|" +
           r.str2;
}

} // namespace

CReportServer::CReportServer(std::ostream& log, std::string printedRecord)
    : log_(log),
      notices_(std::make_unique<vantora::notice::ScopedHandler>(std::make_shared<OncePerRun>(log))),
      report_(std::make_unique<CReport>()), printedRecord_(std::move(printedRecord)) {
    if (printedRecord_.empty())
        printedRecord_ = DefaultPrintedRecord(vantora::FacilityLocation::current());
    ReadPrinted();
}

CReportServer::~CReportServer() = default;

std::string CReportServer::DefaultPrintedRecord(const vantora::FacilityLocation& location) {
    if (!location.storesSet())
        return {};
    // A server has no folder of its own for the note: it stays with this
    // computer's report server.
    const std::string folder =
        location.onServer() ? CAppInstance::localDataFolder() : location.stores();
    return folder + PrintedRecordName;
}

void CReportServer::ReadPrinted() {
    std::ifstream in(printedRecord_);
    std::string line;
    while (std::getline(in, line))
        if (!line.empty())
            ++printed_[line];
}

void CReportServer::WritePrinted() const {
    if (printedRecord_.empty())
        return;
    if (printed_.empty()) {
        std::remove(printedRecord_.c_str());
        return;
    }
    std::ofstream out(printedRecord_, std::ios::trunc);
    for (const auto& [key, n] : printed_)
        for (int i = 0; i < n; ++i)
            out << key << '\n';
}

CReportServer::Pass CReportServer::ProcessQueue() {
    Pass pass;
    std::set<std::string> kept;
    CDAOReport queue;
    if (queue.FindReports() == 0) {
        kept_.clear();
        if (!queue.LastOpFailed() && !printed_.empty()) {
            printed_.clear(); // the requests were removed by someone else
            WritePrinted();
        }
        return pass;
    }
    // A report drawn without the facility's settings would show zeros for
    // them: until they can be read (again at each pass) requests wait.
    if (!report_->GetContext().Ready())
        report_ = std::make_unique<CReport>();
    const std::string& unready = report_->GetContext().Error();
    const std::map<Key, int> before = printed_;
    auto logKept = [&](const std::string& line) {
        if (!kept_.count(line))
            log_ << line << std::endl;
        kept.insert(line);
    };
    // Removes the current request; false, logged once, when it stays.
    auto remove = [&](const Key& key) {
        queue.DelCurrent();
        if (!queue.LastOpFailed())
            return true;
        logKept("Error: a printed request could not be removed from the queue (kind " +
                std::to_string(queue.ltype) + ", id " + std::to_string(queue.lid) +
                "); it will not be printed again");
        ++printed_[key];
        queue.Op(CDAOEFSet::opMoveNext);
        return false;
    };
    while (!queue.IsEOF()) {
        const Key key = keyOf(queue);
        // Printed before but not removed: remove it now without printing.
        if (auto it = printed_.find(key); it != printed_.end() && it->second > 0) {
            if (--it->second == 0)
                printed_.erase(it);
            ++pass.printed;
            remove(key);
            continue;
        }
        if (!report_->GetContext().Ready()) {
            ++pass.kept;
            logKept(vantora::insert("%1 (kind %2, id %3); request kept",
                                    {unready, static_cast<long>(queue.ltype), queue.lid}));
            queue.Op(CDAOEFSet::opMoveNext);
            continue;
        }
        // The request's values are copied: printing may change them.
        const int kind = static_cast<int>(queue.ltype);
        long id = queue.lid;
        CEFOleDateTime date0 = queue.date0;
        CEFOleDateTime date1 = queue.date1;
        std::string str0 = queue.str0;
        std::string str1 = queue.str1;
        std::string str2 = queue.str2;
        report_->PrintReport(kind, id, date0, date1, str0, str1, str2);
        const std::string request =
            " (kind " + std::to_string(kind) + ", id " + std::to_string(queue.lid) + ")";

        switch (report_->GetLastResult()) {
        case CReport::result::printed:
            ++pass.printed;
            if (!report_->GetLastWarning().empty())
                log_ << report_->GetLastWarning() << request << std::endl;
            remove(key);
            break;
        case CReport::result::empty:
            ++pass.empty;
            log_ << report_->GetLastError() << request << "; request removed" << std::endl;
            queue.DelCurrent();
            if (queue.LastOpFailed())
                queue.Op(CDAOEFSet::opMoveNext);
            break;
        default:
            ++pass.kept;
            logKept(report_->GetLastError() + request + "; request kept");
            queue.Op(CDAOEFSet::opMoveNext);
            break;
        }
    }
    queue.Op(CDAOEFSet::opClose);
    kept_ = std::move(kept);
    if (printed_ != before)
        WritePrinted();
    return pass;
}
