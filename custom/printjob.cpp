#include "printjob.h"

#include "util/efoledatetime.h"
#include "util/facilitylocation.h"
#include "util/format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

#include <cctype>
#include <cstdlib>

namespace {

// Margins of a PDF page: a letter sheet holds the 4800 (portrait) or 6350
// (landscape) units of a report line and its lines per page at 600 dpi.
constexpr double kPdfSideMargin = 0.25;      // inch
constexpr double kPdfTopBottomMargin = 0.15; // inch
constexpr int kPdfResolution = 600;

} // namespace

CPrintJob::CPrintJob(QPrinter* chosen) : chosen_(chosen) {}

CPrintJob::~CPrintJob() {
    if (painter_.isActive())
        Finish(false);
}

void CPrintJob::Fail(result r, std::string why) {
    result_ = r;
    error_ = std::move(why);
}

void CPrintJob::Discard() {
    if (!partPath_.isEmpty())
        QFile::remove(partPath_);
}

std::string CPrintJob::PdfFileName(const std::string& title, const CEFOleDateTime& when) {
    std::string safe;
    for (char c : title) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) || c == ' ' || c == '-' || c == '_')
            safe += c;
        else if (c == '/' || c == '\\')
            safe += '-';
        // Quotes and other marks are left out.
    }
    if (safe.empty())
        safe = "Report";
    return safe + " " + when.Format("%Y%m%d-%H%M%S") + ".pdf";
}

bool CPrintJob::Open(const std::string& title) {
    title_ = title;
    result_ = result::none;
    error_.clear();
    output_.clear();
    const std::string folder = vantora::FacilityLocation::current().printFolder();
    if (!folder.empty()) {
        const QDir dir(QString::fromStdString(folder));
        if (!dir.exists() && !QDir().mkpath(dir.absolutePath())) {
            Fail(result::failed,
                 vantora::insert("Error: cannot create the print folder %1", {folder}));
            return false;
        }
        CEFOleDateTime now;
        now.Current();
        const std::string name = PdfFileName(title, now);
        finalPath_ = dir.absoluteFilePath(QString::fromStdString(name));
        // Two jobs of one title in the same second keep both files.
        for (int n = 2; QFileInfo::exists(finalPath_); ++n)
            finalPath_ = dir.absoluteFilePath(QString::fromStdString(
                name.substr(0, name.size() - 4) + "-" + std::to_string(n) + ".pdf"));
        partPath_ = dir.absoluteFilePath(QStringLiteral(".") + QFileInfo(finalPath_).fileName() +
                                         QStringLiteral(".part"));
        own_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        own_->setOutputFormat(QPrinter::PdfFormat);
        own_->setResolution(kPdfResolution);
        own_->setOutputFileName(partPath_);
        own_->setPageSize(QPageSize(QPageSize::Letter));
        printer_ = own_.get();
        return true;
    }
    if (chosen_ && chosen_->outputFormat() == QPrinter::NativeFormat &&
        !chosen_->printerName().isEmpty()) {
        printer_ = chosen_;
        return true;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        Fail(result::noPrinter, "Error: no default printer, and VANTO_PRINT is not set");
        return false;
    }
    own_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer_ = own_.get();
    return true;
}

int CPrintJob::Resolution() const {
    return printer_ ? printer_->resolution() : kPdfResolution;
}

bool CPrintJob::Begin(QPageLayout::Orientation orientation) {
    if (!printer_)
        return false;
    restore_ = printer_->pageLayout().orientation();
    printer_->setPageOrientation(orientation);
    if (!partPath_.isEmpty())
        printer_->setPageMargins(
            QMarginsF(kPdfSideMargin, kPdfTopBottomMargin, kPdfSideMargin, kPdfTopBottomMargin),
            QPageLayout::Inch);
    printer_->setDocName(QString::fromStdString(title_));
    if (!painter_.begin(printer_)) {
        Discard();
        Fail(result::failed, vantora::insert("Error: cannot start the print job \"%1\"", {title_}));
        return false;
    }
    return true;
}

bool CPrintJob::NewPage() {
    return printer_ && printer_->newPage();
}

CPrintJob::result CPrintJob::Finish(bool keep) {
    if (!printer_ || !painter_.isActive())
        return result_;
    if (!keep && partPath_.isEmpty())
        printer_->abort();
    painter_.end();
    // The desk's chosen printer keeps the orientation its user set.
    if (printer_ == chosen_)
        printer_->setPageOrientation(restore_);
    if (!keep) {
        Discard();
        result_ = result::empty;
        return result_;
    }
    if (printer_->printerState() == QPrinter::Error) {
        Discard();
        Fail(result::failed, vantora::insert("Error: the print job \"%1\" failed", {title_}));
        return result_;
    }
    if (!partPath_.isEmpty()) {
        if (QFileInfo(partPath_).size() <= 0 || !QFile::rename(partPath_, finalPath_)) {
            Discard();
            Fail(result::failed,
                 vantora::insert("Error: cannot write %1", {finalPath_.toStdString()}));
            return result_;
        }
        output_ = finalPath_.toStdString();
    }
    result_ = result::printed;
    return result_;
}
