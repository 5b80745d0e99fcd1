#pragma once
// The "Facility Profile" page.

#include "admin/core/facilityprofiledocument.h"
#include "admin/view/adminpage.h"

class QComboBox;

class CProfPg : public CAdminPage {
    Q_OBJECT
public:
    explicit CProfPg(QWidget* parent = nullptr);
    CPageDoc* Doc() override { return &doc_; }
    CProfDoc& Document() { return doc_; }

protected:
    void ShowDoc() override;
    void ToDoc() override;
    void FocusField(int field) override;

private:
    CProfDoc doc_;
    QLineEdit* name_;
    QLineEdit* addr0_;
    QLineEdit* addr1_;
    QLineEdit* city_;
    QComboBox* state_;
    QLineEdit* zip_;
    QLineEdit* phone_;
    QLineEdit* web_;
    QLineEdit* email_;
};
