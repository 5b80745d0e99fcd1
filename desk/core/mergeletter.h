#pragma once
// The merge letter without its window. CLetterTemplates reads and writes the
// templates in the text folder: "tnames.txt" with one name a line and '@'
// after the last, and "templ<i>.txt" with the body of template i.
// CMergeLetter lays out one letter a page: today's date, the member's name
// and address, the salutation and the body, below a chosen number of blank
// lines, and prints the letters of a Members list.

#include "util/efoledatetime.h"

#include <QFont>

#include <functional>
#include <string>
#include <vector>

class CMemberListDoc;
class CProgress;
class CReportDC;
class QPrinter;
struct CPostalAddress;

class CLetterTemplates {
public:
    static constexpr int MaxTemplates = 10;
    static constexpr int MaxNameLength = 28;
    static constexpr int MaxShownName = 49;
    static constexpr int MaxLineLength = 199;

    static constexpr const char* MsgNoFolder =
        "Error: system environment variable \"VANTO_TXT\" is not set";
    static constexpr const char* MsgCannotOpen = "Error: cannot open file:\n%1";
    static constexpr const char* MsgReplace =
        "Are you sure you want to replace the template\n\"%1\" with the current\ncustomization?";
    static constexpr const char* MsgNoName = "Error: enter template name";
    static constexpr const char* MsgSaved = "You have successfully updated the current template.";

    // The folder of VANTO_TXT; unset or empty shows MsgNoFolder and leaves
    // the folder empty.
    CLetterTemplates();
    explicit CLetterTemplates(std::string folder) : folder_(std::move(folder)) {}

    const std::string& Folder() const { return folder_; }
    std::string NamesPath() const { return folder_ + "tnames.txt"; }
    std::string BodyPath(int index) const;

    // The template names, each cut to maxLength characters; false after
    // MsgCannotOpen.
    bool ReadNames(std::vector<std::string>& names, int maxLength = MaxShownName) const;
    // The body of a template, its lines joined by "\r\n" as the edit box
    // holds them; false after MsgCannotOpen.
    bool ReadBody(int index, std::string& body) const;
    // Replaces template `index` by name and body, after MsgReplace and the
    // name asked through askName (preset with the current name; false
    // cancels). Rewrites both files and shows MsgSaved; false when cancelled
    // or a file could not be written.
    bool Save(int index, const std::string& body,
              const std::function<bool(std::string& name)>& askName) const;

private:
    std::string folder_;
};

class CMergeLetter {
public:
    static constexpr const char* TestTitle = "Merge Letter Test";
    static constexpr const char* AllTitle = "Merge Letter(s)";
    static constexpr const char* MsgPrinting = "Printing, please wait...";
    static constexpr int MaxBlankLines = 40;

    int BlankLines = 0;
    std::string Body; // lines separated by "\r\n" or "\n"

    // A serif face of 0.18 inch for a device of dpi dots per inch.
    static QFont Font(int dpi);
    // Draws one letter from the top of the current page; a body longer than
    // the page goes on over further pages. Returns the y below the letter.
    int Draw(CReportDC& dc, int dpi, const CPostalAddress& to, const CEFOleDateTime& today) const;
    // Draws one letter a page, for the first listed member (test) or all.
    bool DrawAll(CReportDC& dc, int dpi, const std::vector<CPostalAddress>& to,
                 const CEFOleDateTime& today, CProgress& progress) const;
    // Prints the letters of the list: true when a job was printed.
    bool Print(CMemberListDoc& list, bool test, QPrinter* printer, CProgress& progress) const;
};
