#pragma once
// The "Workout Verification" page.

#include "admin/core/workoutverificationdocument.h"
#include "admin/view/adminpage.h"

class CWorkPg : public CAdminPage {
    Q_OBJECT
public:
    explicit CWorkPg(QWidget* parent = nullptr);
    CPageDoc* Doc() override { return &doc_; }
    CWorkDoc& Document() { return doc_; }

protected:
    void ShowDoc() override;
    void ToDoc() override;
    void FocusField(int field) override;

private:
    CWorkDoc doc_;
    QSpinBox* circuits_;
    QSpinBox* minutes_;
};
