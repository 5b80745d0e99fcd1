#pragma once
// The "Password" page.

#include "admin/core/passworddocument.h"
#include "admin/view/adminpage.h"

class CPassPg : public CAdminPage {
    Q_OBJECT
public:
    explicit CPassPg(QWidget* parent = nullptr);
    CPageDoc* Doc() override { return &doc_; }
    CPassDoc& Document() { return doc_; }
    QLineEdit* PasswordEdit() { return password_; }

protected:
    void ShowDoc() override;
    void ToDoc() override;
    void FocusField(int field) override;

private:
    CPassDoc doc_;
    QLineEdit* password_;
};
