#pragma once
// The "Data Entry Defaults" page.

#include "admin/core/dataentrydefaultsdocument.h"
#include "admin/view/adminpage.h"

#include <vector>

class CDefaPg : public CAdminPage {
    Q_OBJECT
public:
    explicit CDefaPg(QWidget* parent = nullptr);
    CPageDoc* Doc() override { return &doc_; }
    CDefaDoc& Document() { return doc_; }

protected:
    void ShowDoc() override;
    void ToDoc() override;
    void FocusField(int field) override;

private:
    struct FlagPair {
        RadioPair pair;
        long bit; // set by the first choice
    };
    CDefaDoc doc_;
    std::vector<FlagPair> flags_;
    QSpinBox* expMonths_;
    QComboBox* enrollPer_;
    QComboBox* grdStat_;
    QSpinBox* reEvalBon_;
    QSpinBox* otherBon_;
};
