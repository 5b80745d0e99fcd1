#pragma once
// The "Bonus Values" page.

#include "admin/core/bonusvaluesdocument.h"
#include "admin/view/adminpage.h"

class CBonuPg : public CAdminPage {
    Q_OBJECT
public:
    explicit CBonuPg(QWidget* parent = nullptr);
    CPageDoc* Doc() override { return &doc_; }
    CBonuDoc& Document() { return doc_; }

protected:
    void ShowDoc() override;
    void ToDoc() override;
    void FocusField(int field) override;

private:
    CBonuDoc doc_;
    QSpinBox* workouts_[3];
    QSpinBox* minutes_[3];
};
