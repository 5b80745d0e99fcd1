#pragma once
// CPrintJob: one print job of the system. It goes to the printer given (the
// desk's Print Setup choice), else to the system's default printer, or, when
// VANTO_PRINT names a folder, to one PDF file there, written under a hidden
// name and shown only when complete. Positions are printer dots.

#include <QPageLayout>
#include <QPainter>
#include <QString>

#include <memory>
#include <string>

class QPrinter;
class CEFOleDateTime;

class CPrintJob {
public:
    enum class result {
        none,      // not finished
        printed,   // the job was printed or its PDF written
        empty,     // the job was given up: nothing to print
        noPrinter, // neither a printer nor VANTO_PRINT
        failed,    // the job or its PDF could not be written
    };

    // chosen: the printer to use when VANTO_PRINT is not set; without one
    // (or when it names no printer) the system's default printer.
    explicit CPrintJob(QPrinter* chosen = nullptr);
    ~CPrintJob();
    CPrintJob(const CPrintJob&) = delete;
    CPrintJob& operator=(const CPrintJob&) = delete;

    // Picks the device for a job named title; false with Error() set.
    bool Open(const std::string& title);
    // Dots per inch of the device picked by Open.
    int Resolution() const;
    // Starts the job in this orientation; the painter is active after it.
    bool Begin(QPageLayout::Orientation orientation);
    QPainter& Painter() { return painter_; }
    // Ends the current page and starts the next.
    bool NewPage();
    // Ends the job: keep it (print, or show the PDF) or give it up.
    result Finish(bool keep);

    result Result() const { return result_; }
    const std::string& Error() const { return error_; }
    // The PDF written, when the job went to VANTO_PRINT.
    const std::string& Output() const { return output_; }
    const std::string& Title() const { return title_; }

    // The PDF name of a job: its title made safe for a file name and the
    // time stamp (yyyymmdd-hhmmss).
    static std::string PdfFileName(const std::string& title, const CEFOleDateTime& when);

private:
    void Fail(result r, std::string why);
    void Discard();

    QPrinter* chosen_;
    QPrinter* printer_ = nullptr;
    std::unique_ptr<QPrinter> own_;
    QPainter painter_;
    QString partPath_;
    QString finalPath_;
    QPageLayout::Orientation restore_ = QPageLayout::Portrait;
    std::string title_;
    std::string error_;
    std::string output_;
    result result_ = result::none;
};
