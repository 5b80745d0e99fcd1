#pragma once
// CDeskReportDialogs: the report requests' questions as the desk program's
// dialogs, each modal over the frame.

#include "desk/core/reportrequest.h"

class QWidget;

class CDeskReportDialogs : public CReportDialogs {
public:
    explicit CDeskReportDialogs(QWidget* parent) : parent_(parent) {}

    bool MemberId(long& memberId) override;
    bool ShortOptions(CReportOptions& options) override;
    bool LongOptions(CReportOptions& options) override;
    bool ClassSelection(std::string& category, std::string& course, std::string& section) override;
    bool Date(CEFOleDateTime& date) override;
    bool MemberClass(const CMemberClassChoice& choice, int& row) override;
    bool Comparison(const CComparisonChoice& choice, const std::vector<CEFOleDateTime>& dates,
                    int& first, int& second) override;

private:
    QWidget* parent_;
};
