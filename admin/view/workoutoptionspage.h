#pragma once
// The "Workout Options" page: thirteen rows of option name and abbreviation.

#include "admin/core/workoutoptionsdocument.h"
#include "admin/view/adminpage.h"

class CStatPg : public CAdminPage {
    Q_OBJECT
public:
    explicit CStatPg(QWidget* parent = nullptr);
    CPageDoc* Doc() override { return &doc_; }
    CStatDoc& Document() { return doc_; }
    QLineEdit* NameEdit(int row) { return name_[row]; }
    QLineEdit* AbbrEdit(int row) { return abbr_[row]; }

protected:
    void ShowDoc() override;
    void ToDoc() override;
    void FocusField(int field) override;

private:
    CStatDoc doc_;
    QLineEdit* name_[CStatDoc::Rows];
    QLineEdit* abbr_[CStatDoc::Rows];
};
